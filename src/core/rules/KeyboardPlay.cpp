// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/KeyboardPlay.h"

namespace tessary {

namespace {

KeyboardCursor::Move moveOf(PlayKey key) {
    switch (key) {
    case PlayKey::Left:
        return KeyboardCursor::Move::Left;
    case PlayKey::Right:
        return KeyboardCursor::Move::Right;
    case PlayKey::Up:
        return KeyboardCursor::Move::Up;
    case PlayKey::Down:
        return KeyboardCursor::Move::Down;
    case PlayKey::Home:
        return KeyboardCursor::Move::First;
    default:
        return KeyboardCursor::Move::Last;
    }
}

} // namespace

bool KeyboardPlay::takes(const GameKey& key) const {
    return hints_.marksShown() || key.command || (key.play && s_.play.gameOn);
}

void KeyboardPlay::Form_KeyDown(const GameKey& key) {
    if (hints_.marksShown()) {
        if (!key.autoRepeat)
            hints_.endMarks();
        return;
    }
    if (key.command)
        hints_.run(*key.command);
    else if (key.play && !hints_.solutionShown())
        keyDown(*key.play, key.autoRepeat);
}

void KeyboardPlay::keyDown(PlayKey key, bool autoRepeat) {
    if (!s_.play.gameOn)
        return;
    if (key == PlayKey::Select || key == PlayKey::Swap) {
        if (!autoRepeat && s_.cursor.shown())
            press(key == PlayKey::Select ? Button::Left : Button::Right);
        return;
    }
    KeyboardCursor& cursor = s_.cursor;
    const KeyboardCursor before = cursor;
    cursor.move(moveOf(key), s_.board.boardAcross, s_.board.boardDown);
    if (before.isAt(cursor.col(), cursor.row()))
        return; // against the edge: nothing changes
    if (before.shown())
        view_.drawCell(before.col(), before.row());
    view_.drawCell(cursor.col(), cursor.row());
}

void KeyboardPlay::press(Button button) {
    play_.press(s_.cursor.cell(), button);
    // The finished picture is shown whole, without the cursor on it.
    if (!s_.play.gameOn)
        hideCursor();
}

void KeyboardPlay::boardClicked() {
    hideCursor();
}

void KeyboardPlay::hideCursor() {
    KeyboardCursor& cursor = s_.cursor;
    if (!cursor.shown())
        return;
    cursor.hide();
    view_.drawCell(cursor.col(), cursor.row());
}

} // namespace tessary
