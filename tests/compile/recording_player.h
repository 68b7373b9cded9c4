#pragma once
// A sound player that only remembers what it was asked to play.
#include <string>
#include <vector>

#include "compile/sound_player.h"
#include "text/text_file.h"

namespace kmpx::test {

class RecordingPlayer : public SoundPlayer {
 public:
  // Like the real player, it reports whether there was a file to play.
  bool PlaySoundFile(const std::string& path) override {
    played.push_back(path);
    return FileExists(path);
  }
  std::vector<std::string> played;
};

}  // namespace kmpx::test
