#include "shell/Main.h"
#include "engine/RandomSource.h"
#include "platform/MidiControlSdl.h"
#include "platform/ProgramFolders.h"
#include "platform/QtBeep.h"
#include "platform/QtFileChooser.h"
#include "platform/QtShell.h"
#include "platform/SoundDevice.h"
#include "platform/SoundServiceSdl.h"
#include "shell/MainDialogs.h"
#include "shell/ProgramState.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    using namespace tessary;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessary"));
    QApplication::setOrganizationName(QStringLiteral("Tessary"));
    QApplication::setQuitOnLastWindowClosed(true);

    ProgramState state;
    SeededRandom random = SeededRandom::fromClock();
    SoundDevice device;
    SoundServiceSdl sound(device);
    MidiControlSdl midi(device);
    QtMainDialogs dialogs;
    QtFileChooser savedGames, pictures, music;
    QtShell shell;
    QtBeep beep;
    const ProgramFolders folders = ProgramFolders::locate();
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

    Main window(state, services);
    savedGames.setParent(&window);
    pictures.setParent(&window);
    music.setParent(&window);
    window.Form_Load();
    // The About box opens over the main window once the window is on screen.
    QTimer::singleShot(0, &window, [&window] { window.MenuAbout_Click(); });
    return QApplication::exec();
}
