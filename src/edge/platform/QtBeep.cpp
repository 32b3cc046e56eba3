// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtBeep.h"

#include <QApplication>

namespace tessary {

void QtBeep::beep(Kind) {
    QApplication::beep();
}

} // namespace tessary
