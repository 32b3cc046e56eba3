// SPDX-License-Identifier: GPL-3.0-or-later
// Saving, keeping and reopening the largest board the game allows: 50 x 50 pieces, 5019 lines.
#include "files/KeptGame.h"
#include "files/SavedGame.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <unistd.h>

namespace tessary {
namespace {

GameState largestGame() {
    GameState g;
    g.puzzle.puzType = kTwoByTwo;
    g.puzzle.imgAcross = 25;
    g.puzzle.imgDown = 25;
    g.puzzle.fitMode = 1;
    g.puzzle.puzPath = "/home/player/Pictures/holiday/lighthouse at dusk.jpg";
    for (int i = 1; i <= 4; ++i)
        g.puzzle.puzFile[i] = g.puzzle.puzPath;
    g.puzzle.puzTitle = "lighthouse at dusk";
    g.board.boardAcross = 50;
    g.board.boardDown = 50;
    // Every piece one column to the right, wrapping round: nothing at home.
    for (int c = 1; c <= 50; ++c)
        for (int r = 1; r <= 50; ++r) {
            const GridPos home{int16_t(c % 50 + 1), int16_t(r)};
            g.pieceAt(c, r) = home;
            g.cellOf.at(home) = GridPos{int16_t(c), int16_t(r)};
        }
    return g;
}

// A fresh temporary folder, or nothing (the benchmark is then skipped with the reason).
std::optional<std::filesystem::path> benchFolder(benchmark::State& state) {
    std::string folder = (std::filesystem::temp_directory_path() / "tessary-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("no temporary folder");
        return std::nullopt;
    }
    return std::filesystem::path(folder);
}

// The file's text made and read back, with no disk in between.
void BM_SavedGameTextRoundTrip(benchmark::State& state) {
    const GameState game = largestGame();
    const Settings settings;
    for (auto _ : state) {
        const std::string text = savedGameText(game, settings);
        const SavedGameLoad load = parseSavedGame(text, game, settings);
        if (load.status != SavedGameStatus::ok)
            state.SkipWithError("the saved game did not read back");
        benchmark::DoNotOptimize(load.game.pieceAt(50, 50));
    }
}
BENCHMARK(BM_SavedGameTextRoundTrip)->Unit(benchmark::kMicrosecond);

// What the player waits for: the save (safe replace, flushed to the disk) and the reopen.
void BM_SavedGameFileRoundTrip(benchmark::State& state) {
    const GameState game = largestGame();
    const Settings settings;
    const std::optional<std::filesystem::path> folder = benchFolder(state);
    if (!folder)
        return;
    const auto file = *folder / "largest.sav";
    for (auto _ : state) {
        if (!writeSavedGame(file, game, settings) ||
            readSavedGame(file, game, settings).status != SavedGameStatus::ok)
            state.SkipWithError("the saved game did not write and read back");
    }
    state.counters["bytes"] = double(std::filesystem::file_size(file));
    std::filesystem::remove_all(*folder);
}
BENCHMARK(BM_SavedGameFileRoundTrip)->Unit(benchmark::kMillisecond);

// What the window thread spends each time the game in play is kept, at most twice a second:
// the text made and safely replaced, flushed to the disk.
void BM_KeptGameWrite(benchmark::State& state) {
    const GameState game = largestGame();
    const Settings settings;
    const std::optional<std::filesystem::path> folder = benchFolder(state);
    if (!folder)
        return;
    const KeptGame kept{*folder};
    for (auto _ : state)
        if (!kept.keep(game, settings))
            state.SkipWithError("the kept game was not written");
    std::filesystem::remove_all(*folder);
}
BENCHMARK(BM_KeptGameWrite)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessary
