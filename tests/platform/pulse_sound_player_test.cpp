#include "platform/pulse_sound_player.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>

#include "support/test_reporting.h"
#include "text/embedded_resources.h"
#include "text/text_file.h"

namespace kmpx {
namespace {

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(PulseSoundPlayer, PlaysAShippedSoundToItsEnd) {
  if (!PulseSoundPlayer::SoundServerAnswers())
    GTEST_SKIP() << "no sound server (PulseAudio or PipeWire) answers here; playback is not tested";
  test::TempHome home;
  const std::string path = home.Path("ks_Error.wav");
  ASSERT_TRUE(ExtractResourceFile("SOUND", "ks_Error.wav", path));
  PulseSoundPlayer player;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(player.PlaySoundFile(path));
  // The sound lasts 0.44 s; a player that returned before it ended would take far less.
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
}

TEST(PulseSoundPlayer, ReturnsFalseForWhatItCannotPlay) {
  test::TempHome home;
  ASSERT_TRUE(WriteFileAtomically(home.Path("text.wav"), "not a wave file"));
  PulseSoundPlayer player;
  for (const std::string& path : {std::string(), home.Path("missing.wav"), home.Path("text.wav"), home.Dir()})
    EXPECT_FALSE(player.PlaySoundFile(path)) << path;
}

TEST(PulseSoundPlayer, ReturnsFalseWhenNoServerRuns) {
  test::TempHome home;
  const std::string path = home.Path("ks_Warning.wav");
  ASSERT_TRUE(ExtractResourceFile("SOUND", "ks_Warning.wav", path));
  {
    // Nothing listens there; the player must neither wait nor start a server.
    ScopedEnv server("PULSE_SERVER", ("unix:" + home.Path("no-server")).c_str());
    EXPECT_FALSE(PulseSoundPlayer::SoundServerAnswers());
    EXPECT_FALSE(PulseSoundPlayer().PlaySoundFile(path));
  }
  {
    ScopedEnv server("PULSE_SERVER", "");
    ScopedEnv runtime("XDG_RUNTIME_DIR", home.Dir().c_str());
    if (PulseSoundPlayer::FindSoundServer().empty()) {
      EXPECT_FALSE(PulseSoundPlayer().PlaySoundFile(path));
    }
  }
}

}  // namespace
}  // namespace kmpx
