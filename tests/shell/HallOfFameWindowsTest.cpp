// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/HofWindow.h"
#include "dialogs/NameEntryDialog.h"
#include "fakes/ScriptedDialogs.h"
#include "score/HofFile.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tessary::testing {
namespace {

TEST(NameEntryWindow, AsksWithTheRankAndKeepsWhatWasTypedHoweverItCloses) {
    int sounds = 0;
    NameEntryDialog dialog(3, "Ann", "", [&] { ++sounds; });
    EXPECT_EQ(dialog.Label1->text(),
              "You have made number 3 on the Hall of Fame list. Please enter your name:");
    EXPECT_EQ(dialog.Label2->text(), "  Please enter email address:");
    EXPECT_EQ(dialog.Name1->text(), "Ann");
    dialog.show();
    EXPECT_EQ(sounds, 1);
    dialog.Name1->setText("Bo \"the\" Swapper");
    dialog.email->setText("bo@example.org");
    dialog.reject(); // the close box
    const NameEntryAnswer answer = dialog.answer();
    EXPECT_FALSE(answer.onlineEntry);
    EXPECT_EQ(answer.name, "Bo 'the' Swapper");
    EXPECT_EQ(answer.email, "bo@example.org");
}

TEST(NameEntryWindow, TheWebsiteButtonAsksForTheOnlineList) {
    NameEntryDialog dialog(1, "", "", {});
    dialog.Command1->click();
    EXPECT_TRUE(dialog.answer().onlineEntry);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

struct HofWindowTest : ::testing::Test {
    QTemporaryDir dir;
    HallOfFame list;
    FakeShell shell;
    std::filesystem::path folder() const { return dir.path().toStdString(); }

    void SetUp() override {
        list.insertAt(1, makeHofEntry(1250, "Harbour", 80, "Ann", "12/6/99"));
        ASSERT_TRUE(putHOF(folder(), list));
    }
};

TEST_F(HofWindowTest, ShowsTheTableAndOpensTheOnlineListWithoutClosing) {
    std::vector<std::string> unopened;
    HofWindow window(
        list, folder(), shell, [] { return false; },
        [&](QWidget*, const std::string& address) { unopened.push_back(address); });
    EXPECT_EQ(window.Text1->toPlainText().toStdString(),
              "Rank   Score   Size   Name       Date \n  1    1250  80  Ann" +
                  std::string(17, ' ') + "12/6/99");
    EXPECT_TRUE(window.Text1->isReadOnly());
    window.show();
    window.cmdOnline->click();
    const std::string online = "https://www.morvane.com/games/puzhof.asp?game=tess";
    EXPECT_EQ(shell.log, std::vector<std::string>{"link " + online});
    EXPECT_TRUE(unopened.empty());
    // Without a browser the player is shown the address.
    shell.linksOpen = false;
    window.cmdOnline->click();
    EXPECT_EQ(unopened, std::vector<std::string>{online});
    EXPECT_TRUE(window.isVisible());
}

TEST_F(HofWindowTest, ClearAnsweredNoChangesNothing) {
    HofWindow window(list, folder(), shell, [] { return false; });
    window.cmdClear_Click();
    EXPECT_EQ(list.hofCount, 1);
    EXPECT_TRUE(QFile::exists(dir.filePath("tess.hof")));
}

TEST_F(HofWindowTest, ClearAnsweredYesDeletesTheFileAndEmptiesTheList) {
    HofWindow window(list, folder(), shell, [] { return true; });
    window.cmdClear_Click();
    EXPECT_EQ(list.hofCount, 0);
    EXPECT_EQ(list.hof[1].score, 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("tess.hof")));
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

} // namespace
} // namespace tessary::testing
