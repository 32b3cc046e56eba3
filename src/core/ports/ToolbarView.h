// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tessary {

// The floating command toolbar, as the rules use it. Its geometry stays at the edge.
class ToolbarView {
  public:
    virtual ~ToolbarView() = default;

    virtual void setToolbarVisible(bool visible) = 0;
    virtual bool toolbarVisible() const = 0;
    virtual void setToolbarFinishedLayout() = 0;
    // The small copy of the solution, in the board's proportions, widening the toolbar.
    virtual bool smallImageVisible() const = 0;
    virtual void showSmallImage(int boardW, int boardH) = 0;
    virtual void hideSmallImage() = 0; // and the toolbar narrows again
    virtual void setToolbarCaption(const std::string& caption) = 0;
};

} // namespace tessary
