// Icon files whose directory lies about the file, found before the shell's reader sees them.
#include "icon_file_check.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "ico_directory.h"

namespace {

// Reads size bytes at the file's current position; false when fewer come.
bool ReadExactly(HANDLE file, std::uint8_t* into, std::size_t size) {
    DWORD read = 0;
    return ReadFile(file, into, static_cast<DWORD>(size), &read, nullptr) && read == size;
}

bool HasLyingDirectory(HANDLE file) {
    // Only files on disk: a pipe or a device could make a read wait.
    if (GetFileType(file) != FILE_TYPE_DISK) return false;
    std::uint8_t header[kIcoHeaderSize];
    if (!ReadExactly(file, header, sizeof header) || !IsIcoHeader(header, sizeof header))
        return false;
    LARGE_INTEGER fileSize{};
    if (!GetFileSizeEx(file, &fileSize)) return false;
    const std::size_t directorySize = IcoDirectorySize(header, sizeof header);
    // A directory longer than the file is the lie itself; nothing more needs reading.
    if (static_cast<std::uint64_t>(fileSize.QuadPart) < directorySize) return true;
    // At most 6 + 16 × 65,535 bytes, about 1 MiB, and no more than the file holds.
    std::vector<std::uint8_t> directory(directorySize);
    std::memcpy(directory.data(), header, sizeof header);
    if (!ReadExactly(file, directory.data() + sizeof header, directorySize - sizeof header))
        return true;
    std::vector<IcoEntry> entries;
    return !ReadIcoDirectory(directory.data(), directory.size(),
                             static_cast<std::uint64_t>(fileSize.QuadPart), &entries);
}

} // namespace

bool IsLyingIconFile(const char* path) {
    const HANDLE file =
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool lying = HasLyingDirectory(file);
    CloseHandle(file);
    return lying;
}
