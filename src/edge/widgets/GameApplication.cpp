// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/GameApplication.h"

#include <exception>

namespace tessary {

GameApplication::GameApplication(int& argc, char** argv) : QApplication(argc, argv) {}

// Every event reaches a handler through here, timers and queued calls included.
bool GameApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        qWarning("Tessary: a step failed and was skipped: %s", failure.what());
    } catch (...) {
        qWarning("Tessary: a step failed and was skipped");
    }
    return false;
}

} // namespace tessary
