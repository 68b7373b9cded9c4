#include "platform/pulse_sound_player.h"

#include <pulse/error.h>
#include <pulse/simple.h>
#include <sndfile.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "text/text_file.h"

namespace kmpx {
namespace {

constexpr char kClientName[] = "KMPX SHELL Professional";

struct SoundFileCloser {
  void operator()(SNDFILE* file) const { sf_close(file); }
};
struct StreamCloser {
  void operator()(pa_simple* stream) const { pa_simple_free(stream); }
};
using SoundFile = std::unique_ptr<SNDFILE, SoundFileCloser>;
using Stream = std::unique_ptr<pa_simple, StreamCloser>;

bool IsSocket(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_socket(path, error);
}

// An explicit server address keeps libpulse from spawning a server itself.
Stream OpenStream(const pa_sample_spec& spec, const std::string& streamName) {
  const std::string server = PulseSoundPlayer::FindSoundServer();
  if (server.empty()) return nullptr;
  int error = 0;
  return Stream(pa_simple_new(server.c_str(), kClientName, PA_STREAM_PLAYBACK, nullptr, streamName.c_str(), &spec,
                              nullptr, nullptr, &error));
}

}  // namespace

std::string PulseSoundPlayer::FindSoundServer() {
  if (const char* configured = std::getenv("PULSE_SERVER"); configured && *configured) return configured;
  std::vector<std::filesystem::path> sockets;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
    sockets.push_back(std::filesystem::path(runtime) / "pulse" / "native");
  sockets.push_back("/run/pulse/native");  // a system-wide server
  for (const auto& socket : sockets)
    if (IsSocket(socket)) return "unix:" + socket.string();
  return {};
}

bool PulseSoundPlayer::SoundServerAnswers() {
  const pa_sample_spec spec{PA_SAMPLE_S16NE, 22050, 1};
  return OpenStream(spec, "probe") != nullptr;
}

bool PulseSoundPlayer::PlaySoundFile(const std::string& path) {
  if (path.empty()) return false;
  const std::filesystem::path fsPath = ToFsPath(path);
  SF_INFO info{};
  const SoundFile file(sf_open(fsPath.c_str(), SFM_READ, &info));
  if (!file || info.channels < 1 || info.channels > static_cast<int>(PA_CHANNELS_MAX) || info.samplerate < 1) return false;

  pa_sample_spec spec{};
  spec.format = PA_SAMPLE_S16NE;
  spec.rate = static_cast<std::uint32_t>(info.samplerate);
  spec.channels = static_cast<std::uint8_t>(info.channels);
  if (!pa_sample_spec_valid(&spec)) return false;

  const Stream stream = OpenStream(spec, fsPath.filename().string());
  if (!stream) return false;

  // Streamed in pieces, so a long file does not have to fit in memory.
  constexpr sf_count_t kFramesPerPiece = 4096;
  std::vector<short> piece(static_cast<std::size_t>(kFramesPerPiece * info.channels));
  bool wroteAny = false;
  int error = 0;
  for (;;) {
    const sf_count_t frames = sf_readf_short(file.get(), piece.data(), kFramesPerPiece);
    if (frames <= 0) break;
    const auto bytes = static_cast<std::size_t>(frames * info.channels) * sizeof(short);
    if (pa_simple_write(stream.get(), piece.data(), bytes, &error) < 0) return false;
    wroteAny = true;
  }
  // Returns once the server has played everything written.
  return pa_simple_drain(stream.get(), &error) >= 0 && wroteAny;
}

}  // namespace kmpx
