// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SettingsFile.h"
#include "files/ChooserFolders.h"

#include "storage/TestFiles.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

Settings sampleSettings() {
    Settings s;
    s.playerName = "  Smith, Ann";
    s.playerEmail = "ann@example.org";
    s.spareFlag = -1;
    s.soundOn = true;
    s.aboutLine1 = "Registered to, \"Ann\"";
    s.jukeMode = 2;
    s.jukeFile = " /music/a, b, c.mid";
    s.spareLong = -100000;
    return s;
}

const Settings kSample = sampleSettings();

PuzzleDescription samplePuzzle() {
    PuzzleDescription p;
    p.imgAcross = 10;
    p.imgDown = 8;
    p.puzType = 2;
    p.fitMode = 1;
    return p;
}

TEST(SettingsFile, ElevenLinesAsInTheExample) {
    EXPECT_EQ(settingsText(samplePuzzle(), kSample),
              "  Smith, Ann\r\n 10  8  2 \r\n 0  1  5  5 \r\n-1 \r\n-1 \r\nann@example.org\r\n"
              "Registered to, \"Ann\"\r\n 2 \r\n /music/a, b, c.mid\r\n\r\n-100000 \r\n");
}

TEST(SettingsFile, RoundTripGivesBackEverySetting) {
    TempFolder dir;
    ASSERT_TRUE(putINI(dir.path, samplePuzzle(), kSample));
    PuzzleDescription p;
    Settings s;
    ASSERT_TRUE(getINI(dir.path, p, s));
    EXPECT_EQ(std::vector<std::string>(
                  {s.playerName, s.playerEmail, s.aboutLine1, s.aboutLine2, s.jukeFile}),
              std::vector<std::string>({kSample.playerName, kSample.playerEmail, kSample.aboutLine1,
                                        "", kSample.jukeFile}));
    EXPECT_EQ(std::vector<int>({s.spareSetting, s.spareFlag, s.soundOn, s.jukeMode, s.spareLong,
                                p.imgAcross, p.imgDown, p.puzType, p.fitMode}),
              std::vector<int>({0, -1, 1, 2, -100000, 10, 8, 2, 1}));
}

TEST(SettingsFile, LineThreeAlwaysEndsWithFiveAndFive) {
    PuzzleDescription p;
    Settings s;
    parseSettings("x\r\n 1  2  3 \r\n 4  2  9  9 \r\n", p, s);
    EXPECT_EQ(s.spareSetting, 4);
    EXPECT_EQ(p.fitMode, 2);
    EXPECT_NE(settingsText(p, s).find("\r\n 4  2  5  5 \r\n"), std::string::npos);
}

TEST(SettingsFile, NoFileOrACutFileLeavesTheSettingsNotReadAsTheyWere) {
    TempFolder dir;
    PuzzleDescription p;
    Settings s;
    EXPECT_FALSE(getINI(dir.path, p, s));
    EXPECT_FALSE(putINI(dir.path / "gone", p, s));

    for (const auto& cut : cutsAtEveryLine(settingsText(samplePuzzle(), kSample))) {
        Settings cutShort;
        cutShort.jukeFile = "before";
        cutShort.spareLong = 77;
        parseSettings(cut, p, cutShort);
        const bool hasLine9 = cut.find("c.mid") != std::string::npos;
        EXPECT_EQ(cutShort.jukeFile, hasLine9 ? kSample.jukeFile : "before") << cut.size();
        EXPECT_EQ(cutShort.spareLong, 77) << cut.size();
        EXPECT_EQ(cutShort.playerName, cut.empty() ? "" : kSample.playerName) << cut.size();
    }
}

TEST(SettingsFile, GarbageReadsAsZerosAndWindowsText) {
    PuzzleDescription p;
    Settings s;
    using namespace std::string_view_literals;
    parseSettings("\xFF\xFE\x00\x01,,,\"\r\nabc, def\r\n\"\r\n\n\n\n\n\n\n\n\n\n"sv, p, s);
    EXPECT_EQ(p.imgAcross, 0);
    EXPECT_FALSE(s.soundOn);
    EXPECT_EQ(s.playerName.substr(0, 4), "\xC3\xBF\xC3\xBE"); // read as Windows-1252
}

// The choosers' last folders live in a file of their own beside the settings.
TEST(ChooserFoldersFile, RoundTripOnlyWhatALineCanHoldAndNothingFromNoFile) {
    TempFolder folder;
    EXPECT_EQ(readChooserFolders(folder.path), ChooserFolders{});
    const ChooserFolders kept{"/home/ann/Pictures/holiday, 2026", "/home/ann/Games"};
    ASSERT_TRUE(writeChooserFolders(folder.path, kept));
    EXPECT_EQ(readChooserFolders(folder.path), kept);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"folders.dat"}));
    ASSERT_TRUE(writeChooserFolders(folder.path, {"/tmp/two\nlines", "/tmp/two\nlines"}));
    EXPECT_EQ(readChooserFolders(folder.path), ChooserFolders{});
}

} // namespace
} // namespace tessary
