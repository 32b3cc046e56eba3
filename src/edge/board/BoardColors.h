// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace tessary::boardColors {

// The board picture's own background, also under the strip that belongs to no cell.
inline QColor background() {
    return QColor(255, 224, 192);
}
// The main window around and behind the board.
inline QColor windowBackground() {
    return QColor(0, 0, 128);
}
inline QColor misplaced() {
    return QColor(255, 255, 0);
} // outline of a misplaced piece
inline QColor selection() {
    return QColor(255, 0, 0);
} // dotted outline of the selection
inline QColor blinkOther() {
    return QColor(0, 0, 255);
} // the selection's other blink colour
inline QColor cursorLight() {
    return QColor(255, 255, 255);
} // the keyboard cursor's dashes, in turn
inline QColor cursorDark() {
    return QColor(0, 0, 0);
}
inline QColor markOutline() {
    return QColor(0, 0, 255);
}
inline QColor missingMark() {
    return QColor(0, 0, 255);
} // hatch over solved cells (F5)
inline QColor placedMark() {
    return QColor(0, 255, 0);
} // hatch over misplaced cells (F6)

} // namespace tessary::boardColors
