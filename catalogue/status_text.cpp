// The status bar's read-out of one icon.
#include "status_text.h"

std::string StatusText(const std::string& path, unsigned index, const LeadByteSet& leadBytes) {
    // The last backslash becomes the leading space; every item's path has one.
    const std::size_t slash = LastBackslash(path, leadBytes);
    std::string text = " " + (slash == std::string::npos ? path : path.substr(slash + 1));
    if (index > 0) text += ",  Index " + std::to_string(index);
    return text;
}
