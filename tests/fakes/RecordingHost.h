// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/GameHost.h"

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tessary::testing {

// Plays every role the engine asks of the edge and logs each call, in order, as short lines
// ("sfx 4", "drawCell 2,1"). It converts to the GameHost the engine's classes take.
class RecordingHost : public BoardView,
                      public BoardOverlays,
                      public SoundPlayer,
                      public ToolbarView,
                      public WindowControls,
                      public GameDialogs,
                      public PuzzleFiles,
                      public PuzzleResults,
                      public GameKeeping {
  public:
    operator GameHost() {
        return GameHost{*this, *this, *this, *this, *this, *this, *this, *this, *this};
    }

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
    void enterHof(int32_t netScore, const std::string& title, int pieces) override;

    void showSolutionPicture() override;
    void hideSolutionPicture() override;
    bool solutionPictureShown() const override { return solutionShown; }
    void drawMark(int col, int row, MarkColor fill) override;
    bool smallImageVisible() const override { return smallImageShown; }
    void showSmallImage(int boardW, int boardH) override;
    void hideSmallImage() override;
    void setToolbarCaption(const std::string& caption) override;
    void showSlide(const SlidePath& slide) override;
    void minimizeMain() override;
    SaveOutcome offerSave() override;
    void setDefaultPointer() override;
    std::optional<NewPuzzleChoice> chooseNewPuzzle(const NewPuzzleChoice& shown) override;
    void writeSettings(const PuzzleDescription& puzzle) override;
    std::optional<ChosenPicture> choosePicture(const std::string& caption,
                                               const std::string& shown) override;
    bool prepareLayout(const PuzzleDescription& puzzle) override;
    LayoutCheck prepareLayoutOf(const GameState& game) override;
    std::optional<std::string> chooseGameToOpen() override;
    void showCritical(const std::string& text) override;
    void applyLayout() override;
    void showShuffle(const ShuffleMoves& moves) override;
    void setBoardInputEnabled(bool on) override;
    std::optional<bool> askToCarryOn(const std::string& question) override;
    // Kept apart from the calls: how often the game asked to be kept, and whether it ended.
    void gameChanged() override { ++keptChanges; }
    void gameOver() override { keptOver = true; }
    int keptChanges = 0;
    bool keptOver = false;
    std::optional<bool> carryOn = true;

    bool smallImageShown = false;
    bool solutionShown = false; // a full repaint hides it, as on the screen
    std::vector<SlidePath> slides;
    // The next call whose text starts with this throws, once: a step failing half-way.
    std::string failOnce;
    // Scripted dialogs: what the player does in the new-puzzle dialog, the pictures the
    // chooser hands back in turn (file, name; "" for none), whether the pictures load, and
    // the layout.
    std::function<void(NewPuzzleChoice&)> onNewPuzzleDialog;
    bool newPuzzleDialogOk = true; // false: closed by Esc or its close box
    SaveOutcome saveOutcome = SaveOutcome::saved;
    // The saved game the open chooser hands back, and what its pictures make (by default
    // the file's own board).
    std::optional<std::string> gameToOpen;
    std::optional<LayoutCheck> layoutOfFile;
    std::deque<std::pair<std::string, std::string>> chooserAnswers;
    std::vector<std::string> chooserCaptions;
    bool picturesLoad = true;
    std::function<void()> onApplyLayout;

    // The calls whose text starts with one of the prefixes, in order.
    std::vector<std::string> only(std::initializer_list<std::string> prefixes) const;
    void clear() { calls.clear(); }

    std::string lastScoreText;

  private:
    void record(std::string call);
};

} // namespace tessary::testing
