// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/NewPuz.h"
#include "dialogs/Viewer.h"
#include "display/TestPictures.h"
#include "fakes/ScriptedFileChooser.h"
#include "platform/QtFileChooser.h"
#include "window/ToolBar.h"

#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace tessary::testing {
namespace {

struct NewPuzTest : ::testing::Test {
    NewPuzzleChoice shown;
    int beeps = 0;

    // Types the counts and presses "Ok": the choice when the dialog took it and closed.
    std::optional<NewPuzzleChoice> okWith(const QString& across, const QString& down) {
        NewPuz dialog(shown, [this] { ++beeps; });
        dialog.QtyX->setText(across);
        dialog.QtyY->setText(down);
        dialog.OkBtn_Click();
        if (dialog.result() != QDialog::Accepted)
            return std::nullopt;
        return dialog.choice();
    }
};

TEST_F(NewPuzTest, OpensWithTheRememberedChoice) {
    shown.imgAcross = 8;
    shown.imgDown = 6;
    shown.puzType = 2;
    shown.fitMode = 0; // no settings file yet: "Cropped" is selected and chosen
    NewPuz dialog(shown, [] {});
    EXPECT_EQ(dialog.QtyX->text(), "8");
    EXPECT_EQ(dialog.QtyY->text(), "6");
    EXPECT_TRUE(dialog.Option1[1]->isChecked());
    EXPECT_EQ(dialog.choice(), (NewPuzzleChoice{2, 8, 6, 2}));
    EXPECT_EQ(dialog.Label2->text(), "# of Pieces Across (2-50)");
    EXPECT_EQ(dialog.Label3->text(), "# of Pieces Down (2-40)");
    EXPECT_TRUE(dialog.Frame2->isHidden());
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
    EXPECT_TRUE(dialog.OkBtn->isDefault());
}

TEST_F(NewPuzTest, OkTakesOnlyCountsInRangeAndBeepsOtherwise) {
    shown.puzType = 1;
    EXPECT_TRUE(okWith("2", "40"));
    EXPECT_TRUE(okWith("50", "2"));
    EXPECT_EQ(beeps, 0);
    for (auto [x, y] :
         {std::pair{"1", "5"}, {"51", "5"}, {"5", "41"}, {"", "5"}, {"abc", "5"}, {"99999", "5"}})
        EXPECT_FALSE(okWith(x, y)) << x << " x " << y;
    EXPECT_EQ(beeps, 6);
    const auto leadingDigits = okWith("12abc", "7.5");
    ASSERT_TRUE(leadingDigits);
    EXPECT_EQ(leadingDigits->imgAcross, 12);
    EXPECT_EQ(leadingDigits->imgDown, 8);
    EXPECT_EQ(okWith("6.5", " 3").value_or(NewPuzzleChoice{}).imgAcross, 6);
}

TEST_F(NewPuzTest, WithoutAPuzzleTypeOkBeepsUntilOneIsPicked) {
    NewPuz dialog(shown, [this] { ++beeps; });
    dialog.QtyX->setText("4");
    dialog.QtyY->setText("4");
    dialog.OkBtn_Click();
    EXPECT_EQ(beeps, 1);
    dialog.Option1[3]->click();
    dialog.OkBtn_Click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.choice().puzType, 4);
}

TEST_F(NewPuzTest, EnterAcceptsTheCountsShown) {
    shown = {3, 5, 4, 1};
    NewPuz dialog(shown, [] {});
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.choice(), shown);
}

TEST(ViewerPreview, KeepsProportionsWithin320By240) {
    EXPECT_EQ(Viewer::previewSize(640, 480), QSize(320, 240));
    EXPECT_EQ(Viewer::previewSize(480, 640), QSize(180, 240));
    EXPECT_EQ(Viewer::previewSize(500, 500), QSize(320, 320));
    EXPECT_EQ(Viewer::previewSize(400, 390), QSize(320, 312));
}

struct ViewerTest : ::testing::Test {
    QTemporaryDir dir;
    ScriptedFileChooser chooser;
    std::vector<std::string> refusals;

    Viewer::RefusalMessage record() {
        return [this](QWidget*, const QString& text) { refusals.push_back(text.toStdString()); };
    }

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
    Viewer viewer("", chooser, "", record());
    ASSERT_EQ(chooser.showings.size(), 1u);
    EXPECT_EQ(chooser.showings[0].title, "Select Image");
    EXPECT_EQ(chooser.showings[0].filter,
              "Image files |*.bmp;*.jpg;*.png;*.webp;*.tif;*.tiff;*.gif|");
    EXPECT_EQ(chooser.showings[0].flags, 6144);
    EXPECT_EQ(viewer.windowTitle(), "Start New Puzzle");
    EXPECT_EQ(viewer.Picture1->size(), QSize(320, 240));
    EXPECT_EQ(viewer.chosen(), (ChosenPicture{path.toStdString(), "IMG_0001.JPG"}));
    // A picture dropped or taken from the catalogue is shown at once, with no chooser first.
    const Viewer showing("", chooser, path.toStdString(), record());
    EXPECT_EQ(chooser.showings.size(), 1u);
    EXPECT_EQ(showing.chosen(), viewer.chosen());
}

TEST_F(ViewerTest, CancelEmptiesTheChoiceEvenAfterAPreview) {
    chooser.answers = {picture("a.bmp", 100, 200).toStdString()};
    Viewer viewer("Select puzzle 2 of 3", chooser, "", record());
    EXPECT_EQ(viewer.windowTitle(), "Select puzzle 2 of 3");
    viewer.show();
    QTest::keyClick(&viewer, Qt::Key_Escape);
    EXPECT_EQ(viewer.result(), QDialog::Rejected);
    EXPECT_EQ(viewer.chosen(), std::nullopt);
}

// "OK" with nothing chosen gives up the new puzzle as "Cancel" does.
TEST_F(ViewerTest, ACancelledFileChoiceThenOkChoosesNothing) {
    chooser.answers = {std::nullopt};
    Viewer viewer("", chooser, "", record());
    viewer.StartBtn->click();
    EXPECT_EQ(viewer.result(), QDialog::Accepted);
    EXPECT_EQ(viewer.chosen(), std::nullopt);
    EXPECT_TRUE(refusals.empty());
}

// A file that is not a picture is refused when it is chosen, by name and with the reason, and
// the choice is emptied: the picture previewed before it is no longer the one chosen.
TEST_F(ViewerTest, AFileThatIsNotAPictureIsRefusedAndEmptiesTheChoice) {
    QFile junk(dir.filePath("junk.jpg"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture at all");
    junk.close();
    const QString good = picture("good.bmp", 64, 48);
    chooser.answers = {good.toStdString(), junk.fileName().toStdString()};
    Viewer viewer("", chooser, "", record());
    ASSERT_EQ(viewer.chosen().value_or(ChosenPicture{}).file, good.toStdString());
    EXPECT_TRUE(refusals.empty());
    viewer.Command1->click(); // "Select another image"
    ASSERT_EQ(refusals.size(), 1u);
    EXPECT_NE(refusals[0].find(junk.fileName().toStdString()), std::string::npos) << refusals[0];
    EXPECT_NE(refusals[0].find("not a BMP, JPEG, PNG, WebP, TIFF or GIF picture"),
              std::string::npos)
        << refusals[0];
    EXPECT_EQ(viewer.chosen(), std::nullopt);
    EXPECT_TRUE(viewer.Picture1->pixmap().isNull());

    // Cut inside its data but closed with an end marker: only decoding it tells.
    const QByteArray jpeg = TestPictures::jpegBytes(TestPictures::stripes(640, 480, {Qt::red}));
    TestPictures pics;
    const QString cut = pics.write("cut.jpg", jpeg.left(jpeg.size() * 2 / 3) + "\xFF\xD9");
    chooser.answers = {cut.toStdString()};
    viewer.Command1->click();
    ASSERT_EQ(refusals.size(), 2u);
    EXPECT_NE(refusals[1].find("damaged"), std::string::npos) << refusals[1];
    EXPECT_EQ(viewer.chosen(), std::nullopt);
}

// The preview is sized from the picture's upright size, as the board sizes it: a BMP stored
// top-down and a phone photo stored sideways with an orientation tag.
TEST_F(ViewerTest, TopDownBitmapsAndTurnedPhotosPreviewUpright) {
    QByteArray topDown = TestPictures::bmpBytes(TestPictures::stripes(640, 480, {Qt::red}));
    const qint32 height = -480;
    std::memcpy(topDown.data() + 22, &height, 4); // little-endian, as the header is
    TestPictures pics;
    const QString flat = pics.write("top-down.bmp", topDown);
    const QByteArray stored =
        TestPictures::jpegBytes(TestPictures::stripes(640, 480, {Qt::red, Qt::blue}));
    const QString turned = pics.write("portrait.jpg", TestPictures::withOrientation(stored, 6));

    chooser.answers = {flat.toStdString(), turned.toStdString()};
    Viewer viewer("", chooser, "", record());
    EXPECT_EQ(viewer.chosen().value_or(ChosenPicture{}).file, flat.toStdString());
    EXPECT_EQ(viewer.Picture1->size(), QSize(320, 240));
    viewer.Command1->click();
    EXPECT_EQ(viewer.chosen().value_or(ChosenPicture{}).file, turned.toStdString());
    EXPECT_EQ(viewer.Picture1->size(), QSize(180, 240));
    const QImage shown = viewer.Picture1->pixmap().toImage();
    ASSERT_EQ(shown.size(), QSize(180, 240));
    EXPECT_GT(qRed(shown.pixel(90, 10)), 200);   // the left stripe, turned to the top
    EXPECT_GT(qBlue(shown.pixel(90, 230)), 200); // the right one, at the bottom
    EXPECT_TRUE(refusals.empty());
}

// Each chooser opens next time in the folder of the file last chosen in it; a cancel leaves
// that folder as it was.
TEST(FileChooserFolder, TheLastChoicesFolderIsWhereTheNextShowingStarts) {
    ScriptedFileChooser chooser;
    chooser.InitDir = "/usr/share/tessary/images";
    chooser.answers = {"/home/ann/Pictures/trip/boat.jpg", std::nullopt};
    chooser.show(FileChooser::Mode::Open);
    EXPECT_EQ(chooser.InitDir, "/home/ann/Pictures/trip");
    chooser.FileName.clear();
    chooser.show(FileChooser::Mode::Open);
    EXPECT_EQ(chooser.InitDir, "/home/ann/Pictures/trip");
}

TEST(QtFileChooserFilters, MatchEveryLetterCaseAndAddJpeg) {
    const QStringList filters = QtFileChooser::nameFilters(
        "Image files |*.bmp;*.jpg;*.png;*.webp;*.tif;*.tiff;*.gif|", {"*.jpeg"});
    ASSERT_EQ(filters.size(), 1);
    const QString patterns = filters[0].section('(', 1).chopped(1);
    for (const char* name : {"a.bmp", "B.BMP", "IMG_0001.JPG", "c.Jpg", "d.jpeg", "e.JPEG", "f.PNG",
                             "g.WebP", "h.tif", "i.TIFF", "j.Gif"}) {
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
    EXPECT_EQ(bar.Btn(10)->y(), bar.Btn(2)->y());
    EXPECT_EQ(bar.toolImgLeft, 50);
    EXPECT_EQ(bar.toolImgW, 161);
    EXPECT_EQ(bar.toolImgH, 121);
    EXPECT_TRUE(bar.Btn(5)->isHidden());

    QImage base(400, 300, QImage::Format_RGB32);
    base.fill(Qt::red);
    bar.gameLayout(base);
    EXPECT_FALSE(bar.Btn(5)->isHidden());
    EXPECT_EQ(bar.Btn(10)->y(), bar.Btn(9)->y());

    bar.showSmallImage(bar.toolImgLeft, bar.toolImgTop, 161, 121);
    bar.finishedLayout();
    EXPECT_FALSE(bar.smallImageVisible());
    EXPECT_EQ(bar.frameGeometry().width(), bar.toolImgLeft + 1); // the outer width
    EXPECT_EQ(bar.windowTitle(), "Tessary");
    EXPECT_TRUE(bar.Btn(2)->isHidden());
    EXPECT_EQ(bar.Btn(10)->y(), bar.Btn(1)->y());
}

// The bottom of the lowest button shown, in the window's own pixels.
int buttonsBottom(const ToolBar& bar) {
    int bottom = 0;
    for (int i = 1; i <= ToolBar::kButtons; ++i)
        if (!bar.Btn(i)->isHidden())
            bottom = std::max(bottom, bar.Btn(i)->geometry().bottom() + 1);
    return bottom;
}

// 45 and 142 pixels are the window's outer heights, caption included: in every layout the
// buttons reach the bottom of the window, with no empty band under them.
TEST(ToolBarWindow, HeightsAreOuterSizesWithNoEmptyBandUnderTheButtons) {
    ToolBar bar(QStringLiteral("/nonexistent"));
    bar.startupLayout(QGuiApplication::primaryScreen()->availableGeometry());
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    EXPECT_LE(bar.frameGeometry().height(), ToolBar::kShortHeight);
    EXPECT_LE(bar.frameGeometry().width(), ToolBar::kNarrowWidth);
    EXPECT_GE(buttonsBottom(bar), bar.height());

    QImage base(400, 300, QImage::Format_RGB32);
    base.fill(Qt::red);
    bar.gameLayout(base);
    EXPECT_LE(bar.frameGeometry().height(), ToolBar::kTallHeight);
    EXPECT_GE(buttonsBottom(bar), bar.height());
    EXPECT_GE(bar.height(), bar.toolImgH); // the small picture's whole height fits

    bar.finishedLayout();
    EXPECT_LE(bar.frameGeometry().height(), ToolBar::kShortHeight);
    EXPECT_GE(buttonsBottom(bar), bar.height());
}

// Widened for the small picture near the screen's right edge, the toolbar moves left so that
// all of it stays on the screen, with or without a window manager to do it.
TEST(ToolBarWindow, TheWidenedToolbarStaysWhollyOnTheScreen) {
    ToolBar bar(QStringLiteral("/nonexistent"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    bar.startupLayout(screen);
    QImage base(900, 300, QImage::Format_RGB32);
    base.fill(Qt::red);
    bar.gameLayout(base);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    bar.move(screen.right() - 60, screen.top() + 40);
    bar.showSmallImage(bar.toolImgLeft, bar.toolImgTop, 363, 121);
    bar.setWidthPixels(bar.toolImgLeft + 363);
    EXPECT_TRUE(screen.contains(bar.frameGeometry()))
        << bar.frameGeometry().x() << "," << bar.frameGeometry().y() << " "
        << bar.frameGeometry().width() << "x" << bar.frameGeometry().height();
    EXPECT_GE(bar.frameGeometry().width(), bar.toolImgLeft + 363 - 8);
}

TEST(ToolBarWindow, TooltipsAreTheGamesOwn) {
    EXPECT_EQ(ToolBar::tooltip(2), "F2 -Toggle Grid");
    EXPECT_EQ(ToolBar::tooltip(9), "");
    EXPECT_EQ(ToolBar::tooltip(10), "Minimize");
}

} // namespace
} // namespace tessary::testing
