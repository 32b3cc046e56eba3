#pragma once

namespace tessary {

// What the player does, as the rules take it: cells, never pixels or key codes.

// The mouse button pressed on the board.
enum class Button { Left, Right, Middle };

// The keys of play: the arrows, Home and End move the cursor; Select is Space, Swap is Enter.
enum class PlayKey { Left, Right, Up, Down, Home, End, Select, Swap };

} // namespace tessary
