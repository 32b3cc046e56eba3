// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/GifEndCheck.h"
#include "files/JpegEndCheck.h"
#include "files/PngEndCheck.h"
#include "files/TiffDataCheck.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessary {
namespace {

using Bytes = std::vector<unsigned char>;

bool reachesEnd(const Bytes& b) {
    return jpegReachesEnd(b.data(), b.size());
}

// Whether `check` takes the whole file and refuses every shorter cut of it.
template <typename Check> void expectOnlyTheWholeFile(Check check, const Bytes& whole) {
    EXPECT_TRUE(check(whole.data(), whole.size()));
    for (std::size_t n = 0; n < whole.size(); ++n)
        EXPECT_FALSE(check(whole.data(), n)) << n;
}

// SOI, an APP1 segment that itself holds an end marker (as an embedded thumbnail does), two
// scans whose data holds stuffed bytes, a restart marker and fill bytes, then EOI.
Bytes wholeFile() {
    return {0xFF, 0xD8,                                     // SOI
            0xFF, 0xE1, 0x00, 0x06, 0xFF, 0xD9, 0x12, 0x34, // APP1 with FF D9 inside
            0xFF, 0xDA, 0x00, 0x04, 0x01, 0x02,             // SOS
            0x11, 0xFF, 0x00, 0x22, 0xFF, 0xD3, 0x33,       // data, stuffed FF, RST3
            0xFF, 0xFF, 0xDA, 0x00, 0x03, 0x05,             // fill byte, second SOS
            0x44, 0x55, 0xFF, 0x00,                         // data
            0xFF, 0xD9};                                    // EOI
}

TEST(JpegEndCheck, WholeFileReachesItsEndAndEveryShorterCutDoesNot) {
    const Bytes whole = wholeFile();
    EXPECT_TRUE(reachesEnd(whole));
    for (std::size_t n = 0; n < whole.size(); ++n)
        EXPECT_FALSE(reachesEnd(Bytes(whole.begin(), whole.begin() + long(n)))) << n;
}

TEST(JpegEndCheck, BytesAfterTheEndAreAllowed) {
    Bytes b = wholeFile();
    b.insert(b.end(), {0x00, 0xFF, 0x12});
    EXPECT_TRUE(reachesEnd(b));
}

TEST(JpegEndCheck, RefusesWhatDoesNotStartAsAJpeg) {
    Bytes b = wholeFile();
    b[1] = 0xD9;
    EXPECT_FALSE(reachesEnd(b));
    // A segment whose length runs past the file.
    const Bytes longSegment{0xFF, 0xD8, 0xFF, 0xE0, 0x10, 0x00, 0xFF, 0xD9};
    EXPECT_FALSE(reachesEnd(longSegment));
}

// The signature, a header chunk, a data chunk and the end chunk (checksums are not looked at).
TEST(PngEndCheck, OnlyAFileRunningOnToItsEndChunkIsWhole) {
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    png.insert(png.end(), {0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0, 0, 2, 0,
                           0, 0, 2, 8,  2,   0,   0,   0,   1, 2, 3, 4});
    png.insert(png.end(), {0, 0, 0, 2, 'I', 'D', 'A', 'T', 0x78, 0x9C, 5, 6, 7, 8});
    png.insert(png.end(), {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82});
    expectOnlyTheWholeFile(pngReachesEnd, png);
    Bytes after = png;
    after.push_back(0);
    EXPECT_TRUE(pngReachesEnd(after.data(), after.size()));
    png[11] = 200; // the header chunk's length runs past the file
    EXPECT_FALSE(pngReachesEnd(png.data(), png.size()));
}

// A screen with a colour table, an extension, an image with its own table, the trailer.
TEST(GifEndCheck, OnlyAFileRunningOnToItsTrailerIsWhole) {
    Bytes gif{'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x80, 0, 0, 1, 2, 3, 4, 5, 6};
    gif.insert(gif.end(), {0x21, 0xF9, 4, 0, 0, 0, 0, 0});
    gif.insert(gif.end(), {0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0x81});
    gif.insert(gif.end(), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    gif.insert(gif.end(), {2, 2, 0x44, 0x01, 0, 0x3B});
    expectOnlyTheWholeFile(gifReachesTrailer, gif);
    gif[gif.size() - 1] = 0x99; // no block starts so
    EXPECT_FALSE(gifReachesTrailer(gif.data(), gif.size()));
}

// A little-endian TIFF whose two strips and their lists lie after the directory, the last
// strip at the very end.
TEST(TiffDataCheck, EveryStripAndValueMustLieInTheFile) {
    Bytes tiff{'I', 'I', 42, 0, 8, 0, 0, 0, 3, 0};
    tiff.insert(tiff.end(), {0x00, 0x01, 3, 0, 1, 0, 0, 0, 2, 0, 0, 0});  // width 2
    tiff.insert(tiff.end(), {0x11, 0x01, 4, 0, 2, 0, 0, 0, 50, 0, 0, 0}); // strip offsets
    tiff.insert(tiff.end(), {0x17, 0x01, 4, 0, 2, 0, 0, 0, 58, 0, 0, 0}); // strip lengths
    tiff.insert(tiff.end(), {0, 0, 0, 0});                                // no next directory
    tiff.insert(tiff.end(), {66, 0, 0, 0, 69, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0}); // the lists
    tiff.insert(tiff.end(), {1, 2, 3, 4, 5});                                    // the strips
    expectOnlyTheWholeFile(tiffDataFits, tiff);
    Bytes noStrips = tiff;
    noStrips[22] = 0x12; // strip offsets become an unknown field
    EXPECT_FALSE(tiffDataFits(noStrips.data(), noStrips.size()));

    // A big-endian big TIFF with one strip, its offset and length held in the entries.
    Bytes big{'M', 'M', 0, 43, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 2};
    big.insert(big.end(), {0x01, 0x11, 0, 16, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 72});
    big.insert(big.end(), {0x01, 0x17, 0, 16, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 4});
    big.insert(big.end(), {0, 0, 0, 0, 0, 0, 0, 0, 9, 8, 7, 6});
    expectOnlyTheWholeFile(tiffDataFits, big);
}

} // namespace
} // namespace tessary
