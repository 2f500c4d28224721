// Writes the game's two placing sounds as 16-bit mono PCM WAVE files:
//   make_sounds <out-dir>   ->  <out-dir>/sd1.dat (red), <out-dir>/sd2.dat (blue)
// Red is a soft, falling pop; blue a rounder, rising bloop a little higher up, so the two sides can
// be told apart by ear. The output is the same on every run.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPeak = 0.6;  // of full scale: soft, and far from clipping

struct Voice {
  double seconds;          // length of the sound
  double startHz, endHz;   // pitch glides exponentially from start to end
  double decayPerSecond;   // exponential decay of the body
  double overtone;         // level of the octave above, relative to the fundamental
  double clickSeconds;     // length of the noise transient at the start
  double clickLevel;
};

// Red: a short falling pop with a small tap at its start.
constexpr Voice kRed{0.15, 880.0, 420.0, 22.0, 0.25, 0.006, 0.35};
// Blue: a longer rising bloop, hollower (no octave) and with a softer tap.
constexpr Voice kBlue{0.18, 620.0, 1180.0, 16.0, 0.0, 0.004, 0.2};

std::vector<double> Render(const Voice& v) {
  const int count = static_cast<int>(v.seconds * kRate);
  std::vector<double> out(static_cast<std::size_t>(count));
  const double attack = 0.002 * kRate;
  const double fade = 0.03 * kRate;
  std::uint32_t noise = 0x2545F491u;
  double phase = 0.0;
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double hz = v.startHz * std::pow(v.endHz / v.startHz, t / v.seconds);
    phase += 2.0 * std::numbers::pi * hz / kRate;
    double s = std::sin(phase) + v.overtone * std::sin(2.0 * phase);
    s *= std::exp(-v.decayPerSecond * t);
    if (t < v.clickSeconds) {
      noise = noise * 1664525u + 1013904223u;
      const double white = static_cast<double>(noise >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
      s += v.clickLevel * white * (1.0 - t / v.clickSeconds);
    }
    // Short ramps at both ends so the speaker never jumps.
    const double tail = static_cast<double>(count - 1 - i);
    s *= std::min({1.0, i / attack, tail / fade});
    out[static_cast<std::size_t>(i)] = s;
  }
  double peak = 0.0;
  for (double s : out) peak = std::max(peak, std::abs(s));
  if (peak > 0.0)
    for (double& s : out) s *= kPeak / peak;
  return out;
}

void PutLE(std::string& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A canonical 44-byte RIFF WAVE header followed by the samples, little-endian on any host.
std::string EncodeWave(const std::vector<double>& samples) {
  const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
  std::string bytes = "RIFF";
  PutLE(bytes, 36 + dataSize, 4);
  bytes += "WAVEfmt ";
  PutLE(bytes, 16, 4);         // fmt chunk size
  PutLE(bytes, 1, 2);          // PCM
  PutLE(bytes, 1, 2);          // mono
  PutLE(bytes, kRate, 4);
  PutLE(bytes, kRate * 2, 4);  // bytes per second
  PutLE(bytes, 2, 2);          // block align
  PutLE(bytes, 16, 2);         // bits per sample
  bytes += "data";
  PutLE(bytes, dataSize, 4);
  for (double s : samples) {
    const auto value = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767.0));
    PutLE(bytes, static_cast<std::uint16_t>(value), 2);
  }
  return bytes;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (file) return true;
  std::fprintf(stderr, "make_sounds: cannot write %s\n", path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sounds <out-dir>\n");
    return 2;
  }
  const std::string dir = argv[1];
  const bool ok = WriteFile(dir + "/sd1.dat", EncodeWave(Render(kRed))) &&
                  WriteFile(dir + "/sd2.dat", EncodeWave(Render(kBlue)));
  return ok ? 0 : 1;
}
