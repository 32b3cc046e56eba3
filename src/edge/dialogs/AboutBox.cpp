// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/AboutBox.h"

#include "widgets/CenterForm.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tessary {

namespace {

const QColor kLightOrange(255, 192, 128);

QLabel* label(const QString& text, QWidget* parent, int points, bool bold,
              Qt::Alignment align = Qt::AlignCenter) {
    auto* l = new QLabel(text, parent);
    QFont font = l->font();
    if (points > 0)
        font.setPointSizeF(points);
    font.setBold(bold);
    l->setFont(font);
    l->setAlignment(align);
    l->setWordWrap(true);
    return l;
}

// A read-only text box on the box's own background.
QPlainTextEdit* textBox(const QString& text, QWidget* parent, int lines) {
    auto* box = new QPlainTextEdit(text, parent);
    box->setReadOnly(true);
    box->setFrameShape(QFrame::NoFrame);
    box->setFocusPolicy(Qt::NoFocus);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setStyleSheet(QStringLiteral("background: rgb(255, 192, 128);"));
    box->setFixedHeight(box->fontMetrics().lineSpacing() * lines + 10);
    return box;
}

} // namespace

std::array<QPixmap, 4> AboutBox::loadFrames(const QString& iconFolder) {
    std::array<QPixmap, 4> frames;
    for (int i = 0; i < 4; ++i)
        frames[i] = QPixmap(QDir(iconFolder).filePath(QStringLiteral("frame%1.png").arg(i)));
    return frames;
}

AboutBox::AboutBox(const Settings& settings, int& frameCounter, std::array<QPixmap, 4> frames,
                   std::function<void()> onOpen, QWidget* parent)
    : QDialog(parent), frameCounter_(frameCounter), frames_(std::move(frames)),
      onOpen_(std::move(onOpen)) {
    setWindowTitle(QString());
    setAutoFillBackground(true);
    QPalette orange = palette();
    orange.setColor(QPalette::Window, kLightOrange);
    orange.setColor(QPalette::Base, kLightOrange);
    setPalette(orange);
    setFixedSize(271, 384);

    Image1 = new QLabel(this);
    Image1->setFixedSize(49, 49);
    Image1->setScaledContents(true);
    Label2 = label(QStringLiteral("TESSARY"), this, 24, true, Qt::AlignLeft | Qt::AlignVCenter);
    Label2->setStyleSheet(QStringLiteral("color: rgb(128, 0, 128);"));
    Label3 = label(QString::fromStdString(settings.aboutLine1), this, 13, true);
    QFont thirteenAndAHalf = Label3->font();
    thirteenAndAHalf.setPointSizeF(13.5);
    Label3->setFont(thirteenAndAHalf);
    auto* version = textBox(QStringLiteral("Version 2.2\r\n"), this, 1);
    QFont arial(QStringLiteral("Sans Serif"));
    arial.setStyleHint(QFont::SansSerif);
    arial.setPointSizeF(9.75);
    arial.setBold(true);
    version->setFont(arial);
    // One paragraph, wrapped to the box's width; room for the lines it wraps to.
    auto* notice = textBox(QStringLiteral("Cut your own pictures into pieces and put "
                                          "them back together. Play it, share it, and "
                                          "keep the pictures you use your own."),
                           this, 5);
    auto* credit1 =
        label(QStringLiteral("Game, pictures and sounds by the Tessary team"), this, 0, false);
    auto* credit2 = label(QStringLiteral("Built with Qt and SDL_mixer"), this, 0, false);
    auto* licence = label(QStringLiteral("Free software under the GNU GPL, version 3 or later"),
                          this, 0, false);
    Label4 = label(QString::fromStdString(settings.aboutLine2), this, 0, false);
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setDefault(true);
    Command1->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(Image1);
    top->addWidget(Label2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Label3);
    layout->addWidget(version);
    layout->addWidget(notice);
    layout->addWidget(credit1);
    layout->addWidget(credit2);
    layout->addWidget(licence);
    layout->addWidget(Label4);
    layout->addStretch();
    layout->addWidget(Command1, 0, Qt::AlignHCenter);

    Timer1 = new QTimer(this);
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &AboutBox::Timer1_Timer);
    connect(this, &QDialog::finished, Timer1, &QTimer::stop);
    Image1->setPixmap(frames_[static_cast<std::size_t>(frameCounter_ % 4)]);
}

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (opened_)
        return;
    opened_ = true;
    centerForm(*this);
    Timer1->start();
    if (onOpen_)
        onOpen_();
}

void AboutBox::Timer1_Timer() {
    frameCounter_ = (frameCounter_ + 1) % 4;
    Image1->setPixmap(frames_[static_cast<std::size_t>(frameCounter_)]);
}

void AboutBox::keyPressEvent(QKeyEvent* event) {
    // Esc presses "OK" as Enter does.
    if (event->key() == Qt::Key_Escape) {
        Command1->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tessary
