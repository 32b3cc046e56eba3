// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakes/FakeMidiControl.h"
#include "fakes/FakeSoundService.h"
#include "fakes/ScriptedDialogs.h"
#include "fakes/ScriptedFileChooser.h"
#include "model/RandomSource.h"
#include "shell/MainWindowProbe.h"
#include "window/Main.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>

namespace tessary::testing {

// The real main window, offscreen, with scripted dialogs and fake devices in a fresh folder;
// slides and the shuffle run without pauses.
class GameWindowFixture : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    ProgramState state;
    ScriptedDialogs dialogs;
    ScriptedFileChooser savedGames, pictures, music;
    FakeShell shell;
    FakeBeep beep;
    FakeSoundService sound;
    FakeMidiControl midi;
    SeededRandom random{20260101};
    std::unique_ptr<MainServices> services;
    std::unique_ptr<Main> main;
    using Menu = MainWindowProbe::Menu;

    // The window's menu entries, board and timers, as tests may reach them.
    MainWindowProbe probe() const { return MainWindowProbe(*main); }

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const std::filesystem::path folder = dir.path().toStdString();
        services = std::make_unique<MainServices>(MainServices{dialogs, savedGames, pictures, music,
                                                               shell, beep, sound, midi, random,
                                                               folder, folder, 0, 0});
        services->keepDelayMs = 0; // the game is kept at the next turn of the event loop
        QFile list(dir.filePath("tesssnd.dat"));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        for (int i = 0; i < 16; ++i)
            list.write(QStringLiteral("sound%1.wav\r\n").arg(i).toUtf8());
        list.close();
        main = std::make_unique<Main>(state, *services);
        main->Form_Load();
    }

    void TearDown() override {
        if (main)
            main->close();
        main.reset();
    }

    // One of the game's sample pictures, shrunk to width x height and saved under name in the
    // test's folder.
    std::string teamPicture(const QString& sample, const QString& name, int width, int height) {
        const QImage image(QStringLiteral(TESSARY_ASSETS_DIR "/images/") + sample);
        EXPECT_FALSE(image.isNull()) << sample.toStdString();
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .save(path));
        return path.toStdString();
    }

    // "New Game" with the dialogs answering type, size and the pictures in turn ("" cancels).
    void startPuzzle(int type, int across, int down, std::deque<std::string> files,
                     int fitMode = 1) {
        dialogs.newPuzChoice = [=](NewPuzzleChoice& p) {
            p.puzType = int16_t(type);
            p.imgAcross = int16_t(across);
            p.imgDown = int16_t(down);
            p.fitMode = int16_t(fitMode);
        };
        dialogs.pictures = std::move(files);
        probe().menu(Menu::NewGame).trigger();
    }
};

} // namespace tessary::testing
