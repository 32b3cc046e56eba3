// SPDX-License-Identifier: GPL-3.0-or-later
// The picture loading step: the bytes go to a file, which is probed and, when its headers
// pass, decoded in both fit modes, as the board's layout does.
#include "regressions/PictureChecks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

QString picturePath;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The application object lets Qt find its JPEG plugin; it lives for the whole run.
    static auto app = std::make_unique<QCoreApplication>(*argc, *argv);
    picturePath = QDir::temp().filePath(
        QStringLiteral("tessary-fuzz-%1.picture").arg(QCoreApplication::applicationPid()));
    std::atexit([] { QFile::remove(picturePath); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        QFile file(picturePath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(picturePath));
            std::abort();
        }
    }
    const std::string problem = tessary::checks::checkPicture(picturePath);
    if (!problem.empty()) {
        std::fprintf(stderr, "broken promise: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
