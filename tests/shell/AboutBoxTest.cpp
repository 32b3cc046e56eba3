// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/AboutBox.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tessary::testing {
namespace {

// Four frames told apart by colour.
std::array<QPixmap, 4> colouredFrames() {
    std::array<QPixmap, 4> frames;
    const QColor colours[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    for (int i = 0; i < 4; ++i) {
        frames[i] = QPixmap(32, 32);
        frames[i].fill(colours[i]);
    }
    return frames;
}

int frameShown(const AboutBox& box, const std::array<QPixmap, 4>& frames) {
    const QImage shown = box.Image1->pixmap().toImage();
    for (int i = 0; i < 4; ++i)
        if (shown.pixel(0, 0) == frames[i].toImage().pixel(0, 0))
            return i;
    return -1;
}

TEST(AboutBoxWindow, AnimatesOneTwoThreeZeroAndGoesOnWhereItStopped) {
    Settings settings;
    settings.aboutLine1 = "Registered to the Tessary team";
    settings.aboutLine2 = "Have fun";
    const auto frames = colouredFrames();
    int counter = 0;
    int sounds = 0;
    std::vector<int> seen;
    {
        AboutBox box(settings, counter, frames, [&] { ++sounds; });
        EXPECT_TRUE(box.windowTitle().isEmpty());
        EXPECT_EQ(box.Label2->text(), "TESSARY");
        EXPECT_EQ(box.Label3->text(), "Registered to the Tessary team");
        EXPECT_EQ(box.Label4->text(), "Have fun");
        EXPECT_EQ(box.Timer1->interval(), 200);
        box.show();
        EXPECT_TRUE(box.Timer1->isActive());
        EXPECT_EQ(sounds, 1);
        for (int i = 0; i < 5; ++i) {
            box.Timer1_Timer();
            seen.push_back(frameShown(box, frames));
        }
        QTest::keyClick(&box, Qt::Key_Escape);
        EXPECT_EQ(box.result(), QDialog::Accepted);
        EXPECT_FALSE(box.Timer1->isActive());
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 0, 1}));
    AboutBox again(settings, counter, frames, {});
    again.Timer1_Timer();
    EXPECT_EQ(frameShown(again, frames), 2);
}

TEST(AboutBoxWindow, EnterClosesIt) {
    Settings settings;
    int counter = 0;
    AboutBox box(settings, counter, colouredFrames(), {});
    box.show();
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

} // namespace
} // namespace tessary::testing
