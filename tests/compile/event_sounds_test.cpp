#include "compile/event_sounds.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <set>

#include "support/test_reporting.h"
#include "text/embedded_resources.h"
#include "text/text_file.h"

#include "recording_player.h"

namespace kmpx {
namespace {

using test::RecordingPlayer;

TEST(EventSounds, PlayOnlyWhenSoundsAreOnAndTheEventHasAFile) {
  struct Case {
    LineList settings;
    const char* key;
    std::vector<std::string> played;
  };
  const Case cases[] = {
      {{"USESOUNDS=1", "SOUND0=.\\Sounds\\ks_Error.wav"}, "SOUND0", {".\\Sounds\\ks_Error.wav"}},
      {{"[SOUNDS]", "usesounds=1", "sound2=a.wav", "[END_SOUNDS]"}, "SOUND2", {"a.wav"}},
      {{"USESOUNDS=0", "SOUND0=a.wav"}, "SOUND0", {}},
      {{"USESOUNDS=2", "SOUND0=a.wav"}, "SOUND0", {}},
      {{"USESOUNDS=1 ", "SOUND0=a.wav"}, "SOUND0", {}},
      {{"SOUND0=a.wav"}, "SOUND0", {}},
      {{"USESOUNDS=1", "SOUND3="}, "SOUND3", {}},
      {{"USESOUNDS=1", "SOUND0=a.wav"}, "SOUND5", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.settings.ToText() + c.key);
    RecordingPlayer player;
    PlayEventSound(c.settings, player, c.key);
    EXPECT_EQ(player.played, c.played);
  }
}

// Reads a little-endian number out of a WAV header.
std::uint32_t Field(const std::string& bytes, std::size_t offset, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value * 256 + static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

TEST(EventSounds, WritesTheMissingDefaultSoundsAndKeepsTheUsersOwn) {
  test::TempHome home;
  std::filesystem::create_directories(home.Path("Sounds"));
  ASSERT_TRUE(WriteFileAtomically(home.Path("Sounds/ks_Warning.wav"), "mine"));

  ASSERT_TRUE(WriteMissingSoundFiles(home.Dir()));

  EXPECT_EQ(ReadFileBytes(home.Path("Sounds/ks_Warning.wav")), "mine");
  std::set<std::string> distinct;
  for (const std::string& name : DefaultSoundFileNames()) {
    if (name == "ks_Warning.wav") continue;
    SCOPED_TRACE(name);
    const auto wav = ReadFileBytes(home.Path("Sounds/" + name));
    ASSERT_TRUE(wav);
    ASSERT_GT(wav->size(), 44u);
    EXPECT_EQ(wav->substr(0, 4), "RIFF");
    EXPECT_EQ(Field(*wav, 4, 4), wav->size() - 8);
    EXPECT_EQ(wav->substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Field(*wav, 20, 2), 1u);  // PCM
    EXPECT_EQ(Field(*wav, 22, 2), 1u);  // mono
    EXPECT_EQ(Field(*wav, 24, 4), 22050u);
    EXPECT_EQ(Field(*wav, 34, 2), 16u);
    EXPECT_EQ(wav->substr(36, 4), "data");
    const std::uint32_t dataBytes = Field(*wav, 40, 4);
    EXPECT_EQ(dataBytes, wav->size() - 44);
    const double seconds = dataBytes / 2.0 / 22050;
    EXPECT_GE(seconds, 0.2);
    EXPECT_LE(seconds, 0.6);
    distinct.insert(*wav);
  }
  EXPECT_EQ(distinct.size(), DefaultSoundFileNames().size() - 1);
}

// The built-in settings name sounds relative to the program folder; once the
// program folder is the current folder, each names a file that was written.
TEST(EventSounds, BuiltInSettingsNameTheShippedSounds) {
  test::TempHome home;
  ASSERT_TRUE(WriteMissingSoundFiles(home.Dir()));
  const auto ini = FindEmbeddedResource("EXEFILE", "INI");
  ASSERT_TRUE(ini);
  const LineList settings = LineList::FromText(*ini);

  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(home.Dir());
  RecordingPlayer player;
  for (const char* key : {"SOUND0", "SOUND1", "SOUND2", "SOUND3", "SOUND4", "SOUND5"})
    EXPECT_EQ(PlayEventSound(settings, player, key), settings.ValueOf(key) != "") << key;
  std::filesystem::current_path(previous);
  EXPECT_EQ(player.played.size(), 5u);
}

}  // namespace
}  // namespace kmpx
