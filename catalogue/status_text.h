// The status bar's read-out of one icon: its file's name and, above 0, its index.
#pragma once

#include <string>

// " name" for index 0, " name,  Index N" above it; name is what follows the path's last "\".
std::string StatusText(const std::string& path, unsigned index);
