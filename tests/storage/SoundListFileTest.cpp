// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SoundListFile.h"

#include "storage/TestFiles.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

TEST(SoundListFile, SixteenLinesFillEveryEffect) {
    std::string text;
    for (int i = 0; i < 17; ++i)
        text += "sfx" + std::to_string(i) + ".wav\r\n";
    const SoundList list = parseSoundList(text);
    EXPECT_TRUE(list.complete());
    EXPECT_EQ(list.names[15], "sfx15.wav");
}

TEST(SoundListFile, CommasQuotesLeadingSpacesAndShortLists) {
    const SoundList list =
        parseSoundList("a.wav, b.wav\r\n  \"c, d.wav\"\n e.wav ,\"f.wav\"\r\n\r\ng.wav");
    EXPECT_EQ(list.count, 7);
    EXPECT_EQ(std::vector<std::string>(list.names.begin(), list.names.begin() + 8),
              std::vector<std::string>(
                  {"a.wav", "b.wav", "c, d.wav", "e.wav", "f.wav", "", "g.wav", ""}));
    const SoundList five = parseSoundList("0.wav\r\n1.wav\r\n2.wav\r\n3.wav\r\n4.wav\r\n");
    EXPECT_EQ(five.count, 5);
    EXPECT_EQ(five.names[5], ""); // effect 5, played for a short list, names nothing
}

TEST(SoundListFile, AMissingListIsReported) {
    TempFolder dir;
    EXPECT_FALSE(readSoundList(dir.path / "tesssnd.dat"));
    dir.write("tesssnd.dat", "x.wav");
    const auto list = readSoundList(dir.path / "tesssnd.dat");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->names[0], "x.wav");
}

} // namespace
} // namespace tessary
