// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>

class QPushButton;
class QTextBrowser;
class QUrl;

namespace tessary {

class Shell;

// "Tessary Help": the help page in the game's own window, so help opens on a desktop without a
// browser. One window, not modal: the game goes on beside it. Links to sections of the page
// move within it (Back and Forward, or Alt+Left and Alt+Right, return); a web or mail address
// goes to the browser, and when none can be started the player is shown the address.
class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    using LinkNotOpened = std::function<void(QWidget* over, const std::string& address)>;

    HelpWindow(std::filesystem::path page, Shell& shell, LinkNotOpened linkNotOpened,
               QWidget* parent = nullptr);

    // Brings the window up and to the front: at `section`, an anchor of the page, or where
    // the player left it when `section` is empty.
    void showSection(const QString& section);

    QTextBrowser* browser() const { return browser_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void followLink(const QUrl& link);
    void fitToScreen();

    std::filesystem::path page_;
    Shell& shell_;
    LinkNotOpened linkNotOpened_;
    QTextBrowser* browser_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    bool loaded_ = false;
};

} // namespace tessary
