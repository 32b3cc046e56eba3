// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessary {

// How finely one picture may be cut: the new-puzzle dialog offers 2 to 50 pieces across and
// 2 to 40 down.
inline constexpr int kMinPieces = 2;
inline constexpr int kMaxPiecesAcross = 50;
inline constexpr int kMaxPiecesDown = 40;

} // namespace tessary
