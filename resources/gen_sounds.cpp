// The press and release sounds of nuvset1: short synthesised clicks, encoded as MS ADPCM
// wave images (mono, 44100 Hz, blocks of 1024 bytes) by the kit's own encoder.
//
// A click is built from a few parts, each with its own envelope: a burst of noise (the
// contact), one or two damped resonances (the key cap and the housing ringing), and a low
// damped sine (the thump of the key landing). The press is bright and quick; the release is
// darker, lower, softer and rings a little longer.
#include "framework/sound.h"
#include "host/sound/wave.h"
#include "resources/generator.h"
#include "resources/paint.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace nk::resgen {

namespace {

constexpr double kRate = 44100.0;
constexpr std::size_t kPressSamples = 4710;
constexpr std::size_t kReleaseSamples = 7652;

// A damped resonance: a sine of `hz` whose amplitude falls by e every `decay` seconds, with a
// short linear attack so that it starts without a step.
struct Resonance {
    double hz;
    double amplitude;
    double decay;
    double start = 0; // seconds
    double attack = 0.0002;
    double glide = 0; // relative pitch fall over the first decay time
};

// A burst of noise, high-passed (bright) or low-passed (dark) by a one-pole filter.
struct Burst {
    double amplitude;
    double decay;
    double start = 0;
    double attack = 0.00015;
    double lowpass = 0; // 0..1 smoothing of a one-pole low-pass; 0 leaves it white
    bool highpass = false;
};

double Envelope(double t, double attack, double decay) {
    if (t < 0) return 0;
    const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
    return rise * std::exp(-t / decay);
}

void AddResonance(std::vector<double>& out, const Resonance& r) {
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate - r.start;
        if (t < 0) continue;
        const double hz = r.hz * (1.0 - r.glide * (1.0 - std::exp(-t / r.decay)));
        phase += 2 * std::numbers::pi * hz / kRate;
        out[i] += r.amplitude * Envelope(t, r.attack, r.decay) * std::sin(phase);
    }
}

void AddBurst(std::vector<double>& out, const Burst& b, std::uint64_t seed) {
    paint::Rng rng(seed);
    double low = 0, previous = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate - b.start;
        const double white = rng.Range(-1.0f, 1.0f);
        if (t < 0) continue;
        double v = white;
        if (b.highpass) {
            v = white - previous;
            previous = white;
        }
        low = low * b.lowpass + v * (1.0 - b.lowpass);
        out[i] += b.amplitude * Envelope(t, b.attack, b.decay) * low;
    }
}

// Scales to the given peak, fades the tail out smoothly over its last `fade` share so that
// the sound ends on silence, and rounds to 16 bits.
std::vector<std::int16_t> Finish(std::vector<double> s, double peak, double fade) {
    double maximum = 0;
    for (double v : s)
        maximum = std::max(maximum, std::abs(v));
    const double gain = maximum > 0 ? peak * 32767.0 / maximum : 0;
    const auto fadeFrom = static_cast<std::size_t>(static_cast<double>(s.size()) * (1 - fade));
    std::vector<std::int16_t> out(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        double v = s[i] * gain;
        if (i >= fadeFrom) {
            const double x =
                static_cast<double>(i - fadeFrom) / static_cast<double>(s.size() - fadeFrom);
            v *= 0.5 + 0.5 * std::cos(std::numbers::pi * x);
        }
        out[i] = static_cast<std::int16_t>(std::lround(std::clamp(v, -32767.0, 32767.0)));
    }
    return out;
}

// The press: a bright contact tick, a snap of the key cap at about 3 kHz over a woody
// 1.6 kHz body, a firm low thump, and a faint second tick as the key bottoms out.
std::vector<std::int16_t> PressClick() {
    std::vector<double> s(kPressSamples, 0.0);
    AddBurst(s, {.amplitude = 0.62, .decay = 0.0011, .highpass = true}, 0x5EED401A);
    AddBurst(s, {.amplitude = 0.30, .decay = 0.0030, .lowpass = 0.55}, 0x5EED401B);
    AddResonance(s, {.hz = 3150, .amplitude = 0.34, .decay = 0.0035});
    AddResonance(s, {.hz = 1620, .amplitude = 0.30, .decay = 0.0062, .glide = 0.04});
    AddResonance(s,
                 {.hz = 185, .amplitude = 0.42, .decay = 0.016, .attack = 0.0012, .glide = 0.12});
    AddBurst(s, {.amplitude = 0.28, .decay = 0.0007, .start = 0.0092, .highpass = true},
             0x5EED401C);
    AddResonance(s, {.hz = 2480, .amplitude = 0.10, .decay = 0.0025, .start = 0.0092});
    return Finish(std::move(s), 0.70, 0.35);
}

// The release: a darker, rounder tick (low-passed noise, a 1.25 kHz knock), a soft low
// thump as the key springs back, and the spring's faint ring fading out.
std::vector<std::int16_t> ReleaseClick() {
    std::vector<double> s(kReleaseSamples, 0.0);
    AddBurst(s, {.amplitude = 0.55, .decay = 0.0024, .attack = 0.0006, .lowpass = 0.72},
             0x5EED402A);
    AddResonance(s, {.hz = 1250, .amplitude = 0.26, .decay = 0.0065, .attack = 0.0007});
    AddResonance(s, {.hz = 2260, .amplitude = 0.08, .decay = 0.0030, .attack = 0.0005});
    AddResonance(s,
                 {.hz = 142, .amplitude = 0.36, .decay = 0.030, .attack = 0.0025, .glide = -0.06});
    AddResonance(s, {.hz = 820,
                     .amplitude = 0.035,
                     .decay = 0.042,
                     .start = 0.002,
                     .attack = 0.004,
                     .glide = 0.02});
    return Finish(std::move(s), 0.28, 0.30);
}

} // namespace

void GenerateSounds(std::vector<GeneratedSound>& out) {
    const auto press = PressClick();
    const auto release = ReleaseClick();
    out.push_back({kPressSound, EncodeMsAdpcmWave(press, {44100, 1024})});
    out.push_back({kReleaseSound, EncodeMsAdpcmWave(release, {44100, 1024})});
}

} // namespace nk::resgen
