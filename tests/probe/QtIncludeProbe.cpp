// SPDX-License-Identifier: GPL-3.0-or-later
// Built with the core's settings only; it must not find Qt.
#include <QString>

int probe() {
    return QString("x").size();
}
