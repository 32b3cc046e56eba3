// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaveSynth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace tessary::tools {

namespace {
constexpr double kTwoPi = 6.283185307179586;

std::size_t at(double seconds) {
    return static_cast<std::size_t>(seconds * WaveSynth::kRate);
}
} // namespace

WaveSynth::WaveSynth(double seconds) : samples_(at(seconds), 0.0) {}

double WaveSynth::noise() {
    noiseState_ = noiseState_ * 1664525u + 1013904223u;
    return static_cast<double>(noiseState_ >> 8) / static_cast<double>(1u << 23) - 1.0;
}

void WaveSynth::tone(double start, double length, double hertz, double level, double decay,
                     const Partials& partials) {
    const std::size_t first = at(start);
    const std::size_t count =
        std::min(at(length), samples_.size() - std::min(first, samples_.size()));
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double attack = std::min(1.0, t / 0.004);
        const double release = std::min(1.0, (length - t) / 0.02);
        double v = 0;
        for (auto [ratio, partLevel] : partials) {
            const double f = hertz * ratio;
            if (f >= kRate / 2.0)
                continue;
            v += partLevel * std::sin(kTwoPi * f * t) * std::exp(-t / (decay / std::sqrt(ratio)));
        }
        samples_[first + i] += level * attack * release * v;
    }
}

void WaveSynth::brass(double start, double length, double hertz, double level) {
    const std::size_t first = at(start);
    const std::size_t count =
        std::min(at(length), samples_.size() - std::min(first, samples_.size()));
    double phase = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double attack = std::min(1.0, t / 0.03);
        const double release = std::min(1.0, (length - t) / 0.06);
        const double vibrato = t > 0.15 ? 1.0 + 0.004 * std::sin(kTwoPi * 5.5 * t) : 1.0;
        phase += kTwoPi * hertz * vibrato / kRate;
        // Brighter at the attack, mellower as the note holds.
        const double brightness = 1.2 + 0.8 * std::exp(-t / 0.08);
        double v = 0;
        for (int n = 1; n * hertz < kRate / 2.0 && n <= 12; ++n)
            v += std::sin(phase * n) / std::pow(n, 2.2 - brightness * 0.5);
        samples_[first + i] += level * attack * release * v * 0.5;
    }
}

void WaveSynth::glide(double start, double length, double fromHertz, double toHertz, double level) {
    const std::size_t first = at(start);
    const std::size_t count =
        std::min(at(length), samples_.size() - std::min(first, samples_.size()));
    double phase = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double f = fromHertz * std::pow(toHertz / fromHertz, t / length);
        phase += kTwoPi * f / kRate;
        const double envelope = std::min(1.0, t / 0.005) * std::pow(1.0 - t / length, 1.5);
        samples_[first + i] += level * envelope * (std::sin(phase) + 0.3 * std::sin(2 * phase));
    }
}

void WaveSynth::whoosh(double start, double length, double fromHertz, double midHertz,
                       double toHertz, double level) {
    const std::size_t first = at(start);
    const std::size_t count =
        std::min(at(length), samples_.size() - std::min(first, samples_.size()));
    // Two state-variable band-pass filters in a row, their centre moving along the sweep:
    // breath rather than hiss.
    double low = 0, band = 0, low2 = 0, band2 = 0;
    const double q = 0.5;
    for (std::size_t i = 0; i < count; ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(count);
        const double centre = x < 0.5 ? fromHertz * std::pow(midHertz / fromHertz, x * 2)
                                      : midHertz * std::pow(toHertz / midHertz, x * 2 - 1);
        const double f = 2 * std::sin(M_PI * std::min(centre, kRate / 6.0) / kRate);
        const double high = noise() - low - q * band;
        band += f * high;
        low += f * band;
        const double high2 = band - low2 - q * band2;
        band2 += f * high2;
        low2 += f * band2;
        const double swell = std::pow(std::sin(M_PI * x), 2);
        samples_[first + i] += level * swell * band2;
    }
}

void WaveSynth::tick(double start, double level) {
    const std::size_t first = at(start);
    const std::size_t count =
        std::min(at(0.006), samples_.size() - std::min(first, samples_.size()));
    double smooth = 0;
    for (std::size_t i = 0; i < count; ++i) {
        smooth += 0.5 * (noise() - smooth);
        samples_[first + i] += level * smooth * (1.0 - static_cast<double>(i) / count);
    }
}

void WaveSynth::finish(double peak) {
    double loudest = 0;
    for (double s : samples_)
        loudest = std::max(loudest, std::abs(s));
    const double gain = loudest > 0 ? peak / loudest : 0;
    const std::size_t fade = std::min(samples_.size(), at(0.01));
    for (std::size_t i = 0; i < samples_.size(); ++i) {
        samples_[i] *= gain;
        const std::size_t left = samples_.size() - i;
        if (left <= fade)
            samples_[i] *= static_cast<double>(left) / fade;
    }
}

bool WaveSynth::write(const std::string& path) const {
    std::ofstream out(path, std::ios::binary);
    auto put = [&out](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.put(static_cast<char>(value >> (8 * i)));
    };
    const auto dataBytes = static_cast<uint32_t>(samples_.size() * 2);
    out << "RIFF";
    put(36 + dataBytes, 4);
    out << "WAVEfmt ";
    put(16, 4);
    put(1, 2); // PCM
    put(1, 2); // mono
    put(kRate, 4);
    put(kRate * 2, 4);
    put(2, 2);
    put(16, 2);
    out << "data";
    put(dataBytes, 4);
    for (double s : samples_) {
        const auto v = static_cast<int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
        put(static_cast<uint16_t>(v), 2);
    }
    return static_cast<bool>(out);
}

} // namespace tessary::tools
