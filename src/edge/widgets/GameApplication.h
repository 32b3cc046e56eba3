// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace tessary {

// The application object. The game's handlers each skip a failed step themselves
// (skipOnFailure); this is the last guard for one that does not: whatever escapes an event's
// handling ends that event only, never the program.
class GameApplication : public QApplication {
    Q_OBJECT

  public:
    GameApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace tessary
