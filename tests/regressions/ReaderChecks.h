// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tessary::checks {

// What each reader promises about any bytes at all, whatever they hold. Each check reads the
// bytes as the game does and returns "" when every promise holds, or what broke. The fuzz
// targets and the regression tests share them, so a case found by one is judged by the same
// rules in the other.

// A saved game is refused, or read into a board where pieceAt holds every home cell once and
// cellOf is its inverse, with every number in range; writing it out and reading it back gives
// the same text.
std::string checkSavedGame(std::string_view bytes);

// The settings file's text written back and read again is the same text.
std::string checkSettings(std::string_view bytes);

// A Hall of Fame is refused, or holds 0..30 entries and survives writing and reading back.
std::string checkHof(std::string_view bytes);

// The sound list holds at most 16 names, none past the count read.
std::string checkSoundList(std::string_view bytes);

// The picture header checks read only the bytes they are given.
std::string checkPictureHeaders(std::string_view bytes);

// "ok" or "refused": how a saved game, Hall of Fame or picture header came out, for the
// regression cases that record it.
std::string savedGameOutcome(std::string_view bytes);
std::string hofOutcome(std::string_view bytes);

} // namespace tessary::checks
