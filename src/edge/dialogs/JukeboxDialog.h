// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Settings.h"
#include "platform/FileChooser.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;

namespace tessary {

// The Jukebox: always one chosen MIDI file, a random one picked at start-up, or a new random
// one for every song. Choices take effect in the settings at once; "Done!" closes.
class JukeboxDialog : public QDialog {
    Q_OBJECT

  public:
    // CMD1 is the dialog's own file chooser for "Select File".
    JukeboxDialog(Settings& settings, FileChooser& CMD1, QWidget* parent = nullptr);

    QRadioButton* Option1[3] = {};
    QLabel* Label1[3] = {};
    QPushButton* SelectBtn = nullptr;
    QPushButton* DoneBtn = nullptr;

    void Option1_Click(int index);
    void SelectBtn_Click();
    void DoneBtn_Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();
    void showJukeFile();

    Settings& settings_;
    FileChooser& CMD1_;
};

} // namespace tessary
