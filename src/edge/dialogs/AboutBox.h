// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Settings.h"

#include <QDialog>
#include <QPixmap>
#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QTimer;

namespace tessary {

// About: the product's name and version, a small animated picture, a notice and the credits.
// Enter and Esc both press "OK".
class AboutBox : public QDialog {
    Q_OBJECT

  public:
    // `frameCounter` lives as long as the program, so each showing goes on where the last
    // stopped; `frames` are the four pictures of the animation.
    AboutBox(const Settings& settings, int& frameCounter, std::array<QPixmap, 4> frames,
             std::function<void()> onOpen, QWidget* parent = nullptr);

    // Loads the four animation frames from the program folder's icons.
    static std::array<QPixmap, 4> loadFrames(const QString& iconFolder);

    void Timer1_Timer();

    QLabel* Image1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Command1 = nullptr;
    QTimer* Timer1 = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int& frameCounter_;
    std::array<QPixmap, 4> frames_;
    std::function<void()> onOpen_;
    bool opened_ = false;
};

} // namespace tessary
