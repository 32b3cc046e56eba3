// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scenes.h"

namespace tessary::art {

const std::vector<SamplePicture>& samplePictures() {
    static const std::vector<SamplePicture> pictures{
        // Sunset over layered hills, a lake in the valley and a lone tree.
        {"sunset-hills.jpg", 1024, 768, paintSunsetHills},
        // A stained-glass rose window in jewel colours, with a meadow of glass flowers below.
        {"stained-glass.bmp", 800, 600, paintStainedGlass},
        // A fishing harbour on a fair morning: boats at their moorings, a lighthouse and a
        // hillside town.
        {"harbour-boats.jpg", 1024, 768, paintHarbour},
        // A kaleidoscope rosette whose colours turn once around the wheel, on a starry lattice.
        {"kaleidoscope.bmp", 720, 720, paintKaleidoscope},
        // A summer field of poppies, daisies, cornflowers and tulips, with bulb fields and a
        // windmill far off.
        {"flower-field.jpg", 768, 1024, paintFlowerField},
        // Northern lights and the Milky Way over snowy peaks, a lakeside cabin with its windows
        // lit.
        {"night-mountains.jpg", 1024, 768, paintNightMountains},
    };
    return pictures;
}

} // namespace tessary::art
