// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tessary {

// Centres a window on the screen's available area.
void centerForm(QWidget& window);

} // namespace tessary
