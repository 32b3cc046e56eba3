#pragma once

#include <QApplication>

namespace tessary {

// The application object. Every handler of the game runs in skip-and-continue mode: whatever
// fails inside one (a cell index off the tables, a failed allocation) ends that handler only,
// and the game goes on with the next event. Nothing that fails in a handler ends the program.
class GameApplication : public QApplication {
    Q_OBJECT

  public:
    GameApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace tessary
