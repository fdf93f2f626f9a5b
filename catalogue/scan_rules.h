// The platform-free rules of the folder scan: which entries count and how paths are formed.
#pragma once

#include <cstdint>
#include <string>

#include "../app/ansi_text.h"

constexpr std::uint32_t kDirectoryAttribute = 0x10;

// True for a directory entry that is neither "." nor ".." nor a folder.
bool IsListableFile(const std::string& name, std::uint32_t attributes);

// The folder text as the scan uses it: with one trailing backslash removed, if it has one.
std::string ScanFolderText(const std::string& folderText, const LeadByteSet& leadBytes);

// The enumeration pattern for a folder text already passed through ScanFolderText.
std::string SearchPattern(const std::string& scanFolder);

// The full path of a file named name in scanFolder.
std::string FullPath(const std::string& scanFolder, const std::string& name);
