// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/CenterForm.h"

#include <QScreen>
#include <QWidget>

namespace tessary {

void centerForm(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window.frameGeometry().size();
    window.move(area.left() + (area.width() - size.width()) / 2,
                area.top() + (area.height() - size.height()) / 2);
}

} // namespace tessary
