// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/NewPuzzleChoice.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QGroupBox;

namespace tessary {

// The new-puzzle dialog: pieces across and down per image, and the puzzle type. It has no
// Cancel button; Esc or the close box gives the new puzzle up, as a cancelled chooser does.
// It opens on the choice it is given; after "Ok" choice() is the player's.
class NewPuz : public QDialog {
    Q_OBJECT

  public:
    NewPuz(const NewPuzzleChoice& shown, std::function<void()> beep, QWidget* parent = nullptr);

    const NewPuzzleChoice& choice() const { return choice_; }

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* QtyX = nullptr;
    QLineEdit* QtyY = nullptr;
    QSpinBox* UpDown1 = nullptr;
    QSpinBox* UpDown2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* Option1[4] = {};
    QRadioButton* Option2[2] = {};
    QPushButton* OkBtn = nullptr;

    void OkBtn_Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();

    NewPuzzleChoice choice_;
    std::function<void()> beep_;
};

} // namespace tessary
