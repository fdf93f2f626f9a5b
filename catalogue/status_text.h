// The status bar's read-out of one icon: its file's name and, above 0, its index.
#pragma once

#include <string>

#include "../app/ansi_text.h"

// " name" for index 0, " name,  Index N" above it; name is what follows the path's last "\"
// character (leadBytes: those of the code page that path is written in).
std::string StatusText(const std::string& path, unsigned index, const LeadByteSet& leadBytes);
