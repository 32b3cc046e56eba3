// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/Music.h"
#include "fakes/FakeAudioHost.h"
#include "fakes/FakeMidiControl.h"
#include "fakes/FakeSoundService.h"
#include "fakes/RecordingHost.h"
#include "fakes/ScriptedRandom.h"
#include "storage/TestFiles.h"

#include <gtest/gtest.h>

#include <map>

namespace tessary::testing {
namespace {

using Log = std::vector<std::string>;

// Draws from whichever source the test puts in.
struct SwitchableRandom : RandomSource {
    explicit SwitchableRandom(RandomSource& first) : source(&first) {}
    RandomSource* source;
    double next() override { return source->next(); }
};

struct MusicTest : ::testing::Test {
    Settings settings;
    AudioState state;
    FakeSoundService service;
    FakeMidiControl midi;
    FakeAudioHost host;
    ScriptedRandom firstStep{{0.99}}; // every walk stops at its first step
    SwitchableRandom random{firstStep};
    std::vector<std::string> folderListing{"first.mid", "second.mid", "third.mid"};
    SoundEffects effects{settings, state, service, host, "/game"};
    Music music{settings, state,  midi,    effects,
                host,     random, "/game", [this](const std::string&) { return folderListing; }};

    void SetUp() override {
        host.onDoEvents = [this] { midi.deliver(); };
        settings.jukeMode = 0;
        settings.jukeFile = "/music/chosen.mid";
    }

    // Music on with the current choice; the log starts empty afterwards.
    void musicPlaying() {
        music.MenuMusic_Click();
        ASSERT_EQ(midi.Mode(), MidiControl::kModePlaying);
        midi.log.clear();
    }
};

TEST_F(MusicTest, CaptionsNameWhatTheCommandWouldDo) {
    settings.soundOn = true;
    music.setSoundMenus();
    EXPECT_EQ(host.soundCaption, "Turn Sound E&ffects Off");
    EXPECT_EQ(host.musicCaption, "Turn &Music On");
    EXPECT_TRUE(midi.log.empty()); // music is off at start: nothing is opened

    music.MenuSound_Click();
    EXPECT_FALSE(settings.soundOn);
    EXPECT_EQ(host.soundCaption, "Turn Sound E&ffects On");
    EXPECT_TRUE(service.played.empty()); // effect 5 sounds only when effects come on

    music.MenuSound_Click();
    EXPECT_TRUE(settings.soundOn);
    EXPECT_EQ(service.played.size(), 1u);

    music.MenuMusic_Click();
    EXPECT_TRUE(state.musicOn);
    EXPECT_EQ(host.musicCaption, "Turn &Music Off");
}

TEST_F(MusicTest, SwitchingMusicOnPlaysTheChosenSong) {
    music.MenuMusic_Click();
    EXPECT_EQ(midi.log, (Log{"close", "open /music/chosen.mid", "play notify"}));
    EXPECT_EQ(midi.deviceType(), "sequencer");
    EXPECT_EQ(midi.Mode(), MidiControl::kModePlaying);

    // A caption refresh while the song plays leaves it alone.
    midi.log.clear();
    music.MenuSound_Click();
    EXPECT_TRUE(midi.log.empty());
}

TEST_F(MusicTest, SwitchingMusicOffClosesAPlayingSongButLeavesAPausedOne) {
    musicPlaying();
    music.MenuMusic_Click();
    EXPECT_EQ(host.musicCaption, "Turn &Music On");
    EXPECT_EQ(midi.log, Log{"close"}); // without asking to hear of it
    midi.deliver();                    // the aborted song's notice starts nothing
    EXPECT_EQ(midi.Mode(), MidiControl::kModeNotOpen);

    musicPlaying();
    music.Form_Resize(true);
    music.MenuMusic_Click();
    EXPECT_EQ(midi.log, Log{"pause"});
    EXPECT_EQ(midi.Mode(), MidiControl::kModePaused);
}

TEST_F(MusicTest, ASongsEndStartsTheNextForEachChoice) {
    // Choices 0 and 1 play the same song again.
    for (int choice : {0, 1}) {
        settings.jukeMode = static_cast<int16_t>(choice);
        state.randomMidi = "/game/second.mid";
        musicPlaying();
        midi.endSong();
        midi.deliver();
        const std::string song = choice == 0 ? "/music/chosen.mid" : "/game/second.mid";
        EXPECT_EQ(midi.log, (Log{"close", "open " + song, "play notify"}));
        music.MenuMusic_Click(); // off again
    }

    // Choice 2 picks again before every song.
    settings.jukeMode = 2;
    musicPlaying();
    EXPECT_EQ(state.randomMidi, "/game/second.mid");
    folderListing = {"only.mid"};
    midi.endSong();
    midi.deliver();
    EXPECT_EQ(midi.log, (Log{"close", "open /game/only.mid", "play notify"}));

    // With music switched off meanwhile, the end of a song is the end of the music.
    state.musicOn = false;
    midi.log.clear();
    midi.endSong();
    midi.deliver();
    EXPECT_TRUE(midi.log.empty());
}

TEST_F(MusicTest, ASongThatCannotBeOpenedLeavesMusicOnButSilent) {
    midi.unplayable.insert("/music/chosen.mid");
    music.MenuMusic_Click();
    EXPECT_EQ(midi.log, (Log{"close", "open /music/chosen.mid", "close"}));
    EXPECT_EQ(host.musicCaption, "Turn &Music Off");
    EXPECT_EQ(midi.Mode(), MidiControl::kModeNotOpen);

    // No file chosen, or no MIDI file for a random choice: the same.
    settings.jukeFile.clear();
    midi.log.clear();
    music.startMusic();
    EXPECT_EQ(midi.log, (Log{"close", "open ", "close"}));
    folderListing.clear();
    music.pickRandomMidi();
    EXPECT_EQ(state.randomMidi, "");
}

TEST_F(MusicTest, ASongEndWaitingWhileMusicRestartsKeepsTheMusicGoing) {
    musicPlaying();
    midi.endSong(); // its Done is still in the queue when the player switches effects
    music.MenuSound_Click();
    midi.deliver();
    EXPECT_EQ(midi.Mode(), MidiControl::kModePlaying);
    EXPECT_EQ(midi.log.back(), "play notify");
}

TEST_F(MusicTest, MinimisePausesAndRestoreResumesOnlyWhenNeeded) {
    music.Form_Resize(true); // music off: nothing at all
    music.Form_Resize(false);
    EXPECT_TRUE(midi.log.empty());

    musicPlaying();
    music.Form_Resize(false); // restoring while playing sends nothing
    music.Form_Resize(true);
    music.Form_Resize(true); // minimising while paused sends nothing
    EXPECT_EQ(midi.log, Log{"pause"});
    music.Form_Resize(false);
    EXPECT_EQ(midi.log, (Log{"pause", "play"}));
    EXPECT_EQ(midi.Mode(), MidiControl::kModePlaying);

    // The resumed song still starts the next at its end.
    midi.log.clear();
    midi.endSong();
    midi.deliver();
    EXPECT_EQ(midi.log, (Log{"close", "open /music/chosen.mid", "play notify"}));
}

TEST_F(MusicTest, TheJukeboxStartsItsChoiceEvenWithMusicOff) {
    host.jukebox = [this] {
        settings.jukeMode = 2;
        folderListing = {"x.mid", "y.mid"};
    };
    music.MenuJukebox_Click();
    EXPECT_EQ(host.jukeboxShown, 1);
    EXPECT_EQ(midi.log, (Log{"close", "close", "open /game/y.mid", "play notify"}));

    // Played once: music is off, so its end starts nothing, and a refresh stops it early.
    midi.log.clear();
    midi.endSong();
    midi.deliver();
    EXPECT_TRUE(midi.log.empty());
    music.MenuJukebox_Click();
    music.setSoundMenus();
    EXPECT_EQ(midi.log.back(), "close");
    EXPECT_EQ(midi.Mode(), MidiControl::kModeNotOpen);
}

TEST_F(MusicTest, ShutDownClosesWithoutNotice) {
    musicPlaying();
    music.closeAtExit();
    EXPECT_EQ(midi.log, Log{"close"});
    midi.deliver();
    EXPECT_EQ(midi.log, Log{"close"});
}

TEST_F(MusicTest, APickWalksRoundTheListingFromItsFirstFile) {
    ScriptedRandom draws{{0.5, 0.96, 0.97, 0.1, 0.2, 0.3, 0.9601}};
    random.source = &draws;
    folderListing = {"a.mid", "b.mid"};
    music.pickRandomMidi(); // b (0.5), a (0.96 is not above), b (0.97 stops)
    EXPECT_EQ(state.randomMidi, "/game/b.mid");
    music.pickRandomMidi(); // b, a, b, a (0.9601 stops): every pick starts from the beginning
    EXPECT_EQ(state.randomMidi, "/game/a.mid");
}

TEST_F(MusicTest, PickChancesWithThreeFiles) {
    SeededRandom seeded(20240611);
    random.source = &seeded;
    std::map<std::string, int> picks;
    const int draws = 200000;
    for (int i = 0; i < draws; ++i) {
        music.pickRandomMidi();
        ++picks[state.randomMidi];
    }
    EXPECT_NEAR(picks["/game/second.mid"] / double(draws), 0.347, 0.005);
    EXPECT_NEAR(picks["/game/third.mid"] / double(draws), 0.333, 0.005);
    EXPECT_NEAR(picks["/game/first.mid"] / double(draws), 0.320, 0.005);
}

TEST(MusicPick, ListsTheFoldersMidiFilesInAnyLetterCase) {
    TempFolder folder;
    folder.write("a.mid", "x");
    folder.write("B.MID", "x");
    folder.write("notes.txt", "x");
    folder.write("a.midi", "x");
    std::filesystem::create_directory(folder.path / "folder.mid");
    auto names = Music::listMidiFiles(folder.path.string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"B.MID", "a.mid"}));
    EXPECT_TRUE(Music::listMidiFiles((folder.path / "missing").string()).empty());
}

TEST_F(MusicTest, TheMusicHoldsTheControlsDoneEventForItsLifetime) {
    { Music other{settings, state, midi, effects, host, random, ""}; }
    EXPECT_FALSE(midi.hasDoneHandler()); // no call into a Music that is gone
}

} // namespace
} // namespace tessary::testing
