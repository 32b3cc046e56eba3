// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardCanvas.h"
#include "board/MoveBox.h"
#include "dialogs/ImageCatalog.h"
#include "files/SavedGame.h"
#include "score/HofEntry.h"
#include "score/HofLinks.h"
#include "shell/GameWindowFixture.h"
#include "window/Main.h"
#include "window/PlayKeys.h"
#include "window/ToolBar.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tessary::testing {
namespace {

class MainWindowTest : public GameWindowFixture {
  protected:
    QString picture(const QString& name, int w = 400, int h = 300) {
        QImage image(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, 128));
        const QString path = dir.filePath(name);
        image.save(path);
        return path;
    }

    // Clicks the centre of board cell (c, r) on the board widget.
    void clickCell(Qt::MouseButton button, int c, int r) {
        const BoardGeometry& g = state.game.board;
        QTest::mouseClick(
            &probe().board(), button, Qt::NoModifier,
            QPoint((c - 1) * g.pieceW + g.pieceW / 2, (r - 1) * g.pieceH + g.pieceH / 2));
    }

    // Solves the board as a player would: select each misplaced cell, swap its piece in.
    void solveByClicks() {
        GameState& s = state.game;
        for (int c = 1; c <= s.board.boardAcross; ++c)
            for (int r = 1; r <= s.board.boardDown; ++r)
                if (!s.isSolved(c, r) && s.play.gameOn) {
                    const GridPos from = s.cellOf(c, r);
                    clickCell(Qt::LeftButton, c, r);
                    clickCell(Qt::RightButton, from.x, from.y);
                }
    }

    static std::string folderOf(const std::string& path) {
        return QDir(QString::fromStdString(path)).absolutePath().toStdString();
    }
    static std::string folderOf(const QString& path) { return folderOf(path.toStdString()); }

    // Moves the keyboard cursor to cell (c, r) with Home and the arrow keys.
    void cursorTo(int c, int r) {
        QTest::keyClick(main.get(), Qt::Key_Home);
        for (int i = 1; i < c; ++i)
            QTest::keyClick(main.get(), Qt::Key_Right);
        for (int i = 1; i < r; ++i)
            QTest::keyClick(main.get(), Qt::Key_Down);
    }

    // Rebuilds the window with animations that take time, played by the test frame by frame.
    void paceAnimations(int slideStepMs, int shuffleShowMs) {
        main->close();
        services->slideStepMs = slideStepMs;
        services->shuffleShowMs = shuffleShowMs;
        main = std::make_unique<Main>(state, *services);
        main->Form_Load();
    }

    GridPos firstMisplacedCell() const {
        const GameState& s = state.game;
        for (int c = 1; c <= s.board.boardAcross; ++c)
            for (int r = 1; r <= s.board.boardDown; ++r)
                if (!s.isSolved(c, r))
                    return {int16_t(c), int16_t(r)};
        return {};
    }

    // Every cell of the board picture shows, at its middle, the middle of its piece.
    bool boardShowsTheGame() {
        const GameState& s = state.game;
        const int w = s.board.pieceW, h = s.board.pieceH;
        const QImage& board = probe().board().picture();
        const QImage& base = probe().solutionPicture().picture();
        for (int c = 1; c <= s.board.boardAcross; ++c)
            for (int r = 1; r <= s.board.boardDown; ++r) {
                const GridPos piece = s.pieceAt(c, r);
                if (board.pixel((c - 1) * w + w / 2, (r - 1) * h + h / 2) !=
                    base.pixel((piece.x - 1) * w + w / 2, (piece.y - 1) * h + h / 2))
                    return false;
            }
        return true;
    }

    std::string fileText(const QString& name) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }
};

TEST_F(MainWindowTest, MenusCarryTheGamesCaptionsAndShortcuts) {
    const std::vector<std::pair<QAction*, std::pair<QString, QString>>> expected = {
        {&probe().menu(Menu::NewGame), {"&New Game", "Ctrl+N"}},
        {&probe().menu(Menu::OpenGame), {"&Open Saved Game", "Ctrl+O"}},
        {&probe().menu(Menu::Save), {"&Save This Game", "Ctrl+S"}},
        {&probe().menu(Menu::Exit), {"E&xit ", "Ctrl+X"}},
        {&probe().menu(Menu::Sound), {"Turn Sound E&ffects On", "Ctrl+F"}},
        {&probe().menu(Menu::Music), {"Turn &Music On", "Ctrl+M"}},
        {&probe().menu(Menu::Jukebox), {"&Jukebox", "Ctrl+J"}},
        {&probe().menu(Menu::Performance), {"&Performance Evaluation", "Ctrl+P"}},
        {&probe().menu(Menu::HallOfFame), {"&Hall of Fame", "Ctrl+H"}},
        {&probe().menu(Menu::Toolbar), {"&Toolbar Help", "F1"}},
        {&probe().menu(Menu::Help), {"&Detailed Help", "Ctrl+D"}},
        {&probe().menu(Menu::About), {"&About", "Ctrl+A"}},
        {&probe().menu(Menu::Catalog), {"&Image Catalog", "Ctrl+I"}},
    };
    for (const auto& [action, text] : expected) {
        EXPECT_EQ(action->text(), text.first);
        EXPECT_EQ(action->shortcut().toString(), text.second);
    }
    EXPECT_FALSE(probe().menu(Menu::Save).isEnabled());
    QStringList menus;
    for (QAction* menu : main->menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Options", "&Score", "&Help"}));
    EXPECT_EQ(main->windowTitle(), "Tessary");
    EXPECT_EQ(probe().idleTimer().interval(), 10000);
    EXPECT_TRUE(probe().idleTimer().isActive());
    EXPECT_FALSE(probe().blinkTimer().isActive());
}

TEST_F(MainWindowTest, TheScoreReadsNAbeforeAnyPuzzle) {
    probe().menu(Menu::Performance).trigger();
    ASSERT_EQ(dialogs.scoreTexts.size(), 1u);
    EXPECT_NE(dialogs.scoreTexts[0].find("Net Score N/A"), std::string::npos);
    EXPECT_TRUE(main->toolBar().isVisible());
}

TEST_F(MainWindowTest, ExitWritesTheSettingsAndHallOfFame) {
    state.settings.playerName = "Ann";
    main->close();
    EXPECT_EQ(fileText("Tessary.ini").rfind("Ann\r\n", 0), 0u);
    EXPECT_EQ(fileText("tess.hof"), " 0 \r\n");
    EXPECT_TRUE(savedGames.showings.empty()); // no game in play: no save offered
    EXPECT_EQ(beep.beeps, std::vector<Beep::Kind>{Beep::Kind::Exclamation});
}

TEST_F(MainWindowTest, ASinglePuzzlePlayedToTheEndWithRealClicks) {
    startPuzzle(kSingle, 2, 2, {picture("harbour.bmp").toStdString()});
    ASSERT_TRUE(state.game.play.gameOn);
    EXPECT_TRUE(probe().menu(Menu::Save).isEnabled());
    EXPECT_TRUE(probe().blinkTimer().isActive());
    EXPECT_EQ(state.game.board.boardAcross, 2);
    EXPECT_EQ(state.game.puzzle.puzTitle, "harbour");
    ASSERT_GT(state.game.play.leftToMove, 0);
    // F4 widens the toolbar by a small picture in the board's proportions, F4 again narrows it.
    ToolBar& bar = main->toolBar();
    QTest::keyClick(main.get(), Qt::Key_F4);
    const int smallW =
        int(std::lround(double(state.game.board.boardW) * bar.toolImgH / state.game.board.boardH));
    EXPECT_EQ(bar.frameGeometry().width(), bar.toolImgLeft + smallW);
    QTest::keyClick(main.get(), Qt::Key_F4);
    EXPECT_EQ(bar.frameGeometry().width(), bar.toolImgLeft + 1);
    state.settings.playerName = "Ann";
    dialogs.websiteEntry = true;
    shell.linksOpen = false; // no browser: the player is shown the address instead
    solveByClicks();
    EXPECT_FALSE(state.game.play.gameOn);
    EXPECT_FALSE(probe().menu(Menu::Save).isEnabled());
    EXPECT_FALSE(probe().blinkTimer().isActive());
    ASSERT_EQ(dialogs.scoreTexts.size(), 1u);
    EXPECT_NE(dialogs.scoreTexts[0].find("Pieces: 4  (2 Across, 2 Down)"), std::string::npos);
    EXPECT_EQ(state.hall.hofCount, 1);
    EXPECT_EQ(state.hall.hof[1].name, "Ann");
    ASSERT_EQ(shell.log.size(), 1u);
    EXPECT_EQ(shell.log[0].rfind("link " + hofServer() + "/games/puzhof.asp?game=tess&a=", 0), 0u);
    EXPECT_EQ(
        std::vector<std::string>(dialogs.log.end() - 3, dialogs.log.end()),
        (std::vector<std::string>{"NameEntry 1", "unopened " + shell.log[0].substr(5), "HOF"}));
    EXPECT_NE(fileText("tess.hof").find("\"Ann\""), std::string::npos);
    // The solved board shows the picture itself, piece for piece.
    const QImage board = probe().board().picture();
    EXPECT_EQ(board.pixel(5, 5),
              QImage(dir.filePath("harbour.bmp")).scaled(board.size()).pixel(5, 5));
}

// The keys play as the same presses of the mouse do (the core shows that); the window shows
// the cursor, hands the keys of play over, and leaves a menu bar its own keys.
TEST_F(MainWindowTest, KeysOfPlayReachTheBoardButNotAMenuBarWorkingFromTheKeyboard) {
    state.settings.playerName = "Ann";
    startPuzzle(kSingle, 2, 2, {picture("harbour.bmp").toStdString()});
    main->show();
    GameState& s = state.game;
    ASSERT_TRUE(s.play.gameOn);
    const auto cursorDrawnAt = [&](int c, int r) {
        // The cursor's first dash lies just inside the cell's top-left border pixel.
        return probe().board().picture().pixel((c - 1) * s.board.pieceW + 1,
                                               (r - 1) * s.board.pieceH + 1) == qRgb(255, 255, 255);
    };

    // Alt+F opens the File menu and Esc leaves the menu bar with the keyboard: it keeps its
    // own arrows.
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    QTest::keyClick(main.get(), Qt::Key_F, Qt::AltModifier);
    QWidget* fileMenu = QApplication::activePopupWidget();
    ASSERT_NE(fileMenu, nullptr);
    QTest::keyClick(fileMenu, Qt::Key_Escape);
    ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_FALSE(s.cursor.shown());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

    // A click on the board takes the cursor off the screen.
    QTest::keyClick(main.get(), Qt::Key_End);
    EXPECT_TRUE(cursorDrawnAt(2, 2));
    clickCell(Qt::LeftButton, 1, 1);
    EXPECT_FALSE(s.cursor.shown());
    EXPECT_FALSE(cursorDrawnAt(2, 2));

    // Space, Enter and the keypad's Enter play the puzzle to its end.
    bool keypad = false;
    for (int c = 1; c <= 2; ++c)
        for (int r = 1; r <= 2; ++r)
            if (!s.isSolved(c, r) && s.play.gameOn) {
                const GridPos from = s.cellOf(c, r);
                cursorTo(c, r);
                QTest::keyClick(main.get(), Qt::Key_Space);
                cursorTo(from.x, from.y);
                EXPECT_TRUE(cursorDrawnAt(from.x, from.y));
                if (keypad)
                    QTest::keyClick(main.get(), Qt::Key_Enter, Qt::KeypadModifier);
                else
                    QTest::keyClick(main.get(), Qt::Key_Return);
                keypad = !keypad;
            }
    EXPECT_FALSE(s.play.gameOn);
    EXPECT_EQ(dialogs.scoreTexts.size(), 1u);
}

TEST_F(MainWindowTest, AllFourPicturesOfA2x2AreAskedForInTurn) {
    const std::string p = picture("a.bmp").toStdString();
    startPuzzle(kTwoByTwo, 2, 3, {p, p, p, p});
    EXPECT_EQ(std::count_if(dialogs.log.begin(), dialogs.log.end(),
                            [](const std::string& l) { return l.rfind("Viewer", 0) == 0; }),
              4);
    EXPECT_EQ(dialogs.log.back(), "Viewer Select puzzle 4 of 4");
    EXPECT_EQ(state.game.board.boardAcross, 4);
    EXPECT_EQ(state.game.board.boardDown, 6);
}

TEST_F(MainWindowTest, CancellingTheFirstPictureKeepsTheGameInPlay) {
    startPuzzle(kSingle, 3, 3, {picture("a.bmp").toStdString()});
    const GameState before = state.game;
    savedGames.answers = {std::nullopt}; // the save offered first is cancelled
    startPuzzle(kDouble, 4, 4, {"", picture("b.bmp").toStdString()});
    EXPECT_EQ(savedGames.showings.size(), 1u);
    EXPECT_TRUE(state.game.play.gameOn);
    EXPECT_TRUE(probe().blinkTimer().isActive());
    EXPECT_EQ(state.game.board.boardAcross, 3);
    EXPECT_EQ(state.game.pieceAt(2, 2), before.pieceAt(2, 2));
}

TEST_F(MainWindowTest, AnUnreadablePictureIsNamedAndTheGameGoesOn) {
    startPuzzle(kSingle, 3, 3, {picture("a.bmp").toStdString()});
    QFile broken(dir.filePath("broken.jpg"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\xFF\xD8\xFF garbage");
    broken.close();
    savedGames.answers = {std::nullopt};
    startPuzzle(kSingle, 5, 5, {broken.fileName().toStdString()});
    ASSERT_FALSE(dialogs.log.empty());
    EXPECT_NE(dialogs.log.back().find("broken.jpg"), std::string::npos);
    EXPECT_TRUE(state.game.play.gameOn);
    EXPECT_EQ(state.game.board.boardAcross, 3);
}

TEST_F(MainWindowTest, SavingThenOpeningGivesTheSameGame) {
    startPuzzle(kSingle, 4, 3, {picture("a.bmp").toStdString()});
    state.game.play.swaps = 7;
    state.game.play.peeks = 2;
    state.game.play.netScore = -35;
    const GameState saved = state.game;
    const std::string file = dir.filePath("game.sav").toStdString();
    savedGames.answers = {file};
    probe().menu(Menu::Save).trigger();
    EXPECT_EQ(savedGames.showings.back().title, "Save Game");
    EXPECT_EQ(savedGames.showings.back().flags, 0);

    // Every new or opened game starts with the keyboard cursor hidden on the first cell.
    KeyboardCursor& cursor = state.game.cursor;
    cursor.move(KeyboardCursor::Move::Last, 4, 3);
    savedGames.answers = {std::nullopt};
    startPuzzle(kSingle, 2, 2, {picture("b.bmp").toStdString()});
    EXPECT_FALSE(cursor.shown());
    EXPECT_EQ(std::pair(cursor.col(), cursor.row()), std::pair(1, 1));
    cursor.move(KeyboardCursor::Move::Last, 2, 2);
    state.game.play.peekShown = true; // an overlay on the board being replaced
    savedGames.answers = {file};
    probe().menu(Menu::OpenGame).trigger();
    EXPECT_FALSE(cursor.shown());
    EXPECT_EQ(std::pair(cursor.col(), cursor.row()), std::pair(1, 1));
    EXPECT_FALSE(state.game.play.peekShown);
    EXPECT_EQ(savedGames.showings.back().title, "Open Existing Puzzle");
    EXPECT_EQ(savedGames.showings.back().flags, 4096);
    EXPECT_TRUE(state.game.play.gameOn);
    EXPECT_EQ(state.game.board.boardAcross, 4);
    EXPECT_EQ(state.game.play.swaps, 7);
    EXPECT_EQ(state.game.play.netScore, -35);
    for (int c = 1; c <= 4; ++c)
        for (int r = 1; r <= 3; ++r)
            EXPECT_EQ(state.game.pieceAt(c, r), saved.pieceAt(c, r));
}

TEST_F(MainWindowTest, AFileThatIsNotASavedGameIsRefused) {
    startPuzzle(kSingle, 3, 3, {picture("a.bmp").toStdString()});
    const int swaps = state.game.play.swaps = 4;
    QFile wrong(dir.filePath("notes.sav"));
    ASSERT_TRUE(wrong.open(QIODevice::WriteOnly));
    wrong.write("Morvane-Tessary \r\n");
    wrong.close();
    savedGames.answers = {wrong.fileName().toStdString()};
    probe().menu(Menu::OpenGame).trigger();
    EXPECT_EQ(dialogs.log.back(),
              "message " + wrong.fileName().toStdString() + " is not a saved Tessary game");
    EXPECT_EQ(beep.beeps.back(), Beep::Kind::Hand);
    EXPECT_EQ(state.game.play.swaps, swaps);
    EXPECT_TRUE(state.game.play.gameOn);
}

TEST_F(MainWindowTest, ASavedGameWhosePictureIsGoneIsRefused) {
    const QString pic = picture("gone.bmp");
    startPuzzle(kSingle, 3, 3, {pic.toStdString()});
    const std::string file = dir.filePath("game.sav").toStdString();
    savedGames.answers = {file};
    probe().menu(Menu::Save).trigger();
    QFile::remove(pic);
    savedGames.answers = {file};
    dialogs.log.clear();
    probe().menu(Menu::OpenGame).trigger();
    // One message says what is wrong; the layout's own is not shown as well.
    EXPECT_EQ(dialogs.log,
              std::vector<std::string>{"message File name specified in .SAV file is not found"});
}

// A "Triple" saved stacked, whose first picture is now taller than wide, would be laid out
// side by side with cells holding no piece: the file is refused as damaged and the game in
// play goes on.
TEST_F(MainWindowTest, ASavedGameWhoseFirstPictureChangedShapeIsRefused) {
    const QString first = picture("first.bmp", 400, 300);
    const std::string other = picture("other.bmp").toStdString();
    startPuzzle(kTriple, 3, 2, {first.toStdString(), other, other});
    ASSERT_EQ(state.game.board.boardDown, 6);
    const std::string file = dir.filePath("stacked.sav").toStdString();
    savedGames.answers = {file};
    probe().menu(Menu::Save).trigger();
    picture("first.bmp", 300, 400);

    savedGames.answers = {std::nullopt};
    startPuzzle(kSingle, 4, 4, {other});
    const GameState before = state.game;
    savedGames.answers = {file};
    dialogs.log.clear();
    probe().menu(Menu::OpenGame).trigger();
    EXPECT_EQ(dialogs.log,
              std::vector<std::string>{"message " + file + " is not a saved Tessary game"});
    EXPECT_TRUE(state.game.play.gameOn);
    EXPECT_EQ(state.game.puzzle.puzType, kSingle);
    EXPECT_EQ(state.game.board.boardAcross, 4);
    EXPECT_EQ(state.game.board.boardDown, 4);
    EXPECT_EQ(state.game.pieceAt(2, 3), before.pieceAt(2, 3));
    EXPECT_EQ(probe().board().size(), QSize(before.board.boardW, before.board.boardH));
}

// The save and open choosers start in the player's documents folder, then wherever the last
// game was saved or opened.
TEST_F(MainWindowTest,
       SavedGameChoosersStartInTheDocumentsFolderThenTheLastOnesFolderEvenAfterARestart) {
    savedGames.answers = {std::nullopt};
    probe().menu(Menu::OpenGame).trigger();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // (the home folder on a desktop that has no documents folder)
    EXPECT_EQ(folderOf(savedGames.InitDir),
              folderOf(QDir(documents).exists() ? documents : QDir::homePath()));
    startPuzzle(kSingle, 3, 3, {picture("a.bmp").toStdString()});
    ASSERT_TRUE(QDir(dir.path()).mkpath("games"));
    savedGames.answers = {dir.filePath("games/one.sav").toStdString()};
    probe().menu(Menu::Save).trigger();
    EXPECT_EQ(folderOf(savedGames.InitDir), folderOf(dir.filePath("games")));
    // The next run of the game starts there too.
    savedGames.answers = {std::nullopt}; // the save offered at exit, given up
    main->close();
    savedGames.InitDir.clear();
    main = std::make_unique<Main>(state, *services);
    main->Form_Load();
    EXPECT_EQ(folderOf(savedGames.InitDir), folderOf(dir.filePath("games")));
}

TEST_F(MainWindowTest, FunctionKeysReachTheHintsAndAnOverlaySwallowsTheNextKey) {
    startPuzzle(kSingle, 3, 3, {picture("a.bmp").toStdString()});
    main->show();
    QTest::keyClick(main.get(), Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_TRUE(state.game.play.peekShown);
    EXPECT_EQ(state.game.play.peeks, 1);
    QTest::keyClick(main.get(), Qt::Key_N, Qt::ControlModifier); // not even a menu's shortcut
    EXPECT_FALSE(state.game.play.peekShown);
    EXPECT_EQ(std::count(dialogs.log.begin(), dialogs.log.end(), "NewPuz"), 1);
    QTest::keyClick(main.get(), Qt::Key_F2);
    EXPECT_TRUE(state.game.play.showMisplaced);
    QTest::keyClick(main.get(), Qt::Key_F3);
    EXPECT_FALSE(probe().solutionPicture().isHidden());
    QTest::keyClick(main.get(), Qt::Key_Right); // the hidden board's cursor does not move
    EXPECT_FALSE(probe().solutionPicture().isHidden());
    EXPECT_FALSE(state.game.cursor.shown());
}

// F2 to F10 and the toolbar's buttons 2 to 10 stand for the same commands.
TEST(PlayKeys, FunctionKeysWithOrWithoutShiftAndToolbarButtonsNameTheSameCommands) {
    const auto commandOf = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return commandOfKey(QKeyEvent(QEvent::KeyPress, key, modifiers));
    };
    for (int n = 2; n <= 10; ++n) {
        const std::optional<Command> command = commandOfToolbarButton(n);
        ASSERT_TRUE(command);
        EXPECT_EQ(commandOf(Qt::Key_F1 + n - 1), command);
        EXPECT_EQ(commandOf(Qt::Key_F1 + n - 1, Qt::ShiftModifier), command);
        EXPECT_EQ(commandOf(Qt::Key_F1 + n - 1, Qt::ControlModifier), std::nullopt);
    }
    EXPECT_EQ(commandOfToolbarButton(2), Command::ToggleGrid);
    EXPECT_EQ(commandOfToolbarButton(3), Command::ShowSolution);
    EXPECT_EQ(commandOfToolbarButton(10), Command::Minimize);
    EXPECT_EQ(commandOfToolbarButton(1), std::nullopt); // help: the window's own
    EXPECT_EQ(commandOfToolbarButton(11), std::nullopt);
    EXPECT_EQ(commandOf(Qt::Key_F1), std::nullopt);
    EXPECT_EQ(commandOf(Qt::Key_F11), std::nullopt);
}

TEST_F(MainWindowTest, AToolbarClickDuringAnOverlayRunsNothing) {
    startPuzzle(kSingle, 3, 3, {picture("a.bmp").toStdString()});
    state.game.play.peekShown = true;
    main->Btn_Click(3);
    EXPECT_FALSE(state.game.play.peekShown);
    EXPECT_EQ(main->pendingCmd, 0);
    EXPECT_FALSE(probe().commandTimer().isActive());
    main->Btn_Click(3);
    EXPECT_TRUE(probe().commandTimer().isActive());
    main->Timer2_Timer();
    EXPECT_EQ(state.game.play.peeks, 1);
}

// Help opens in the game's own window, at the toolbar's section for Toolbar Help; only a web
// address on the page goes to the desktop.
TEST_F(MainWindowTest, HelpOpensInTheGameAndOnlyWebAddressesGoToTheDesktop) {
    QFile page(dir.filePath("tessary.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<p><a href=\"https://example.org/\">out</a></p><figure class=\"scene\"><img "
               "src=\"help/x.png\"><figcaption>Caption</figcaption></figure><h2 "
               "id=\"toolbar\">Toolbar</h2>");
    page.close();
    probe().menu(Menu::Help).trigger();
    HelpWindow* help = probe().helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Tessary Help");
    const QUrl pageUrl = QUrl::fromLocalFile(dir.filePath("tessary.html"));
    EXPECT_EQ(help->browser()->source(), pageUrl);
    // A picture's caption stands in a line of its own, not beside the picture.
    EXPECT_EQ(help->browser()->document()->find("Caption").block().text().toStdString(), "Caption");
    QTest::keyClick(help->browser(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    probe().menu(Menu::Toolbar).trigger();
    EXPECT_EQ(probe().helpWindow(), help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->browser()->source().fragment(), "toolbar");
    shell.linksOpen = false;
    emit help->browser()->anchorClicked(QUrl("https://example.org/"));
    EXPECT_EQ(dialogs.log.back(), "unopened https://example.org/");
    EXPECT_EQ(shell.log, std::vector<std::string>{"link https://example.org/"});
}

// "Image Catalog" opens the game's own window, once; Enter on a picture there starts the
// new-puzzle road with it shown first, and the catalogue stays open behind.
TEST_F(MainWindowTest, ThePictureChosenInTheCatalogueStartsTheNewPuzzle) {
    ASSERT_TRUE(QDir(dir.path()).mkpath("images"));
    const QString sample = picture("images/sample.bmp");
    probe().menu(Menu::Catalog).trigger();
    probe().menu(Menu::Catalog).trigger();
    const QWidgetList windows = QApplication::topLevelWidgets();
    ASSERT_EQ(std::count_if(
                  windows.begin(), windows.end(),
                  [](QWidget* w) { return w->isVisible() && w->windowTitle() == "Image Catalog"; }),
              1);
    ImageCatalog& catalog = *probe().catalog();
    EXPECT_EQ(catalog.pictureGrid().count(), 1);
    dialogs.newPuzChoice = [](NewPuzzleChoice& p) {
        p.puzType = int16_t(kSingle);
        p.imgAcross = p.imgDown = 3;
    };
    QTest::keyClick(&catalog.pictureGrid(), Qt::Key_Return);
    for (int i = 0; i < 10 && !state.game.play.gameOn; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.log,
              (std::vector<std::string>{"NewPuz", "Viewer  showing " + sample.toStdString()}));
    EXPECT_EQ(state.game.puzzle.puzFile[1], sample.toStdString());
    EXPECT_TRUE(catalog.isVisible());
    EXPECT_TRUE(shell.log.empty());
}

} // namespace
} // namespace tessary::testing

namespace tessary::testing {
namespace {

// A finished puzzle's way into the Hall of Fame runs in the core; the window only shows it.
using EnterHofTest = MainWindowTest;

TEST_F(EnterHofTest, TheMenuShowsTheListAfterSayingAnEmptyOneWasCleared) {
    probe().menu(Menu::HallOfFame).trigger();
    EXPECT_EQ(dialogs.log, (std::vector<std::string>{"message Hof was recently cleared", "HOF"}));
}

} // namespace
} // namespace tessary::testing

namespace tessary::testing {
namespace {

TEST_F(MainWindowTest, TheAboutBoxHidesTheToolbarWhileItIsUp) {
    dialogs.toolbarVisible = [this] { return main->toolBar().isVisible(); };
    main->toolBar().show();
    state.settings.soundOn = true;
    probe().menu(Menu::About).trigger();
    ASSERT_FALSE(dialogs.log.empty());
    EXPECT_EQ(dialogs.log.back(), "About");
    EXPECT_FALSE(dialogs.toolbarShownDuringAbout);
    EXPECT_TRUE(main->toolBar().isVisible());
    ASSERT_FALSE(sound.played.empty());
    EXPECT_NE(sound.played.back().find("sound13.wav"), std::string::npos);
}

} // namespace
} // namespace tessary::testing

namespace tessary::testing {
namespace {

// An assist moves the game at once; the window then shows the slide on its timer (played
// here frame by frame), holding back the swap's drawing and sound until the piece lands.
TEST_F(MainWindowTest, TheSlideIsWatchedAfterTheGameHasMovedOn) {
    paceAnimations(12, 0);
    state.settings.soundOn = true;
    startPuzzle(kSingle, 3, 2, {picture("a.bmp").toStdString()});
    GameState& s = state.game;
    const GridPos from = firstMisplacedCell();
    const GridPos home = s.pieceAt.at(from);
    clickCell(Qt::LeftButton, from.x, from.y);
    const QImage before = probe().board().picture().copy();
    sound.played.clear();
    QTest::keyClick(main.get(), Qt::Key_F8);
    EXPECT_TRUE(s.isSolved(home.x, home.y));
    EXPECT_EQ(s.play.assists, 1);
    ASSERT_TRUE(probe().animation().playing());
    EXPECT_TRUE(probe().board().picture() == before);
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_NE(sound.played[0].find("sound13.wav"), std::string::npos);

    // Keys and clicks wait while the piece slides.
    const GridPos selected{s.play.selX, s.play.selY};
    QTest::keyClick(main.get(), Qt::Key_F2);
    clickCell(Qt::LeftButton, from.x == 1 ? 2 : 1, 1);
    EXPECT_FALSE(s.play.showMisplaced);
    EXPECT_EQ((GridPos{s.play.selX, s.play.selY}), selected);
    EXPECT_EQ(sound.played.size(), 1u);

    // The tile ends exactly over the home cell, showing the piece itself.
    const int w = s.board.pieceW, h = s.board.pieceH;
    for (int step = 2; step <= SlidePath::kSteps; ++step)
        probe().animation().nextFrame();
    const QRect homeCell((home.x - 1) * w, (home.y - 1) * h, w, h);
    EXPECT_EQ(probe().slidingTile().geometry(), homeCell.translated(probe().board().pos()));
    const QImage& base = probe().solutionPicture().picture();
    EXPECT_EQ(probe().slidingTile().grab().toImage().pixel(w / 2, h / 2),
              base.pixel(homeCell.x() + w / 2, homeCell.y() + h / 2));
    EXPECT_EQ(sound.played.size(), 1u);

    // Landed: the tile goes, the swap is drawn and heard, then the key and the click act.
    probe().animation().nextFrame();
    EXPECT_FALSE(probe().animation().playing());
    EXPECT_TRUE(probe().slidingTile().isHidden());
    EXPECT_TRUE(boardShowsTheGame());
    EXPECT_TRUE(s.play.showMisplaced);
    EXPECT_EQ(sound.played.size(), 3u);
}

// A new board shows the finished picture for half the shuffle's time, then the exchanges in
// frames; the game is shuffled and in play from the start, so a save or an exit meanwhile
// keeps it, and an exit cuts the show short.
TEST_F(MainWindowTest, TheShuffleIsWatchedWhileTheShuffledGameIsAlreadyInPlay) {
    paceAnimations(0, 900);
    startPuzzle(kSingle, 4, 3, {picture("a.bmp").toStdString()});
    GameState& s = state.game;
    ASSERT_TRUE(s.play.gameOn);
    ASSERT_TRUE(probe().animation().playing());
    EXPECT_TRUE(probe().solutionPicture().isVisible());
    EXPECT_EQ(probe().animation().frameTimer().interval(), 450);

    // Twelve exchanges, one a frame; the first frame takes the finished picture away.
    probe().animation().nextFrame();
    EXPECT_FALSE(probe().solutionPicture().isVisible());
    for (int frame = 2; frame <= 12; ++frame)
        probe().animation().nextFrame();
    EXPECT_TRUE(boardShowsTheGame());
    probe().animation().nextFrame();
    EXPECT_FALSE(probe().animation().playing());

    startPuzzle(kSingle, 4, 3, {picture("b.bmp").toStdString()});
    ASSERT_TRUE(probe().animation().playing());
    const std::string file = dir.filePath("shuffling.sav").toStdString();
    savedGames.answers = {file};
    probe().menu(Menu::Save).trigger();
    EXPECT_EQ(fileText("shuffling.sav"), savedGameText(s, state.settings));
    savedGames.answers = {std::nullopt};
    main->close();
    EXPECT_FALSE(probe().animation().playing());
    EXPECT_TRUE(boardShowsTheGame());
}

} // namespace
} // namespace tessary::testing

namespace tessary::testing {
namespace {

TEST_F(MainWindowTest, AGiveUpLongAfterTheDialogsOpenedShowsTheBoardAgain) {
    startPuzzle(kSingle, 3, 3, {picture("a.bmp").toStdString()});
    main->show();
    QTest::keyClick(main.get(), Qt::Key_F3); // the solution is up when the menu is chosen
    main->Timer4_Timer();                    // a minute of play
    savedGames.answers = {std::nullopt};
    // Two more minutes pass with the dialog open, where no game is in play. The solution goes
    // with the board: left behind, it would sit by the dialog as a free look at the answer.
    dialogs.newPuzChoice = [this](NewPuzzleChoice&) {
        main->Timer4_Timer();
        main->Timer4_Timer();
        EXPECT_TRUE(probe().board().isHidden());
        EXPECT_TRUE(probe().solutionPicture().isHidden());
    };
    dialogs.pictures = {""};
    probe().menu(Menu::NewGame).trigger();
    EXPECT_TRUE(state.game.play.gameOn);
    EXPECT_FALSE(probe().board().isHidden());
}

TEST_F(MainWindowTest, ASaveThatFailsIsNamedAndTheGameStaysInPlay) {
    startPuzzle(kSingle, 3, 3, {picture("a.bmp").toStdString()});
    const std::string file = dir.filePath("gone/game.sav").toStdString();
    const auto failedSaves = [this, &file] {
        return std::count(dialogs.log.begin(), dialogs.log.end(),
                          "message The game could not be saved to " + file +
                              ":\nNo such file or directory");
    };
    savedGames.answers = {file};
    probe().menu(Menu::Save).trigger();
    EXPECT_EQ(failedSaves(), 1);
    ASSERT_FALSE(beep.beeps.empty());
    EXPECT_EQ(beep.beeps.back(), Beep::Kind::Hand);
    EXPECT_TRUE(state.game.play.gameOn);

    // The save before a new puzzle fails too: the new puzzle is not started.
    savedGames.answers = {file};
    startPuzzle(kSingle, 2, 2, {picture("b.bmp").toStdString()});
    EXPECT_EQ(failedSaves(), 2);
    EXPECT_EQ(std::count(dialogs.log.begin(), dialogs.log.end(), "NewPuz"), 1);
    EXPECT_EQ(state.game.board.boardAcross, 3);

    // At exit a failed save calls the exit off; a cancelled one still exits.
    QFile::remove(dir.filePath("Tessary.ini")); // written when the puzzle started
    savedGames.answers = {file};
    main->close();
    EXPECT_EQ(failedSaves(), 3);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(QFile::exists(dir.filePath("Tessary.ini")));
    savedGames.answers = {std::nullopt};
    main->close();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(QFile::exists(dir.filePath("Tessary.ini")));
}

TEST_F(MainWindowTest, AnEndingSessionKeepsTheGameInPlayWithoutAsking) {
    startPuzzle(kSingle, 3, 3, {picture("a.bmp").toStdString()});
    state.game.play.swaps = 6;
    const std::string expected = savedGameText(state.game, state.settings);
    // The session ends while the save dialog is up: the dialog is cancelled by it.
    savedGames.onShow = [this] { main->endSession(); };
    savedGames.answers = {std::nullopt};
    probe().menu(Menu::Save).trigger();
    EXPECT_EQ(fileText("last-game.sav"), expected);

    QFile::remove(dir.filePath("last-game.sav"));
    main->close();
    EXPECT_EQ(savedGames.showings.size(), 1u); // nothing asked at the exit
    EXPECT_EQ(fileText("last-game.sav"), expected);
    EXPECT_TRUE(QFile::exists(dir.filePath("Tessary.ini")));
    EXPECT_EQ(fileText("tess.hof"), " 0 \r\n");
    EXPECT_FALSE(main->isVisible());
}

// The game is kept as it is played, even through a session that ends under the new-puzzle
// dialog (where no game counts as in play), and offered back at the next start; given up at
// the exit, it is offered no more.
TEST_F(MainWindowTest, TheGameIsKeptAsPlayedThroughAnEndingSessionAndOfferedBackAtTheNextStart) {
    const std::string kept = dir.filePath("last-game.sav").toStdString();
    const auto inode = [&kept] {
        struct stat st = {};
        return ::stat(kept.c_str(), &st) == 0 ? st.st_ino : ino_t(0);
    };
    const auto settle = [this] {
        for (int i = 0; i < 50 && probe().keeper().pending(); ++i)
            QCoreApplication::processEvents();
    };
    startPuzzle(kSingle, 4, 4, {picture("a.bmp").toStdString()});
    EXPECT_EQ(inode(), ino_t(0)); // written after the step, not inside it
    settle();
    EXPECT_EQ(fileText("last-game.sav"), savedGameText(state.game, state.settings));
    // Idle, or with only a piece selected, nothing is written: each write is a new file.
    const ino_t written = inode();
    const GridPos cell = firstMisplacedCell();
    clickCell(Qt::LeftButton, cell.x, cell.y);
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    EXPECT_FALSE(probe().keeper().pending());
    EXPECT_EQ(inode(), written);

    const GridPos from = state.game.cellOf(cell.x, cell.y);
    clickCell(Qt::RightButton, from.x, from.y);
    ASSERT_TRUE(state.game.play.gameOn);
    const std::string expected = savedGameText(state.game, state.settings);
    // SIGTERM under the new-puzzle dialog, before the swap was written: the window closes.
    savedGames.answers = {std::nullopt};
    dialogs.newPuzChoice = [this](NewPuzzleChoice&) {
        main->endSession();
        main->close();
    };
    probe().menu(Menu::NewGame).trigger();
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(fileText("last-game.sav"), expected);

    main.reset();
    state = ProgramState{};
    dialogs.log.clear();
    main = std::make_unique<Main>(state, *services);
    main->Form_Load();
    main->Form_Shown();
    ASSERT_EQ(dialogs.log.size(), 2u);
    EXPECT_EQ(dialogs.log[0], "About");
    EXPECT_EQ(dialogs.log[1].rfind("question Carry on with the puzzle you were playing?\n\n\"a\", "
                                   "4 x 4 pieces, ",
                                   0),
              0u);
    EXPECT_TRUE(state.game.play.gameOn);
    EXPECT_EQ(savedGameText(state.game, state.settings), expected);
    savedGames.answers = {std::nullopt}; // the save offered at the exit, given up
    main->close();
    EXPECT_EQ(inode(), ino_t(0));
}

// A picture dropped on the window starts the new-puzzle road with it shown first, a saved game
// dropped opens, anything else is refused with a message; a web address is not taken.
TEST_F(MainWindowTest, ADroppedPictureStartsAPuzzleASavedGameOpensAndAnythingElseIsRefused) {
    const auto drop = [this](const QUrl& url) {
        QMimeData data;
        data.setUrls({url});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(main.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(main.get(), &dropped);
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
        return true;
    };
    startPuzzle(kSingle, 3, 3, {picture("a.bmp").toStdString()});
    const std::string saved = dir.filePath("a.sav").toStdString();
    ASSERT_TRUE(writeSavedGame(saved, state.game, state.settings));
    savedGames.answers = {std::nullopt, std::nullopt}; // no save before the next puzzle

    const QString b = picture("b.bmp");
    dialogs.log.clear();
    ASSERT_TRUE(drop(QUrl::fromLocalFile(b)));
    EXPECT_EQ(dialogs.log,
              (std::vector<std::string>{"NewPuz", "Viewer  showing " + b.toStdString()}));
    EXPECT_EQ(state.game.puzzle.puzFile[1], b.toStdString());

    ASSERT_TRUE(drop(QUrl::fromLocalFile(QString::fromStdString(saved))));
    EXPECT_EQ(state.game.puzzle.puzTitle, "a");

    QFile notes(dir.filePath("notes.txt"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("a shopping list\n");
    notes.close();
    dialogs.log.clear();
    ASSERT_TRUE(drop(QUrl::fromLocalFile(notes.fileName())));
    EXPECT_EQ(dialogs.log, std::vector<std::string>{"message " + notes.fileName().toStdString() +
                                                    " is neither a picture nor a saved Tessary "
                                                    "game"});
    EXPECT_FALSE(drop(QUrl(QStringLiteral("https://example.org/picture.png"))));
    EXPECT_EQ(state.game.puzzle.puzTitle, "a");
}

// Whatever fails inside a handler is skipped and play goes on: nothing ends the program.
TEST_F(MainWindowTest, AFailureInsideAHandlerIsSkippedAndPlayGoesOn) {
    startPuzzle(kSingle, 3, 3, {picture("a.bmp").toStdString()});
    GameState& s = state.game;
    GridPos misplaced;
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 3; ++r)
            if (!s.isSolved(c, r))
                misplaced = {int16_t(c), int16_t(r)};
    ASSERT_NE(misplaced.x, 0);
    s.play.selX = 60; // past the cell tables: the swap's lookup fails
    s.play.selY = 1;
    EXPECT_NO_THROW(clickCell(Qt::RightButton, misplaced.x, misplaced.y));
    EXPECT_TRUE(s.play.gameOn);
    clickCell(Qt::LeftButton, misplaced.x, misplaced.y);
    EXPECT_EQ((GridPos{s.play.selX, s.play.selY}), misplaced);

    // A shut-down that fails is called off, and the next one goes ahead.
    savedGames.onShow = [] { throw std::runtime_error("the chooser failed"); };
    EXPECT_NO_THROW(main->close());
    EXPECT_TRUE(main->isVisible());
    savedGames.onShow = nullptr;
    savedGames.answers = {std::nullopt};
    main->close();
    EXPECT_FALSE(main->isVisible());
}

TEST_F(MainWindowTest, AHiddenFinishedBoardStopsTheIdleTimerUntilAGameIsInPlay) {
    startPuzzle(kSingle, 2, 2, {picture("a.bmp").toStdString()});
    const std::string file = dir.filePath("game.sav").toStdString();
    savedGames.answers = {file};
    probe().menu(Menu::Save).trigger();
    main->Timer4_Timer(); // a minute of play
    solveByClicks();
    ASSERT_FALSE(state.game.play.gameOn);
    main->Timer4_Timer();
    main->Timer4_Timer();
    EXPECT_TRUE(probe().board().isHidden());
    EXPECT_FALSE(probe().idleTimer().isActive());

    savedGames.answers = {file};
    probe().menu(Menu::OpenGame).trigger();
    ASSERT_TRUE(state.game.play.gameOn);
    EXPECT_TRUE(probe().idleTimer().isActive());
}

} // namespace
} // namespace tessary::testing
