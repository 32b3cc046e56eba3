// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ScoreWindow.h"

#include "widgets/CenterForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tessary {

namespace {
// The window was laid out in twips; at 15 twips a pixel these are its pixel positions.
constexpr int px(int twips) {
    return twips / 15;
}

QFont scoreFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(13.5);
    return font;
}
} // namespace

ScoreWindow::ScoreWindow(const QString& performanceText, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Score"));
    setAutoFillBackground(true);
    QPalette orange = palette();
    orange.setColor(QPalette::Window, QColor(255, 128, 0));
    setPalette(orange);

    Frame1 = new QGroupBox(this);
    Frame1->setGeometry(px(120), px(120), px(7215), px(4935));

    Label1 = new QLabel(QStringLiteral("Current Performance... "), Frame1);
    Label1->setGeometry(px(120), px(240), px(6975), px(855));
    Text1 = new QPlainTextEdit(Frame1);
    Text1->setReadOnly(true);
    Text1->setPlainText(performanceText);
    // The text box sits just under the heading.
    Text1->setGeometry(px(120), Label1->y() + Label1->height() + px(100), px(6855), px(1815));
    Command1 = new QPushButton(QStringLiteral("ok"), Frame1);
    Command1->setGeometry(px(120), px(3960), px(1215), px(615));
    Command1->setToolTip(QStringLiteral("Click here when  ready to proceed"));
    Command1->setDefault(true);
    Label2 = new QLabel(QString(), Frame1);
    Label2->setGeometry(px(1680), px(3960), px(5295), px(615));
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2),
                       static_cast<QWidget*>(Text1), static_cast<QWidget*>(Command1)})
        w->setFont(scoreFont());

    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    resize(px(7215) + px(120) * 2, px(4935) + px(120) * 2);
    centerForm(*this);
}

void ScoreWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Frame1->resize(width() - px(100) - Frame1->x(), height() - px(100) - Frame1->y());
    if (width() >= px(3000)) {
        Text1->move(px(100), Text1->y());
        Text1->resize(Frame1->width() - px(400), Text1->height());
    }
}

} // namespace tessary
