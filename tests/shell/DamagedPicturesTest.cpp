// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/GameWindowFixture.h"

#include "DamagedPictures.h"
#include "board/BoardCanvas.h"
#include "dialogs/Viewer.h"
#include "fakes/TestBoards.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>

#include <cstdio>

namespace tessary::testing {
namespace {

class DamagedPicturesTest : public GameWindowFixture {
  protected:
    // The parts of the game in progress a refused picture must leave exactly as they were.
    struct Snapshot {
        GameState game;
        QImage board;
        bool blinking = false;
        bool saveEnabled = false;
    };

    Snapshot snapshot() const {
        return {state.game, probe().board().picture(), probe().blinkTimer().isActive(),
                probe().menu(Menu::Save).isEnabled()};
    }

    void expectUntouched(const Snapshot& before) {
        const GameState& now = state.game;
        EXPECT_TRUE(now.play.gameOn);
        EXPECT_EQ(now.puzzle.puzType, before.game.puzzle.puzType);
        EXPECT_EQ(now.puzzle.imgAcross, before.game.puzzle.imgAcross);
        EXPECT_EQ(now.puzzle.imgDown, before.game.puzzle.imgDown);
        EXPECT_EQ(now.puzzle.puzFile, before.game.puzzle.puzFile);
        EXPECT_EQ(now.puzzle.puzTitle, before.game.puzzle.puzTitle);
        EXPECT_EQ(now.board.boardAcross, before.game.board.boardAcross);
        EXPECT_EQ(now.board.boardDown, before.game.board.boardDown);
        EXPECT_EQ(now.board.pieceW, before.game.board.pieceW);
        EXPECT_EQ(now.play.leftToMove, before.game.play.leftToMove);
        EXPECT_EQ(now.play.swaps, before.game.play.swaps);
        EXPECT_EQ(now.play.netScore, before.game.play.netScore);
        for (int c = 1; c <= now.board.boardAcross; ++c)
            for (int r = 1; r <= now.board.boardDown; ++r)
                ASSERT_EQ(now.pieceAt(c, r), before.game.pieceAt(c, r)) << c << "," << r;
        EXPECT_TRUE(boardConsistent(now));
        EXPECT_EQ(probe().blinkTimer().isActive(), before.blinking);
        EXPECT_EQ(probe().menu(Menu::Save).isEnabled(), before.saveEnabled);
        EXPECT_TRUE(probe().board().picture() == before.board) << "the board's picture changed";
    }

    std::string refusal(const std::string& path) {
        return "message " + path + " could not be read as a picture.";
    }

    // A game in progress with one swap made, on a 3 x 3 board of a sample picture.
    void startGameInProgress() {
        startPuzzle(kSingle, 3, 3, {teamPicture("harbour-boats.jpg", "harbour.jpg", 240, 180)});
        ASSERT_TRUE(state.game.play.gameOn);
        const GridPos home = state.game.pieceAt(1, 1);
        const BoardGeometry& g = state.game.board;
        if (!state.game.isSolved(1, 1)) {
            QTest::mouseClick(&probe().board(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
            QTest::mouseClick(&probe().board(), Qt::RightButton, Qt::NoModifier,
                              QPoint((home.x - 1) * g.pieceW + 5, (home.y - 1) * g.pieceH + 5));
        }
        ASSERT_TRUE(state.game.play.gameOn);
    }
};

// Every file of the damaged-picture set is offered as the picture of a new puzzle while a game
// is in progress: a real picture becomes the new game, anything else is refused with a message
// naming the file, and the game in progress goes on exactly as it was.
TEST_F(DamagedPicturesTest, EachIsRefusedByNameOrLoadsAndTheGameInProgressIsUntouched) {
    const QString folder = dir.filePath("damaged");
    ASSERT_TRUE(QDir().mkpath(folder));
    const auto set = writeDamagedPictures(folder);
    ASSERT_GE(set.size(), 30u);
    startGameInProgress();
    std::printf("%-34s %-8s %s\n", "file", "result", "what");
    for (const DamagedPicture& p : set) {
        const std::string path = QDir(folder).filePath(p.name).toStdString();
        SCOPED_TRACE(path);
        const Snapshot before = snapshot();
        dialogs.log.clear();
        savedGames.answers = {std::nullopt}; // the save offered first is declined
        startPuzzle(kSingle, 4, 4, {path});
        const bool refused = !dialogs.log.empty() && dialogs.log.back() == refusal(path);
        const bool loaded = !refused && state.game.puzzle.puzFile[1] == path;
        std::printf("%-34s %-8s %s\n", qPrintable(p.name),
                    refused  ? "refused"
                    : loaded ? "loads"
                             : "neither",
                    qPrintable(p.what));
        if (p.expect == DamagedPicture::Expect::Refused) {
            ASSERT_FALSE(dialogs.log.empty());
            EXPECT_EQ(dialogs.log.back(), refusal(path));
            expectUntouched(before);
        } else {
            EXPECT_TRUE(loaded);
            EXPECT_TRUE(state.game.play.gameOn);
            EXPECT_EQ(state.game.puzzle.puzFile[1], path);
            EXPECT_TRUE(boardConsistent(state.game));
            EXPECT_EQ(
                std::count_if(dialogs.log.begin(), dialogs.log.end(),
                              [](const std::string& l) { return l.rfind("message", 0) == 0; }),
                0);
        }
    }
}

// The message names the picture at fault, not the first one, when a later image of the
// puzzle is the damaged one.
TEST_F(DamagedPicturesTest, ADamagedSecondOrFourthPictureIsTheOneNamed) {
    const QString folder = dir.filePath("damaged");
    ASSERT_TRUE(QDir().mkpath(folder));
    writeDamagedPictures(folder);
    const std::string good = QDir(folder).filePath("harbour view.jpg").toStdString();
    const std::string cut = QDir(folder).filePath("cut half.bmp").toStdString();
    const std::string huge = QDir(folder).filePath("huge 100000x100000.bmp").toStdString();
    startGameInProgress();

    Snapshot before = snapshot();
    savedGames.answers = {std::nullopt};
    startPuzzle(kDouble, 3, 3, {good, cut});
    ASSERT_FALSE(dialogs.log.empty());
    EXPECT_EQ(dialogs.log.back(), refusal(cut));
    expectUntouched(before);

    before = snapshot();
    savedGames.answers = {std::nullopt};
    startPuzzle(kTwoByTwo, 2, 2, {good, good, good, huge});
    EXPECT_EQ(dialogs.log.back(), refusal(huge));
    expectUntouched(before);
}

// The image chooser judges each file of the set when it is chosen, with the board's own
// checks: a refused one is named with the reason and empties the choice, even after a good
// picture was previewed; a sound one is previewed and chosen.
TEST(DamagedPicturesInTheChooser, EachIsJudgedWhenChosenAsTheBoardJudgesIt) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto set = writeDamagedPictures(dir.path());
    const std::string good = dir.filePath("harbour view.jpg").toStdString();
    for (const DamagedPicture& p : set) {
        const std::string path = dir.filePath(p.name).toStdString();
        SCOPED_TRACE(path);
        ScriptedFileChooser chooser;
        chooser.answers = {good, path};
        std::vector<std::string> refusals;
        Viewer viewer("", chooser, "", [&](QWidget*, const QString& text) {
            refusals.push_back(text.toStdString());
        });
        const auto chosenFile = [&viewer] {
            return viewer.chosen().value_or(ChosenPicture{}).file;
        };
        ASSERT_EQ(chosenFile(), good);
        viewer.Command1->click();
        if (p.expect == DamagedPicture::Expect::Refused) {
            ASSERT_EQ(refusals.size(), 1u);
            EXPECT_EQ(refusals[0].rfind(path + " could not be read as a picture: ", 0), 0u)
                << refusals[0];
            EXPECT_TRUE(chosenFile().empty());
            EXPECT_TRUE(viewer.Picture1->pixmap().isNull());
        } else {
            EXPECT_TRUE(refusals.empty()) << refusals.front();
            EXPECT_EQ(chosenFile(), path);
            EXPECT_FALSE(viewer.Picture1->pixmap().isNull());
        }
    }
}

} // namespace
} // namespace tessary::testing
