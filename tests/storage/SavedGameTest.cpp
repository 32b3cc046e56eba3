// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SavedGame.h"

#include "files/DataFile.h"
#include "storage/TestFiles.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

// A game in play; each column's pieces are upside down.
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

std::string withLine(std::string text, int line, const std::string& value) {
    std::size_t start = 0;
    for (int i = 1; i < line; ++i)
        start = text.find("\r\n", start) + 2;
    return text.replace(start, text.find("\r\n", start) - start, value);
}

Settings spareSetting(int16_t value) {
    Settings s;
    s.spareSetting = value;
    return s;
}

SavedGameStatus statusOf(const std::string& text) {
    return parseSavedGame(text, {}, {}).status;
}

TEST(SavedGame, ATwoByTwoBoardIsTwentySevenLinesInColumnOrder) {
    GameState g = gameInPlay(1, 2, 2, 2, 2);
    g.pieceAt(1, 1) = {2, 2};
    g.pieceAt(1, 2) = {1, 2};
    g.pieceAt(2, 1) = {2, 1};
    g.pieceAt(2, 2) = {1, 1};
    EXPECT_EQ(savedGameText(g, spareSetting(3)),
              "Morvane-Tessary\r\n/pics/a, b.jpg\r\n/pics/a, b.jpg\r\n  /pics/two.bmp\r\n\r\n\r\n"
              "a, b\r\n 2  2  3  2 \r\n 50  40 \r\n 40  30 \r\n 803  600 \r\n 2  2 \r\n 1 \r\n"
              "-35 \r\n 7 \r\n 12 \r\n 5 \r\n 2 \r\n 1 \r\n"
              " 2 \r\n 2 \r\n 1 \r\n 2 \r\n 2 \r\n 1 \r\n 1 \r\n 1 \r\n");
}

TEST(SavedGame, RoundTripGivesBackTheGameWithCellOfRebuilt) {
    TempFolder dir;
    const GameState saved = gameInPlay(4, 3, 2, 6, 4);
    ASSERT_TRUE(writeSavedGame(dir.path / "game.sav", saved, spareSetting(-7)));

    GameState current = gameInPlay(1, 2, 2, 2, 2);
    current.cellOf(2, 2) = {9, 9}; // stale
    std::string text = *readDataFile(dir.path / "game.sav");
    text = withLine(text, 9, " 900  0 "); // the limits stay the program's own
    Settings settings;
    settings.playerName = "Ann";
    const auto load = parseSavedGame(text, current, settings);
    ASSERT_EQ(load.status, SavedGameStatus::ok);
    const GameState& g = load.game;
    EXPECT_EQ(g.puzzle.puzFile, saved.puzzle.puzFile); // commas and leading spaces kept
    EXPECT_EQ(g.puzzle.puzPath, saved.puzzle.puzPath);
    EXPECT_EQ(g.puzzle.puzTitle, "a, b");
    EXPECT_EQ(std::vector<int>({g.puzzle.puzType, g.puzzle.fitMode, g.board.boardW, g.board.pieceH,
                                g.play.swaps, g.play.assists, g.play.netScore}),
              std::vector<int>({4, 2, 803, 30, 12, 1, -35}));
    EXPECT_EQ(load.settings.spareSetting, -7);
    EXPECT_EQ(load.settings.playerName, "Ann");
    for (int c = 0; c <= 50; ++c)
        for (int r = 0; r <= 50; ++r) {
            ASSERT_EQ(g.pieceAt(c, r), saved.pieceAt(c, r)) << c << "," << r;
            ASSERT_EQ(g.cellOf(c, r), saved.cellOf(c, r)) << c << "," << r;
        }
}

TEST(SavedGame, OnlyTheExactHeaderIsASavedGame) {
    const std::string text = savedGameText(gameInPlay(1, 2, 2, 2, 2), {});
    EXPECT_EQ(statusOf(text), SavedGameStatus::ok);
    for (const char* header : {"Morvane-Tessary ", "morvane-tessary", ""})
        EXPECT_EQ(statusOf(withLine(text, 1, header)), SavedGameStatus::notSavedGame) << header;
    std::string lf = text; // LF line ends from an editor are fine
    std::erase(lf, '\r');
    EXPECT_EQ(statusOf(lf), SavedGameStatus::ok);
}

TEST(SavedGame, ValuesOutsideTheirRangeAreRefused) {
    const std::string text = savedGameText(gameInPlay(1, 4, 3, 4, 3), {});
    const std::vector<std::pair<int, std::string>> bad = {
        {13, " 5 "},             // puzType 5
        {13, " 0 "},             // puzType 0
        {8, " 4  3  0  3 "},     // fitMode 3
        {8, " 1  3  0  1 "},     // imgAcross 1
        {8, " 99999  3  0  1 "}, // too wide: reads as 0
        {12, " 4  0 "},          // no rows
        {12, "x  3 "},           // text as a number
        {12, " 3  3 "},          // not the board a Single puzzle of 4 x 3 has
    };
    for (const auto& [line, value] : bad)
        EXPECT_EQ(statusOf(withLine(text, line, value)), SavedGameStatus::notSavedGame) << value;
    // A 2 x 2 puzzle of 26 x 20 pieces would need 52 columns.
    const std::string big = savedGameText(gameInPlay(4, 25, 20, 50, 40), {});
    EXPECT_EQ(statusOf(big), SavedGameStatus::ok);
    EXPECT_EQ(statusOf(withLine(withLine(big, 8, " 26  20  0  2 "), 12, " 52  40 ")),
              SavedGameStatus::notSavedGame);
}

TEST(SavedGame, ABoardThatIsNotAPermutationIsRefused) {
    GameState g = gameInPlay(3, 2, 2, 2, 6);
    EXPECT_EQ(statusOf(savedGameText(g, {})), SavedGameStatus::ok);
    for (const GridPos home : {g.pieceAt(1, 2), GridPos{3, 1}, GridPos{0, 0}}) {
        GameState bad = g;
        bad.pieceAt(1, 1) = home; // a piece twice, a home off the board, no piece
        EXPECT_EQ(statusOf(savedGameText(bad, {})), SavedGameStatus::notSavedGame);
    }
}

TEST(SavedGame, CutOrGarbageFilesAreRefused) {
    const std::string full = savedGameText(gameInPlay(2, 2, 3, 4, 3), {});
    std::vector<std::string> damaged = cutsAtEveryLine(full);
    std::string garbage;
    for (int i = 0; i < 4000; ++i)
        garbage += char((i * 7919 + 13) % 256);
    damaged.push_back(garbage);
    damaged.push_back("Morvane-Tessary\r\n" + garbage);
    const GameState current = gameInPlay(1, 2, 2, 2, 2);
    for (const auto& text : damaged) {
        const auto load = parseSavedGame(text, current, {});
        EXPECT_EQ(load.status, SavedGameStatus::notSavedGame) << text.size();
    }
    EXPECT_EQ(statusOf(full.substr(0, full.size() - 2)), SavedGameStatus::ok); // last CR LF
    TempFolder dir;
    EXPECT_EQ(readSavedGame(dir.path / "none.sav", {}, {}).status, SavedGameStatus::cannotOpen);
    EXPECT_EQ(readSavedGame(dir.path, {}, {}).status, SavedGameStatus::cannotOpen);
}

} // namespace
} // namespace tessary
