#pragma once
// The sounds of the program's events. The settings say whether sounds play at
// all ("USESOUNDS") and which wave file belongs to each event ("SOUND0"...).
#include <string>
#include <string_view>
#include <vector>

#include "compile/sound_player.h"
#include "text/line_list.h"

namespace kmpx {

// Plays the file named by key in settings, only when "USESOUNDS" is exactly
// "1" and the key's value is not empty. True when a sound was played.
bool PlayEventSound(const LineList& settings, SoundPlayer& player, std::string_view key);

// The wave files the default settings name, shipped inside the program.
const std::vector<std::string>& DefaultSoundFileNames();
inline constexpr char kSoundResourceType[] = "SOUND";
inline constexpr char kSoundsFolder[] = "Sounds";

// Writes each default sound that is missing into the "Sounds" folder of
// programDir (which ends with a separator); a file already there is kept.
// False when one could not be written.
bool WriteMissingSoundFiles(const std::string& programDir);

}  // namespace kmpx
