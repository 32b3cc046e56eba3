// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "score/HallOfFame.h"

#include <QDialog>
#include <filesystem>
#include <functional>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace tessary {

class Shell;

// HOF: the local Hall of Fame as a fixed-pitch table, with "Clear", "Online HOF" and "OK".
class HofWindow : public QDialog {
    Q_OBJECT

  public:
    // `confirmClear` asks the player whether to clear the list; `linkNotOpened` shows the
    // online list's address when no browser could be started.
    using LinkNotOpened = std::function<void(QWidget* over, const std::string& address)>;
    HofWindow(HallOfFame& list, std::filesystem::path dataFolder, Shell& shell,
              std::function<bool()> confirmClear, LinkNotOpened linkNotOpened = {},
              QWidget* parent = nullptr);

    QPlainTextEdit* Text1 = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdOnline = nullptr;
    QPushButton* cmdOK = nullptr;

    void cmdClear_Click();
    void cmdOnline_Click();

  private:
    HallOfFame& list_;
    std::filesystem::path dataFolder_;
    Shell& shell_;
    std::function<bool()> confirmClear_;
    LinkNotOpened linkNotOpened_;
};

} // namespace tessary
