#include "storage/SettingsFile.h"

#include "storage/DataFile.h"
#include "storage/TestFiles.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

Settings sampleSettings() {
    Settings s;
    s.playerName = "  Smith, Ann";
    s.playerEmail = "ann@example.org";
    s.spareSetting = 0;
    s.spareFlag = -1;
    s.soundOn = true;
    s.aboutLine1 = "Registered to, \"Ann\"";
    s.aboutLine2 = "";
    s.jukeMode = 2;
    s.jukeFile = " /music/a, b, c.mid";
    s.spareLong = -100000;
    return s;
}

PuzzleDescription samplePuzzle() {
    PuzzleDescription p;
    p.imgAcross = 10;
    p.imgDown = 8;
    p.puzType = 2;
    p.fitMode = 1;
    return p;
}

TEST(SettingsFile, LinesTwoToFiveOfTheExample) {
    const std::string text = settingsText(samplePuzzle(), sampleSettings());
    EXPECT_EQ(text, "  Smith, Ann\r\n"
                    " 10  8  2 \r\n"
                    " 0  1  5  5 \r\n"
                    "-1 \r\n"
                    "-1 \r\n"
                    "ann@example.org\r\n"
                    "Registered to, \"Ann\"\r\n"
                    " 2 \r\n"
                    " /music/a, b, c.mid\r\n"
                    "\r\n"
                    "-100000 \r\n");
}

TEST(SettingsFile, RoundTripGivesBackEverySetting) {
    TempFolder dir;
    ASSERT_TRUE(putINI(dir.path, samplePuzzle(), sampleSettings()));
    PuzzleDescription p;
    Settings s;
    ASSERT_TRUE(getINI(dir.path, p, s));
    const Settings want = sampleSettings();
    EXPECT_EQ(s.playerName, want.playerName);
    EXPECT_EQ(s.playerEmail, want.playerEmail);
    EXPECT_EQ(s.aboutLine1, want.aboutLine1);
    EXPECT_EQ(s.aboutLine2, want.aboutLine2);
    EXPECT_EQ(s.jukeFile, want.jukeFile);
    EXPECT_EQ(std::vector<int>({s.spareSetting, s.spareFlag, s.soundOn, s.jukeMode}),
              std::vector<int>({0, -1, 1, 2}));
    EXPECT_EQ(s.spareLong, -100000);
    EXPECT_EQ(std::vector<int>({p.imgAcross, p.imgDown, p.puzType, p.fitMode}),
              std::vector<int>({10, 8, 2, 1}));
}

TEST(SettingsFile, LineThreeAlwaysEndsWithFiveAndFive) {
    PuzzleDescription p;
    Settings s;
    parseSettings("x\r\n 1  2  3 \r\n 4  2  9  9 \r\n", p, s);
    EXPECT_EQ(s.spareSetting, 4);
    EXPECT_EQ(p.fitMode, 2);
    const std::string text = settingsText(p, s);
    EXPECT_NE(text.find("\r\n 4  2  5  5 \r\n"), std::string::npos);
}

TEST(SettingsFile, NoFileKeepsTheStartValues) {
    TempFolder dir;
    PuzzleDescription p;
    Settings s;
    EXPECT_FALSE(getINI(dir.path, p, s));
    EXPECT_EQ(s.playerName, "");
    EXPECT_FALSE(s.soundOn);
    EXPECT_EQ(s.jukeMode, 0);
    EXPECT_EQ(p.imgAcross, 0);
    EXPECT_EQ(p.puzType, 0);
}

TEST(SettingsFile, AFileCutShortKeepsWhatWasReadAndLeavesTheRest) {
    const std::string full = settingsText(samplePuzzle(), sampleSettings());
    for (const auto& cut : cutsAtEveryLine(full)) {
        PuzzleDescription p;
        Settings s;
        s.jukeFile = "before";
        s.spareLong = 77;
        parseSettings(cut, p, s);
        const bool hasNine = cut.find("c.mid") != std::string::npos;
        EXPECT_EQ(s.jukeFile, hasNine ? sampleSettings().jukeFile : "before") << cut.size();
        EXPECT_EQ(s.spareLong, 77) << cut.size();
        EXPECT_EQ(s.playerName, cut.empty() ? "" : "  Smith, Ann") << cut.size();
    }
}

TEST(SettingsFile, GarbageGivesZerosAndTextButNoCrash) {
    PuzzleDescription p;
    Settings s;
    using namespace std::string_view_literals;
    parseSettings("\xFF\xFE\x00\x01,,,\"\r\nabc, def\r\n\"\r\n\n\n\n\n\n\n\n\n\n"sv, p, s);
    EXPECT_EQ(p.imgAcross, 0);
    EXPECT_FALSE(s.soundOn);
    // The first line comes back as Windows-1252 text.
    EXPECT_EQ(s.playerName.substr(0, 4), "\xC3\xBF\xC3\xBE");
}

TEST(SettingsFile, AFileFromWindowsIsFoundWhateverItsLetterCase) {
    TempFolder dir;
    dir.write("TESSARY.INI", "Ann\r\n 5  4  1 \r\n");
    PuzzleDescription p;
    Settings s;
    ASSERT_TRUE(getINI(dir.path, p, s));
    EXPECT_EQ(s.playerName, "Ann");
    EXPECT_EQ(p.imgAcross, 5);
}

TEST(SettingsFile, AReadOnlyFolderReportsFailure) {
    TempFolder dir;
    EXPECT_FALSE(putINI(dir.path / "gone", samplePuzzle(), sampleSettings()));
}

} // namespace
} // namespace tessary
