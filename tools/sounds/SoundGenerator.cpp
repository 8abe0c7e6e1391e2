// Writes the program's sound effects: short chimes made of a few bell-like notes, each effect
// its own little figure, so that a user learns to tell them apart by ear.
//   ortelia_soundgen <folder>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

// The sound colour of a note: partials (frequency ratio, weight) and how fast it fades.
struct Timbre {
    std::vector<std::pair<double, double>> partials;
    double decayPerSecond;
};

const Timbre kBell{{{1.0, 1.0}, {2.0, 0.35}, {3.0, 0.12}, {4.2, 0.05}}, 5.0};
const Timbre kSoft{{{1.0, 1.0}, {2.0, 0.15}}, 3.5};
const Timbre kPluck{{{1.0, 1.0}, {2.0, 0.5}, {3.0, 0.25}}, 18.0};

struct Note {
    double start;    // seconds
    double midi;     // pitch at the start (69 = a' 440 Hz)
    double midiEnd;  // pitch at the end: a glide when it differs
    double length;   // seconds
    double loudness; // 0..1
    const Timbre *timbre;
};

Note note(double start, double midi, double length, double loudness = 1.0, const Timbre &timbre = kBell)
{
    return {start, midi, midi, length, loudness, &timbre};
}

Note glide(double start, double midi, double midiEnd, double length, const Timbre &timbre)
{
    return {start, midi, midiEnd, length, 0.9, &timbre};
}

struct Effect {
    const char *name;
    std::vector<Note> notes;
};

// Pitches: C5 = 72, E5 = 76, G5 = 79, ...
std::vector<Effect> effects()
{
    return {
        {"maxi", {note(0.00, 72, 0.25), note(0.08, 76, 0.25), note(0.16, 79, 0.45)}},
        {"mini", {note(0.00, 79, 0.25), note(0.08, 76, 0.25), note(0.16, 72, 0.45)}},
        {"verstecken1",
         {note(0.00, 81, 0.3, 0.8, kSoft), note(0.12, 76, 0.3, 0.8, kSoft), note(0.24, 69, 0.5, 0.8, kSoft)}},
        {"Desktop", {note(0.00, 86, 0.35, 0.7)}},
        {"Desktop1", {note(0.00, 77, 0.25, 0.9, kSoft), note(0.15, 72, 0.45, 0.9, kSoft)}},
        {"Desktop2",
         {note(0.00, 72, 0.2, 0.9, kSoft), note(0.12, 77, 0.2, 0.9, kSoft),
          note(0.24, 81, 0.45, 0.9, kSoft)}},
        {"Leer", {glide(0.00, 67, 60, 0.18, kPluck)}},
        {"SchliesseP", {note(0.00, 79, 0.3), note(0.18, 76, 0.3), note(0.36, 72, 0.3), note(0.54, 67, 0.6)}},
        {"D8", {note(0.00, 88, 0.1, 0.7, kPluck), note(0.12, 88, 0.15, 0.7, kPluck)}},
        {"ausdrucken",
         {note(0.00, 96, 0.05, 0.4, kPluck), note(0.07, 96, 0.05, 0.4, kPluck),
          note(0.14, 96, 0.05, 0.4, kPluck), note(0.25, 72, 0.5, 0.6), note(0.25, 76, 0.5, 0.5),
          note(0.25, 79, 0.5, 0.5)}},
    };
}

double frequency(double midi)
{
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

// Adds one note: a gentle attack, the timbre's fade and a short release to silence, so that no
// note ends in a click.
void render(const Note &n, std::vector<double> &out)
{
    const int first = static_cast<int>(n.start * kRate);
    const int count = static_cast<int>(n.length * kRate);
    const int attack = kRate / 200; // 5 ms
    const int release = kRate / 50; // 20 ms
    if (out.size() < static_cast<size_t>(first + count))
        out.resize(first + count, 0.0);
    double phase = 0.0;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double pitch = n.midi + (n.midiEnd - n.midi) * i / count;
        phase += 2.0 * kPi * frequency(pitch) / kRate;
        double envelope = n.loudness * std::exp(-n.timbre->decayPerSecond * t);
        if (i < attack)
            envelope *= 0.5 - 0.5 * std::cos(kPi * i / attack);
        if (i >= count - release)
            envelope *= 0.5 - 0.5 * std::cos(kPi * (count - i) / release);
        double sample = 0.0;
        for (const auto &[ratio, weight] : n.timbre->partials)
            sample += weight * std::sin(ratio * phase);
        out[first + i] += envelope * sample;
    }
}

std::vector<int16_t> mix(const Effect &effect)
{
    std::vector<double> signal;
    for (const Note &n : effect.notes)
        render(n, signal);
    double peak = 0.0;
    for (double s : signal)
        peak = std::max(peak, std::abs(s));
    // Every effect peaks at the same level, well below full scale.
    const double scale = peak > 0.0 ? 0.6 * 32767.0 / peak : 0.0;
    std::vector<int16_t> samples(signal.size());
    std::transform(signal.begin(), signal.end(), samples.begin(),
                   [scale](double s) { return static_cast<int16_t>(std::lround(s * scale)); });
    return samples;
}

void putLittleEndian(std::ofstream &out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A canonical 44-byte header: PCM, mono, 16 bits.
bool writeWave(const std::string &path, const std::vector<int16_t> &samples)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    putLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putLittleEndian(out, 16, 4);        // fmt chunk size
    putLittleEndian(out, 1, 2);         // PCM
    putLittleEndian(out, 1, 2);         // channels
    putLittleEndian(out, kRate, 4);     // sample rate
    putLittleEndian(out, kRate * 2, 4); // bytes per second
    putLittleEndian(out, 2, 2);         // block align
    putLittleEndian(out, 16, 2);        // bits per sample
    out.write("data", 4);
    putLittleEndian(out, dataBytes, 4);
    for (int16_t s : samples)
        putLittleEndian(out, static_cast<uint16_t>(s), 2);
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: ortelia_soundgen <folder>\n", stderr);
        return 2;
    }
    for (const Effect &effect : effects()) {
        const std::string path = std::string(argv[1]) + "/" + effect.name + ".wav";
        if (!writeWave(path, mix(effect))) {
            std::fprintf(stderr, "ortelia_soundgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
