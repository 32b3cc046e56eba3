// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout/BoardLayout.h"
#include "model/GameState.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <array>
#include <string>
#include <variant>

namespace tessary {

class BasePicture;
class BoardCanvas;

// Everything a new board is made from.
struct LayoutRequest {
    int puzType = kSingle;
    int imgAcross = 0;
    int imgDown = 0;
    int fitMode = kStretched;
    std::array<std::string, 4> files; // images 1..puzType, UTF-8 paths
    ScreenRoom room;
    QSize smallPictureSize; // the toolbar's picture box (toolImgW x toolImgH); empty for none
    double devicePixelRatio = 1.0; // the screen's device pixels per logical pixel

    // The puzzle as described (puzType, imgAcross, imgDown, fitMode, puzFile(1..4)).
    static LayoutRequest fromPuzzle(const PuzzleDescription& puzzle, const ScreenRoom& room,
                                    QSize smallPictureSize, double devicePixelRatio = 1.0);
};

// A board ready to go into play: its numbers, the composed picture at board size, and the
// small copy of it for the toolbar.
struct PreparedBoard {
    BoardLayout layout;
    QImage base;         // boardW x boardH logical pixels at the request's ratio, RGB32
    QImage smallPicture; // smallPictureSize, null when none was asked for
};

// Why a board could not be prepared; `file` names the picture at fault, if one is.
struct LoadFailure {
    enum class Reason { Unreadable, NoRoom, BadPuzzle, PictureTooSmall };
    Reason reason = Reason::Unreadable;
    std::string file;
    int across = 0; // the pieces asked for in one image, for a picture too small
    int down = 0;
};

// Loads, checks and composes every picture of the puzzle (in parallel) without touching the
// game: either a complete board or the reason none can be made. Call on the UI thread.
std::variant<PreparedBoard, LoadFailure> prepareBoard(const LayoutRequest& request);

// The text shown to the player when a board could not be prepared.
QString loadFailureMessage(const LoadFailure& failure);

// Puts a prepared board into the game: the layout's numbers into the state, the composed
// picture into basePic (shown at the board's place, in front), and an empty board picture of
// the board's size. The main window's size, the toolbar and the sound are the caller's.
void applyPreparedBoard(const PreparedBoard& board, GameState& state, BoardCanvas& picture1,
                        BasePicture& basePic);

} // namespace tessary
