// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ToolbarPresenter.h"

#include "window/BoardPresenter.h"
#include "window/ToolBar.h"

#include <QString>
#include <cmath>

namespace tessary {

void ToolbarPresenter::setToolbarVisible(bool visible) {
    board_.afterAnimation([this, visible] { toolBar_.setVisible(visible); });
}

bool ToolbarPresenter::toolbarVisible() const {
    return toolBar_.isVisible();
}

void ToolbarPresenter::setToolbarFinishedLayout() {
    board_.afterAnimation([this] { toolBar_.finishedLayout(); });
}

bool ToolbarPresenter::smallImageVisible() const {
    return toolBar_.smallImageVisible();
}

// The small picture keeps the board's proportions, as high as the toolbar's picture box; the
// toolbar widens to show it whole.
void ToolbarPresenter::showSmallImage(int boardW, int boardH) {
    const double twipsPerPixelY = 1440.0 / window_.logicalDpiY();
    const double scale =
        boardH > 0 ? double(toolBar_.toolImgH) / boardH * (twipsPerPixelY / 15.0) : 0.0;
    const int width = static_cast<int>(std::lround(boardW * scale));
    const int height = static_cast<int>(std::lround(boardH * scale));
    toolBar_.showSmallImage(toolBar_.toolImgLeft, toolBar_.toolImgTop, width, height);
    toolBar_.setWidthPixels(width + toolBar_.toolImgLeft);
}

void ToolbarPresenter::hideSmallImage() {
    toolBar_.setWidthPixels(toolBar_.toolImgLeft + 1);
    toolBar_.hideSmallImage();
}

void ToolbarPresenter::setToolbarCaption(const std::string& caption) {
    toolBar_.setWindowTitle(QString::fromStdString(caption));
}

} // namespace tessary
