// Where the settings file lies: next to the executable, in a lower-cased path.
#pragma once

#include <string>
#include <string_view>

#include "../app/ansi_text.h"

// The settings file's name in the executable's folder.
constexpr char kSettingsFileTitle[] = "glyphbay.ini";

// The settings file's path for the executable's full path: the executable's folder (everything
// before the path's last backslash, or the whole path when it has none), lower-cased as
// LowerCaseLetters does, then "\glyphbay.ini". The folder is kept whole, however long, so the
// file never lands in another folder. An empty executable path (unknown) gives an empty text.
std::string SettingsPathFor(std::string_view executablePath, const LeadByteSet& leadBytes);
