// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace tessary {

// basePic: the composed, unshuffled picture at board size. Cells are copied out of it whether
// it is shown or not; shown, it is the solution view, and a click on it hides it again.
class BasePicture : public QWidget {
    Q_OBJECT

  public:
    explicit BasePicture(QWidget* parent = nullptr);

    // Takes the picture (shared, not copied) and takes its size in logical pixels: a picture
    // made for a high-density screen carries its devicePixelRatio.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    // basePic_Click, called after a click has hidden the picture.
    std::function<void()> onClick;

    QSize sizeHint() const override { return size_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage picture_;
    QSize size_;
    bool pressed_ = false;
};

} // namespace tessary
