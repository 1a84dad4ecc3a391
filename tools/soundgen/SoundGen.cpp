// Writes the game's four sounds as 16-bit mono WAV files: a card turning, a miss, a pair and a
// win. Soft bell tones with quick attacks and decays, so they stay pleasant when heard often.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

struct Note {
    double start;     // seconds
    double frequency; // Hz
    double length;    // seconds
    double loudness;  // 0..1
};

// A bell: the fundamental with two quieter overtones, each dying away faster than the last.
double Bell(double t, const Note& note) {
    if (t < 0 || t > note.length) return 0;
    const double attack = std::min(1.0, t / 0.004);
    const double decay = 5.0 / note.length;
    double sample = std::sin(2 * kPi * note.frequency * t) * std::exp(-decay * t);
    sample += 0.35 * std::sin(2 * kPi * note.frequency * 2.0 * t) * std::exp(-decay * 1.8 * t);
    sample += 0.12 * std::sin(2 * kPi * note.frequency * 3.01 * t) * std::exp(-decay * 3.0 * t);
    return attack * note.loudness * sample;
}

std::vector<std::int16_t> Render(const std::vector<Note>& notes) {
    double end = 0;
    for (const Note& note : notes) end = std::max(end, note.start + note.length);
    std::vector<double> mix(static_cast<std::size_t>(end * kRate) + 1, 0.0);
    for (std::size_t i = 0; i < mix.size(); ++i)
        for (const Note& note : notes) mix[i] += Bell(static_cast<double>(i) / kRate - note.start, note);
    double peak = 1e-9;
    for (double v : mix) peak = std::max(peak, std::abs(v));
    std::vector<std::int16_t> samples;
    for (double v : mix) samples.push_back(static_cast<std::int16_t>(std::lround(v / peak * 0.55 * 32767)));
    return samples;
}

void PutLe(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool WriteWav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    PutLe(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);  // PCM
    PutLe(out, 1, 2);  // mono
    PutLe(out, kRate, 4);
    PutLe(out, kRate * 2, 4);
    PutLe(out, 2, 2);
    PutLe(out, 16, 2);
    out.write("data", 4);
    PutLe(out, dataBytes, 4);
    for (std::int16_t s : samples) PutLe(out, static_cast<std::uint16_t>(s), 2);
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::vector<std::vector<Note>> sounds = {
        {{0, 1318.5, 0.09, 1.0}},                                         // a card turns: one light tap
        {{0, 659.3, 0.22, 1.0}, {0.11, 523.3, 0.30, 0.9}},                // a miss: a gentle falling step
        {{0, 1046.5, 0.30, 0.9}, {0.09, 1318.5, 0.40, 1.0}},              // a pair: a rising chime
        {{0, 523.3, 0.5, 0.8}, {0.13, 659.3, 0.5, 0.8}, {0.26, 784.0, 0.5, 0.85}, {0.39, 1046.5, 0.8, 1.0}},  // a win
    };
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        const auto path = folder / ("sound" + std::to_string(i + 1) + ".wav");
        if (!WriteWav(path, Render(sounds[i]))) {
            std::fprintf(stderr, "Cannot write %s\n", path.string().c_str());
            return 1;
        }
    }
    return 0;
}
