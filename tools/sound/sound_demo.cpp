// SPDX-License-Identifier: GPL-3.0-or-later
// Plays the game's sound effects and background music through the game's own sound code and
// the real SDL players, printing what happens when:
//
//   SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=out.raw sound_demo path/to/assets > events.txt
//   python3 analyze_disk_audio.py out.raw events.txt
//
// Every effect in use plays once; then music goes on with a short song that repeats three
// times (to measure how soon one song follows the last), then the jukebox switches to a new
// random tune from the folder for every song.
#include "MidiWriter.h"
#include "Tunes.h"

#include "files/MidiLength.h"
#include "platform/MidiControlSdl.h"
#include "platform/SoundServiceSdl.h"
#include "sound/Music.h"
#include "sound/SoundEffects.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <filesystem>

using namespace tessary;

namespace {

using Clock = std::chrono::steady_clock;
Clock::time_point t0;

double now() {
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

void event(const std::string& what) {
    std::printf("event %.3f %s\n", now(), what.c_str());
    std::fflush(stdout);
}

// Passes every command on to the real player and notes it with the time.
class LoggedMidi : public MidiControl {
  public:
    explicit LoggedMidi(MidiControl& real) : real_(real) {}
    void Command(const std::string& command) override {
        real_.Command(command);
        event("midi " + command + " " + real_.FileName() +
              " error=" + std::to_string(real_.Error()));
    }
    void setDeviceType(const std::string& type) override { real_.setDeviceType(type); }
    void setFileName(const std::string& file) override { real_.setFileName(file); }
    std::string FileName() const override { return real_.FileName(); }
    void setNotify(bool on) override { real_.setNotify(on); }
    void setWait(bool on) override { real_.setWait(on); }
    int Mode() const override { return real_.Mode(); }
    int Error() const override { return real_.Error(); }
    void setDoneHandler(std::function<void(int)> handler) override {
        real_.setDoneHandler([handler](int code) {
            event("done " + std::to_string(code));
            if (handler)
                handler(code);
        });
    }

  private:
    MidiControl& real_;
};

class DemoHost : public AudioHost {
  public:
    std::function<void()> jukebox;
    void setMenuSoundCaption(const std::string& caption) override { event("caption " + caption); }
    void setMenuMusicCaption(const std::string& caption) override { event("caption " + caption); }
    void showMessage(const std::string& text) override { event("message " + text); }
    void doEvents() override { QCoreApplication::processEvents(); }
    void showJukebox() override {
        if (jukebox)
            jukebox();
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: sound_demo ASSETS_FOLDER\n");
        return 2;
    }
    const std::string assets = std::filesystem::absolute(argv[1]).string();
    const std::string shortSong =
        (std::filesystem::temp_directory_path() / "tessary-short-song.mid").string();
    tools::writeShortSong(shortSong);

    SoundDevice device;
    if (!device.ensureOpen()) {
        std::fprintf(stderr, "no sound: %s\n", device.lastError().c_str());
        return 1;
    }
    t0 = Clock::now();
    SoundServiceSdl sfx(device);
    MidiControlSdl realMidi(device);
    LoggedMidi midi(realMidi);
    Settings settings;
    settings.soundOn = true;
    AudioState state;
    DemoHost host;
    SoundEffects effects(settings, state, sfx, host, assets);
    SeededRandom random = SeededRandom::fromClock();
    Music music(settings, state, midi, effects, host, random, assets);

    // Start-up as the game does it.
    effects.getMedia();
    music.pickRandomMidi();
    music.setSoundMenus();
    event("song-length " + std::to_string(*midiFileSeconds(shortSong)) + " " + shortSong);

    double at = 0.5;
    auto after = [&at](double step, std::function<void()> what) {
        at += step;
        QTimer::singleShot(static_cast<int>(at * 1000), Qt::PreciseTimer, what);
    };
    for (int n : {0, 2, 3, 4, 5, 6, 7, 9, 11, 12, 13}) {
        after(n == 0 ? 0.0 : 1.2, [&effects, n] {
            event("sfx " + std::to_string(n));
            effects.playsfx(n);
        });
    }
    after(2.0, [&] {
        settings.jukeMode = 0;
        settings.jukeFile = shortSong;
        event("music on");
        music.MenuMusic_Click();
    });
    // Three plays of the short song, then the jukebox picks a random tune for every song.
    after(8.0, [&] {
        host.jukebox = [&settings] { settings.jukeMode = 2; };
        event("jukebox choice 2");
        music.MenuJukebox_Click();
    });
    after(8.0, [&] {
        event("minimise");
        music.Form_Resize(true);
    });
    after(1.0, [&] {
        event("restore");
        music.Form_Resize(false);
    });
    after(3.0, [&] {
        event("music off");
        music.MenuMusic_Click();
        music.closeAtExit();
    });
    after(1.0, [&app] {
        event("end");
        app.quit();
    });
    return app.exec();
}
