#include "files/JpegEndCheck.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessary {
namespace {

using Bytes = std::vector<unsigned char>;

bool reachesEnd(const Bytes& b) {
    return jpegReachesEnd(b.data(), b.size());
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

} // namespace
} // namespace tessary
