// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessary {

// The game's sound effects: the line of the sound list each event plays.
namespace sfx {
inline constexpr int kSelect = 0;         // a piece picked
inline constexpr int kNeitherHome = 0;    // a swap that puts neither piece home
inline constexpr int kRefused = 2;        // a click that cannot act
inline constexpr int kTargetHome = 3;     // the swap put only the other piece home
inline constexpr int kSelectedHome = 4;   // the swap put the selected piece home
inline constexpr int kFinished = 3;       // the last piece went home
inline constexpr int kSoundOn = 5;        // effects switched on; a sound list cut short
inline constexpr int kNothingToFetch = 6; // "fetch" with nothing selected
inline constexpr int kNothingToSend = 7;  // "send home" with nothing selected
inline constexpr int kNameEntry = 9;      // the Hall of Fame name entry opens
inline constexpr int kBoardLaidOut = 11;  // a new board is on screen
inline constexpr int kFetchSlide = 12;    // the fetched piece slides in
inline constexpr int kSendSlide = 13;     // the piece slides home
inline constexpr int kAboutBox = 13;      // the About box opens
} // namespace sfx

} // namespace tessary
