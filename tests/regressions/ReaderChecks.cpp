// SPDX-License-Identifier: GPL-3.0-or-later
#include "regressions/ReaderChecks.h"
#include "fakes/TestBoards.h"

#include "files/BmpHeaderCheck.h"
#include "files/GifEndCheck.h"
#include "files/JpegEndCheck.h"
#include "files/PngEndCheck.h"
#include "files/SavedGame.h"
#include "files/SettingsFile.h"
#include "files/SoundListFile.h"
#include "files/TiffDataCheck.h"
#include "score/HofFile.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tessary::checks {

namespace {

bool inRange(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

// The game in progress that a refused file must leave alone.
GameState gameInProgress() {
    GameState g;
    g.puzzle.puzType = kSingle;
    g.puzzle.imgAcross = 2;
    g.puzzle.imgDown = 2;
    g.puzzle.fitMode = 1;
    g.puzzle.puzTitle = "in progress";
    testing::solvedBoard(g, 2, 2);
    g.play.swaps = 3;
    return g;
}

std::string boardProblem(const GameState& g) {
    const PuzzleDescription& p = g.puzzle;
    const BoardGeometry& b = g.board;
    if (!inRange(p.puzType, 1, 4) || !inRange(p.fitMode, 1, 2) || !inRange(p.imgAcross, 2, 50) ||
        !inRange(p.imgDown, 2, 50))
        return "puzzle numbers out of range";
    if (!inRange(b.boardAcross, 1, CellGrid::kLimit) || !inRange(b.boardDown, 1, CellGrid::kLimit))
        return "board size out of range";
    std::vector<int> seen(std::size_t(b.boardAcross * b.boardDown), 0);
    for (int c = 1; c <= b.boardAcross; ++c)
        for (int r = 1; r <= b.boardDown; ++r) {
            const GridPos home = g.pieceAt(c, r);
            if (!g.onBoard(home.x, home.y))
                return "pieceAt names a cell off the board";
            if (++seen[std::size_t((home.x - 1) * b.boardDown + home.y - 1)] != 1)
                return "pieceAt holds a home cell twice";
            if (g.cellOf(home.x, home.y) != GridPos{int16_t(c), int16_t(r)})
                return "cellOf is not the inverse of pieceAt";
        }
    return "";
}

} // namespace

std::string checkSavedGame(std::string_view bytes) {
    const GameState current = gameInProgress();
    const Settings settings;
    const SavedGameLoad load = parseSavedGame(bytes, current, settings);
    if (load.status != SavedGameStatus::ok) {
        if (load.status != SavedGameStatus::notSavedGame)
            return "bytes in memory reported as unopenable";
        return "";
    }
    if (std::string problem = boardProblem(load.game); !problem.empty())
        return problem;
    const std::string text = savedGameText(load.game, load.settings);
    const SavedGameLoad again = parseSavedGame(text, current, settings);
    if (again.status != SavedGameStatus::ok)
        return "a saved game written from an accepted one is refused";
    if (savedGameText(again.game, again.settings) != text)
        return "a saved game changes when written and read back";
    return "";
}

std::string checkSettings(std::string_view bytes) {
    PuzzleDescription puzzle;
    Settings settings;
    parseSettings(bytes, puzzle, settings);
    const std::string text = settingsText(puzzle, settings);
    PuzzleDescription puzzle2;
    Settings settings2;
    parseSettings(text, puzzle2, settings2);
    if (settingsText(puzzle2, settings2) != text)
        return "the settings change when written and read back";
    return "";
}

std::string checkHof(std::string_view bytes) {
    const auto list = parseHof(bytes);
    if (!list)
        return "";
    if (!inRange(list->hofCount, 0, kHofPlaces))
        return "entry count outside 0..30";
    const std::string text = hofText(*list);
    const auto again = parseHof(text);
    if (!again)
        return "a Hall of Fame written from an accepted one is refused";
    if (again->hofCount != list->hofCount || hofText(*again) != text)
        return "the Hall of Fame changes when written and read back";
    for (int i = 1; i <= list->hofCount; ++i)
        if (again->hof[i].score != list->hof[i].score)
            return "a score changes when written and read back";
    return "";
}

std::string checkSoundList(std::string_view bytes) {
    const SoundList list = parseSoundList(bytes);
    if (!inRange(list.count, 0, kSoundListSize))
        return "name count outside 0..16";
    for (int i = list.count; i < kSoundListSize; ++i)
        if (!list.names[std::size_t(i)].empty())
            return "a name past the count";
    return "";
}

std::string checkPictureHeaders(std::string_view bytes) {
    // Exact-size copies, so the address sanitizer sees any read past the end.
    const std::vector<unsigned char> all(bytes.begin(), bytes.end());
    const std::size_t headSize = std::min(all.size(), kBmpHeadBytes);
    const std::vector<unsigned char> head(all.begin(), all.begin() + std::ptrdiff_t(headSize));
    bmpDataFits(head.data(), head.size(), all.size());
    jpegReachesEnd(all.data(), all.size());
    pngReachesEnd(all.data(), all.size());
    gifReachesTrailer(all.data(), all.size());
    tiffDataFits(all.data(), all.size());
    return "";
}

std::string savedGameOutcome(std::string_view bytes) {
    const SavedGameLoad load = parseSavedGame(bytes, gameInProgress(), Settings{});
    return load.status == SavedGameStatus::ok ? "ok" : "refused";
}

std::string hofOutcome(std::string_view bytes) {
    return parseHof(bytes) ? "ok" : "refused";
}

} // namespace tessary::checks
