#include "storage/SavedGame.h"

#include "storage/DataFile.h"
#include "storage/TestFiles.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tessary {
namespace {

// A game in play on a board of the given shape, every column's pieces turned around so
// nothing but the middle of an odd column is home.
GameState gameInPlay(int type, int imgAcross, int imgDown, int across, int down) {
    GameState g;
    g.puzzle.puzType = int16_t(type);
    g.puzzle.imgAcross = int16_t(imgAcross);
    g.puzzle.imgDown = int16_t(imgDown);
    g.puzzle.fitMode = 2;
    g.puzzle.puzPath = "/pics/a, b.jpg";
    g.puzzle.puzFile = {"", "/pics/a, b.jpg", "  /pics/two.bmp", "", ""};
    g.puzzle.puzTitle = "a, b";
    g.board = {.boardAcross = int16_t(across),
               .boardDown = int16_t(down),
               .boardW = 803,
               .boardH = 600,
               .pieceW = 40,
               .pieceH = 30};
    g.play = {
        .leftToMove = 7, .swaps = 12, .goodSwaps = 5, .peeks = 2, .assists = 1, .netScore = -35};
    for (int c = 1; c <= across; ++c)
        for (int r = 1; r <= down; ++r) {
            g.pieceAt(c, r) = GridPos{int16_t(c), int16_t(down + 1 - r)};
            g.cellOf(c, down + 1 - r) = GridPos{int16_t(c), int16_t(r)};
        }
    return g;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    return lines;
}

TEST(SavedGame, ATwoByTwoBoardIsTwentySevenLinesInColumnOrder) {
    GameState g = gameInPlay(1, 2, 2, 2, 2);
    g.pieceAt(1, 1) = {2, 2};
    g.pieceAt(1, 2) = {1, 2};
    g.pieceAt(2, 1) = {2, 1};
    g.pieceAt(2, 2) = {1, 1};
    Settings settings;
    settings.spareSetting = 3;
    const auto lines = linesOf(savedGameText(g, settings));
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 19),
              std::vector<std::string>({"Morvane-Tessary", "/pics/a, b.jpg", "/pics/a, b.jpg",
                                        "  /pics/two.bmp", "", "", "a, b", " 2  2  3  2 ",
                                        " 50  40 ", " 40  30 ", " 803  600 ", " 2  2 ", " 1 ",
                                        "-35 ", " 7 ", " 12 ", " 5 ", " 2 ", " 1 "}));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 19, lines.end()),
              std::vector<std::string>({" 2 ", " 2 ", " 1 ", " 2 ", " 2 ", " 1 ", " 1 ", " 1 "}));
}

TEST(SavedGame, RoundTripGivesBackTheGameWithCellOfRebuilt) {
    TempFolder dir;
    const GameState saved = gameInPlay(4, 3, 2, 6, 4);
    Settings settings;
    settings.spareSetting = -7;
    ASSERT_TRUE(writeSavedGame(dir.path / "game.sav", saved, settings));

    GameState current = gameInPlay(1, 2, 2, 2, 2);
    current.board.screenW = 1280;
    current.cellOf(2, 2) = {9, 9}; // stale
    Settings currentSettings;
    currentSettings.playerName = "Ann";
    const auto load = readSavedGame(dir.path / "game.sav", current, currentSettings);
    ASSERT_EQ(load.status, SavedGameStatus::ok);
    const GameState& g = load.game;
    EXPECT_EQ(g.puzzle.puzFile, saved.puzzle.puzFile); // commas and leading spaces kept
    EXPECT_EQ(g.puzzle.puzPath, saved.puzzle.puzPath);
    EXPECT_EQ(g.puzzle.puzTitle, "a, b");
    EXPECT_EQ(g.puzzle.puzType, 4);
    EXPECT_EQ(g.puzzle.fitMode, 2);
    EXPECT_EQ(g.board.boardW, 803);
    EXPECT_EQ(g.board.pieceH, 30);
    EXPECT_EQ(g.board.screenW, 1280); // not in the file: carried over
    EXPECT_EQ(g.play.netScore, -35);
    EXPECT_EQ(g.play.swaps, 12);
    EXPECT_EQ(g.play.assists, 1);
    EXPECT_EQ(load.settings.spareSetting, -7);
    EXPECT_EQ(load.settings.playerName, "Ann");
    for (int c = 0; c <= 50; ++c)
        for (int r = 0; r <= 50; ++r) {
            ASSERT_EQ(g.pieceAt(c, r), saved.pieceAt(c, r)) << c << "," << r;
            ASSERT_EQ(g.cellOf(c, r), saved.cellOf(c, r)) << c << "," << r;
        }
}

TEST(SavedGame, TheLimitsStayTheProgramsOwn) {
    GameState g = gameInPlay(1, 2, 2, 2, 2);
    std::string text = savedGameText(g, {});
    text.replace(text.find(" 50  40 "), 8, " 900  0 ");
    const auto load = parseSavedGame(text, GameState{}, {});
    ASSERT_EQ(load.status, SavedGameStatus::ok);
    EXPECT_EQ(load.game.puzzle.maxAcross, 50);
    EXPECT_EQ(load.game.puzzle.maxDown, 40);
}

TEST(SavedGame, OnlyTheExactHeaderIsASavedGame) {
    const std::string body = savedGameText(gameInPlay(1, 2, 2, 2, 2), {}).substr(15);
    EXPECT_EQ(parseSavedGame("Morvane-Tessary" + body, {}, {}).status, SavedGameStatus::ok);
    for (const char* header : {"Morvane-Tessary ", "morvane-tessary", "", "Tessary"})
        EXPECT_EQ(parseSavedGame(header + body, {}, {}).status, SavedGameStatus::notSavedGame)
            << header;
    // LF line ends from an editor are fine.
    std::string lf = "Morvane-Tessary" + body;
    for (std::size_t i; (i = lf.find('\r')) != std::string::npos;)
        lf.erase(i, 1);
    EXPECT_EQ(parseSavedGame(lf, {}, {}).status, SavedGameStatus::ok);
}

// Every refusal hands back the current game untouched.
void expectRefused(const std::string& text, const char* why) {
    const GameState current = gameInPlay(2, 3, 3, 6, 3);
    const auto load = parseSavedGame(text, current, {});
    EXPECT_EQ(load.status, SavedGameStatus::notSavedGame) << why;
}

std::string withLine(std::string text, int line, const std::string& value) {
    std::size_t start = 0;
    for (int i = 1; i < line; ++i)
        start = text.find("\r\n", start) + 2;
    text.replace(start, text.find("\r\n", start) - start, value);
    return text;
}

std::string withLine(const GameState& g, int line, const std::string& value) {
    return withLine(savedGameText(g, {}), line, value);
}

TEST(SavedGame, ValuesOutsideTheirRangeAreRefused) {
    const GameState g = gameInPlay(1, 4, 3, 4, 3);
    EXPECT_EQ(parseSavedGame(withLine(g, 13, " 1 "), {}, {}).status, SavedGameStatus::ok);
    expectRefused(withLine(g, 13, " 5 "), "puzType 5");
    expectRefused(withLine(g, 13, " 0 "), "puzType 0");
    expectRefused(withLine(g, 8, " 4  3  0  3 "), "fitMode 3");
    expectRefused(withLine(g, 8, " 1  3  0  1 "), "imgAcross 1");
    expectRefused(withLine(g, 12, " 4  0 "), "boardDown 0");
    expectRefused(withLine(g, 12, " 3  3 "), "board not of the puzzle's shape");
    expectRefused(withLine(g, 12, "x  3 "), "text as boardAcross");
    expectRefused(withLine(g, 8, " 99999  3  0  1 "), "too wide for a number");
}

TEST(SavedGame, ABoardAboveFiftyIsRefused) {
    // A 2 x 2 puzzle of 26 x 20 pieces would need 52 columns.
    const GameState g = gameInPlay(4, 25, 20, 50, 40);
    EXPECT_EQ(parseSavedGame(savedGameText(g, {}), {}, {}).status, SavedGameStatus::ok);
    expectRefused(withLine(withLine(g, 8, " 26  20  0  2 "), 12, " 52  40 "), "52 columns");
}

TEST(SavedGame, ABoardThatIsNotAPermutationIsRefused) {
    GameState g = gameInPlay(3, 2, 2, 6, 2);
    g.pieceAt(1, 1) = g.pieceAt(1, 2); // one piece twice, another missing
    expectRefused(savedGameText(g, {}), "duplicated piece");
    g = gameInPlay(3, 2, 2, 2, 6);
    EXPECT_EQ(parseSavedGame(savedGameText(g, {}), {}, {}).status, SavedGameStatus::ok);
    g.pieceAt(2, 6) = {3, 1}; // a home outside the board
    expectRefused(savedGameText(g, {}), "home outside the board");
    g.pieceAt(2, 6) = {0, 0};
    expectRefused(savedGameText(g, {}), "home 0,0");
}

TEST(SavedGame, AFileCutAtAnyLineIsRefused) {
    const std::string full = savedGameText(gameInPlay(2, 2, 3, 4, 3), {});
    for (const auto& cut : cutsAtEveryLine(full))
        expectRefused(cut, ("cut at byte " + std::to_string(cut.size())).c_str());
    // Only the final line end may be missing.
    EXPECT_EQ(parseSavedGame(full.substr(0, full.size() - 2), {}, {}).status, SavedGameStatus::ok);
}

TEST(SavedGame, GarbageIsRefusedAndAMissingFileCannotBeOpened) {
    std::string garbage;
    for (int i = 0; i < 4000; ++i)
        garbage += char((i * 7919 + 13) % 256);
    expectRefused(garbage, "garbage");
    expectRefused("Morvane-Tessary\r\n" + garbage, "garbage after the header");
    TempFolder dir;
    EXPECT_EQ(readSavedGame(dir.path / "none.sav", {}, {}).status, SavedGameStatus::cannotOpen);
    EXPECT_EQ(readSavedGame(dir.path, {}, {}).status, SavedGameStatus::cannotOpen);
}

TEST(SavedGame, AGameFromAWindowsVersionReadsItsPathsAsWindows1252) {
    const auto text = withLine(gameInPlay(1, 2, 2, 2, 2), 2, "C:\\Bilder\\M\xFChle.jpg");
    const auto load = parseSavedGame(text, {}, {});
    ASSERT_EQ(load.status, SavedGameStatus::ok);
    EXPECT_EQ(load.game.puzzle.puzPath, "C:\\Bilder\\M\xC3\xBChle.jpg");
}

TEST(SavedGame, AWriteThatCannotBeDoneReportsIt) {
    TempFolder dir;
    const GameState g = gameInPlay(1, 2, 2, 2, 2);
    EXPECT_FALSE(writeSavedGame(dir.path / "no folder" / "g.sav", g, {}));
    std::filesystem::create_directory(dir.path / "taken.sav");
    EXPECT_FALSE(writeSavedGame(dir.path / "taken.sav", g, {}));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path / "taken.sav"));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"taken.sav"});
}

} // namespace
} // namespace tessary
