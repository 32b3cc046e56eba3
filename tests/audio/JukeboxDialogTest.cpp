// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/JukeboxDialog.h"
#include "fakes/ScriptedFileChooser.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace tessary::testing {
namespace {

struct JukeboxDialogTest : ::testing::Test {
    Settings settings;
    ScriptedFileChooser chooser;
};

TEST_F(JukeboxDialogTest, OpensOnTheRememberedChoice) {
    settings.jukeMode = 2;
    JukeboxDialog dialog(settings, chooser);
    EXPECT_TRUE(dialog.Option1[2]->isChecked());
    EXPECT_FALSE(dialog.Option1[0]->isChecked());
    EXPECT_EQ(dialog.Label1[0]->text(), "Always play NO FILE DEFINED");
    EXPECT_EQ(dialog.Label1[1]->text(), "Play random MIDI file, changing each time game is run.");
    EXPECT_EQ(dialog.Label1[2]->text(),
              "Play random MIDI file directory, changing each time song is played.");
    EXPECT_EQ(dialog.SelectBtn->text(), "Select File");
    EXPECT_EQ(dialog.DoneBtn->text(), "Done!");

    settings.jukeFile = "/home/me/tune.mid";
    settings.jukeMode = 7; // from a damaged settings file: nothing selected
    JukeboxDialog again(settings, chooser);
    EXPECT_EQ(again.Label1[0]->text(), "Always play /home/me/tune.mid");
    for (auto* option : again.Option1)
        EXPECT_FALSE(option->isChecked());
    EXPECT_EQ(settings.jukeMode, 7);
}

TEST_F(JukeboxDialogTest, AnOptionTakesEffectAtOnce) {
    JukeboxDialog dialog(settings, chooser);
    dialog.show();
    QTest::mouseClick(dialog.Option1[1], Qt::LeftButton);
    EXPECT_EQ(settings.jukeMode, 1);
    dialog.Option1[2]->click();
    EXPECT_EQ(settings.jukeMode, 2);
    dialog.Option1[0]->click();
    EXPECT_EQ(settings.jukeMode, 0);
    dialog.DoneBtn->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(JukeboxDialogTest, SelectFileAsksForAnExistingMidiFile) {
    settings.jukeFile = "/old/song.mid";
    settings.jukeMode = 1;
    JukeboxDialog dialog(settings, chooser);
    chooser.answers = {std::string("/new/tune.mid")};
    dialog.SelectBtn->click();

    ASSERT_EQ(chooser.showings.size(), 1u);
    const auto& shown = chooser.showings[0];
    EXPECT_EQ(shown.mode, FileChooser::Mode::Open);
    EXPECT_EQ(shown.title, "Select Background Music MIDI File");
    EXPECT_EQ(shown.filter, "MIDI Files (*.mid)|*.mid");
    EXPECT_EQ(shown.defaultExt, "mid");
    EXPECT_EQ(shown.fileName, "/old/song.mid");
    EXPECT_EQ(shown.flags, 4096);
    EXPECT_TRUE(shown.cancelError);

    EXPECT_EQ(settings.jukeFile, "/new/tune.mid");
    EXPECT_EQ(dialog.Label1[0]->text(), "Always play /new/tune.mid");
    EXPECT_EQ(settings.jukeMode, 1); // the choice of option stays
    EXPECT_TRUE(dialog.Option1[1]->isChecked());
}

TEST_F(JukeboxDialogTest, ACancelledSelectFileChangesNothing) {
    settings.jukeFile = "/old/song.mid";
    JukeboxDialog dialog(settings, chooser);
    chooser.answers = {std::nullopt};
    dialog.SelectBtn->click();
    EXPECT_EQ(chooser.showings.size(), 1u);
    EXPECT_EQ(settings.jukeFile, "/old/song.mid");
    EXPECT_EQ(dialog.Label1[0]->text(), "Always play /old/song.mid");
}

} // namespace
} // namespace tessary::testing
