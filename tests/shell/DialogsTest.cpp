#include "fakes/ScriptedFileChooser.h"
#include "platform/QtFileChooser.h"
#include "shell/NewPuz.h"
#include "shell/ToolBar.h"
#include "shell/Viewer.h"

#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace tessary::testing {
namespace {

struct NewPuzTest : ::testing::Test {
    PuzzleDescription puzzle;
    int beeps = 0;

    // Types the counts and presses "Ok"; true when the dialog took them and closed.
    bool okWith(const QString& across, const QString& down) {
        NewPuz dialog(puzzle, [this] { ++beeps; });
        dialog.QtyX->setText(across);
        dialog.QtyY->setText(down);
        dialog.OkBtn_Click();
        return dialog.result() == QDialog::Accepted;
    }
};

TEST_F(NewPuzTest, OpensWithTheRememberedChoice) {
    puzzle.imgAcross = 8;
    puzzle.imgDown = 6;
    puzzle.puzType = 2;
    puzzle.fitMode = 0; // no settings file yet: "Cropped" is selected and stored
    NewPuz dialog(puzzle, [] {});
    EXPECT_EQ(dialog.QtyX->text(), "8");
    EXPECT_EQ(dialog.QtyY->text(), "6");
    EXPECT_TRUE(dialog.Option1[1]->isChecked());
    EXPECT_EQ(puzzle.fitMode, 2);
    EXPECT_EQ(puzzle.puzType, 2);
    EXPECT_TRUE(dialog.Frame2->isHidden());
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
    EXPECT_TRUE(dialog.OkBtn->isDefault());
}

TEST_F(NewPuzTest, OkTakesOnlyCountsInRangeAndBeepsOtherwise) {
    puzzle.puzType = 1;
    EXPECT_TRUE(okWith("2", "40"));
    EXPECT_TRUE(okWith("50", "2"));
    EXPECT_EQ(beeps, 0);
    for (auto [x, y] :
         {std::pair{"1", "5"}, {"51", "5"}, {"5", "41"}, {"", "5"}, {"abc", "5"}, {"99999", "5"}}) {
        puzzle.imgAcross = 9;
        EXPECT_FALSE(okWith(x, y)) << x << " x " << y;
        EXPECT_EQ(puzzle.imgAcross, 9);
    }
    EXPECT_EQ(beeps, 6);
    EXPECT_TRUE(okWith("12abc", "7.5"));
    EXPECT_EQ(puzzle.imgAcross, 12);
    EXPECT_EQ(puzzle.imgDown, 8);
    EXPECT_TRUE(okWith("6.5", " 3"));
    EXPECT_EQ(puzzle.imgAcross, 6);
}

TEST_F(NewPuzTest, WithoutAPuzzleTypeOkBeepsUntilOneIsPicked) {
    NewPuz dialog(puzzle, [this] { ++beeps; });
    dialog.QtyX->setText("4");
    dialog.QtyY->setText("4");
    dialog.OkBtn_Click();
    EXPECT_EQ(beeps, 1);
    dialog.Option1[3]->click();
    dialog.OkBtn_Click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(puzzle.puzType, 4);
}

TEST_F(NewPuzTest, EnterAcceptsTheCountsShown) {
    puzzle = {};
    puzzle.puzType = 3;
    puzzle.imgAcross = 5;
    puzzle.imgDown = 4;
    NewPuz dialog(puzzle, [] {});
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(puzzle.imgAcross, 5);
}

TEST(ViewerPreview, KeepsProportionsWithin320By240) {
    EXPECT_EQ(Viewer::previewSize(640, 480), QSize(320, 240));
    EXPECT_EQ(Viewer::previewSize(480, 640), QSize(180, 240));
    EXPECT_EQ(Viewer::previewSize(500, 500), QSize(320, 320));
    EXPECT_EQ(Viewer::previewSize(400, 390), QSize(320, 312));
}

struct ViewerTest : ::testing::Test {
    QTemporaryDir dir;
    PuzzleDescription puzzle;
    ScriptedFileChooser chooser;

    QString picture(const QString& name, int w, int h) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const QString path = dir.filePath(name);
        image.save(path, name.endsWith("bmp", Qt::CaseInsensitive) ? "BMP" : "JPG");
        return path;
    }
};

TEST_F(ViewerTest, TheFileChooserComesFirstWithTheImageSettings) {
    const QString path = picture("IMG_0001.JPG", 640, 480);
    chooser.answers = {path.toStdString()};
    Viewer viewer(puzzle, chooser);
    ASSERT_EQ(chooser.showings.size(), 1u);
    EXPECT_EQ(chooser.showings[0].title, "Select Image");
    EXPECT_EQ(chooser.showings[0].filter, "Image files |*.bmp;*.jpg|");
    EXPECT_EQ(chooser.showings[0].flags, 6144);
    EXPECT_EQ(viewer.windowTitle(), "Start New Puzzle");
    EXPECT_EQ(viewer.Picture1->size(), QSize(320, 240));
    EXPECT_EQ(puzzle.chosenFile, path.toStdString());
    EXPECT_EQ(puzzle.chosenTitle, "IMG_0001.JPG");
}

TEST_F(ViewerTest, CancelEmptiesTheChoiceEvenAfterAPreview) {
    puzzle.chooserCaption = "Select puzzle 2 of 3";
    chooser.answers = {picture("a.bmp", 100, 200).toStdString()};
    Viewer viewer(puzzle, chooser);
    EXPECT_EQ(viewer.windowTitle(), "Select puzzle 2 of 3");
    viewer.show();
    QTest::keyClick(&viewer, Qt::Key_Escape);
    EXPECT_EQ(viewer.result(), QDialog::Rejected);
    EXPECT_TRUE(puzzle.chosenFile.empty());
    EXPECT_TRUE(puzzle.chosenTitle.empty());
}

TEST_F(ViewerTest, ACancelledFileChoiceThenOkHandsOnTheEarlierPicture) {
    puzzle.chosenFile = "/earlier/pick.jpg";
    chooser.answers = {std::nullopt};
    Viewer viewer(puzzle, chooser);
    viewer.StartBtn->click();
    EXPECT_EQ(viewer.result(), QDialog::Accepted);
    EXPECT_EQ(puzzle.chosenFile, "/earlier/pick.jpg");
}

TEST_F(ViewerTest, AnUnreadableFileChangesNothing) {
    QFile junk(dir.filePath("junk.jpg"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture at all");
    junk.close();
    chooser.answers = {junk.fileName().toStdString()};
    Viewer viewer(puzzle, chooser);
    EXPECT_TRUE(puzzle.chosenFile.empty());
}

TEST(QtFileChooserFilters, MatchEveryLetterCaseAndAddJpeg) {
    const QStringList filters = QtFileChooser::nameFilters("Image files |*.bmp;*.jpg|", {"*.jpeg"});
    ASSERT_EQ(filters.size(), 1);
    const QString patterns = filters[0].section('(', 1).chopped(1);
    for (const char* name : {"a.bmp", "B.BMP", "IMG_0001.JPG", "c.Jpg", "d.jpeg", "e.JPEG"}) {
        bool matched = false;
        for (const QString& p : patterns.split(' '))
            matched |= QRegularExpression(QRegularExpression::wildcardToRegularExpression(p))
                           .match(name)
                           .hasMatch();
        EXPECT_TRUE(matched) << name;
    }
    EXPECT_TRUE(filters[0].startsWith("Image files ("));
}

TEST(ToolBarWindow, StartsWithHelpAndMinimiseSideBySideAndGrowsForAGame) {
    ToolBar bar(QStringLiteral("/nonexistent"));
    bar.startupLayout(QRect(0, 0, 1024, 768));
    EXPECT_EQ(bar.pos(), QPoint(870, 576));
    EXPECT_EQ(bar.height(), 45);
    EXPECT_EQ(bar.Btn(10)->y(), bar.Btn(2)->y());
    EXPECT_EQ(bar.toolImgLeft, 50);
    EXPECT_EQ(bar.toolImgW, 161);
    EXPECT_EQ(bar.toolImgH, 121);
    EXPECT_TRUE(bar.Btn(5)->isHidden());

    QImage base(400, 300, QImage::Format_RGB32);
    base.fill(Qt::red);
    bar.gameLayout(base);
    EXPECT_EQ(bar.height(), 142);
    EXPECT_FALSE(bar.Btn(5)->isHidden());
    EXPECT_EQ(bar.Btn(10)->y(), bar.Btn(9)->y());

    bar.showSmallImage(bar.toolImgLeft, bar.toolImgTop, 161, 121);
    bar.finishedLayout();
    EXPECT_EQ(bar.height(), 45);
    EXPECT_FALSE(bar.smallImageVisible());
    EXPECT_EQ(bar.width(), bar.toolImgLeft + 1);
    EXPECT_EQ(bar.windowTitle(), "Tessary");
    EXPECT_TRUE(bar.Btn(2)->isHidden());
    EXPECT_EQ(bar.Btn(10)->y(), bar.Btn(1)->y());
}

TEST(ToolBarWindow, TooltipsAreTheGamesOwn) {
    EXPECT_EQ(ToolBar::tooltip(2), "F2 -Toggle Grid");
    EXPECT_EQ(ToolBar::tooltip(9), "");
    EXPECT_EQ(ToolBar::tooltip(10), "Minimize");
}

} // namespace
} // namespace tessary::testing
