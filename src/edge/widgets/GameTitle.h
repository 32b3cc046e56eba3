// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GameName.h"

#include <QString>

namespace tessary {

// The game's name as the windows show it.
inline QString gameTitle() {
    return QString::fromUtf8(kGameName.data(), qsizetype(kGameName.size()));
}

} // namespace tessary
