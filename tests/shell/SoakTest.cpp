// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/GameWindowFixture.h"

#include "board/BoardCanvas.h"
#include "fakes/TestBoards.h"
#include "pictures/BasePicture.h"
#include "window/ToolBar.h"

#include <QAction>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>

namespace tessary::testing {
namespace {

// How many random inputs the bot makes: TESSARY_SOAK_INPUTS, or a default that keeps the
// normal test run short.
long soakInputs() {
    if (const char* n = std::getenv("TESSARY_SOAK_INPUTS"))
        return std::strtol(n, nullptr, 10);
    return 20000;
}

// A bot plays the real main window with random input from a fixed seed: clicks anywhere on
// the board and the window, the function keys, toolbar buttons, new puzzles of every type
// and size, saves and reopens, some of them cancelled, some with a damaged file. After every
// input the board must still be a permutation with cellOf its inverse, leftToMove exact, the
// counters within their bounds and the window's state agreeing with the game's.
class SoakTest : public GameWindowFixture {
  protected:
    std::mt19937 rng{4242};
    std::vector<std::string> teamPictures;
    std::array<std::string, 3> saveSlots;
    std::string damagedPicture, notASavedGame;
    std::deque<std::string> recent; // the last inputs, for the report of a failure
    int puzzlesStarted = 0, puzzlesSolved = 0, opened = 0;

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    void SetUp() override {
        GameWindowFixture::SetUp();
        main->show();
        const char* samples[] = {"harbour-boats.jpg", "flower-field.jpg", "sunset-hills.jpg",
                                 "stained-glass.bmp", "kaleidoscope.bmp", "night-mountains.jpg"};
        int i = 0;
        for (const char* s : samples) {
            const QString name = QStringLiteral("team %1.%2").arg(i).arg(i % 2 ? "bmp" : "jpg");
            teamPictures.push_back(teamPicture(s, name, 120 + 20 * i, 90 + 10 * i));
            ++i;
        }
        for (std::size_t s = 0; s < saveSlots.size(); ++s)
            saveSlots[s] = dir.filePath(QStringLiteral("slot %1.sav").arg(s)).toStdString();
        damagedPicture = dir.filePath("cut.jpg").toStdString();
        QFile cut(QString::fromStdString(damagedPicture));
        ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
        cut.write("\xFF\xD8\xFF\xE0\x00\x10JFIF");
        cut.close();
        notASavedGame = teamPictures[0];
    }

    void note(const std::string& input) {
        recent.push_back(input);
        if (recent.size() > 12)
            recent.pop_front();
    }

    std::string history() const {
        std::ostringstream out;
        for (const auto& r : recent)
            out << "\n  " << r;
        return out.str();
    }

    QPoint anywhereOn(const QWidget* w) {
        return {pick(-10, w->width() + 10), pick(-10, w->height() + 10)};
    }

    void clickBoard(Qt::MouseButton button) {
        const QPoint at = anywhereOn(&probe().board());
        note((button == Qt::LeftButton ? "left " : "right ") + std::to_string(at.x()) + "," +
             std::to_string(at.y()));
        QTest::mouseClick(&probe().board(), button, Qt::NoModifier, at);
    }

    // The move a player who knows the answer makes: select a misplaced piece, swap it home.
    void goodMove() {
        const GameState& s = state.game;
        if (!s.play.gameOn || s.play.leftToMove == 0)
            return;
        for (int tries = 0; tries < 50; ++tries) {
            const int c = pick(1, s.board.boardAcross), r = pick(1, s.board.boardDown);
            if (s.isSolved(c, r))
                continue;
            const GridPos from = s.cellOf(c, r);
            note("good move to " + std::to_string(c) + "," + std::to_string(r));
            const int w = s.board.pieceW, h = s.board.pieceH;
            QTest::mouseClick(&probe().board(), Qt::LeftButton, Qt::NoModifier,
                              QPoint((c - 1) * w + w / 2, (r - 1) * h + h / 2));
            QTest::mouseClick(&probe().board(), Qt::RightButton, Qt::NoModifier,
                              QPoint((from.x - 1) * w + w / 2, (from.y - 1) * h + h / 2));
            return;
        }
    }

    void newPuzzle() {
        const int type = pick(1, 4);
        // Mostly small boards, now and then the largest the dialog allows.
        const bool large = chance(5);
        const int across = large ? pick(2, 50) : pick(2, 6);
        const int down = large ? pick(2, 40) : pick(2, 5);
        std::deque<std::string> files;
        for (int i = 0; i < type; ++i) {
            const int r = pick(1, 100);
            files.push_back(r <= 3   ? std::string() // cancelled
                            : r <= 6 ? damagedPicture
                                     : teamPictures[std::size_t(pick(0, 5))]);
        }
        savedGames.answers = {chance(50) ? std::optional<std::string>{}
                                         : saveSlots[std::size_t(pick(0, 2))]};
        note("new puzzle type " + std::to_string(type) + " " + std::to_string(across) + "x" +
             std::to_string(down));
        startPuzzle(type, across, down, files, pick(1, 2));
        ++puzzlesStarted;
    }

    void saveOrOpen() {
        const int r = pick(1, 10);
        if (r <= 4) {
            savedGames.answers = {chance(20) ? std::optional<std::string>{}
                                             : saveSlots[std::size_t(pick(0, 2))]};
            note("save");
            if (probe().menu(Menu::Save).isEnabled())
                probe().menu(Menu::Save).trigger();
            return;
        }
        savedGames.answers = {r == 5   ? std::optional<std::string>{}
                              : r == 6 ? notASavedGame
                                       : saveSlots[std::size_t(pick(0, 2))]};
        note("open");
        probe().menu(Menu::OpenGame).trigger();
        ++opened;
    }

    void toolbarClick() {
        const int button = pick(1, ToolBar::kButtons);
        note("toolbar " + std::to_string(button));
        main->Btn_Click(button);
        if (probe().commandTimer().isActive())
            main->Timer2_Timer();
    }

    void functionKey() {
        const int key = Qt::Key_F2 + pick(0, 8);
        note("F" + std::to_string(key - Qt::Key_F1 + 1));
        QTest::keyClick(main.get(), Qt::Key(key));
    }

    void oneInput() {
        const int r = pick(1, 1000);
        const bool wasOn = state.game.play.gameOn;
        if (r <= 300)
            clickBoard(Qt::LeftButton);
        else if (r <= 550)
            clickBoard(Qt::RightButton);
        else if (r <= 700)
            goodMove();
        else if (r <= 760) {
            const QPoint at = anywhereOn(main.get());
            note("window click " + std::to_string(at.x()) + "," + std::to_string(at.y()));
            QTest::mouseClick(main.get(), chance(50) ? Qt::LeftButton : Qt::RightButton,
                              Qt::NoModifier, at);
        } else if (r <= 850)
            functionKey();
        else if (r <= 920)
            toolbarClick();
        else if (r <= 940) {
            note("blink");
            main->Timer1_Timer();
        } else if (r <= 950) {
            note("idle tick");
            main->Timer4_Timer();
        } else if (r <= 960 && probe().solutionPicture().isVisible()) {
            note("click the solution");
            QTest::mouseClick(&probe().solutionPicture(), Qt::LeftButton, Qt::NoModifier,
                              anywhereOn(&probe().solutionPicture()));
        } else if (r <= 970) {
            note("performance");
            probe().menu(Menu::Performance).trigger();
        } else if (r <= 985)
            saveOrOpen();
        else
            newPuzzle();
        if (wasOn && !state.game.play.gameOn && state.game.play.leftToMove == 0)
            ++puzzlesSolved;
    }

    ::testing::AssertionResult invariantsHold() {
        const GameState& s = state.game;
        const PlayState& p = s.play;
        if (auto board = boardConsistent(s); !board)
            return board;
        const int cells = s.board.boardAcross * s.board.boardDown;
        if (p.leftToMove < 0 || p.leftToMove > cells)
            return ::testing::AssertionFailure() << "leftToMove " << p.leftToMove;
        // A swap puts at most two pieces home.
        if (p.swaps < 0 || p.goodSwaps < 0 || p.goodSwaps > 2 * p.swaps || p.peeks < 0 ||
            p.assists < 0)
            return ::testing::AssertionFailure()
                   << "counters swaps " << p.swaps << " good " << p.goodSwaps << " peeks "
                   << p.peeks << " assists " << p.assists;
        if ((p.selX == 0) != (p.selY == 0) || (p.selX != 0 && !s.onBoard(p.selX, p.selY)))
            return ::testing::AssertionFailure() << "selection " << p.selX << "," << p.selY;
        if (p.gameOn && (cells == 0 || s.board.pieceW <= 0 || s.board.pieceH <= 0))
            return ::testing::AssertionFailure() << "a game in play without a board";
        if (probe().menu(Menu::Save).isEnabled() != p.gameOn)
            return ::testing::AssertionFailure()
                   << "saving enabled " << probe().menu(Menu::Save).isEnabled() << " with gameOn "
                   << p.gameOn;
        if (probe().blinkTimer().isActive() && !p.gameOn)
            return ::testing::AssertionFailure() << "the blink timer runs with no game in play";
        return ::testing::AssertionSuccess();
    }
};

TEST_F(SoakTest, TensOfThousandsOfRandomInputsKeepTheGameWhole) {
    const long inputs = soakInputs();
    QElapsedTimer clock;
    clock.start();
    for (long i = 0; i < inputs; ++i) {
        oneInput();
        ASSERT_TRUE(invariantsHold())
            << "after input " << i << " (board " << state.game.board.boardAcross << "x"
            << state.game.board.boardDown << ", type " << state.game.puzzle.puzType << " "
            << state.game.puzzle.imgAcross << "x" << state.game.puzzle.imgDown << ", gameOn "
            << state.game.play.gameOn << ", last dialog "
            << (dialogs.log.empty() ? "none" : dialogs.log.back()) << "):" << history();
        if (i % 500 == 0) { // the fakes keep logs; the game itself keeps nothing per input
            dialogs.log.clear();
            dialogs.scoreTexts.clear();
            sound.played.clear();
            midi.log.clear();
            shell.log.clear();
            beep.beeps.clear();
        }
    }
    std::printf("soak: %ld inputs in %lld ms; %d new puzzles asked for, %d solved, %d opens; "
                "Hall of Fame %d entries\n",
                inputs, static_cast<long long>(clock.elapsed()), puzzlesStarted, puzzlesSolved,
                opened, int(state.hall.hofCount));
    if (inputs >= 5000) {
        EXPECT_GT(puzzlesSolved, 0);
    }
    // Whatever happened, the files the game keeps still read back.
    main->close();
    EXPECT_TRUE(QFile::exists(dir.filePath("Tessary.ini")));
    EXPECT_TRUE(QFile::exists(dir.filePath("tess.hof")));
}

// Found by the soak: a cell selected on a large board stayed selected on a smaller new one,
// and the next right click swapped a piece off the board, so the puzzle could never be
// finished. A new board starts with nothing selected.
TEST_F(SoakTest, ASelectionPastTheNewBoardsEdgeIsDropped) {
    const std::string picture = teamPictures[0];
    auto selectMisplacedCell = [this](int minCol) {
        const GameState& s = state.game;
        for (int c = s.board.boardAcross; c >= minCol; --c)
            for (int r = 1; r <= s.board.boardDown; ++r)
                if (!s.isSolved(c, r)) {
                    QTest::mouseClick(
                        &probe().board(), Qt::LeftButton, Qt::NoModifier,
                        QPoint((c - 1) * s.board.pieceW + 2, (r - 1) * s.board.pieceH + 2));
                    return true;
                }
        return false;
    };
    startPuzzle(kSingle, 6, 2, {picture});
    ASSERT_TRUE(selectMisplacedCell(4));
    ASSERT_GE(state.game.play.selX, 4);
    savedGames.answers = {std::nullopt};
    startPuzzle(kSingle, 3, 2, {picture});
    ASSERT_EQ(state.game.board.boardAcross, 3);
    EXPECT_EQ(state.game.play.selX, 0);
    EXPECT_EQ(state.game.play.selY, 0);
    QTest::mouseClick(&probe().board(), Qt::RightButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_TRUE(boardConsistent(state.game));

    // On a board as large, the old selection is dropped too: the shuffle may have left that
    // cell solved.
    ASSERT_TRUE(selectMisplacedCell(1));
    savedGames.answers = {std::nullopt};
    startPuzzle(kSingle, 3, 2, {picture});
    EXPECT_EQ(state.game.play.selX, 0);
}

} // namespace
} // namespace tessary::testing
