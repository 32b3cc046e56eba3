// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QToolButton;

namespace tessary {

// The floating command toolbar: ten picture buttons in two columns and the small solved
// picture. It stays above other windows and never keeps the keyboard focus; a click is handed
// to the main window, which runs the command a moment later.
class ToolBar : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kButtons = 10;
    static constexpr int kButtonSize = 26;
    static constexpr int kPitch = 24;
    static constexpr int kNarrowWidth = 51;
    // The window's outer sizes, frame and caption included.
    static constexpr int kShortHeight = 45;
    static constexpr int kTallHeight = 142;
    // The caption the sizes were made for: 142 less the 121 of the small picture.
    static constexpr int kCaptionHeight = 21;

    explicit ToolBar(const QString& iconFolder);

    // Tooltip of button 1..10, as the player sees it.
    static QString tooltip(int index);

    QToolButton* Btn(int index) const { return buttons_.at(index - 1); }
    QLabel* Image1 = nullptr;

    // Before the first puzzle: buttons 1 and 10 side by side, 45 pixels high, placed at 85 % /
    // 75 % of the screen. Records where the small picture goes.
    void startupLayout(const QRect& screen);
    // A puzzle in play: every button, 142 pixels high; the small solved picture is prepared.
    void gameLayout(const QImage& basePicture);
    // A solved puzzle: buttons 1 and 10 again, 45 pixels high.
    void finishedLayout();

    // The small picture's geometry as recorded at start-up (toolbar pixels).
    int toolImgW = 0, toolImgH = 0, toolImgLeft = 0;
    float toolImgTop = 0;

    // The outer width; a toolbar widened past the screen's edge moves back onto it.
    void setWidthPixels(int width);
    void showSmallImage(int left, float top, int width, int height);
    void hideSmallImage();
    bool smallImageVisible() const;

  signals:
    void buttonClicked(int index); // Btn_Click
    void gotFocus();               // Form_GotFocus

  protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    void hideSmallImageForLayout();
    void moveButton10Beside(int index);
    void setOuterSize(int width, int height);
    void fitToOuterSize();
    void keepOnScreen();

    QSize outer_{kNarrowWidth, kTallHeight};

    std::array<QToolButton*, kButtons> buttons_{};
    QImage smallPicture_;
};

} // namespace tessary
