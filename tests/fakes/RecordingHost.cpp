// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/RecordingHost.h"

#include "model/GameState.h"

#include <stdexcept>

namespace tessary::testing {

namespace {
std::string cell(int col, int row) {
    return std::to_string(col) + "," + std::to_string(row);
}
} // namespace

void RecordingHost::record(std::string call) {
    const bool fail = !failOnce.empty() && call.rfind(failOnce, 0) == 0;
    calls.push_back(std::move(call));
    if (fail) {
        failOnce.clear();
        throw std::runtime_error("failed: " + calls.back());
    }
}

void RecordingHost::drawCell(int col, int row) {
    record("drawCell " + cell(col, row));
}
void RecordingHost::Picture1_Paint() {
    solutionShown = false;
    calls.push_back("paint");
}
void RecordingHost::drawSelectionOutline(int col, int row) {
    calls.push_back("outline " + cell(col, row));
}
void RecordingHost::bringBoardToFront() {
    calls.push_back("boardFront");
}
void RecordingHost::showBoard() {
    calls.push_back("board show");
}
void RecordingHost::playsfx(int n) {
    record("sfx " + std::to_string(n));
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
void RecordingHost::enterHof(int32_t netScore, const std::string& title, int pieces) {
    calls.push_back("enterHof " + std::to_string(netScore) + " " + title + " " +
                    std::to_string(pieces));
}

void RecordingHost::showSolutionPicture() {
    solutionShown = true;
    calls.push_back("solution show");
}
void RecordingHost::hideSolutionPicture() {
    solutionShown = false;
    calls.push_back("solution hide");
}
void RecordingHost::drawMark(int col, int row, MarkColor fill) {
    calls.push_back(std::string(fill == MarkColor::Blue ? "mark blue " : "mark green ") +
                    cell(col, row));
}
void RecordingHost::showSmallImage(int boardW, int boardH) {
    smallImageShown = true;
    calls.push_back("small show " + std::to_string(boardW) + "x" + std::to_string(boardH));
}
void RecordingHost::hideSmallImage() {
    smallImageShown = false;
    calls.push_back("small hide");
}
void RecordingHost::setToolbarCaption(const std::string& caption) {
    calls.push_back("toolbar caption " + caption);
}
void RecordingHost::showSlide(const SlidePath& slide) {
    slides.push_back(slide);
    record("slide " + cell(slide.from.x, slide.from.y) + ">" + cell(slide.to.x, slide.to.y) +
           " piece " + cell(slide.to.x, slide.to.y) + " sfx " + std::to_string(slide.sound));
}
void RecordingHost::minimizeMain() {
    calls.push_back("minimize");
}
GameDialogs::SaveOutcome RecordingHost::offerSave() {
    calls.push_back("save game");
    return saveOutcome;
}
void RecordingHost::setDefaultPointer() {
    calls.push_back("pointer");
}
std::optional<NewPuzzleChoice> RecordingHost::chooseNewPuzzle(const NewPuzzleChoice& shown) {
    calls.push_back("NewPuz");
    NewPuzzleChoice choice = shown;
    if (onNewPuzzleDialog)
        onNewPuzzleDialog(choice);
    if (!newPuzzleDialogOk)
        return std::nullopt;
    return choice;
}
void RecordingHost::writeSettings(const PuzzleDescription& puzzle) {
    calls.push_back("putINI " + std::to_string(puzzle.puzType) + " " +
                    cell(puzzle.imgAcross, puzzle.imgDown));
}
std::optional<ChosenPicture> RecordingHost::choosePicture(const std::string& caption,
                                                          const std::string& shown) {
    if (!shown.empty())
        calls.push_back("Viewer showing " + shown);
    std::pair<std::string, std::string> answer;
    if (!chooserAnswers.empty()) {
        answer = chooserAnswers.front();
        chooserAnswers.pop_front();
    }
    calls.push_back("Viewer " + answer.first);
    chooserCaptions.push_back(caption);
    if (answer.first.empty())
        return std::nullopt;
    return ChosenPicture{answer.first, answer.second};
}
LayoutCheck RecordingHost::prepareLayoutOf(const GameState& game) {
    calls.push_back("prepare file");
    if (layoutOfFile)
        return *layoutOfFile;
    return {LayoutCheck::Result::ok, {}, game.board.boardAcross, game.board.boardDown};
}
std::optional<std::string> RecordingHost::chooseGameToOpen() {
    calls.push_back("open chooser");
    return gameToOpen;
}
void RecordingHost::showCritical(const std::string& text) {
    calls.push_back("critical " + text);
}
std::optional<bool> RecordingHost::askToCarryOn(const std::string& question) {
    calls.push_back("question " + question);
    return carryOn;
}
bool RecordingHost::prepareLayout(const PuzzleDescription&) {
    calls.push_back(picturesLoad ? "prepare ok" : "prepare failed");
    return picturesLoad;
}
void RecordingHost::applyLayout() {
    calls.push_back("layout");
    if (onApplyLayout)
        onApplyLayout();
}
void RecordingHost::showShuffle(const ShuffleMoves& moves) {
    record("shuffle " + std::to_string(moves.size()));
}
void RecordingHost::setBoardInputEnabled(bool on) {
    calls.push_back(on ? "input on" : "input off");
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

} // namespace tessary::testing
