// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

#include <algorithm>
#include <cstdint>
#include <initializer_list>

namespace tessary::art {

// A colour with components in [0, 1], for the per-pixel painting of the sample pictures.
struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Rgb operator-(Rgb a, Rgb b) {
    return {a.r - b.r, a.g - b.g, a.b - b.b};
}
inline Rgb operator*(Rgb a, double k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline Rgb operator*(Rgb a, Rgb b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}

inline double clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

inline double smoothstep(double e0, double e1, double x) {
    const double t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

inline Rgb mix(Rgb a, Rgb b, double t) {
    return a + (b - a) * t;
}

// 0xRRGGBB written as in a colour picker.
constexpr Rgb hex(std::uint32_t v) {
    return {((v >> 16) & 0xFF) / 255.0, ((v >> 8) & 0xFF) / 255.0, (v & 0xFF) / 255.0};
}

inline QRgb toQRgb(Rgb c) {
    auto ch = [](double v) { return static_cast<int>(clamp01(v) * 255.0 + 0.5); };
    return qRgb(ch(c.r), ch(c.g), ch(c.b));
}

inline Rgb fromQRgb(QRgb p) {
    return {qRed(p) / 255.0, qGreen(p) / 255.0, qBlue(p) / 255.0};
}

inline QColor qcolor(Rgb c, double alpha = 1.0) {
    return QColor::fromRgbF(static_cast<float>(clamp01(c.r)), static_cast<float>(clamp01(c.g)),
                            static_cast<float>(clamp01(c.b)), static_cast<float>(alpha));
}

inline QColor qcolor(std::uint32_t v, double alpha = 1.0) {
    return qcolor(hex(v), alpha);
}

// Screen blend: lightens, never past white (glows, mist, moonlight).
inline Rgb screen(Rgb a, Rgb b) {
    return {1 - (1 - a.r) * (1 - b.r), 1 - (1 - a.g) * (1 - b.g), 1 - (1 - a.b) * (1 - b.b)};
}

struct Stop {
    double at;
    Rgb colour;
};

// The colour at t along stops given in increasing order.
inline Rgb ramp(std::initializer_list<Stop> stops, double t) {
    const Stop* prev = stops.begin();
    if (t <= prev->at) {
        return prev->colour;
    }
    for (const Stop* s = stops.begin() + 1; s != stops.end(); ++s) {
        if (t <= s->at) {
            return mix(prev->colour, s->colour, (t - prev->at) / (s->at - prev->at));
        }
        prev = s;
    }
    return prev->colour;
}

inline Rgb hsv(double hueDegrees, double s, double v) {
    QColor c = QColor::fromHsvF(
        static_cast<float>(std::fmod(std::fmod(hueDegrees, 360.0) + 360.0, 360.0) / 360.0),
        static_cast<float>(clamp01(s)), static_cast<float>(clamp01(v)));
    return {c.redF(), c.greenF(), c.blueF()};
}

} // namespace tessary::art
