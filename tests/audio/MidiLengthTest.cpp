// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/MidiLength.h"
#include "audio/MidiBytes.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tessary::testing {
namespace {

TEST(MidiLength, FollowsDivisionAndTempoChangesAcrossTracks) {
    // 480 ticks a beat at the default 120 beats a minute: one beat is half a second.
    EXPECT_DOUBLE_EQ(*midiSongSeconds(oneNoteSong(960)), 1.0);

    // Format 1: the tempo lives in the first track, the notes in the second. Two beats at
    // 120, then the tempo halves (1 s a beat) for three more beats.
    Bytes conductor = tempoEvent(0, 500000);
    conductor += tempoEvent(960, 1000000);
    conductor += endOfTrack(0);
    Bytes notes = ev(0, {0x90, 60, 90});
    notes += ev(2400, {0x80, 60, 0});
    notes += endOfTrack(0);
    Bytes file = midiHeader(1, 2, 480);
    file += midiTrack(conductor);
    file += midiTrack(notes);
    EXPECT_DOUBLE_EQ(*midiSongSeconds(file), 1.0 + 3.0);
}

TEST(MidiLength, ReadsRunningStatusSysexAndUnknownChunks) {
    Bytes events = ev(0, {0xF0, 0x03, 0x7E, 0x7F, 0xF7}); // a sysex message
    events += ev(0, {0x90, 60, 100});
    events += ev(240, {62, 100}); // running status: another note on
    events += ev(240, {0xC0, 5}); // one data byte
    events += ev(0, {0xD0, 40});
    events += ev(480, {0xE0, 0, 64});
    events += endOfTrack(480);
    Bytes file = midiHeader(0, 1, 480);
    file += Bytes{'X', 'f', 'o', 'o', 0, 0, 0, 2, 1, 2}; // a vendor chunk to pass over
    file += midiTrack(events);
    EXPECT_DOUBLE_EQ(*midiSongSeconds(file), (240 + 240 + 480 + 480) / 960.0);
}

TEST(MidiLength, SmpteTimingAndSequentialPatterns) {
    // 25 frames a second, 40 ticks a frame: 1000 ticks a second.
    Bytes smpte = midiHeader(0, 1, static_cast<uint16_t>((0x100 - 25) << 8 | 40));
    smpte += midiTrack(endOfTrack(2500));
    EXPECT_DOUBLE_EQ(*midiSongSeconds(smpte), 2.5);

    // Format 2 plays its tracks one after the other, each with its own tempo.
    Bytes patterns = midiHeader(2, 2, 480);
    Bytes fast = tempoEvent(0, 250000);
    fast += endOfTrack(960);
    patterns += midiTrack(fast);
    patterns += midiTrack(endOfTrack(960));
    EXPECT_DOUBLE_EQ(*midiSongSeconds(patterns), 0.5 + 1.0);
}

TEST(MidiLength, DamagedFilesGiveAnEndOrNothing) {
    // Cut in the middle of the closing event: the song ends at the last whole event, the
    // note's end after one second.
    Bytes cut = oneNoteSong(960);
    cut.resize(cut.size() - 2);
    EXPECT_DOUBLE_EQ(*midiSongSeconds(cut), 1.0);
    cut.resize(cut.size() - 3); // now the note's end is cut too
    EXPECT_DOUBLE_EQ(*midiSongSeconds(cut), 0.0);

    Bytes noRunningStatus = midiHeader(0, 1, 480);
    noRunningStatus += midiTrack(ev(100, {60, 100}));
    EXPECT_DOUBLE_EQ(*midiSongSeconds(noRunningStatus), 0.0);

    Bytes notMidi{'R', 'I', 'F', 'F', 0, 0, 0, 6, 0, 0, 0, 1, 1, 0xE0};
    EXPECT_FALSE(midiSongSeconds(notMidi));
    EXPECT_FALSE(midiSongSeconds(Bytes{}));
    EXPECT_FALSE(midiSongSeconds(midiHeader(0, 1, 480))); // no track at all
    EXPECT_FALSE(midiSongSeconds(midiHeader(0, 1, 0)));   // no timing
    EXPECT_FALSE(midiFileSeconds("/nonexistent/song.mid"));
}

TEST(MidiLength, ReadsAFileOnDisk) {
    const auto path = std::filesystem::temp_directory_path() / "tessary-midilength-test.mid";
    writeBytes(path.string(), oneNoteSong(480 * 3));
    EXPECT_DOUBLE_EQ(*midiFileSeconds(path.string()), 1.5);
    std::filesystem::remove(path);
}

} // namespace
} // namespace tessary::testing
