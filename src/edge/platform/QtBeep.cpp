#include "platform/QtBeep.h"

#include <QApplication>

namespace tessary {

void QtBeep::beep(Kind) {
    QApplication::beep();
}

} // namespace tessary
