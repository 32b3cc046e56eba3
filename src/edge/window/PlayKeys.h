// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/PlayerInput.h"

#include <optional>

class QKeyEvent;

namespace tessary {

// The key of play a key press stands for: the arrows, Home, End, Space, Enter and the
// keypad's Enter, pressed without Shift, Ctrl, Alt or Meta. Any other key is none.
std::optional<PlayKey> playKeyOf(const QKeyEvent& key);

// The command a key press stands for: F2 to F10, with Shift or without (with Ctrl, Alt or
// Meta they are not the game's). Any other key is none.
std::optional<Command> commandOfKey(const QKeyEvent& key);

// The command of toolbar button 2 to 10, the same as F2 to F10. Button 1, help, is none: it is
// the window's own.
std::optional<Command> commandOfToolbarButton(int index);

} // namespace tessary
