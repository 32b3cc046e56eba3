// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ToolBar.h"

#include "widgets/GameTitle.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QToolButton>

#include <cmath>

namespace tessary {

namespace {
const char* const kIconNames[ToolBar::kButtons] = {
    "help",   "grid",  "solution",  "small-image",  "missing",
    "placed", "fetch", "send-home", "hide-toolbar", "minimise"};
} // namespace

QString ToolBar::tooltip(int index) {
    switch (index) {
    case 1:
        return QStringLiteral("Help, Main menu");
    case 2:
        return QStringLiteral("F2 -Toggle Grid");
    case 3:
        return QStringLiteral("F3 - Show solution");
    case 4:
        return QStringLiteral("F4 - Show small image");
    case 5:
        return QStringLiteral("F5 - Show missing pieces");
    case 6:
        return QStringLiteral("F6 - Show correctly placed pieces");
    case 7:
        return QStringLiteral("F7 - Move correct piece to this position");
    case 8:
        return QStringLiteral("F8 - Move this piece to correct position");
    case 10:
        return QStringLiteral("Minimize");
    default:
        return QString(); // button 9 has none
    }
}

ToolBar::ToolBar(const QString& iconFolder)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    for (int i = 1; i <= kButtons; ++i) {
        auto* button = new QToolButton(this);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(kPitch * ((i - 1) % 2), kPitch * ((i - 1) / 2), kButtonSize,
                            kButtonSize);
        const QString iconFile = QDir(iconFolder).filePath(QString(kIconNames[i - 1]) + ".png");
        if (QFile::exists(iconFile)) {
            button->setIcon(QIcon(iconFile));
            button->setIconSize(QSize(20, 20));
        } else {
            button->setText(QString::number(i));
        }
        button->setToolTip(tooltip(i));
        button->setVisible(i == 1 || i == kButtons);
        connect(button, &QToolButton::clicked, this, [this, i] { emit buttonClicked(i); });
        buttons_[i - 1] = button;
    }
    Image1 = new QLabel(this);
    Image1->setGeometry(48, 0, 161, 121);
    Image1->setScaledContents(true);
    Image1->hide();
    fitToOuterSize();
}

void ToolBar::moveButton10Beside(int index) {
    Btn(10)->move(Btn(10)->x(), Btn(index)->y());
}

void ToolBar::startupLayout(const QRect& screen) {
    move(screen.left() + static_cast<int>(std::lround(screen.width() * 0.85)),
         screen.top() + static_cast<int>(std::lround(screen.height() * 0.75)));
    moveButton10Beside(2);
    outer_.setHeight(kShortHeight);
    fitToOuterSize();
    Image1->move(Btn(2)->x() + Btn(2)->width(), Image1->y());
    toolImgW = Image1->width();
    toolImgH = Image1->height();
    toolImgLeft = Image1->x();
    toolImgTop = static_cast<float>(Image1->y());
}

void ToolBar::hideSmallImageForLayout() {
    if (!Image1->isHidden()) {
        setWindowTitle(gameTitle());
        setWidthPixels(toolImgLeft + 1);
        Image1->hide();
    }
}

void ToolBar::gameLayout(const QImage& basePicture) {
    hideSmallImageForLayout();
    smallPicture_ =
        basePicture.scaled(toolImgW, toolImgH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Image1->setPixmap(QPixmap::fromImage(smallPicture_));
    for (int i = 2; i <= 9; ++i)
        Btn(i)->show();
    moveButton10Beside(9);
    setOuterSize(outer_.width(), kTallHeight);
    Image1->resize(toolImgW, toolImgH);
    show();
}

void ToolBar::finishedLayout() {
    hideSmallImageForLayout();
    for (int i = 2; i <= 9; ++i)
        Btn(i)->hide();
    moveButton10Beside(2);
    setOuterSize(outer_.width(), kShortHeight);
    show();
}

void ToolBar::setWidthPixels(int width) {
    setOuterSize(width, outer_.height());
}

void ToolBar::setOuterSize(int width, int height) {
    outer_ = QSize(std::max(width, 1), std::max(height, 1));
    fitToOuterSize();
    keepOnScreen();
}

// The window's own area is the outer size less the frame the window manager draws. Without a
// caption from one (a bare X server) the caption of the design is taken off all the same, so
// the buttons always reach the bottom of the window.
void ToolBar::fitToOuterSize() {
    const QSize frame = frameGeometry().size() - size();
    const QSize inside(std::max(outer_.width() - frame.width(), 1),
                       std::max(outer_.height() - std::max(frame.height(), kCaptionHeight), 1));
    if (size() != inside)
        resize(inside);
}

// Nobody else may move a toolbar that has run off the screen: with no window manager, or one
// that leaves tool windows where they are put, the game moves it back itself.
void ToolBar::keepOnScreen() {
    const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (shown == nullptr)
        return;
    const QRect area = shown->availableGeometry();
    const QSize extent = frameGeometry().size().expandedTo(outer_);
    QPoint place = pos(); // the frame's top-left corner
    place.setX(std::max(area.left(), std::min(place.x(), area.right() + 1 - extent.width())));
    place.setY(std::max(area.top(), std::min(place.y(), area.bottom() + 1 - extent.height())));
    if (place != pos())
        move(place);
}

// Once the window manager has framed the window its frame is known, and the area inside is
// fitted again to keep the outer size.
bool ToolBar::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Show || event->type() == QEvent::Move)
        fitToOuterSize();
    return handled;
}

void ToolBar::showSmallImage(int left, float top, int width, int height) {
    Image1->setGeometry(left, static_cast<int>(std::lround(top)), width, height);
    Image1->show();
}

void ToolBar::hideSmallImage() {
    Image1->hide();
}

bool ToolBar::smallImageVisible() const {
    return !Image1->isHidden();
}

void ToolBar::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    emit gotFocus();
}

} // namespace tessary
