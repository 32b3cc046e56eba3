// SPDX-License-Identifier: GPL-3.0-or-later
#include "Colour.h"
#include "Finish.h"
#include "Noise.h"
#include "Rng.h"
#include "Scenes.h"

#include <cmath>
#include <vector>

namespace tessary::art {

namespace {

struct Pane {
    double x;
    double y;
    Rgb colour;
};

const Rgb kRuby = hex(0xb0102c);
const Rgb kCrimson = hex(0xd9283a);
const Rgb kAmber = hex(0xf0a00a);
const Rgb kGold = hex(0xf7cc45);
const Rgb kOrange = hex(0xe86a16);
const Rgb kEmerald = hex(0x118748);
const Rgb kGreen = hex(0x3dac47);
const Rgb kLime = hex(0x9ccc3c);
const Rgb kCobalt = hex(0x1a3c9e);
const Rgb kAzure = hex(0x2e7fd8);
const Rgb kSky = hex(0x76bdee);
const Rgb kTeal = hex(0x12908e);
const Rgb kViolet = hex(0x5a2888);
const Rgb kMagenta = hex(0xa8237e);
const Rgb kPearl = hex(0xeee6c8);

Rgb pick(std::initializer_list<Rgb> colours, int i) {
    return colours.begin()[i % static_cast<int>(colours.size())];
}

// A steady value in [0, 1) for each pane number, so that every pane has its own tint.
double unitHash(int n) {
    Rng r(static_cast<std::uint64_t>(n) * 7919 + 17);
    return r.uniform();
}

struct RoseHit {
    bool inside = false;
    int pane = 0;
    Rgb colour;
    double edge = 1e9; // distance in pixels to the nearest lead
};

// The rose window, worked out in rings from its centre: a golden eye, eight petals, a ring
// of beads, sixteen double panes with roundels, a ring of small panes, sixteen pointed
// lancets with roundels between them, and an outer ring.
RoseHit roseAt(double dx, double dy, double radius) {
    RoseHit hit;
    const double r = std::hypot(dx, dy) / radius;
    const double px = radius; // pixels per unit of r
    if (r >= 1.0) {
        hit.edge = (r - 1.0) * px;
        return hit;
    }
    hit.inside = true;
    double theta = std::atan2(dx, -dy); // 0 at the top, clockwise
    if (theta < 0) {
        theta += 2 * M_PI;
    }
    // The lead along the circle at radius c, seen from here.
    auto ring = [&](double c) { return std::fabs(r - c) * px; };
    // Position within one of n sectors: its number and the angle from its middle.
    auto sector = [&](int n, int& k, double& phi) {
        const double s = 2 * M_PI / n;
        k = static_cast<int>(theta / s) % n;
        phi = theta - (k + 0.5) * s;
    };
    // The lead along the straight spokes between n sectors.
    auto spokes = [&](int n) {
        const double s = 2 * M_PI / n;
        const double off = std::fmod(theta, s);
        return r * px * std::sin(std::min(off, s - off));
    };
    auto roundel = [&](double rr, double a, double size) {
        const double ex = std::sin(a) * rr - std::sin(theta) * r;
        const double ey = std::cos(a) * rr - std::cos(theta) * r;
        return (std::hypot(ex, ey) - size) * px;
    };
    int k = 0;
    double phi = 0;
    if (r < 0.12) {
        hit.pane = 1;
        hit.colour = kGold;
        hit.edge = ring(0.12);
    } else if (r < 0.33) {
        sector(8, k, phi);
        const double s = 2 * M_PI / 8;
        const double petal = 0.12 + 0.21 * std::pow(std::cos(phi / s * M_PI), 0.7);
        if (r < petal) {
            hit.pane = 10 + k;
            hit.colour = pick({kRuby, kCrimson}, k);
        } else {
            hit.pane = 20 + k;
            hit.colour = kCobalt;
        }
        hit.edge = std::min({ring(0.12), ring(0.33), std::fabs(r - petal) * px * 0.6});
    } else if (r < 0.37) {
        sector(32, k, phi);
        hit.pane = 30 + k;
        hit.colour = pick({kPearl, kGold}, k);
        hit.edge = std::min({ring(0.33), ring(0.37), spokes(32)});
    } else if (r < 0.64) {
        sector(16, k, phi);
        const double dot = roundel(0.565, (k + 0.5) * 2 * M_PI / 16, 0.045);
        if (dot < 0) {
            hit.pane = 100 + k;
            hit.colour = pick({kGold, kLime}, k);
        } else if (r < 0.5) {
            hit.pane = 70 + k;
            hit.colour = pick({kAzure, kTeal, kSky, kTeal}, k);
        } else {
            hit.pane = 120 + k;
            hit.colour = pick({kViolet, kMagenta, kRuby, kMagenta}, k);
        }
        hit.edge = std::min({ring(0.37), ring(0.64), spokes(16), std::fabs(dot)});
        if (r >= 0.5 || dot < 0) {
            hit.edge =
                std::min(hit.edge, dot < 0 ? std::fabs(dot) : std::min(ring(0.5), std::fabs(dot)));
        } else {
            hit.edge = std::min(hit.edge, ring(0.5));
        }
    } else if (r < 0.68) {
        sector(48, k, phi);
        hit.pane = 150 + k;
        hit.colour = pick({kRuby, kAmber}, k);
        hit.edge = std::min({ring(0.64), ring(0.68), spokes(48)});
    } else if (r < 0.96) {
        sector(16, k, phi);
        const double s = 2 * M_PI / 16;
        const double side = 0.31 * s;
        const double top = 0.935 - 0.11 * std::pow(std::fabs(phi) / side, 2);
        const double between = roundel(0.89, (k + 1) * s, 0.04);
        if (std::fabs(phi) < side && r < top) {
            const bool upper = r > 0.80;
            hit.pane = 200 + k * 2 + (upper ? 1 : 0);
            hit.colour =
                upper
                    ? pick({kGold, kAmber, kOrange, kAmber}, k)
                    : pick({kEmerald, kAzure, kCrimson, kTeal, kViolet, kGreen, kCobalt, kMagenta},
                           k);
            hit.edge = std::min({ring(0.68), ring(0.80), r * px * std::sin(side - std::fabs(phi)),
                                 (top - r) * px * 0.8});
        } else if (between < 0) {
            hit.pane = 240 + k;
            hit.colour = pick({kCrimson, kGold}, k);
            hit.edge = std::fabs(between);
        } else {
            hit.pane = 260 + k;
            hit.colour = kCobalt;
            double lancet = std::fabs(phi) < side ? (r - top) * px * 0.8
                                                  : r * px * std::sin(std::fabs(phi) - side);
            if (std::fabs(phi) < side + 0.01 && r > top) {
                lancet = std::min(lancet, std::hypot((r - top) * px, 0.0));
            }
            hit.edge = std::min({ring(0.68), ring(0.96), std::fabs(lancet), between});
        }
    } else {
        sector(64, k, phi);
        hit.pane = 300 + k;
        hit.colour = pick({kCobalt, kRuby, kAmber, kRuby}, k);
        hit.edge = std::min({ring(0.96), ring(1.0), spokes(64)});
    }
    return hit;
}

} // namespace

QImage paintStainedGlass(int width, int height) {
    const double w = width;
    const double h = height;
    Rng rng(201);
    const Noise mottle(202);
    const Noise streak(203);
    const double cx = w * 0.5;
    const double cy = h * 0.45;
    const double rose = h * 0.37;
    const double frame = 30; // width of the border of small panes

    std::vector<Pane> panes;
    // A halo of panes around the rose, alternating gold and crimson.
    for (int k = 0; k < 40; ++k) {
        const double a = k * 2 * M_PI / 40;
        panes.push_back({cx + std::cos(a) * rose * 1.07, cy + std::sin(a) * rose * 1.07,
                         pick({kGold, kCrimson, kAmber, kCrimson}, k)});
    }
    // The field around the rose: sky above with rays from the rose, hills below with
    // flowers, every pane a little different from its neighbours.
    const double step = 42;
    for (double gy = frame + step * 0.5; gy < h - frame; gy += step) {
        for (double gx = frame + step * 0.5; gx < w - frame; gx += step) {
            const double x = gx + rng.range(-0.42, 0.42) * step;
            const double y = gy + rng.range(-0.42, 0.42) * step;
            const double r = std::hypot(x - cx, y - cy);
            if (r < rose * 1.2) {
                continue;
            }
            const double hill = h * (0.80 + 0.05 * std::sin(x / w * 7.0 + 1.0));
            Rgb c;
            if (y > hill) {
                c = pick({kEmerald, kGreen, kLime, kGreen, kTeal}, rng.below(5));
                if (rng.chance(0.18)) {
                    c = pick({kCrimson, kGold, kMagenta, kPearl}, rng.below(4));
                }
            } else {
                const double a = std::atan2(y - cy, x - cx);
                const int ray = static_cast<int>(std::floor((a + M_PI) / (2 * M_PI) * 20));
                c = pick({kAzure, kSky, kCobalt, kSky, kAzure, kTeal}, ray);
                // Now and then a golden star among the blues.
                if (rng.chance(0.08)) {
                    c = pick({kGold, kAmber, kPearl}, rng.below(3));
                }
            }
            panes.push_back({x, y, c});
        }
    }
    // The border: a row of small panes in three colours all the way round.
    int n = 0;
    const double inset = frame * 0.5;
    for (double x = 12; x < w; x += 36) {
        panes.push_back({x, inset, pick({kRuby, kAmber, kCobalt}, n++)});
        panes.push_back({w - x, h - inset, pick({kRuby, kAmber, kCobalt}, n++)});
    }
    for (double y = 48; y < h - 24; y += 36) {
        panes.push_back({inset, y, pick({kRuby, kAmber, kCobalt}, n++)});
        panes.push_back({w - inset, h - y, pick({kRuby, kAmber, kCobalt}, n++)});
    }
    std::vector<double> shade(panes.size());
    for (double& s : shade) {
        s = rng.range(0.82, 1.1);
    }

    QImage img(width, height, QImage::Format_RGB32);
    const double lead = 1.9; // half the width of the lead came
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x) {
            // The two nearest pane centres; the lead runs along the line between them.
            double d1 = 1e18;
            double d2 = 1e18;
            std::size_t i1 = 0;
            std::size_t i2 = 0;
            for (std::size_t i = 0; i < panes.size(); ++i) {
                const double dx = x - panes[i].x;
                const double dy = y - panes[i].y;
                const double d = dx * dx + dy * dy;
                if (d < d1) {
                    d2 = d1;
                    i2 = i1;
                    d1 = d;
                    i1 = i;
                } else if (d < d2) {
                    d2 = d;
                    i2 = i;
                }
            }
            const double sep = std::hypot(panes[i2].x - panes[i1].x, panes[i2].y - panes[i1].y);
            double edge = (d2 - d1) / (2 * sep);
            // The straight lead between the border and the field, and the window's rim.
            const double rim = std::min({x + 0.5, y + 0.5, w - x - 0.5, h - y - 0.5});
            edge = std::min(edge, std::fabs(rim - frame));
            edge = std::min(edge, std::max(rim - 3.0, 0.0));

            Rgb colour = panes[i1].colour;
            double paneShade = shade[i1];
            const RoseHit hit = roseAt(x - cx, y - cy, rose);
            if (hit.inside) {
                colour = hit.colour;
                edge = hit.edge;
                paneShade = 0.86 + 0.24 * unitHash(hit.pane);
            } else {
                edge = std::min(edge, hit.edge);
            }
            const double m = mottle.fbm(x / 45.0, y / 45.0, 4);
            const double fine = mottle.at(x / 5.0, y / 5.0);
            const double wave =
                std::sin((x * 0.7 + y) * 0.045 + 3.0 * streak.fbm(x / 90.0, y / 90.0, 3));
            const double light = 1.18 - 0.35 * std::hypot((x - cx) / w, (y - h * 0.3) / h);
            double k = paneShade * light * (1 + 0.16 * m + 0.05 * fine + 0.05 * wave);
            // Glass darkens a little where it sinks into the lead.
            k *= 0.72 + 0.28 * smoothstep(lead, lead + 7, edge);
            Rgb glass = colour * k;
            // Small bubbles catch the light.
            const double bubble = smoothstep(0.78, 0.86, mottle.at(x / 2.5 + 50, y / 2.5));
            glass = screen(glass, Rgb{0.25, 0.25, 0.22} * bubble);

            const double t = clamp01(edge / lead);
            const Rgb came = hex(0x3a3734) * (0.45 + 0.9 * (1 - t * t)) + hex(0x14110f) * 0.3;
            const double cover = 1 - smoothstep(lead - 0.6, lead + 0.6, edge);
            line[x] = toQRgb(mix(glass, came, cover));
        }
    }
    grain(img, 204, 0.03);
    return img;
}

} // namespace tessary::art
