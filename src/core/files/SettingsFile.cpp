// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SettingsFile.h"

#include "files/AtomicFile.h"
#include "files/DataFile.h"
#include "files/FieldReader.h"
#include "files/FieldWriter.h"

namespace tessary {

namespace {
constexpr int16_t kTrue = -1; // the game's true as a number
}

std::string settingsText(const PuzzleDescription& puzzle, const Settings& settings) {
    FieldWriter w;
    w.textLine(settings.playerName);
    w.numberLine({puzzle.imgAcross, puzzle.imgDown, puzzle.puzType});
    // The two 5s are kept for the file's shape; nothing reads them.
    w.numberLine({settings.spareSetting, puzzle.fitMode, 5, 5});
    w.numberLine({settings.spareFlag});
    w.numberLine({settings.soundOn ? kTrue : int16_t(0)});
    w.textLine(settings.playerEmail);
    w.textLine(settings.aboutLine1);
    w.numberLine({settings.jukeMode});
    w.textLine(settings.jukeFile);
    w.textLine(settings.aboutLine2);
    w.numberLine({settings.spareLong});
    return w.text();
}

void parseSettings(std::string_view fileBytes, PuzzleDescription& puzzle, Settings& settings) {
    FieldReader in(fileBytes);
    in.readLine(settings.playerName);
    in.readField(puzzle.imgAcross);
    in.readField(puzzle.imgDown);
    in.readField(puzzle.puzType);
    in.readField(settings.spareSetting);
    in.readField(puzzle.fitMode);
    int16_t unused = 0;
    in.readField(unused);
    in.readField(unused);
    in.readField(settings.spareFlag);
    in.readField(settings.soundOn);
    in.readLine(settings.playerEmail);
    in.readLine(settings.aboutLine1);
    in.readField(settings.jukeMode);
    in.readLine(settings.jukeFile);
    in.readLine(settings.aboutLine2);
    in.readField(settings.spareLong);
}

bool getINI(const std::filesystem::path& folder, PuzzleDescription& puzzle, Settings& settings) {
    const auto bytes = readDataFile(findIgnoringCase(folder, kSettingsFileName));
    if (!bytes)
        return false;
    parseSettings(*bytes, puzzle, settings);
    return true;
}

bool putINI(const std::filesystem::path& folder, const PuzzleDescription& puzzle,
            const Settings& settings) {
    return writeFileAtomically(folder / kSettingsFileName, settingsText(puzzle, settings));
}

} // namespace tessary
