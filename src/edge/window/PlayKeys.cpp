// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/PlayKeys.h"

#include <QKeyEvent>

#include <array>

namespace tessary {

namespace {

// F2 to F10, and toolbar buttons 2 to 10.
constexpr std::array<Command, 9> kCommands = {
    Command::ToggleGrid,  Command::ShowSolution,  Command::SmallImage,
    Command::ShowMissing, Command::ShowPlaced,    Command::FetchPiece,
    Command::SendHome,    Command::ToggleToolbar, Command::Minimize};

} // namespace

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

std::optional<Command> commandOfKey(const QKeyEvent& key) {
    if ((key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::NoModifier)
        return std::nullopt;
    if (key.key() < Qt::Key_F2 || key.key() > Qt::Key_F10)
        return std::nullopt;
    return kCommands[static_cast<std::size_t>(key.key() - Qt::Key_F2)];
}

std::optional<Command> commandOfToolbarButton(int index) {
    if (index < 2 || index > 10)
        return std::nullopt;
    return kCommands[static_cast<std::size_t>(index - 2)];
}

} // namespace tessary
