// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/NewPuz.h"

#include "files/LeadingNumber.h"
#include "widgets/CenterForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tessary {

namespace {

QFont boldFont(int points) {
    QFont font;
    font.setPointSize(points);
    font.setBold(true);
    return font;
}

// A count box in large red type on light orange, with its spin button writing into it.
QLineEdit* makeCountBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setFont(boldFont(24));
    box->setStyleSheet(QStringLiteral("color: red; background: rgb(255, 224, 192);"));
    box->setFixedWidth(110);
    return box;
}

QSpinBox* makeSpin(QWidget* parent, QLineEdit* box, int maximum) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(kMinPieces, maximum);
    spin->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    spin->setFixedWidth(18);
    spin->setFixedHeight(box->sizeHint().height());
    spin->setStyleSheet(QStringLiteral("QSpinBox { color: transparent; }"));
    spin->setFocusPolicy(Qt::NoFocus);
    QObject::connect(spin, &QSpinBox::valueChanged, box,
                     [box](int value) { box->setText(QString::number(value)); });
    return spin;
}

} // namespace

NewPuz::NewPuz(const NewPuzzleChoice& shown, std::function<void()> beep, QWidget* parent)
    : QDialog(parent), choice_(shown), beep_(std::move(beep)) {
    setWindowTitle(QString());
    setAutoFillBackground(true);
    QPalette yellow = palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 128));
    setPalette(yellow);

    Label1 = new QLabel(QStringLiteral("Start New Puzzle"), this);
    Label1->setFont(boldFont(18));
    Label1->setStyleSheet(QStringLiteral("color: red;"));
    Label1->setAlignment(Qt::AlignCenter);
    Label2 = new QLabel(
        QStringLiteral("# of Pieces Across (%1-%2)").arg(kMinPieces).arg(kMaxPiecesAcross), this);
    Label2->setFont(boldFont(12));
    QtyX = makeCountBox(this);
    UpDown1 = makeSpin(this, QtyX, kMaxPiecesAcross);
    Label3 = new QLabel(
        QStringLiteral("# of Pieces Down (%1-%2)").arg(kMinPieces).arg(kMaxPiecesDown), this);
    Label3->setFont(boldFont(12));
    QtyY = makeCountBox(this);
    UpDown2 = makeSpin(this, QtyY, kMaxPiecesDown);

    Frame1 = new QGroupBox(QStringLiteral("Puzzle Type"), this);
    auto* types = new QVBoxLayout(Frame1);
    const char* const typeNames[4] = {"Single", "Double", "Triple", "2 x 2"};
    for (int i = 0; i < 4; ++i) {
        Option1[i] = new QRadioButton(QString::fromLatin1(typeNames[i]), Frame1);
        types->addWidget(Option1[i]);
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                choice_.puzType = static_cast<int16_t>(i + 1);
        });
    }
    Frame2 = new QGroupBox(QStringLiteral("Images"), this);
    auto* fits = new QVBoxLayout(Frame2);
    Option2[0] = new QRadioButton(QStringLiteral("Stretched"), Frame2);
    Option2[0]->setToolTip(QStringLiteral("Original image stretched to fit"));
    Option2[1] = new QRadioButton(QStringLiteral("Cropped"), Frame2);
    Option2[1]->setToolTip(QStringLiteral("Portion of original cropped to fit"));
    for (int i = 0; i < 2; ++i) {
        fits->addWidget(Option2[i]);
        connect(Option2[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                choice_.fitMode = i == 0 ? kStretched : kCropped;
        });
    }
    OkBtn = new QPushButton(QStringLiteral("Ok"), this);
    OkBtn->setDefault(true);
    OkBtn->setAutoDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &NewPuz::OkBtn_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Label2, 1, 0, 1, 2);
    auto* across = new QHBoxLayout;
    across->addWidget(QtyX);
    across->addWidget(UpDown1);
    across->addStretch();
    grid->addLayout(across, 2, 0, 1, 2);
    grid->addWidget(Label3, 3, 0, 1, 2);
    auto* down = new QHBoxLayout;
    down->addWidget(QtyY);
    down->addWidget(UpDown2);
    down->addStretch();
    grid->addLayout(down, 4, 0, 1, 2);
    grid->addWidget(Frame1, 5, 0, 2, 1);
    grid->addWidget(Frame2, 5, 1);
    grid->addWidget(OkBtn, 6, 1, Qt::AlignBottom);

    setTabOrder(OkBtn, QtyY);
    setTabOrder(QtyY, QtyX);
    setTabOrder(QtyX, Option1[0]);
    for (int i = 0; i + 1 < 4; ++i)
        setTabOrder(Option1[i], Option1[i + 1]);
    Form_Load();
}

void NewPuz::Form_Load() {
    Frame2->hide();
    if (choice_.puzType >= kSingle && choice_.puzType <= kTwoByTwo)
        Option1[choice_.puzType - kSingle]->setChecked(true);
    // Selecting the fit option runs its handler: anything but "Stretched" becomes "Cropped".
    Option2[choice_.fitMode == kStretched ? 0 : 1]->setChecked(true);
    QtyX->setText(QString::number(choice_.imgAcross));
    QtyY->setText(QString::number(choice_.imgDown));
    UpDown1->blockSignals(true);
    UpDown1->setValue(choice_.imgAcross);
    UpDown1->blockSignals(false);
    UpDown2->blockSignals(true);
    UpDown2->setValue(choice_.imgDown);
    UpDown2->blockSignals(false);
    connect(QtyX, &QLineEdit::textEdited, UpDown1, [this] {
        if (const auto n = leadingCount(QtyX->text().toStdString())) {
            const QSignalBlocker quiet(UpDown1);
            UpDown1->setValue(*n);
        }
    });
    connect(QtyY, &QLineEdit::textEdited, UpDown2, [this] {
        if (const auto n = leadingCount(QtyY->text().toStdString())) {
            const QSignalBlocker quiet(UpDown2);
            UpDown2->setValue(*n);
        }
    });
}

void NewPuz::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centerForm(*this);
    OkBtn->setFocus();
}

void NewPuz::OkBtn_Click() {
    const auto across = leadingCount(QtyX->text().toStdString());
    const auto down = leadingCount(QtyY->text().toStdString());
    const bool inRange = across && down && *across >= kMinPieces && *across <= kMaxPiecesAcross &&
                         *down >= kMinPieces && *down <= kMaxPiecesDown;
    // A puzzle needs a type too: with none picked (a first run) the dialog stays open.
    const bool typed = choice_.puzType >= kSingle && choice_.puzType <= kTwoByTwo;
    if (!inRange || !typed) {
        if (beep_)
            beep_();
        return;
    }
    choice_.imgAcross = *across;
    choice_.imgDown = *down;
    accept();
}

} // namespace tessary
