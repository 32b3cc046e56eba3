// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/AtomicFile.h"
#include "fakes/TestBoards.h"
#include "files/DataFile.h"
#include "files/DataFolderMove.h"
#include "files/KeptGame.h"
#include "files/SavedGame.h"
#include "files/SettingsFile.h"
#include "score/HofFile.h"

#include "storage/TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fstream>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessary {
namespace {

// Lets the real operations run until the chosen one fails.
struct FailingOps : FileOps {
    enum class Step { none, create, write, sync, close, rename } failAt = Step::create;
    std::size_t bytesBeforeFailure = 0, written = 0;

    int createNew(const std::filesystem::path& p) override {
        return failAt == Step::create ? -1 : FileOps::createNew(p);
    }
    std::ptrdiff_t write(int h, const char* data, std::size_t size) override {
        if (failAt == Step::write && written + size > bytesBeforeFailure) {
            if (written >= bytesBeforeFailure)
                return -1;
            size = bytesBeforeFailure - written;
        }
        const auto n = FileOps::write(h, data, size);
        written += n > 0 ? std::size_t(n) : 0;
        return n;
    }
    bool sync(int h) override { return failAt != Step::sync && FileOps::sync(h); }
    bool close(int h) override { return FileOps::close(h) && failAt != Step::close; }
    bool rename(const std::filesystem::path& a, const std::filesystem::path& b) override {
        return failAt != Step::rename && FileOps::rename(a, b);
    }
};

TEST(AtomicFile, AFailureAtAnyStepLeavesTheOldFileWholeAndNoLeftovers) {
    using Step = FailingOps::Step;
    const std::string replacement(200 * 1024, 'x'); // several writes
    std::vector<std::pair<Step, std::size_t>> cases = {
        {Step::create, 0}, {Step::sync, 0}, {Step::close, 0}, {Step::rename, 0}};
    for (std::size_t n : {0, 1, 65536, 100000, 200 * 1024 - 1})
        cases.push_back({Step::write, n});
    for (const auto& [step, bytes] : cases) {
        SCOPED_TRACE(::testing::Message() << "step " << int(step) << " after " << bytes);
        TempFolder dir;
        const auto file = dir.path / "game.sav";
        ASSERT_TRUE(writeFileAtomically(file, "old\r\n"));
        FailingOps ops;
        ops.failAt = step;
        ops.bytesBeforeFailure = bytes;
        EXPECT_FALSE(writeFileAtomically(file, replacement, ops));
        EXPECT_EQ(readDataFile(file), "old\r\n");
        EXPECT_EQ(dir.names(), std::vector<std::string>{"game.sav"});
        ASSERT_TRUE(writeFileAtomically(file, replacement)); // and without faults it works
        EXPECT_EQ(readDataFile(file), replacement);
    }
}

// Runs write in a child process whose files cannot grow past `room` bytes, as on a disk that
// fills up part way. 1 when it reports the file written, 0 when it reports a failure, -1 when
// it died.
int writeWithDiskRoom(rlim_t room, const std::function<bool()>& write) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails with EFBIG
        const rlimit limit{room, room};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(write() ? 1 : 0);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// The game's files, each replaced by a larger version on a disk that fills up after every
// possible number of bytes: the writer reports the failure and the old file is whole. The game
// kept as it is played still holds the game kept before, ready to be offered back.
TEST(AtomicFile, ADiskFullAtAnyPointLeavesTheSavedGameKeptGameSettingsAndHallOfFameWhole) {
    TempFolder dir;
    GameState game;
    game.puzzle.puzType = kSingle;
    game.puzzle.imgAcross = 50;
    game.puzzle.imgDown = 40;
    game.puzzle.fitMode = 1;
    testing::solvedBoard(game, 50, 40);
    Settings settings;
    settings.playerName = std::string(300, 'n');
    settings.aboutLine1 = settings.aboutLine2 = settings.jukeFile = std::string(300, 'a');
    HallOfFame hall;
    for (int i = 1; i <= 30; ++i)
        hall.insertAt(i, makeHofEntry(3000 - i, "Harbour", 2000, "Ann Lee", "1/2/2026"));

    struct File {
        std::string name;
        std::function<bool()> writeNew;
    };
    const auto savedGame = dir.path / "game.sav";
    const std::vector<File> files = {
        {"game.sav", [&] { return writeSavedGame(savedGame, game, settings); }},
        {"Tessary.ini", [&] { return putINI(dir.path, game.puzzle, settings); }},
        {"tess.hof", [&] { return putHOF(dir.path, hall); }},
        {"last-game.sav", [&] { return KeptGame(dir.path).keep(game, settings); }},
    };
    const std::size_t sizes[] = {savedGameText(game, settings).size(),
                                 settingsText(game.puzzle, settings).size(), hofText(hall).size(),
                                 savedGameText(game, settings).size()};
    GameState keptBefore = game;
    testing::solvedBoard(keptBefore, 2, 2);
    keptBefore.puzzle.imgAcross = keptBefore.puzzle.imgDown = 2;
    const std::string keptText = savedGameText(keptBefore, settings);
    ASSERT_EQ(parseSavedGame(keptText, GameState{}, settings).status, SavedGameStatus::ok);
    for (std::size_t f = 0; f < files.size(); ++f) {
        const std::string old = f == 3 ? keptText : "the old " + files[f].name + "\r\n";
        dir.write(files[f].name, old);
        const std::size_t size = sizes[f];
        ASSERT_GT(size, 1000u);
        std::vector<std::size_t> rooms;
        for (std::size_t room = 0; room < size; room += 97)
            rooms.push_back(room);
        rooms.push_back(size - 1);
        for (std::size_t room : rooms) {
            SCOPED_TRACE(files[f].name + " with room for " + std::to_string(room) + " of " +
                         std::to_string(size) + " bytes");
            EXPECT_EQ(writeWithDiskRoom(room, files[f].writeNew), 0);
            EXPECT_EQ(readDataFile(dir.path / files[f].name), old);
        }
        EXPECT_EQ(writeWithDiskRoom(size, files[f].writeNew), 1) << files[f].name;
        EXPECT_EQ(readDataFile(dir.path / files[f].name)->size(), size);
    }
    // No temporary file is left behind by any of the failures.
    EXPECT_EQ(dir.names(),
              (std::vector<std::string>{"Tessary.ini", "game.sav", "last-game.sav", "tess.hof"}));
}

TEST(AtomicFile, KeepsPermissionsWritesThroughLinksAndReportsAMissingFolder) {
    TempFolder dir;
    const auto file = dir.path / "Tessary.ini";
    ASSERT_TRUE(writeFileAtomically(file, "a"));
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    std::filesystem::create_symlink(file, dir.path / "link.ini");
    ASSERT_TRUE(writeFileAtomically(dir.path / "link.ini", "b"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path / "link.ini"));
    EXPECT_EQ(readDataFile(file), "b");
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_FALSE(writeFileAtomically(dir.path / "missing" / "Tessary.ini", "c"));
}

// The player's files move from the folder an earlier version used; one already in the new
// folder is never replaced, and the old folder then stays with the file that could not move.
TEST(DataFolderMove, MovesEachFileOnceNeverReplacingOneAndDropsTheLock) {
    TempFolder home;
    const auto old = home.path / "Tessary" / "Tessary", now = home.path / "tessary";
    std::filesystem::create_directories(old);
    std::filesystem::create_directories(now);
    const std::vector<std::string> dropped{"tessary.lock", "tessary.socket"};
    for (const char* name : {"Tessary.ini", "tess.hof", "last-game.sav", "folders.dat",
                             "tessary.lock", "tessary.socket"})
        std::ofstream(old / name) << "old " << name;
    std::ofstream(now / "tessary.lock"); // this copy's own lock
    const DataFolderMove all = moveDataFolder(old, now, dropped);
    EXPECT_EQ(all.moved, (std::vector<std::string>{"Tessary.ini", "folders.dat", "last-game.sav",
                                                   "tess.hof"}));
    EXPECT_TRUE(all.leftBehind.empty());
    EXPECT_TRUE(all.oldFolderRemoved);
    EXPECT_FALSE(std::filesystem::exists(old));
    EXPECT_EQ(readDataFile(now / "tess.hof"), "old tess.hof");
    EXPECT_EQ(readDataFile(now / "tessary.lock"), "");

    std::filesystem::create_directories(old / "pictures");
    std::ofstream(old / "Tessary.ini") << "older";
    std::ofstream(old / "last-game.declined.sav") << "declined";
    const DataFolderMove some = moveDataFolder(old, now, dropped);
    EXPECT_EQ(some.moved, std::vector<std::string>{"last-game.declined.sav"});
    EXPECT_EQ(some.leftBehind, (std::vector<std::string>{"Tessary.ini", "pictures"}));
    EXPECT_FALSE(some.oldFolderRemoved);
    EXPECT_EQ(readDataFile(now / "Tessary.ini"), "old Tessary.ini");
    EXPECT_EQ(readDataFile(old / "Tessary.ini"), "older");
    EXPECT_TRUE(moveDataFolder(home.path / "none", now, dropped).moved.empty());
}

// Across file systems a file is copied whole and flushed before the old one goes; a copy that
// fails part way leaves the old file and no part of it in the new folder.
TEST(DataFolderMove, AcrossFileSystemsOnlyAWholeCopyReplacesAMove) {
    struct OtherDisk : FailingOps {
        bool rename(const std::filesystem::path&, const std::filesystem::path&) override {
            errno = EXDEV;
            return false;
        }
    };
    TempFolder old, now;
    const std::string big(200 * 1024, 'h');
    old.write("tess.hof", big);
    old.write("Tessary.ini", "ini");
    OtherDisk failing;
    failing.failAt = FailingOps::Step::write;
    failing.bytesBeforeFailure = 70000;
    const DataFolderMove failed = moveDataFolder(old.path, now.path, {}, failing);
    EXPECT_EQ(failed.moved, std::vector<std::string>{"Tessary.ini"});
    EXPECT_EQ(failed.leftBehind, std::vector<std::string>{"tess.hof"});
    EXPECT_EQ(now.names(), std::vector<std::string>{"Tessary.ini"});
    EXPECT_EQ(readDataFile(old.path / "tess.hof"), big);
    OtherDisk working;
    working.failAt = FailingOps::Step::none;
    EXPECT_EQ(moveDataFolder(old.path, now.path, {}, working).moved,
              std::vector<std::string>{"tess.hof"});
    EXPECT_EQ(readDataFile(now.path / "tess.hof"), big);
    EXPECT_FALSE(std::filesystem::exists(old.path));
}

TEST(DataFile, ReadsOnlyPlainFilesAndFindsNamesInAnyCase) {
    TempFolder dir;
    EXPECT_FALSE(readDataFile(dir.path / "none"));
    EXPECT_FALSE(readDataFile(dir.path)); // a folder
    dir.write("TESS.HOF", "1");
    EXPECT_EQ(findIgnoringCase(dir.path, "tess.hof"), dir.path / "TESS.HOF");
    dir.write("tess.hof", "2");
    EXPECT_EQ(findIgnoringCase(dir.path, "tess.hof"), dir.path / "tess.hof");
}

} // namespace
} // namespace tessary
