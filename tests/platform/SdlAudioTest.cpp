// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/MidiBytes.h"
#include "platform/MidiControlSdl.h"
#include "platform/SoundServiceSdl.h"
#include "platform/WaveBytes.h"
#include "storage/TestFiles.h"

#include <QElapsedTimer>
#include <QTest>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>

// These drive the real SDL players on SDL's silent "dummy" driver (set by the test runner):
// no sound card is needed.
namespace tessary::testing {
namespace {

using Outcome = SoundService::Outcome;

struct SdlAudioTest : ::testing::Test {
    TempFolder folder;
    std::string path(const std::string& name) const { return (folder.path / name).string(); }
};

TEST_F(SdlAudioTest, EffectsPlayOneAtATimeAndBadFilesFailAtOnce) {
    folder.write("long.wav", toneWave(2.0));
    folder.write("short.wav", toneWave(0.2, 880));
    folder.write("garbage.wav", "RIFF this is not a wave file at all");
    folder.write("empty.wav", "");
    const std::string whole = toneWave(0.5);
    folder.write("cut.wav", whole.substr(0, 30));

    SoundDevice device;
    SoundServiceSdl sfx(device);
    EXPECT_EQ(sfx.play(path("long.wav")), Outcome::Started);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(sfx.play(path("short.wav")), Outcome::Started);
    EXPECT_EQ(Mix_Playing(-1), 1); // the long one was cut off

    for (const char* bad : {"missing.wav", "garbage.wav", "empty.wav", "cut.wav"})
        EXPECT_EQ(sfx.play(path(bad)), Outcome::Failed) << bad;
    EXPECT_EQ(Mix_Playing(-1), 0);

    EXPECT_EQ(sfx.play(path("long.wav")), Outcome::Started);
    EXPECT_EQ(sfx.play(""), Outcome::Started); // no name: only silence
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SdlAudioTest, AnUnreachableSoundSystemIsAnErrorNotAFailure) {
    folder.write("tone.wav", toneWave(0.1));
    writeBytes(path("song.mid"), oneNoteSong(240));
    const std::string driver = std::getenv("SDL_AUDIODRIVER") ? std::getenv("SDL_AUDIODRIVER") : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    {
        SoundDevice device;
        SoundServiceSdl sfx(device);
        EXPECT_EQ(sfx.play(path("tone.wav")), Outcome::Error);
        EXPECT_FALSE(device.lastError().empty());
        EXPECT_EQ(sfx.play(""), Outcome::Started);

        MidiControlSdl midi(device);
        midi.setDeviceType("sequencer");
        midi.setFileName(path("song.mid"));
        midi.Command("open");
        EXPECT_EQ(midi.Error(), MidiControl::kErrorHardware);
        EXPECT_EQ(midi.Mode(), MidiControl::kModeNotOpen);

        // The device comes back once it can be reached.
        setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
        EXPECT_EQ(sfx.play(path("tone.wav")), Outcome::Started);
    }
    setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
}

struct MidiControlTest : SdlAudioTest {
    SoundDevice device;
    MidiControlSdl midi{device};
    std::vector<int> done;

    void SetUp() override {
        midi.setDoneHandler([this](int code) { done.push_back(code); });
        const Bytes song = oneNoteSong(240); // a quarter of a second
        writeBytes(path("short.mid"), song);
    }

    void open(const std::string& file) {
        midi.setDeviceType("sequencer");
        midi.setFileName(file);
        midi.setNotify(false);
        midi.Command("open");
    }
};

TEST_F(MidiControlTest, ASongOpensPlaysPausesAndReportsItsEnd) {
    open(path("short.mid"));
    ASSERT_EQ(midi.Error(), 0);
    EXPECT_EQ(midi.Mode(), MidiControl::kModeStopped);

    midi.setNotify(true);
    midi.Command("play");
    EXPECT_EQ(midi.Error(), 0);
    EXPECT_EQ(midi.Mode(), MidiControl::kModePlaying);
    midi.Command("pause");
    EXPECT_EQ(midi.Mode(), MidiControl::kModePaused);
    const double atPause = midi.playedSeconds();
    QTest::qWait(300); // longer than the whole song: a paused song does not end
    EXPECT_EQ(midi.Mode(), MidiControl::kModePaused);
    EXPECT_DOUBLE_EQ(midi.playedSeconds(), atPause);
    EXPECT_TRUE(done.empty());

    midi.Command("play"); // resumes, still to be told of the end
    EXPECT_EQ(midi.Mode(), MidiControl::kModePlaying);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !done.empty(); }, 5000));
    EXPECT_EQ(done, std::vector<int>{MidiControl::kNotifySuccessful});
    EXPECT_EQ(midi.Mode(), MidiControl::kModeStopped);

    // Played again from the start, without notice this time.
    midi.Command("play");
    EXPECT_EQ(midi.Mode(), MidiControl::kModePlaying);
    EXPECT_TRUE(QTest::qWaitFor([this] { return midi.Mode() == MidiControl::kModeStopped; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(done.size(), 1u);
}

TEST_F(MidiControlTest, ClosingASongRaisesNoSuccess) {
    open(path("short.mid"));
    midi.setNotify(true);
    midi.Command("play");
    midi.Command("close");
    EXPECT_TRUE(done.empty()); // never from inside the command
    EXPECT_EQ(midi.Mode(), MidiControl::kModeNotOpen);
    QTest::qWait(800);
    EXPECT_EQ(done, std::vector<int>{MidiControl::kNotifyAborted});

    // Opening over a playing song replaces it the same way.
    done.clear();
    open(path("short.mid"));
    midi.setNotify(true);
    midi.Command("play");
    open(path("short.mid"));
    EXPECT_EQ(midi.Mode(), MidiControl::kModeStopped);
    QTest::qWait(800);
    EXPECT_EQ(done, std::vector<int>{MidiControl::kNotifyAborted});
}

TEST_F(MidiControlTest, CommandsThatCannotWorkSetError) {
    folder.write("tone.wav", toneWave(0.1));
    folder.write("text.mid", "not a song");

    open(path("missing.mid"));
    EXPECT_EQ(midi.Error(), MidiControl::kErrorFileNotFound);
    open("");
    EXPECT_EQ(midi.Error(), MidiControl::kErrorFileNotFound);
    open(path("text.mid"));
    EXPECT_EQ(midi.Error(), MidiControl::kErrorInvalidFile);
    Bytes silent = midiHeader(0, 1, 480);
    silent += midiTrack(endOfTrack(0));
    writeBytes(path("silent.mid"), silent);
    open(path("silent.mid")); // it would end as it starts, over and over
    EXPECT_EQ(midi.Error(), MidiControl::kErrorInvalidFile);
    open(path("tone.wav")); // SDL could play it, but a sequencer plays MIDI only
    EXPECT_EQ(midi.Error(), MidiControl::kErrorInvalidFile);
    EXPECT_EQ(midi.Mode(), MidiControl::kModeNotOpen);

    midi.setDeviceType("waveaudio");
    midi.setFileName(path("short.mid"));
    midi.Command("open");
    EXPECT_EQ(midi.Error(), MidiControl::kErrorBadDevice);

    midi.Command("play");
    EXPECT_EQ(midi.Error(), MidiControl::kErrorNotOpen);
    midi.setNotify(true);
    midi.Command("pause");
    EXPECT_EQ(midi.Error(), MidiControl::kErrorNotOpen);
    midi.Command("rewind");
    EXPECT_EQ(midi.Error(), MidiControl::kErrorUnknownCommand);
    midi.Command("close"); // closing what is not open is harmless
    EXPECT_EQ(midi.Error(), 0);
    QTest::qWait(50);
    EXPECT_EQ(done, std::vector<int>{MidiControl::kNotifyFailure});
}

} // namespace
} // namespace tessary::testing
