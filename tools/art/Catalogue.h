#pragma once

#include "Scenes.h"

#include <QByteArray>

#include <vector>

namespace tessary::art {

// imagelst.txt: the sample pictures with a line about each, as plain text with CR LF line
// ends, opened from the Help menu's "Image Catalog".
QByteArray imageCatalogue(const std::vector<SamplePicture>& pictures);

} // namespace tessary::art
