// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

namespace tessary {

// One file of the damaged-picture set: its name in the folder, what is wrong with it, and
// whether the game should take it as a picture.
struct DamagedPicture {
    enum class Expect { Loads, Refused };
    QString name;
    QString what;
    Expect expect = Expect::Refused;
};

// Writes the set into folder (which must exist): whole pictures of every format taken, some
// with awkward names, cut JPEGs, BMPs, PNGs, WebPs, TIFFs and GIFs, random bytes after their
// headers, headers claiming huge, zero or negative sizes, random bytes, an empty file, an
// icon named .bmp and a folder named x.bmp. Every file is made here from scratch, the same
// bytes on every run. Returns the entries in the order written; one of them, a file that is
// named but never written, stands for a picture deleted after it was chosen.
std::vector<DamagedPicture> writeDamagedPictures(const QString& folder);

} // namespace tessary
