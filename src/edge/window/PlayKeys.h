#pragma once

#include "rules/KeyboardPlay.h"

#include <optional>

class QKeyEvent;

namespace tessary {

// The key of play a key press stands for: the arrows, Home, End, Space, Enter and the
// keypad's Enter, pressed without Shift, Ctrl, Alt or Meta. Any other key is none.
std::optional<PlayKey> playKeyOf(const QKeyEvent& key);

} // namespace tessary
