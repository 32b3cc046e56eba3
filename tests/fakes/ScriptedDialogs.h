// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/MainDialogs.h"
#include "fakes/FakeBeep.h"
#include "fakes/FakeShell.h"
#include "platform/FileChooser.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tessary::testing {

// Answers the main window's dialogs from a script and logs each one ("score", "NewPuz",
// "Viewer Select puzzle 1 of 2", "message <text>").
class ScriptedDialogs : public MainDialogs {
  public:
    std::vector<std::string> log;
    std::vector<std::string> scoreTexts;
    // What the player changes in the new-puzzle dialog (none: Ok on the choice shown).
    std::function<void(NewPuzzleChoice&)> newPuzChoice;
    // The pictures the image chooser hands back in turn; "" is a cancel.
    std::deque<std::string> pictures;

    void showScore(QWidget*, const QString& text) override {
        log.push_back("score");
        scoreTexts.push_back(text.toStdString());
    }
    bool newPuzOk = true; // false: the dialog is closed by Esc or its close box
    std::optional<NewPuzzleChoice> showNewPuz(QWidget*, const NewPuzzleChoice& shown,
                                              std::function<void()>) override {
        log.push_back("NewPuz");
        NewPuzzleChoice choice = shown;
        if (newPuzChoice)
            newPuzChoice(choice);
        if (!newPuzOk)
            return std::nullopt;
        return choice;
    }
    // A picture to show is taken with "OK" unless a picture is scripted.
    std::optional<ChosenPicture> showViewer(QWidget*, const std::string& caption, FileChooser&,
                                            const std::string& shown) override {
        log.push_back("Viewer " + caption + (shown.empty() ? "" : " showing " + shown));
        std::string picture = shown;
        if (!pictures.empty()) {
            picture = pictures.front();
            pictures.pop_front();
        }
        if (picture.empty())
            return std::nullopt;
        return ChosenPicture{picture, picture.substr(picture.find_last_of('/') + 1)};
    }
    void showJukebox(QWidget*, Settings&, FileChooser&) override { log.push_back("Jukebox"); }
    void showMessage(QWidget*, const QString& text, const QString&, Icon) override {
        log.push_back("message " + text.toStdString());
    }
    // The answer to a question, Yes unless told.
    bool answerYes = true;
    std::function<void()> onQuestion;
    bool askYesNo(QWidget*, const QString& text, const QString&) override {
        log.push_back("question " + text.toStdString());
        if (onQuestion)
            onQuestion();
        return answerYes;
    }
    // The name entry types this name and chooses the website entry when asked to.
    std::string typedName = "Ann";
    bool websiteEntry = false;
    NameEntryAnswer showNameEntry(QWidget*, int rank, const std::string&, const std::string& email,
                                  std::function<void()> onOpen) override {
        log.push_back("NameEntry " + std::to_string(rank));
        if (onOpen)
            onOpen();
        return {typedName, email, websiteEntry};
    }
    void showHof(QWidget*, HallOfFame&, const std::filesystem::path&, Shell&) override {
        log.push_back("HOF");
    }
    void showUnopenedLink(QWidget*, const std::string& address) override {
        log.push_back("unopened " + address);
    }
    bool toolbarShownDuringAbout = true;
    std::function<bool()> toolbarVisible;
    void showAbout(QWidget*, const Settings&, int&, const std::filesystem::path&,
                   std::function<void()> onOpen) override {
        log.push_back("About");
        if (toolbarVisible)
            toolbarShownDuringAbout = toolbarVisible();
        if (onOpen)
            onOpen();
    }
};

} // namespace tessary::testing
