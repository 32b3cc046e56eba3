#pragma once

#include "engine/GameHost.h"
#include "engine/RandomSource.h"

#include <deque>
#include <string>
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
    void playsfx(int n) override;
    void setBlinkTimer(bool on) override;
    void setSaveEnabled(bool on) override;
    void setToolbarVisible(bool visible) override;
    bool toolbarVisible() const override { return toolbarShown; }
    void setToolbarFinishedLayout() override;
    void showScoreWindow(const std::string& performanceText) override;
    void enterHof(int32_t netScore, const std::string& title, int pieces,
                  const std::string& playerName, int flag) override;

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
