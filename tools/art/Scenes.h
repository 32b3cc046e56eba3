// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <vector>

namespace tessary::art {

// The sample pictures the game ships in its images folder.
struct SamplePicture {
    const char* fileName; // written as is into images/, its extension picks BMP or JPEG
    int width;
    int height;
    QImage (*paint)(int width, int height);
};

const std::vector<SamplePicture>& samplePictures();

QImage paintSunsetHills(int width, int height);
QImage paintStainedGlass(int width, int height);
QImage paintHarbour(int width, int height);
QImage paintKaleidoscope(int width, int height);
QImage paintFlowerField(int width, int height);
QImage paintNightMountains(int width, int height);

} // namespace tessary::art
