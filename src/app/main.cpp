// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Main.h"
#include "dialogs/MainDialogs.h"
#include "model/RandomSource.h"
#include "platform/MidiControlSdl.h"
#include "platform/ProgramFolders.h"
#include "platform/QtBeep.h"
#include "platform/QtFileChooser.h"
#include "platform/QtShell.h"
#include "platform/SingleInstance.h"
#include "platform/SoundDevice.h"
#include "platform/SoundServiceSdl.h"
#include "widgets/GameApplication.h"
#include "widgets/GameTitle.h"
#include "widgets/SkipOnFailure.h"
#include "window/ProgramState.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFileInfo>
#include <QIcon>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <string>

#if defined(Q_OS_UNIX)
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

#if defined(Q_OS_UNIX)
// SIGTERM (a logout, `kill`) ends the game without a question: the session is marked as
// ending, every open dialog is cancelled and every event loop left; once the window thread
// is back in main, the normal shut-down runs, writing the game in play to the file it is kept
// in instead of asking where. The handler itself only writes a byte to a socket,
// which is safe in a signal handler; a second SIGTERM ends the game at once.
int termSocket[2] = {-1, -1};
bool sessionEnded = false;

void onTerm(int) {
    const char byte = 1;
    [[maybe_unused]] const auto sent = ::write(termSocket[1], &byte, 1);
}

void closeOnTerm(tessary::Main& window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, termSocket) != 0)
        return;
    auto* notifier = new QSocketNotifier(termSocket[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, notifier] {
        notifier->setEnabled(false);
        std::signal(SIGTERM, SIG_DFL);
        sessionEnded = true;
        window.endSession();
        for (int i = 0; i < 8 && QApplication::activeModalWidget() != nullptr; ++i) {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
        // Ends the loops of the dialogs cancelled just now and of the window; a dialog the
        // code under them would open next returns at once, cancelled.
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onTerm;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
}
#endif

// TESSARY_IDLE_MS=N makes the idle timer wait N ms where it waits 10 s after start-up and a
// minute between its ticks during play, so that an end-to-end test sees it hide a finished
// board without waiting minutes. Unset (or not a positive number), the game's own waits hold.
tessary::IdleIntervals idleIntervals() {
    tessary::IdleIntervals intervals;
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("TESSARY_IDLE_MS", &ok);
    if (ok && ms > 0)
        intervals.startMs = intervals.playingMs = ms;
    return intervals;
}

// A second copy of the game asks the one already running to come to the front, handing over
// its command line, and ends. The running copy may still be starting and not listen yet, so a
// refused connection is tried again for about two seconds; no window of this copy exists, so
// the wait holds up nothing.
// The files named on the command line, made whole paths while the working folder is still
// the one they were named from (the game then works in its own folder).
QStringList givenFiles() {
    QStringList files;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        files << QFileInfo(arguments[i]).absoluteFilePath();
    return files;
}

// A second copy has no window: it waits for the first copy to listen on the window-less
// event loop, a tenth of a second at a time, at most two seconds.
void handOverToRunningGame(const std::filesystem::path& dataFolder, const QStringList& files) {
    auto result = tessary::SingleInstance::handOver(dataFolder, files);
    for (int tries = 1; tries < 20 && result == tessary::SingleInstance::HandOver::NotListening;
         ++tries) {
        QEventLoop pause;
        QTimer::singleShot(100, &pause, &QEventLoop::quit);
        pause.exec();
        result = tessary::SingleInstance::handOver(dataFolder, files);
    }
    const QByteArray title = tessary::gameTitle().toUtf8();
    if (result == tessary::SingleInstance::HandOver::Unreachable)
        std::fprintf(stderr, "%s is already running.\n", title.constData());
    else if (result == tessary::SingleInstance::HandOver::NotListening)
        std::fprintf(stderr, "%s is already running but did not answer.\n", title.constData());
}

void bringToFront(QWidget& window) {
    if (window.isMinimized())
        window.showNormal();
    window.raise();
    window.activateWindow();
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace tessary;
    GameApplication app(argc, argv);
    QApplication::setApplicationName(gameTitle());
    QApplication::setOrganizationName(gameTitle());
    QApplication::setQuitOnLastWindowClosed(true);

    // One game at a time over a data folder, settled before any file of the game is read.
    const ProgramFolders folders = ProgramFolders::locate();
    const std::unique_ptr<SingleInstance> instance = SingleInstance::claim(folders.dataFolder);
    if (!instance) {
        handOverToRunningGame(folders.dataFolder, givenFiles());
        return 0;
    }
    // Only the copy holding the data folder moves in the files an earlier version kept.
    folders.moveFormerFiles();

    ProgramState state;
    SeededRandom random = SeededRandom::fromClock();
    SoundDevice device;
    SoundServiceSdl sound(device);
    MidiControlSdl midi(device);
    QtMainDialogs dialogs;
    QtFileChooser savedGames, pictures, music;
    QtShell shell;
    QtBeep beep;
    QIcon icon;
    const auto appIcons = folders.programFolder / ProgramFolders::kIconsFolder / "app";
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QString::fromStdString(
            (appIcons / ("tessary-" + std::to_string(size) + ".png")).string()));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("com.morvane.Tessary"));
    MainServices services{dialogs,
                          savedGames,
                          pictures,
                          music,
                          shell,
                          beep,
                          sound,
                          midi,
                          random,
                          folders.programFolder,
                          folders.dataFolder};
    services.idle = idleIntervals();

    Main window(state, services);
    savedGames.setParent(&window);
    pictures.setParent(&window);
    music.setParent(&window);
    // A second copy brings this window forward and hands over the file it was given, unless a
    // dialog is up here: the player is in the middle of something.
    instance->onActivate([&window](const QStringList& files) {
        bringToFront(window);
        if (!files.isEmpty() && QApplication::activeModalWidget() == nullptr)
            skipOnFailure([&] { window.openGivenFile(files.front().toStdString()); });
    });
    window.Form_Load();
#if defined(Q_OS_UNIX)
    closeOnTerm(window);
#endif
    // The About box opens over the main window once the window is on screen, then the game
    // kept from the last run is offered back, then a file named on the command line opens.
    const QStringList files = givenFiles();
    QTimer::singleShot(0, &window, [&window, files] {
        skipOnFailure([&] {
            window.Form_Shown();
            if (!files.isEmpty())
                window.openGivenFile(files.front().toStdString());
        });
    });
    const int status = QApplication::exec();
#if defined(Q_OS_UNIX)
    if (sessionEnded)
        window.close(); // the shut-down, unless it ran already
#endif
    return status;
}
