// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/HofEntryHost.h"

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tessary {

// NameEntry: a new Hall of Fame place asks for the player's name (and an e-mail for the
// online list). Whatever way it closes, the name and e-mail typed are its answer.
class NameEntryDialog : public QDialog {
    Q_OBJECT

  public:
    NameEntryDialog(int hofRank, const std::string& playerName, const std::string& playerEmail,
                    std::function<void()> onOpen, QWidget* parent = nullptr);

    // The name and e-mail as typed, and whether the player chose "Website HOF entry".
    NameEntryAnswer answer() const;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Name1 = nullptr;
    QLineEdit* email = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* OK = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    std::function<void()> onOpen_;
    bool onlineEntry_ = false;
    bool opened_ = false;
};

} // namespace tessary
