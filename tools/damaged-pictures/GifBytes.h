// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

namespace tessary {

// The picture as a GIF file of one frame in 256 colours. Qt reads GIF but cannot write it, so
// the tests' GIF pictures are made here: the LZW data holds every pixel as a literal code,
// with a clear code often enough that the codes never grow past nine bits.
QByteArray gifBytes(const QImage& image);

} // namespace tessary
