// SPDX-License-Identifier: GPL-3.0-or-later
// tessary_art: draws the game's artwork into the assets folder.
//
//   tessary_art [--check] ASSETS_DIR [PART]
//
// PART is one of images, toolbar, about, app, or the start of a sample
// picture's name; without it everything is drawn. --check compares instead of writing and
// fails if any committed file differs from what the tool draws.

#include "AboutFrames.h"
#include "AppIcon.h"
#include "Output.h"
#include "Scenes.h"
#include "ToolbarIcons.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

using namespace tessary::art;

int main(int argc, char** argv) {
    // No screen is needed: everything is painted into images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool check = args.removeAll(QStringLiteral("--check")) > 0;
    if (args.isEmpty() || args.size() > 2) {
        std::fprintf(stderr,
                     "usage: tessary_art [--check] ASSETS_DIR [images|toolbar|about|app|NAME]\n");
        return 2;
    }
    Output out{QDir(args[0]), check ? Output::Mode::Check : Output::Mode::Write};
    const QString part = args.size() > 1 ? args[1] : QString();
    auto wanted = [&](const char* name) { return part.isEmpty() || part == QLatin1String(name); };

    for (const SamplePicture& pic : samplePictures()) {
        const QString name = QString::fromLatin1(pic.fileName);
        if (wanted("images") || (!part.isEmpty() && name.startsWith(part))) {
            out.image(QStringLiteral("images/") + name, pic.paint(pic.width, pic.height));
        }
    }
    if (wanted("toolbar")) {
        for (const ToolbarIcon& icon : toolbarIcons()) {
            const QString name = QStringLiteral("icons/toolbar/") + QString::fromLatin1(icon.name);
            out.image(name + QStringLiteral(".png"), renderToolbarIcon(icon, 1));
            out.image(name + QStringLiteral("@2x.png"), renderToolbarIcon(icon, 2));
        }
    }
    if (wanted("about")) {
        for (int frame = 0; frame < kAboutFrames; ++frame) {
            const QString name = QStringLiteral("icons/about/frame%1").arg(frame);
            out.image(name + QStringLiteral(".png"), renderAboutFrame(frame, 1));
            out.image(name + QStringLiteral("@2x.png"), renderAboutFrame(frame, 2));
        }
    }
    if (wanted("app")) {
        for (int size : {16, 32, 48, 64, 128, 256}) {
            out.image(QStringLiteral("icons/app/tessary-%1.png").arg(size), renderAppIcon(size));
        }
        out.text(QStringLiteral("icons/app/tessary.svg"), appIconSvg().toUtf8());
    }
    return out.ok() ? 0 : 1;
}
