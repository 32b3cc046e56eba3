// SPDX-License-Identifier: GPL-3.0-or-later
#include "Canvas.h"

#include <QPainter>

namespace tessary::art {

namespace {

QBrush brushFor(const Paint& paint) {
    if (!paint.gradient) {
        return QBrush(paint.colour);
    }
    QLinearGradient g(paint.from, paint.to);
    for (const auto& [at, colour] : paint.stops) {
        g.setColorAt(at, colour);
    }
    return QBrush(g);
}

QString num(double v) {
    // Short, fixed-format numbers keep the file small and the same on every run.
    QString s = QString::number(v, 'f', 2);
    while (s.contains(QLatin1Char('.')) &&
           (s.endsWith(QLatin1Char('0')) || s.endsWith(QLatin1Char('.')))) {
        s.chop(1);
    }
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

QString pathData(const QPainterPath& path) {
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            if (!d.isEmpty()) {
                d += QStringLiteral("Z");
            }
            d += QStringLiteral("M") + num(e.x) + QLatin1Char(' ') + num(e.y);
            break;
        case QPainterPath::LineToElement:
            d += QStringLiteral("L") + num(e.x) + QLatin1Char(' ') + num(e.y);
            break;
        case QPainterPath::CurveToElement: {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            d += QStringLiteral("C") + num(e.x) + QLatin1Char(' ') + num(e.y) + QLatin1Char(' ') +
                 num(c2.x) + QLatin1Char(' ') + num(c2.y) + QLatin1Char(' ') + num(end.x) +
                 QLatin1Char(' ') + num(end.y);
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    return d + QStringLiteral("Z");
}

QString colourAttr(const QColor& c, const char* name) {
    QString s = QStringLiteral(" %1=\"%2\"").arg(QLatin1String(name), c.name(QColor::HexRgb));
    if (c.alpha() < 255) {
        s += QStringLiteral(" %1-opacity=\"%2\"").arg(QLatin1String(name), num(c.alphaF()));
    }
    return s;
}

} // namespace

void PainterCanvas::fill(const QPainterPath& path, const Paint& paint) {
    p_.fillPath(path, brushFor(paint));
}

void PainterCanvas::stroke(const QPainterPath& path, const QColor& colour, double width) {
    p_.strokePath(path, QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
}

void PainterCanvas::push(const QPainterPath& clip, double dx, double dy, double scale) {
    p_.save();
    p_.setClipPath(clip, Qt::IntersectClip);
    p_.translate(dx, dy);
    p_.scale(scale, scale);
}

void PainterCanvas::pop() {
    p_.restore();
}

SvgCanvas::SvgCanvas(int width, int height) : width_(width), height_(height) {}

void SvgCanvas::fill(const QPainterPath& path, const Paint& paint) {
    if (!paint.gradient) {
        body_ += indent_ + QStringLiteral("<path d=\"%1\"%2/>\n")
                               .arg(pathData(path), colourAttr(paint.colour, "fill"));
        return;
    }
    const QString id = QStringLiteral("g%1").arg(nextId_++);
    body_ += indent_ +
             QStringLiteral(
                 "<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"%2\" y1=\"%3\" "
                 "x2=\"%4\" y2=\"%5\">\n")
                 .arg(id, num(paint.from.x()), num(paint.from.y()), num(paint.to.x()),
                      num(paint.to.y()));
    for (const auto& [at, colour] : paint.stops) {
        body_ += indent_ + QStringLiteral("  <stop offset=\"%1\"%2/>\n")
                               .arg(num(at), colourAttr(colour, "stop-color"));
    }
    body_ += indent_ + QStringLiteral("</linearGradient>\n");
    body_ +=
        indent_ + QStringLiteral("<path d=\"%1\" fill=\"url(#%2)\"/>\n").arg(pathData(path), id);
}

void SvgCanvas::stroke(const QPainterPath& path, const QColor& colour, double width) {
    body_ += indent_ + QStringLiteral("<path d=\"%1\" fill=\"none\"%2 stroke-width=\"%3\"/>\n")
                           .arg(pathData(path), colourAttr(colour, "stroke"), num(width));
}

void SvgCanvas::push(const QPainterPath& clip, double dx, double dy, double scale) {
    const QString id = QStringLiteral("c%1").arg(nextId_++);
    body_ +=
        indent_ +
        QStringLiteral("<clipPath id=\"%1\"><path d=\"%2\"/></clipPath>\n").arg(id, pathData(clip));
    body_ += indent_ + QStringLiteral("<g clip-path=\"url(#%1)\">\n").arg(id);
    indent_ += QStringLiteral("  ");
    body_ += indent_ + QStringLiteral("<g transform=\"translate(%1 %2) scale(%3)\">\n")
                           .arg(num(dx), num(dy), num(scale));
    indent_ += QStringLiteral("  ");
}

void SvgCanvas::pop() {
    indent_.chop(2);
    body_ += indent_ + QStringLiteral("</g>\n");
    indent_.chop(2);
    body_ += indent_ + QStringLiteral("</g>\n");
}

QString SvgCanvas::text() const {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                          "viewBox=\"0 0 %1 %2\">\n"
                          "%3</svg>\n")
        .arg(width_)
        .arg(height_)
        .arg(body_);
}

} // namespace tessary::art
