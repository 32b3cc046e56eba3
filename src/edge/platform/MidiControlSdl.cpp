// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MidiControlSdl.h"

#include "files/MidiLength.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace tessary {

std::atomic<MidiControlSdl*> MidiControlSdl::active_{nullptr};

namespace {

constexpr int kWatchIntervalMs = 40;

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

MidiControlSdl::MidiControlSdl(SoundDevice& device, QObject* parent)
    : QObject(parent), device_(device) {
    endWatch_.setInterval(kWatchIntervalMs);
    connect(&endWatch_, &QTimer::timeout, this, [this] { watchEnd(); });
    active_.store(this);
}

MidiControlSdl::~MidiControlSdl() {
    MidiControlSdl* self = this;
    active_.compare_exchange_strong(self, nullptr);
    if (listening_) {
        // Both wait for a call in progress on the audio thread.
        Mix_HookMusicFinished(nullptr);
        Mix_SetPostMix(nullptr, nullptr);
    }
    if (music_)
        Mix_FreeMusic(music_);
}

void MidiControlSdl::Command(const std::string& command) {
    const std::string name = lowerCase(command);
    if (name == kOpen)
        error_ = open();
    else if (name == kPlay)
        error_ = play();
    else if (name == kPause)
        error_ = pause();
    else if (name == kClose)
        error_ = close();
    else
        error_ = kErrorUnknownCommand;
    if (error_ != kErrorNone && notify_)
        queueDone(kNotifyFailure);
    notify_ = false;
    wait_ = false;
}

int MidiControlSdl::open() {
    // A song opened over another replaces it; the one before ends unheard.
    release();
    if (lowerCase(deviceType_) != kSequencer)
        return kErrorBadDevice;
    std::error_code ec;
    if (fileName_.empty() || !std::filesystem::is_regular_file(fileName_, ec))
        return kErrorFileNotFound;
    // SDL would take any file named ".mid" and play silence; a song with nothing in it would
    // end at once and start again without pause.
    const auto seconds = midiFileSeconds(fileName_);
    if (!seconds || *seconds <= 0)
        return kErrorInvalidFile;
    if (!device_.ensureOpen())
        return kErrorHardware;
    Mix_Music* music = Mix_LoadMUS(fileName_.c_str());
    if (!music)
        return kErrorInvalidFile;
    if (Mix_GetMusicType(music) != MUS_MID) {
        Mix_FreeMusic(music); // a sequencer plays MIDI files only
        return kErrorInvalidFile;
    }
    music_ = music;
    songSeconds_ = seconds;
    counting_ = false;
    mixedFrames_ = 0;
    fading_ = false;
    mode_ = kModeStopped;
    if (!listening_) {
        // The device stays open from here on, in the same format.
        int channels = 2;
        Uint16 format = AUDIO_S16SYS;
        if (Mix_QuerySpec(&rate_, &format, &channels) != 0)
            frameBytes_ = SDL_AUDIO_BITSIZE(format) / 8 * channels;
        Mix_HookMusicFinished(&MidiControlSdl::sdlMusicFinished);
        Mix_SetPostMix(&MidiControlSdl::countMixed, this);
        listening_ = true;
    }
    if (notify_)
        queueDone(kNotifySuccessful);
    return kErrorNone;
}

int MidiControlSdl::play() {
    if (mode_ == kModeNotOpen)
        return kErrorNotOpen;
    if (mode_ == kModeStopped) {
        // From the beginning: a new song, or the same one again after its end.
        ++run_;
        mixedFrames_ = 0;
        counting_ = true;
        if (Mix_PlayMusic(music_, 1) != 0) {
            counting_ = false;
            return kErrorHardware;
        }
        fading_ = false;
    } else if (mode_ == kModePaused) {
        counting_ = true;
        Mix_ResumeMusic();
    }
    if (mode_ != kModePlaying) {
        mode_ = kModePlaying;
        endWatch_.start();
    }
    // A song's end is reported to the last "play" that asked for it. A "play" that resumes
    // without asking keeps the request of the one that started the song, so the music goes
    // on after the window is restored.
    if (notify_) {
        if (endNotifyPending_)
            queueDone(kNotifySuperseded);
        endNotifyPending_ = true;
    }
    if (wait_) {
        // Wait for the song's end before going on, as the command asked.
        const unsigned run = run_;
        while (mode_ == kModePlaying && run == run_) {
            SDL_Delay(kWatchIntervalMs);
            watchEnd();
        }
    }
    return kErrorNone;
}

int MidiControlSdl::pause() {
    if (mode_ == kModeNotOpen)
        return kErrorNotOpen;
    if (mode_ == kModePlaying) {
        counting_ = false;
        Mix_PauseMusic();
        mode_ = kModePaused;
        endWatch_.stop();
    }
    if (notify_)
        queueDone(kNotifySuccessful);
    return kErrorNone;
}

int MidiControlSdl::close() {
    release();
    if (notify_)
        queueDone(kNotifySuccessful);
    return kErrorNone;
}

void MidiControlSdl::release() {
    if (mode_ == kModeNotOpen)
        return;
    ++run_;
    endWatch_.stop();
    counting_ = false;
    if (endNotifyPending_) {
        endNotifyPending_ = false;
        queueDone(kNotifyAborted); // the song did not reach its end
    }
    Mix_FreeMusic(music_);
    music_ = nullptr;
    mode_ = kModeNotOpen;
}

double MidiControlSdl::playedSeconds() const {
    return static_cast<double>(mixedFrames_.load()) / rate_;
}

// Runs on SDL's audio thread after each mix of the sound going out.
void MidiControlSdl::countMixed(void* self, uint8_t* /*stream*/, int bytes) {
    auto* player = static_cast<MidiControlSdl*>(self);
    if (player->counting_.load())
        player->mixedFrames_ += static_cast<uint64_t>(bytes / player->frameBytes_);
}

void MidiControlSdl::watchEnd() {
    if (mode_ != kModePlaying)
        return;
    if (!Mix_PlayingMusic()) {
        finishSong(); // SDL found the end first, or the fade is over
        return;
    }
    if (!fading_ && songSeconds_ && playedSeconds() >= *songSeconds_ + kTailSeconds) {
        fading_ = true;
        Mix_FadeOutMusic(kFadeMs);
    }
}

void MidiControlSdl::songEnded(unsigned run) {
    if (run == run_ && mode_ == kModePlaying)
        finishSong();
}

void MidiControlSdl::finishSong() {
    ++run_;
    endWatch_.stop();
    counting_ = false;
    if (Mix_PlayingMusic())
        Mix_HaltMusic();
    mode_ = kModeStopped;
    fading_ = false;
    if (endNotifyPending_) {
        endNotifyPending_ = false;
        queueDone(kNotifySuccessful);
    }
}

void MidiControlSdl::queueDone(int code) {
    QMetaObject::invokeMethod(
        this,
        [this, code] {
            if (done_)
                done_(code);
        },
        Qt::QueuedConnection);
}

// Runs on SDL's audio thread: hand the news to the user-interface thread.
void MidiControlSdl::sdlMusicFinished() {
    MidiControlSdl* self = active_.load();
    if (!self)
        return;
    const unsigned run = self->run_.load();
    QMetaObject::invokeMethod(
        self, [self, run] { self->songEnded(run); }, Qt::QueuedConnection);
}

} // namespace tessary
