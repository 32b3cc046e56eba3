// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/CenterForm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace tessary {
namespace {

TEST(CenterForm, PutsTheWindowInTheMiddleOfTheAvailableArea) {
    QWidget window;
    window.resize(300, 200);
    centerForm(window);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    EXPECT_LE(std::abs(frame.center().x() - area.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - area.center().y()), 1);
}

} // namespace
} // namespace tessary
