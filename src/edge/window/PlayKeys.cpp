#include "window/PlayKeys.h"

#include <QKeyEvent>

namespace tessary {

std::optional<PlayKey> playKeyOf(const QKeyEvent& key) {
    // The keypad's keys carry a modifier of their own; they count as the plain ones.
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return std::nullopt;
    switch (key.key()) {
    case Qt::Key_Left:
        return PlayKey::Left;
    case Qt::Key_Right:
        return PlayKey::Right;
    case Qt::Key_Up:
        return PlayKey::Up;
    case Qt::Key_Down:
        return PlayKey::Down;
    case Qt::Key_Home:
        return PlayKey::Home;
    case Qt::Key_End:
        return PlayKey::End;
    case Qt::Key_Space:
        return PlayKey::Select;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return PlayKey::Swap;
    default:
        return std::nullopt;
    }
}

} // namespace tessary
