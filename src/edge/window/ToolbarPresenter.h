// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/ToolbarView.h"

class QWidget;

namespace tessary {

class BoardPresenter;
class ToolBar;

// The floating toolbar as the rules see it: shown or hidden, its finished layout, the small
// solution picture of F4 and its caption.
class ToolbarPresenter : public ToolbarView {
  public:
    // `window` is the main window, whose screen gives the twips the picture box is sized in;
    // the toolbar's coming and going waits for `board` to stop moving, as the board's own does.
    ToolbarPresenter(ToolBar& toolBar, const QWidget& window, BoardPresenter& board)
        : toolBar_(toolBar), window_(window), board_(board) {}

    void setToolbarVisible(bool visible) override;
    bool toolbarVisible() const override;
    void setToolbarFinishedLayout() override;
    bool smallImageVisible() const override;
    void showSmallImage(int boardW, int boardH) override;
    void hideSmallImage() override;
    void setToolbarCaption(const std::string& caption) override;

  private:
    ToolBar& toolBar_;
    const QWidget& window_;
    BoardPresenter& board_;
};

} // namespace tessary
