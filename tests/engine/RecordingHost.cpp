#include "engine/RecordingHost.h"

namespace tessary::testing {

namespace {
std::string cell(int col, int row) {
    return std::to_string(col) + "," + std::to_string(row);
}
} // namespace

void RecordingHost::drawCell(int col, int row) {
    calls.push_back("drawCell " + cell(col, row));
}
void RecordingHost::Picture1_Paint() {
    calls.push_back("paint");
}
void RecordingHost::drawSelectionOutline(int col, int row) {
    calls.push_back("outline " + cell(col, row));
}
void RecordingHost::bringBoardToFront() {
    calls.push_back("boardFront");
}
void RecordingHost::playsfx(int n) {
    calls.push_back("sfx " + std::to_string(n));
}
void RecordingHost::setBlinkTimer(bool on) {
    calls.push_back(on ? "blink on" : "blink off");
}
void RecordingHost::setSaveEnabled(bool on) {
    calls.push_back(on ? "save on" : "save off");
}
void RecordingHost::setToolbarVisible(bool visible) {
    toolbarShown = visible;
    calls.push_back(visible ? "toolbar show" : "toolbar hide");
}
void RecordingHost::setToolbarFinishedLayout() {
    calls.push_back("toolbar finished");
}
void RecordingHost::showScoreWindow(const std::string& performanceText) {
    lastScoreText = performanceText;
    calls.push_back("performance");
}
void RecordingHost::enterHof(int32_t netScore, const std::string& title, int pieces,
                             const std::string& playerName, int flag) {
    calls.push_back("enterHof " + std::to_string(netScore) + " " + title + " " +
                    std::to_string(pieces) + " " + playerName + " " + std::to_string(flag));
}

std::vector<std::string> RecordingHost::only(std::initializer_list<std::string> prefixes) const {
    std::vector<std::string> kept;
    for (const auto& call : calls)
        for (const auto& prefix : prefixes)
            if (call.rfind(prefix, 0) == 0) {
                kept.push_back(call);
                break;
            }
    return kept;
}

double ScriptedRandom::next() {
    if (!values_.empty()) {
        last_ = values_.front();
        values_.pop_front();
    }
    return last_;
}

} // namespace tessary::testing
