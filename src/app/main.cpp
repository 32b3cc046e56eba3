#include "shell/CenterForm.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The game's window is still being built; say so rather than show an empty board.
    QLabel notice("Tessary builds and starts; the main window is on its way.");
    notice.setWindowTitle("Tessary");
    notice.setMargin(24);
    notice.show();
    tessary::centerForm(notice);
    return app.exec();
}
