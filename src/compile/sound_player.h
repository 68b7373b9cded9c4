#pragma once
#include <string>

namespace kmpx {

// Plays wave files. Synchronous: a call returns only when the sound has ended,
// so the caller (and the user-interface thread) waits for it.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // path is a program path (CP1251, either separator); a relative one is taken
  // from the current folder. False when nothing was played: a missing or
  // unreadable file, or no sound device. The user is never told.
  virtual bool PlaySoundFile(const std::string& path) = 0;
};

}  // namespace kmpx
