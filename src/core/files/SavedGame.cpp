// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SavedGame.h"

#include "files/AtomicFile.h"
#include "files/DataFile.h"
#include "files/FieldReader.h"
#include "files/FieldWriter.h"

#include <algorithm>
#include <vector>

namespace tessary {

std::string savedGameText(const GameState& game, const Settings& settings) {
    const PuzzleDescription& p = game.puzzle;
    const BoardGeometry& b = game.board;
    const PlayState& s = game.play;
    FieldWriter w;
    w.textLine(kSavedGameHeader);
    w.textLine(p.puzPath);
    for (int i = 1; i <= 4; ++i)
        w.textLine(p.puzFile[i]);
    w.textLine(p.puzTitle);
    w.numberLine({p.imgAcross, p.imgDown, settings.spareSetting, p.fitMode});
    w.numberLine({kMaxPiecesAcross, kMaxPiecesDown}); // the program's limits, never read back
    w.numberLine({b.pieceW, b.pieceH});
    w.numberLine({b.boardW, b.boardH});
    w.numberLine({b.boardAcross, b.boardDown});
    w.numberLine({p.puzType});
    w.numberLine({s.netScore});
    w.numberLine({s.leftToMove});
    w.numberLine({s.swaps});
    w.numberLine({s.goodSwaps});
    w.numberLine({s.peeks});
    w.numberLine({s.assists});
    // Column by column, rows fastest; the grid cannot hold more than 50 either way.
    const int across = std::min<int>(b.boardAcross, CellGrid::kLimit);
    const int down = std::min<int>(b.boardDown, CellGrid::kLimit);
    for (int c = 1; c <= across; ++c)
        for (int r = 1; r <= down; ++r) {
            w.numberLine({game.pieceAt(c, r).x});
            w.numberLine({game.pieceAt(c, r).y});
        }
    return w.text();
}

bool writeSavedGame(const std::filesystem::path& file, const GameState& game,
                    const Settings& settings) {
    return writeFileAtomically(file, savedGameText(game, settings));
}

namespace {

bool inRange(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

// The board's columns and rows follow from the image size and the puzzle type; a file that
// disagrees would be laid out as a different board from the one it holds.
bool boardFitsPuzzle(const PuzzleDescription& p, const BoardGeometry& b) {
    const int a = p.imgAcross, d = p.imgDown;
    const int across = b.boardAcross, down = b.boardDown;
    switch (p.puzType) {
    case kSingle:
        return across == a && down == d;
    case kDouble:
        return across == 2 * a && down == d;
    case kTriple: // side by side or stacked, as the first image's shape decides
        return (across == 3 * a && down == d) || (across == a && down == 3 * d);
    case kTwoByTwo:
        return across == 2 * a && down == 2 * d;
    default:
        return false;
    }
}

// pieceAt over the board holds every home cell exactly once.
bool isPermutation(const GameState& g) {
    const int across = g.board.boardAcross, down = g.board.boardDown;
    std::vector<bool> seen(static_cast<std::size_t>(across * down), false);
    for (int c = 1; c <= across; ++c)
        for (int r = 1; r <= down; ++r) {
            const GridPos home = g.pieceAt(c, r);
            if (!inRange(home.x, 1, across) || !inRange(home.y, 1, down))
                return false;
            const auto i = static_cast<std::size_t>((home.x - 1) * down + (home.y - 1));
            if (seen[i])
                return false;
            seen[i] = true;
        }
    return true;
}

} // namespace

SavedGameLoad parseSavedGame(std::string_view fileBytes, const GameState& current,
                             const Settings& currentSettings) {
    SavedGameLoad load{SavedGameStatus::notSavedGame, current, currentSettings};
    FieldReader in(fileBytes);
    std::string header;
    if (!in.readLine(header) || header != kSavedGameHeader)
        return load;

    GameState& g = load.game;
    PuzzleDescription& p = g.puzzle;
    BoardGeometry& b = g.board;
    PlayState& s = g.play;
    in.readLine(p.puzPath);
    // Whole lines, so an image path with a comma in it comes back whole.
    for (int i = 1; i <= 4; ++i)
        in.readLine(p.puzFile[i]);
    in.readLine(p.puzTitle);
    in.readField(p.imgAcross);
    in.readField(p.imgDown);
    in.readField(load.settings.spareSetting);
    in.readField(p.fitMode);
    int16_t storedMax = 0; // the limits are the program's own, not the file's
    in.readField(storedMax);
    in.readField(storedMax);
    in.readField(b.pieceW);
    in.readField(b.pieceH);
    in.readField(b.boardW);
    in.readField(b.boardH);
    in.readField(b.boardAcross);
    in.readField(b.boardDown);
    in.readField(p.puzType);
    in.readField(s.netScore);
    in.readField(s.leftToMove);
    in.readField(s.swaps);
    in.readField(s.goodSwaps);
    in.readField(s.peeks);
    in.readField(s.assists);
    // A file may cut an image finer than the new-puzzle dialog offers, as far as the grid goes.
    if (in.endReached() || !inRange(p.puzType, kSingle, kTwoByTwo) ||
        !inRange(p.fitMode, kStretched, kCropped) ||
        !inRange(p.imgAcross, kMinPieces, CellGrid::kLimit) ||
        !inRange(p.imgDown, kMinPieces, CellGrid::kLimit) ||
        !inRange(b.boardAcross, 1, CellGrid::kLimit) ||
        !inRange(b.boardDown, 1, CellGrid::kLimit) || !boardFitsPuzzle(p, b))
        return load;

    g.pieceAt = CellGrid{};
    for (int c = 1; c <= b.boardAcross; ++c)
        for (int r = 1; r <= b.boardDown; ++r) {
            in.readField(g.pieceAt(c, r).x);
            in.readField(g.pieceAt(c, r).y);
        }
    if (in.endReached() || !isPermutation(g))
        return load;

    g.cellOf = CellGrid{};
    for (int c = 1; c <= b.boardAcross; ++c)
        for (int r = 1; r <= b.boardDown; ++r)
            g.cellOf.at(g.pieceAt(c, r)) = GridPos{int16_t(c), int16_t(r)};
    load.status = SavedGameStatus::ok;
    return load;
}

SavedGameLoad readSavedGame(const std::filesystem::path& file, const GameState& current,
                            const Settings& currentSettings) {
    const auto bytes = readDataFile(file);
    if (!bytes)
        return SavedGameLoad{SavedGameStatus::cannotOpen, current, currentSettings};
    return parseSavedGame(*bytes, current, currentSettings);
}

} // namespace tessary
