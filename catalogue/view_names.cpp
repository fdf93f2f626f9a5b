// Whether a mapped view's file name, as the system reports it, names a given file.
#include "view_names.h"

namespace {

wchar_t FoldLetter(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

// True when text is prefix followed by rest, letter case ignored.
bool IsJoined(std::wstring_view text, std::wstring_view prefix, std::wstring_view rest) {
    if (text.size() != prefix.size() + rest.size()) return false;
    const auto same = [](std::wstring_view a, std::wstring_view b) {
        for (std::size_t i = 0; i < a.size(); ++i)
            if (FoldLetter(a[i]) != FoldLetter(b[i])) return false;
        return true;
    };
    return same(text.substr(0, prefix.size()), prefix) && same(text.substr(prefix.size()), rest);
}

bool IsDrivePath(std::wstring_view path) {
    return path.size() >= 3 && FoldLetter(path[0]) >= L'A' && FoldLetter(path[0]) <= L'Z' &&
           path[1] == L':' && path[2] == L'\\';
}

bool IsNetworkPath(std::wstring_view path) {
    return path.size() > 2 && path[0] == L'\\' && path[1] == L'\\' && path[2] != L'\\' &&
           path[2] != L'?' && path[2] != L'.';
}

} // namespace

bool ViewNamesFile(std::wstring_view viewName, std::wstring_view fullPath,
                   std::wstring_view driveDevice) {
    if (IsDrivePath(fullPath)) {
        if (IsJoined(viewName, L"\\??\\", fullPath)) return true;
        return !driveDevice.empty() && IsJoined(viewName, driveDevice, fullPath.substr(2));
    }
    if (IsNetworkPath(fullPath)) {
        const std::wstring_view share = fullPath.substr(2); // server\share\...
        return IsJoined(viewName, L"\\??\\UNC\\", share) ||
               IsJoined(viewName, L"\\Device\\Mup\\", share);
    }
    return false;
}
