// SPDX-License-Identifier: GPL-3.0-or-later
#include "flows/OpenGameFlow.h"
#include "fakes/RecordingHost.h"
#include "fakes/TestBoards.h"
#include "files/DataFile.h"
#include "files/KeptGame.h"
#include "files/SavedGame.h"
#include "storage/TestFiles.h"

#include <gtest/gtest.h>

namespace tessary::testing {
namespace {

using Calls = std::vector<std::string>;

class OpenGameFlowTest : public ::testing::Test {
  protected:
    TempFolder dir;
    GameState s;
    Settings settings;
    RecordingHost host;
    Play play{s, host};
    OpenGameFlow flow{s, settings, host, play};
    std::string file = (dir.path / "harbour.sav").string();

    OpenGameFlowTest() {
        // In play: a 3 x 1 board with two pieces away from home, an overlay and a selection.
        arrangeBoard(s, {{"2,1", "1,1", "3,1"}});
        s.puzzle.puzType = kSingle;
        s.puzzle.imgAcross = 3;
        s.puzzle.imgDown = 1;
        s.puzzle.fitMode = 1;
        s.puzzle.puzTitle = "in play";
        s.play.selX = s.play.selY = 1;
        s.play.peekShown = true;

        // On disk: a 2 x 2 game with one pair swapped.
        GameState saved;
        solvedBoard(saved, 2, 2);
        saved.puzzle.puzType = kSingle;
        saved.puzzle.imgAcross = 2;
        saved.puzzle.imgDown = 2;
        saved.puzzle.fitMode = 1;
        saved.puzzle.puzFile[1] = "/pictures/harbour.jpg";
        saved.puzzle.puzTitle = "harbour";
        std::swap(saved.pieceAt(1, 1), saved.pieceAt(2, 1));
        std::swap(saved.cellOf(1, 1), saved.cellOf(2, 1));
        Settings savedSettings;
        savedSettings.spareSetting = 7;
        EXPECT_TRUE(writeSavedGame(file, saved, savedSettings));
        host.gameToOpen = file;
    }
};

TEST_F(OpenGameFlowTest, AGoodFileReplacesTheGameInPlay) {
    flow.openGame();
    EXPECT_EQ(host.calls,
              (Calls{"open chooser", "prepare file", "layout", "blink on", "save on", "paint"}));
    EXPECT_TRUE(s.play.gameOn);
    EXPECT_EQ(s.puzzle.puzTitle, "harbour");
    EXPECT_EQ(s.board.boardAcross * 10 + s.board.boardDown, 22);
    EXPECT_EQ(s.play.leftToMove, 2);
    EXPECT_EQ(s.play.selX, 0);
    EXPECT_FALSE(s.play.peekShown);
    EXPECT_EQ(settings.spareSetting, 7);
    EXPECT_TRUE(boardConsistent(s));
}

// Whatever is wrong, the player hears of it once and the game in play goes on untouched.
TEST_F(OpenGameFlowTest, EveryRefusalLeavesTheGameInPlayAsItWas) {
    const std::string notAGame = "critical " + file + " is not a saved Tessary game";
    struct Case {
        std::optional<LayoutCheck> layout;
        std::string fileText; // "" keeps the good file
        Calls calls;
    };
    const std::vector<Case> cases = {
        {LayoutCheck{LayoutCheck::Result::pictureMissing, {}, 0, 0},
         "",
         {"open chooser", "prepare file",
          "critical File name specified in .SAV file is not found"}},
        {LayoutCheck{LayoutCheck::Result::refused, "too small", 0, 0},
         "",
         {"open chooser", "prepare file", "critical too small"}},
        // A first picture that changed shape: the pictures make another board than the file's.
        {LayoutCheck{LayoutCheck::Result::ok, {}, 4, 1},
         "",
         {"open chooser", "prepare file", notAGame}},
        // Last, as it spoils the file.
        {std::nullopt, "not a saved game\r\n", {"open chooser", "paint", notAGame}},
    };
    const GameState before = s;
    for (const Case& c : cases) {
        if (!c.fileText.empty())
            dir.write("harbour.sav", c.fileText);
        host.layoutOfFile = c.layout;
        host.clear();
        flow.openGame();
        EXPECT_EQ(host.calls, c.calls);
        EXPECT_EQ(s.puzzle.puzTitle, "in play");
        EXPECT_EQ(s.pieceAt(1, 1), before.pieceAt(1, 1));
        EXPECT_TRUE(s.play.gameOn);
        EXPECT_TRUE(s.play.peekShown);
    }
    host.gameToOpen.reset(); // the chooser cancelled
    host.clear();
    flow.openGame();
    EXPECT_EQ(host.calls, Calls{"open chooser"});
}

// The game kept from the last run is offered once: opened on Yes, put away on No, left for
// the next start when the question went unanswered; a file the game refuses is set aside.
TEST_F(OpenGameFlowTest, AGameKeptFromTheLastRunIsOfferedBackAndARefusedOneIsSetAside) {
    const KeptGame kept(dir.path);
    const std::string good = *readDataFile(file);
    const std::string question =
        "question Carry on with the puzzle you were playing?\n\n\"harbour\", 2 x 2 pieces, 2 "
        "still to place.";
    const auto names = [this] { return dir.names(); };
    flow.offerKept(kept); // nothing kept: nothing asked
    EXPECT_TRUE(host.calls.empty());

    dir.write("last-game.sav", good);
    host.carryOn = std::nullopt;
    flow.offerKept(kept);
    host.carryOn = false;
    flow.offerKept(kept);
    EXPECT_EQ(host.calls, (Calls{question, question}));
    EXPECT_EQ(s.puzzle.puzTitle, "in play");
    EXPECT_EQ(names(), (std::vector<std::string>{"harbour.sav", "last-game.declined.sav"}));

    dir.write("last-game.sav", good);
    host.carryOn = true;
    host.layoutOfFile = LayoutCheck{LayoutCheck::Result::pictureMissing, {}, 0, 0};
    host.clear();
    flow.offerKept(kept);
    EXPECT_EQ(host.calls, (Calls{question, "prepare file",
                                 "critical File name specified in .SAV file is not found"}));
    dir.write("last-game.sav", "not a saved game\r\n");
    host.clear();
    flow.offerKept(kept); // told where the file went, with no question
    EXPECT_EQ(host.calls, Calls{"critical " + (dir.path / "last-game.refused-2.sav").string() +
                                " is not a saved Tessary game"});
    EXPECT_EQ(s.puzzle.puzTitle, "in play");
    EXPECT_EQ(names(),
              (std::vector<std::string>{"harbour.sav", "last-game.declined.sav",
                                        "last-game.refused-2.sav", "last-game.refused.sav"}));
    EXPECT_EQ(*readDataFile(dir.path / "last-game.refused.sav"), good);

    dir.write("last-game.sav", good);
    host.layoutOfFile.reset();
    host.keptChanges = 0;
    flow.offerKept(kept);
    EXPECT_EQ(s.puzzle.puzTitle, "harbour");
    EXPECT_EQ(host.keptChanges, 1); // and it goes on being kept
    EXPECT_TRUE(kept.exists());
}

} // namespace
} // namespace tessary::testing
