// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SoundEffects.h"
#include "fakes/FakeAudioHost.h"
#include "fakes/FakeSoundService.h"
#include "storage/TestFiles.h"

#include <gtest/gtest.h>

namespace tessary::testing {
namespace {

using Outcome = SoundService::Outcome;

struct SoundEffectsTest : ::testing::Test {
    TempFolder folder;
    Settings settings;
    AudioState state;
    FakeSoundService service;
    FakeAudioHost host;
    SoundEffects effects{settings, state, service, host, folder.path.string()};

    std::string inFolder(const std::string& name) const { return (folder.path / name).string(); }

    void SetUp() override { settings.soundOn = true; }
};

std::string listOf(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "fx" + std::to_string(i) + ".wav\r\n";
    return text;
}

TEST_F(SoundEffectsTest, EffectsOffTouchNoFile) {
    folder.write("tesssnd.dat", listOf(5));
    settings.soundOn = false;
    effects.getMedia(); // a short list asks for effect 5
    effects.playsfx(0);
    effects.playsfx(3);
    EXPECT_TRUE(service.played.empty());
    EXPECT_FALSE(settings.soundOn);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SoundEffectsTest, AFullListFillsEveryEntryQuietly) {
    folder.write("tesssnd.dat", listOf(16));
    effects.getMedia();
    EXPECT_TRUE(service.played.empty());
    EXPECT_EQ(state.sfxFile[0], "fx0.wav");
    EXPECT_EQ(state.sfxFile[15], "fx15.wav");
    EXPECT_EQ(state.sfxFile[16], "");

    // Names without a folder are found in the program's folder.
    effects.playsfx(4);
    ASSERT_EQ(service.played.size(), 1u);
    EXPECT_EQ(service.played[0], inFolder("fx4.wav"));
    EXPECT_TRUE(settings.soundOn);
}

TEST_F(SoundEffectsTest, AShortListPlaysEffectFiveWhichNamesNothing) {
    folder.write("tesssnd.dat", listOf(5));
    effects.getMedia();
    EXPECT_EQ(state.sfxFile[4], "fx4.wav");
    EXPECT_EQ(state.sfxFile[5], "");
    // Effect 5 hands the service no name: it only stops a sound, and effects stay on.
    EXPECT_EQ(service.played, std::vector<std::string>{""});
    EXPECT_TRUE(settings.soundOn);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SoundEffectsTest, NamesSharingALineFillConsecutiveEntries) {
    folder.write("tesssnd.dat",
                 "click.wav, refuse.wav\r\n\"/abs/with,comma.wav\"\r\n" + listOf(13));
    effects.getMedia();
    EXPECT_EQ(state.sfxFile[0], "click.wav");
    EXPECT_EQ(state.sfxFile[1], "refuse.wav");
    EXPECT_EQ(state.sfxFile[2], "/abs/with,comma.wav");
    EXPECT_EQ(state.sfxFile[15], "fx12.wav");
    EXPECT_TRUE(service.played.empty());

    effects.playsfx(2); // a name with its own folder is used as it is
    EXPECT_EQ(service.played.back(), "/abs/with,comma.wav");
}

TEST_F(SoundEffectsTest, AMissingListSaysSoAndTurnsEffectsOff) {
    effects.getMedia();
    EXPECT_EQ(host.messages, std::vector<std::string>{"error: getMedia tesssnd.dat"});
    EXPECT_FALSE(settings.soundOn);
    EXPECT_TRUE(service.played.empty());
}

TEST_F(SoundEffectsTest, AnUnplayableFileTurnsEffectsOffSilently) {
    folder.write("tesssnd.dat", listOf(16));
    effects.getMedia();
    host.soundCaption = "Turn Sound E&ffects Off";
    service.outcomes[inFolder("fx3.wav")] = Outcome::Failed;

    effects.playsfx(0);
    effects.playsfx(3);
    EXPECT_FALSE(settings.soundOn);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.soundCaption, "Turn Sound E&ffects Off"); // until the next refresh
    effects.playsfx(0);
    EXPECT_EQ(service.played.size(), 2u);
}

TEST_F(SoundEffectsTest, AnUnreachableSoundSystemIsReported) {
    folder.write("tesssnd.dat", listOf(16));
    effects.getMedia();
    service.outcomes[inFolder("fx11.wav")] = Outcome::Error;
    effects.playsfx(11);
    EXPECT_EQ(host.messages, std::vector<std::string>{"error: playsfx fx11.wav 11"});
    EXPECT_FALSE(settings.soundOn);
}

TEST_F(SoundEffectsTest, NumbersOutsideTheTablePlayNothing) {
    effects.playsfx(-1);
    effects.playsfx(17);
    EXPECT_TRUE(service.played.empty());
    EXPECT_TRUE(settings.soundOn);
}

} // namespace
} // namespace tessary::testing
