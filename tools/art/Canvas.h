// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QString>

#include <utility>
#include <vector>

class QPainter;

namespace tessary::art {

// A fill: a plain colour, or a linear gradient between two points.
struct Paint {
    QColor colour;
    bool gradient = false;
    QPointF from;
    QPointF to;
    std::vector<std::pair<double, QColor>> stops;

    static Paint solid(const QColor& c) { return Paint{c, false, {}, {}, {}}; }
    static Paint linear(QPointF a, QPointF b, std::vector<std::pair<double, QColor>> s) {
        return Paint{QColor(), true, a, b, std::move(s)};
    }
};

// Somewhere to draw vector shapes: a QPainter for the PNG icons, or SVG text, so that the
// application icon in both forms comes from one drawing.
class Canvas {
  public:
    virtual ~Canvas() = default;
    virtual void fill(const QPainterPath& path, const Paint& paint) = 0;
    virtual void stroke(const QPainterPath& path, const QColor& colour, double width) = 0;
    // Starts a group clipped to `clip` (in the current coordinates), then moved by (dx, dy)
    // and scaled by `scale`; pop() ends it.
    virtual void push(const QPainterPath& clip, double dx, double dy, double scale) = 0;
    virtual void pop() = 0;
};

class PainterCanvas : public Canvas {
  public:
    explicit PainterCanvas(QPainter& p) : p_(p) {}
    void fill(const QPainterPath& path, const Paint& paint) override;
    void stroke(const QPainterPath& path, const QColor& colour, double width) override;
    void push(const QPainterPath& clip, double dx, double dy, double scale) override;
    void pop() override;

  private:
    QPainter& p_;
};

class SvgCanvas : public Canvas {
  public:
    SvgCanvas(int width, int height);
    void fill(const QPainterPath& path, const Paint& paint) override;
    void stroke(const QPainterPath& path, const QColor& colour, double width) override;
    void push(const QPainterPath& clip, double dx, double dy, double scale) override;
    void pop() override;
    // The finished document.
    QString text() const;

  private:
    QString body_;
    QString indent_ = QStringLiteral("  ");
    int width_;
    int height_;
    int nextId_ = 0;
};

} // namespace tessary::art
