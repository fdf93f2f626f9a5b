// Names in the system's ANSI code page, taken only where they name the same thing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// text in the ANSI code page when it converts exactly: every character has one of its own there,
// so converting back gives text again. A character that the code page lacks (which would come
// out as a default character or as a look-alike, "ł" as "l") leaves nothing: the ANSI form would
// name another file, or none.
std::optional<std::string> ExactAnsi(std::wstring_view text);

// text converted from the ANSI code page, as the platform's ANSI functions convert it.
std::wstring WideFromAnsi(std::string_view text);
