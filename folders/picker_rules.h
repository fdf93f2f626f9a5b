// The folder picker's text rules: the folder it preselects and the folder text it gives back.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "../app/ansi_text.h"

// The longest picked folder that the Browse command pushes and scans.
constexpr std::size_t kPickedFolderMax = 255;

// How much of the current folder text the picker is asked to select: all of it, but without its
// one trailing backslash when it is longer than three characters (so a drive's root, "c:\",
// keeps its backslash, and only one of two trailing backslashes goes).
std::size_t PreselectionLength(std::string_view folderText, const LeadByteSet& leadBytes);

// The picker's path as the history keeps it: lower-cased, at most its first 255 bytes, and never
// half of a two-byte character (a lone lead byte would take the next backslash as its own).
std::string PickedFolderText(std::string_view pickedPath, const LeadByteSet& leadBytes);
