// SPDX-License-Identifier: GPL-3.0-or-later
// make-seeds FOLDER: writes starting inputs for the data-file fuzz targets, made by the
// game's own writers, into FOLDER/saved_game, settings, hof and sound_list.
#include "files/SavedGame.h"
#include "files/SettingsFile.h"
#include "score/HofFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;
using namespace tessary;

namespace {

void write(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// A board of the puzzle's shape with its pieces turned around, so no piece is home.
GameState game(int16_t type, int16_t across, int16_t down, int16_t boardAcross, int16_t boardDown) {
    GameState g;
    g.puzzle.puzType = type;
    g.puzzle.imgAcross = across;
    g.puzzle.imgDown = down;
    g.puzzle.fitMode = type == kTriple ? 2 : 1;
    g.puzzle.puzPath = "/home/ann/Pictures";
    for (int i = 1; i <= type; ++i)
        g.puzzle.puzFile[i] = "/home/ann/Pictures/view, " + std::to_string(i) + ".jpg";
    g.puzzle.puzTitle = "Harbour";
    g.board.boardAcross = boardAcross;
    g.board.boardDown = boardDown;
    g.board.pieceW = 20;
    g.board.pieceH = 15;
    g.board.boardW = int16_t(20 * boardAcross);
    g.board.boardH = int16_t(15 * boardDown);
    g.play.netScore = -35;
    g.play.leftToMove = int16_t(boardAcross * boardDown);
    g.play.swaps = 12;
    g.play.goodSwaps = 7;
    g.play.peeks = 2;
    g.play.assists = 1;
    for (int16_t c = 1; c <= boardAcross; ++c)
        for (int16_t r = 1; r <= boardDown; ++r) {
            const GridPos home{int16_t(boardAcross + 1 - c), int16_t(boardDown + 1 - r)};
            g.pieceAt(c, r) = home;
            g.cellOf(home.x, home.y) = GridPos{c, r};
        }
    return g;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-seeds FOLDER\n");
        return 2;
    }
    const fs::path out = argv[1];
    Settings settings;
    settings.playerName = "Ann Lee";
    settings.playerEmail = "ann@example.org";
    settings.soundOn = true;
    settings.aboutLine1 = "Licensed to";
    settings.aboutLine2 = "Ann";
    settings.jukeMode = 2;
    settings.jukeFile = "greensleeves.mid";
    settings.spareLong = 123456;

    write(out / "saved_game/single-2x2", savedGameText(game(kSingle, 2, 2, 2, 2), settings));
    write(out / "saved_game/double-3x4", savedGameText(game(kDouble, 3, 4, 6, 4), settings));
    write(out / "saved_game/triple-stacked", savedGameText(game(kTriple, 4, 2, 4, 6), settings));
    write(out / "saved_game/2x2-5x3", savedGameText(game(kTwoByTwo, 5, 3, 10, 6), settings));

    const GameState g = game(kSingle, 6, 4, 6, 4);
    write(out / "settings/full", settingsText(g.puzzle, settings));
    write(out / "settings/first-run", settingsText(g.puzzle, Settings{}));

    HallOfFame hall;
    write(out / "hof/empty", hofText(hall));
    for (int i = 1; i <= 3; ++i)
        hall.insertAt(i, makeHofEntry(1500 - 100 * i, "Harbour", 24 * i, "Ann \"A\", Lee",
                                      "12/0" + std::to_string(i) + "/2025"));
    write(out / "hof/three", hofText(hall));

    write(out / "sound_list/quoted",
          "\"click, soft.wav\",swap.wav\r\n  ding.wav\r\nchime.wav,,\"\"\r\n");
    return 0;
}
