#pragma once

#include "engine/GameHost.h"
#include "engine/RandomSource.h"

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tessary::testing {

// Logs every call the engine makes, in order, as short lines ("sfx 4", "drawCell 2,1").
class RecordingHost : public GameHost {
  public:
    std::vector<std::string> calls;
    bool toolbarShown = false;

    void drawCell(int col, int row) override;
    void Picture1_Paint() override;
    void drawSelectionOutline(int col, int row) override;
    void bringBoardToFront() override;
    void showBoard() override;
    void playsfx(int n) override;
    void setBlinkTimer(bool on) override;
    void setSaveEnabled(bool on) override;
    void setToolbarVisible(bool visible) override;
    bool toolbarVisible() const override { return toolbarShown; }
    void setToolbarFinishedLayout() override;
    void showScoreWindow(const std::string& performanceText) override;
    void enterHof(int32_t netScore, const std::string& title, int pieces,
                  const std::string& playerName, int flag) override;

    void showSolutionPicture() override;
    void hideSolutionPicture() override;
    void drawMark(int col, int row, MarkColor fill) override;
    bool smallImageVisible() const override { return smallImageShown; }
    void showSmallImage(int left, float top, int width, int height) override;
    void hideSmallImage() override;
    void setToolbarWidth(int pixels) override;
    void setToolbarCaption(const std::string& caption) override;
    double twipsPerPixelY() const override { return 15.0; }
    void showMoveBox(int left, int top, GridPos home) override;
    void moveMoveBox(int left, int top) override;
    void hideMoveBox() override;
    void minimizeMain() override;
    SaveOutcome MenuSave_Click() override;
    void setDefaultPointer() override;
    bool showNewPuzzleDialog() override;
    void putINI() override;
    void showImageChooser() override;
    bool prepareLayout() override;
    void applyLayout() override;
    void shuffleProgress(int done, int total) override;
    void setBoardInputEnabled(bool on) override;

    bool smallImageShown = false;
    // Scripted dialogs: what the new-puzzle dialog does, the pictures the chooser hands back
    // in turn (file, title; "" for a cancel), whether the pictures load, and the layout.
    std::function<void()> onNewPuzzleDialog;
    bool newPuzzleDialogOk = true; // false: closed by Esc or its close box
    SaveOutcome saveOutcome = SaveOutcome::saved;
    std::deque<std::pair<std::string, std::string>> chooserAnswers;
    std::function<void()> onImageChooser;
    bool picturesLoad = true;
    std::function<void()> onApplyLayout;
    std::string* chosenFile = nullptr;
    std::string* chosenTitle = nullptr;

    // The calls whose text starts with one of the prefixes, in order.
    std::vector<std::string> only(std::initializer_list<std::string> prefixes) const;
    void clear() { calls.clear(); }

    std::string lastScoreText;
};

// Hands out the given values in turn, then repeats the last.
class ScriptedRandom : public RandomSource {
  public:
    explicit ScriptedRandom(std::deque<double> values) : values_(std::move(values)) {}
    double next() override;

  private:
    std::deque<double> values_;
    double last_ = 0.0;
};

} // namespace tessary::testing
