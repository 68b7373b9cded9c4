#pragma once
#include <string>

#include "compile/sound_player.h"

namespace kmpx {

// Plays wave files through the desktop's sound server (PulseAudio, or
// PipeWire's PulseAudio service). Where no server runs it returns false at
// once: it never starts a server of its own and never waits for one.
class PulseSoundPlayer : public SoundPlayer {
 public:
  bool PlaySoundFile(const std::string& path) override;

  // The server address the player connects to: $PULSE_SERVER, or the socket
  // of a running server; empty when there is none.
  static std::string FindSoundServer();
  // Whether a server is there and accepts a playback stream.
  static bool SoundServerAnswers();
};

}  // namespace kmpx
