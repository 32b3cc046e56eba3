// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/NewPuzzleChoice.h"
#include "model/Settings.h"
#include "ports/GameDialogs.h"
#include "ports/HofEntryHost.h"

#include "score/HallOfFame.h"

#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace tessary {

class FileChooser;
class Shell;

// Every modal window the main window opens goes through here, so a test can answer them.
class MainDialogs {
  public:
    enum class Icon { None, Critical, Warning, Information };

    virtual ~MainDialogs() = default;
    virtual void showScore(QWidget* parent, const QString& performanceText) = 0;
    // The player's choice; nothing when the dialog was closed without "Ok" (Esc, its close box).
    virtual std::optional<NewPuzzleChoice> showNewPuz(QWidget* parent, const NewPuzzleChoice& shown,
                                                      std::function<void()> beep) = 0;
    // The picture taken; nothing after "Cancel" or without a picture. With `shown`, the
    // chooser opens on that picture instead of asking for one first.
    virtual std::optional<ChosenPicture> showViewer(QWidget* parent, const std::string& caption,
                                                    FileChooser& chooser,
                                                    const std::string& shown) = 0;
    virtual void showJukebox(QWidget* parent, Settings& settings, FileChooser& chooser) = 0;
    virtual void showMessage(QWidget* parent, const QString& text, const QString& title,
                             Icon icon) = 0;
    // A question with Yes (the default) and No: true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text, const QString& title) = 0;
    // NameEntry for Hall of Fame place `rank`, opened on `name` and `email`.
    virtual NameEntryAnswer showNameEntry(QWidget* parent, int rank, const std::string& name,
                                          const std::string& email,
                                          std::function<void()> onOpen) = 0;
    virtual void showHof(QWidget* parent, HallOfFame& list, const std::filesystem::path& dataFolder,
                         Shell& shell) = 0;
    // No browser could be started for `address`: the player is shown it, selectable, to copy
    // into a browser by hand.
    virtual void showUnopenedLink(QWidget* parent, const std::string& address) = 0;
    virtual void showAbout(QWidget* parent, const Settings& settings, int& frameCounter,
                           const std::filesystem::path& programFolder,
                           std::function<void()> onOpen) = 0;
};

// The real windows, each shown with exec().
class QtMainDialogs : public MainDialogs {
  public:
    void showScore(QWidget* parent, const QString& performanceText) override;
    std::optional<NewPuzzleChoice> showNewPuz(QWidget* parent, const NewPuzzleChoice& shown,
                                              std::function<void()> beep) override;
    std::optional<ChosenPicture> showViewer(QWidget* parent, const std::string& caption,
                                            FileChooser& chooser,
                                            const std::string& shown) override;
    void showJukebox(QWidget* parent, Settings& settings, FileChooser& chooser) override;
    void showMessage(QWidget* parent, const QString& text, const QString& title,
                     Icon icon) override;
    bool askYesNo(QWidget* parent, const QString& text, const QString& title) override;
    NameEntryAnswer showNameEntry(QWidget* parent, int rank, const std::string& name,
                                  const std::string& email, std::function<void()> onOpen) override;
    void showHof(QWidget* parent, HallOfFame& list, const std::filesystem::path& dataFolder,
                 Shell& shell) override;
    void showUnopenedLink(QWidget* parent, const std::string& address) override;
    void showAbout(QWidget* parent, const Settings& settings, int& frameCounter,
                   const std::filesystem::path& programFolder,
                   std::function<void()> onOpen) override;
};

} // namespace tessary
