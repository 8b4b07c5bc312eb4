// Writes the short tune that the About window plays: a gentle phrase over a
// slow bass, as a 22050 Hz mono 16-bit WAV file. Run at build time, so the
// program's sound is made from this source and no binary is kept.
//
//   make_tune OUTPUT

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kBeat = 0.25;     // seconds per melody step
constexpr double kPeak = 0.55;     // loudest sample, as a share of full scale
constexpr double kAttack = 0.025;  // seconds of the soft raised-cosine attack
constexpr double kRelease = 0.12;  // seconds of fade at the end of a note's ring

struct Note {
    int midi;         // pitch, 60 is middle C
    double start;     // in beats
    double length;    // in beats, before the note rings out
    double loudness;  // relative
    double decay;     // seconds for the sound to fall to 1/e
};

// Four bars: C, A minor, G, C; a rising and falling line over a root each bar.
constexpr std::array<Note, 17> kNotes{{
    {76, 0, 1, 0.9, 0.45},
    {79, 1, 1, 0.8, 0.45},
    {84, 2, 1, 0.9, 0.45},
    {79, 3, 1, 0.7, 0.45},
    {81, 4, 1, 0.9, 0.45},
    {76, 5, 1, 0.8, 0.45},
    {72, 6, 1, 0.8, 0.45},
    {76, 7, 1, 0.7, 0.45},
    {79, 8, 1, 0.9, 0.45},
    {74, 9, 1, 0.8, 0.45},
    {71, 10, 1, 0.8, 0.45},
    {74, 11, 1, 0.7, 0.45},
    {72, 12, 6, 1.0, 0.9},
    {48, 0, 4, 0.6, 1.0},
    {45, 4, 4, 0.6, 1.0},
    {43, 8, 4, 0.6, 1.0},
    {48, 12, 6, 0.6, 1.2},
}};

// Overtones: (multiple of the fundamental, strength, how much faster it fades).
constexpr std::array<std::array<double, 3>, 3> kHarmonics{{
    {1.0, 1.0, 1.0},
    {2.0, 0.30, 1.8},
    {3.0, 0.10, 2.6},
}};

double frequency(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

void addNote(std::vector<double>& out, const Note& n) {
    const double f = frequency(n.midi);
    const double ring = n.length * kBeat + kRelease;
    const auto first = static_cast<std::size_t>(n.start * kBeat * kRate);
    const auto count = static_cast<std::size_t>(ring * kRate);
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        double env = t < kAttack ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / kAttack) : 1.0;
        const double untilEnd = ring - t;
        if (untilEnd < kRelease) {
            env *= untilEnd / kRelease;
        }
        double v = 0;
        for (const auto& [multiple, strength, fade] : kHarmonics) {
            v += strength * std::exp(-t * fade / n.decay) *
                 std::sin(2 * std::numbers::pi * f * multiple * t);
        }
        out[first + i] += n.loudness * env * v;
    }
}

void put16(std::ofstream& s, std::uint16_t v) {
    const std::array<char, 2> b{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    s.write(b.data(), b.size());
}

void put32(std::ofstream& s, std::uint32_t v) {
    put16(s, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(s, static_cast<std::uint16_t>(v >> 16));
}

bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples) {
    std::ofstream s(path, std::ios::binary | std::ios::trunc);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    s.write("RIFF", 4);
    put32(s, 36 + dataBytes);
    s.write("WAVEfmt ", 8);
    put32(s, 16);         // size of the format chunk
    put16(s, 1);          // PCM
    put16(s, 1);          // mono
    put32(s, kRate);      // samples per second
    put32(s, kRate * 2);  // bytes per second
    put16(s, 2);          // bytes per sample frame
    put16(s, 16);         // bits per sample
    s.write("data", 4);
    put32(s, dataBytes);
    for (std::int16_t v : samples) {
        put16(s, static_cast<std::uint16_t>(v));
    }
    return static_cast<bool>(s);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_tune OUTPUT\n";
        return 2;
    }
    double beats = 0;
    for (const Note& n : kNotes) {
        beats = std::max(beats, n.start + n.length);
    }
    std::vector<double> mix(static_cast<std::size_t>((beats * kBeat + kRelease) * kRate) + 1);
    for (const Note& n : kNotes) {
        addNote(mix, n);
    }
    double peak = 0;
    for (double v : mix) {
        peak = std::max(peak, std::abs(v));
    }
    std::vector<std::int16_t> samples;
    samples.reserve(mix.size());
    for (double v : mix) {
        const double scaled = peak > 0 ? v / peak * kPeak * 32767 : 0;
        samples.push_back(
            static_cast<std::int16_t>(std::lround(std::clamp(scaled, -32767.0, 32767.0))));
    }
    if (!writeWav(argv[1], samples)) {
        std::cerr << "make_tune: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
