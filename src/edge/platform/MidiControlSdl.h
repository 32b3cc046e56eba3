// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SoundDevice.h"
#include "ports/MidiControl.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <optional>

typedef struct _Mix_Music Mix_Music;

namespace tessary {

// The music player over SDL_mixer, whose FluidSynth backend plays MIDI files with the system's
// General MIDI soundfont.
//
// SDL reports the end of a song only after the last notes have rung out, seconds after the
// music is over. So the player reads the song's length from the file, counts the sound it has
// mixed while the song plays (the device's own clock, pauses left out) and ends the song
// itself shortly after its last event; SDL's own report still ends a song that stops sooner.
// A file that is not a MIDI song, or holds no time at all, does not open.
//
// Only one player exists at a time: SDL_mixer has one music stream.
class MidiControlSdl final : public QObject, public MidiControl {
  public:
    explicit MidiControlSdl(SoundDevice& device, QObject* parent = nullptr);
    ~MidiControlSdl() override;

    void Command(const std::string& command) override;
    void setDeviceType(const std::string& type) override { deviceType_ = type; }
    void setFileName(const std::string& file) override { fileName_ = file; }
    std::string FileName() const override { return fileName_; }
    void setNotify(bool on) override { notify_ = on; }
    void setWait(bool on) override { wait_ = on; }
    int Mode() const override { return mode_; }
    int Error() const override { return error_; }
    void setDoneHandler(std::function<void(int)> handler) override { done_ = std::move(handler); }

    // After the last event the notes ring this long, then fade out over kFadeMs.
    static constexpr double kTailSeconds = 0.35;
    static constexpr int kFadeMs = 150;

    // Seconds of the song played so far.
    double playedSeconds() const;

  private:
    int open();
    int play();
    int pause();
    int close();
    void release();

    void watchEnd();
    void songEnded(unsigned run);
    void finishSong();
    void queueDone(int code);
    static void sdlMusicFinished();
    static void countMixed(void* self, uint8_t* stream, int bytes);

    SoundDevice& device_;
    Mix_Music* music_ = nullptr;
    std::string deviceType_;
    std::string fileName_;
    bool notify_ = false;
    bool wait_ = false;
    int mode_ = kModeNotOpen;
    int error_ = kErrorNone;
    bool endNotifyPending_ = false; // a "play" asked to hear of the song's end
    bool fading_ = false;
    std::optional<double> songSeconds_;
    bool listening_ = false; // the audio thread's callbacks are set
    int frameBytes_ = 4;
    int rate_ = SoundDevice::kRate;
    QTimer endWatch_;
    std::function<void(int)> done_;

    // Each start, end and close begins a new run, so a late report of an old one is ignored.
    std::atomic<unsigned> run_{0};
    // Written on the audio thread: sound frames mixed while the song was playing.
    std::atomic<bool> counting_{false};
    std::atomic<uint64_t> mixedFrames_{0};
    static std::atomic<MidiControlSdl*> active_;
};

} // namespace tessary
