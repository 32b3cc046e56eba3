#include "Scenes.h"

namespace tessary::art {

const std::vector<SamplePicture>& samplePictures() {
    static const std::vector<SamplePicture> pictures{
        {"sunset-hills.jpg", 1024, 768,
         "Sunset over layered hills, a lake in the valley and a lone tree", paintSunsetHills},
        {"stained-glass.bmp", 800, 600,
         "Stained-glass rose window in jewel colours, with a meadow of glass flowers below",
         paintStainedGlass},
        {"harbour-boats.jpg", 1024, 768,
         "A fishing harbour on a fair morning: boats at their moorings, a lighthouse and a "
         "hillside town",
         paintHarbour},
        {"kaleidoscope.bmp", 720, 720,
         "A kaleidoscope rosette whose colours turn once around the wheel, on a starry lattice",
         paintKaleidoscope},
        {"flower-field.jpg", 768, 1024,
         "A summer field of poppies, daisies, cornflowers and tulips, with bulb fields and a "
         "windmill far off",
         paintFlowerField},
        {"night-mountains.jpg", 1024, 768,
         "Northern lights and the Milky Way over snowy peaks, a lakeside cabin with its windows "
         "lit",
         paintNightMountains},
    };
    return pictures;
}

} // namespace tessary::art
