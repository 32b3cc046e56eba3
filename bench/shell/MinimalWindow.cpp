// SPDX-License-Identifier: GPL-3.0-or-later
// The reference for the start-up benchmark: the smallest Qt Widgets main window.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
