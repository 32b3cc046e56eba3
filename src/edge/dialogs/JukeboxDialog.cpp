// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/JukeboxDialog.h"

#include "widgets/CenterForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace tessary {

JukeboxDialog::JukeboxDialog(Settings& settings, FileChooser& CMD1, QWidget* parent)
    : QDialog(parent), settings_(settings), CMD1_(CMD1) {
    setWindowTitle(QStringLiteral("Jukebox"));
    const char* const randomChoices[2] = {
        "Play random MIDI file, changing each time game is run.",
        "Play random MIDI file directory, changing each time song is played."};

    auto* grid = new QGridLayout(this);
    for (int i = 0; i < 3; ++i) {
        Option1[i] = new QRadioButton(this);
        Label1[i] = new QLabel(this);
        Label1[i]->setBuddy(Option1[i]);
        if (i > 0)
            Label1[i]->setText(QString::fromLatin1(randomChoices[i - 1]));
        grid->addWidget(Option1[i], i, 0);
        grid->addWidget(Label1[i], i, 1);
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option1_Click(i);
        });
    }
    SelectBtn = new QPushButton(QStringLiteral("Select File"), this);
    DoneBtn = new QPushButton(QStringLiteral("Done!"), this);
    DoneBtn->setDefault(true);
    connect(SelectBtn, &QPushButton::clicked, this, &JukeboxDialog::SelectBtn_Click);
    connect(DoneBtn, &QPushButton::clicked, this, &JukeboxDialog::DoneBtn_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SelectBtn);
    buttons->addStretch();
    buttons->addWidget(DoneBtn);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    Form_Load();
}

void JukeboxDialog::Form_Load() {
    // A choice out of range (a damaged settings file) selects nothing.
    if (settings_.jukeMode >= 0 && settings_.jukeMode < 3)
        Option1[settings_.jukeMode]->setChecked(true);
    showJukeFile();
}

void JukeboxDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centerForm(*this);
}

void JukeboxDialog::showJukeFile() {
    const std::string text = settings_.jukeFile.empty() ? "Always play NO FILE DEFINED"
                                                        : "Always play " + settings_.jukeFile;
    Label1[0]->setText(QString::fromStdString(text));
}

void JukeboxDialog::Option1_Click(int index) {
    settings_.jukeMode = static_cast<int16_t>(index);
}

void JukeboxDialog::SelectBtn_Click() {
    CMD1_.CancelError = true;
    CMD1_.DefaultExt = "mid";
    CMD1_.DialogTitle = "Select Background Music MIDI File";
    CMD1_.FileName = settings_.jukeFile;
    CMD1_.Filter = "MIDI Files (*.mid)|*.mid";
    CMD1_.Flags = FileChooser::kFileMustExist;
    if (!CMD1_.show(FileChooser::Mode::Open))
        return; // cancelled: nothing changes
    settings_.jukeFile = CMD1_.FileName;
    showJukeFile();
}

void JukeboxDialog::DoneBtn_Click() {
    accept();
}

} // namespace tessary
