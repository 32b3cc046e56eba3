// SPDX-License-Identifier: GPL-3.0-or-later
// damaged-pictures FOLDER: writes the damaged-picture set into FOLDER (created if needed) and
// lists each file with what is wrong with it and whether the game should load it.
#include "DamagedPictures.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // finds the JPEG plugin
    if (argc != 2) {
        std::fprintf(stderr, "usage: damaged-pictures FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "damaged-pictures: cannot make %s\n", argv[1]);
        return 1;
    }
    for (const auto& p : tessary::writeDamagedPictures(folder))
        std::printf("%s\t%s\t%s\n", qPrintable(p.name),
                    p.expect == tessary::DamagedPicture::Expect::Loads ? "loads" : "refused",
                    qPrintable(p.what));
    return 0;
}
