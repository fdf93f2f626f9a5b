// Names in the system's ANSI code page, taken only where they name the same thing.
#include "exact_ansi.h"

#include <windows.h>

std::optional<std::string> ExactAnsi(std::wstring_view text) {
    // Most names are ASCII, which every ANSI code page holds as it is: no conversion needed.
    std::string ascii(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] >= 0x80) {
            ascii.clear();
            break;
        }
        ascii[i] = static_cast<char>(text[i]);
    }
    if (ascii.size() == text.size()) return ascii;
    const int length = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::nullopt;
    std::string ansi(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, &ansi[0], n, nullptr, nullptr);
    // The round trip is what the platform does when it opens the ANSI name: the name is exact
    // when that gives the very same characters.
    if (WideFromAnsi(ansi) != text) return std::nullopt;
    return ansi;
}

std::wstring WideFromAnsi(std::string_view text) {
    if (text.empty()) return std::wstring();
    const int length = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, &wide[0], n);
    return wide;
}
