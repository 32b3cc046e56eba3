// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tessary::tools {

// A mono sound being put together from tones, glides and noise, then written as a 16-bit
// PCM wave file.
class WaveSynth {
  public:
    using Partials = std::vector<std::pair<double, double>>;

    static constexpr int kRate = 22050;

    explicit WaveSynth(double seconds);

    // A struck tone: partials given as (frequency ratio, level), each dying away with the
    // time constant `decay` (higher partials faster), over `length` seconds.
    void tone(double start, double length, double hertz, double level, double decay,
              const Partials& partials);

    // A held brass-like note: a bright attack, steady body with a little vibrato, soft end.
    void brass(double start, double length, double hertz, double level);

    // A sine sliding from one pitch to another, with a second harmonic and a falling level.
    void glide(double start, double length, double fromHertz, double toHertz, double level);

    // Breath-like noise through a band that moves from one centre to another via `midHertz`;
    // the level swells and fades.
    void whoosh(double start, double length, double fromHertz, double midHertz, double toHertz,
                double level);

    // A very short burst of noise: the "tick" of a click.
    void tick(double start, double level);

    // Scales to the given peak and fades the last milliseconds, so nothing clicks.
    void finish(double peak = 0.8);

    bool write(const std::string& path) const;

  private:
    double noise();

    std::vector<double> samples_;
    unsigned noiseState_ = 0x12345678u;
};

} // namespace tessary::tools
