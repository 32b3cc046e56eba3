#include "shell/ToolBar.h"

#include <QDir>
#include <QFile>
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
    resize(kNarrowWidth, kTallHeight);
}

void ToolBar::moveButton10Beside(int index) {
    Btn(10)->move(Btn(10)->x(), Btn(index)->y());
}

void ToolBar::startupLayout(const QRect& screen) {
    move(screen.left() + static_cast<int>(std::lround(screen.width() * 0.85)),
         screen.top() + static_cast<int>(std::lround(screen.height() * 0.75)));
    moveButton10Beside(2);
    resize(width(), kShortHeight);
    Image1->move(Btn(2)->x() + Btn(2)->width(), Image1->y());
    toolImgW = Image1->width();
    toolImgH = Image1->height();
    toolImgLeft = Image1->x();
    toolImgTop = static_cast<float>(Image1->y());
}

void ToolBar::hideSmallImageForLayout() {
    if (!Image1->isHidden()) {
        setWindowTitle(QStringLiteral("Tessary"));
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
    resize(width(), kTallHeight);
    Image1->resize(toolImgW, toolImgH);
    show();
}

void ToolBar::finishedLayout() {
    hideSmallImageForLayout();
    for (int i = 2; i <= 9; ++i)
        Btn(i)->hide();
    moveButton10Beside(2);
    resize(width(), kShortHeight);
    show();
}

void ToolBar::setWidthPixels(int width) {
    resize(std::max(width, 1), height());
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
