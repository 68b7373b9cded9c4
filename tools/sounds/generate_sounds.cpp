// Writes the program's default event sounds into the folder given as the only
// argument: short 16-bit PCM mono WAV files at 22050 Hz, each a different tone
// or chirp so the events can be told apart by ear. The output is the same on
// every run, so the build only embeds it again when this file changes.
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;
constexpr double kPi = 3.14159265358979323846;

// One note or sweep: frequency from start to end (Hz), for the given seconds.
struct Segment {
  double startHz;
  double endHz;
  double seconds;
  double silenceAfter;
};

struct Sound {
  const char* fileName;
  std::vector<Segment> segments;
  double brightness;  // share of the odd harmonics that make a tone harsher
};

std::vector<std::int16_t> Render(const Sound& sound) {
  std::vector<std::int16_t> samples;
  for (const Segment& segment : sound.segments) {
    const int count = static_cast<int>(segment.seconds * kSampleRate);
    const int fade = kSampleRate / 200;  // 5 ms ramps keep the ends free of clicks
    double phase = 0;
    for (int n = 0; n < count; ++n) {
      const double t = static_cast<double>(n) / count;
      const double hz = segment.startHz + (segment.endHz - segment.startHz) * t;
      phase += 2 * kPi * hz / kSampleRate;
      double value = std::sin(phase) + sound.brightness * (std::sin(3 * phase) / 3 + std::sin(5 * phase) / 5);
      value /= 1 + sound.brightness * (1.0 / 3 + 1.0 / 5);
      double envelope = 1;
      if (n < fade) envelope = static_cast<double>(n) / fade;
      if (count - n < fade) envelope = static_cast<double>(count - n) / fade;
      samples.push_back(static_cast<std::int16_t>(std::lround(value * envelope * 0.6 * 32767)));
    }
    samples.insert(samples.end(), static_cast<std::size_t>(segment.silenceAfter * kSampleRate), 0);
  }
  return samples;
}

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string WaveFile(const std::vector<std::int16_t>& samples) {
  const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
  std::string out = "RIFF";
  PutLittleEndian(out, 36 + dataSize, 4);
  out += "WAVEfmt ";
  PutLittleEndian(out, 16, 4);               // format chunk size
  PutLittleEndian(out, 1, 2);                // PCM
  PutLittleEndian(out, 1, 2);                // mono
  PutLittleEndian(out, kSampleRate, 4);
  PutLittleEndian(out, kSampleRate * 2, 4);  // bytes per second
  PutLittleEndian(out, 2, 2);                // bytes per frame
  PutLittleEndian(out, 16, 2);               // bits per sample
  out += "data";
  PutLittleEndian(out, dataSize, 4);
  for (const std::int16_t sample : samples) PutLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " <output folder>\n";
    return 2;
  }
  const std::vector<Sound> sounds = {
      // Two low falling buzzes.
      {"ks_Error.wav", {{392, 330, 0.16, 0.06}, {330, 262, 0.22, 0}}, 1.0},
      // Two short middle beeps.
      {"ks_Warning.wav", {{880, 880, 0.1, 0.08}, {880, 880, 0.1, 0}}, 0.3},
      // A rising major arpeggio.
      {"ks_ProcFinished.wav", {{523, 523, 0.15, 0}, {659, 659, 0.15, 0}, {784, 784, 0.25, 0}}, 0.0},
      // A quick upward sweep, and its mirror for the agent going away.
      {"ks_AgentConnect.wav", {{400, 1200, 0.25, 0}}, 0.0},
      {"ks_AgentDisconnect.wav", {{1200, 400, 0.25, 0}}, 0.0},
  };
  const std::string folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  for (const Sound& sound : sounds) {
    const std::string path = folder + "/" + sound.fileName;
    const std::string bytes = WaveFile(Render(sound));
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
      std::cerr << "cannot write " << path << "\n";
      return 1;
    }
  }
  return 0;
}
