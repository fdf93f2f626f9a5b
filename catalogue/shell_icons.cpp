// The shell's icon reader, guarded: a file that it cannot read safely holds no icon.
#include "shell_icons.h"

#include <psapi.h>
#include <shellapi.h>

#include <string>

#include "../app/exact_ansi.h"
#include "../app/fault_guard.h"
#include "../app/main_dialog.h"
#include "icon_file_check.h"
#include "view_names.h"

namespace {

// A view's file name: a device or "\??\" prefix and a path that the ANSI functions can open.
constexpr DWORD kViewNameSize = 1024;

struct ExtractCall {
    const char* path;
    UINT index;
    HICON result;
};

void RunExtractIcon(void* context) noexcept {
    auto* call = static_cast<ExtractCall*>(context);
    call->result = ExtractIconA(ProgramInstance(), call->path, call->index);
}

// What fn (GetFullPathNameW's or GetLongPathNameW's rule) gives for path; empty when it fails
// or needs more than kViewNameSize characters, since no view's name is that long.
template <typename PathFunction>
std::wstring PathThrough(PathFunction fn, const std::wstring& path) {
    wchar_t result[kViewNameSize];
    const DWORD n = fn(path.c_str(), result, kViewNameSize);
    return n > 0 && n < kViewNameSize ? std::wstring(result, n) : std::wstring();
}

DWORD FullPathOf(const wchar_t* path, wchar_t* buffer, DWORD size) {
    return GetFullPathNameW(path, size, buffer, nullptr);
}

// The device that the drive of path stands for, or empty.
std::wstring DriveDevice(const std::wstring& path) {
    if (path.size() < 2 || path[1] != L':') return std::wstring();
    const wchar_t drive[] = {path[0], L':', L'\0'};
    wchar_t device[kViewNameSize];
    if (!QueryDosDeviceW(drive, device, kViewNameSize)) return std::wstring();
    return device;
}

// Gives back the views of the file at path that are still mapped. A read that faulted was
// abandoned with the file's view still mapped, and each such view holds address space the size
// of the file. The program itself maps no file, and the reader unmaps its view when it returns,
// so every view of that file is one that a faulted read left behind.
void ReleaseViewsOf(const char* path) {
    const std::wstring full = PathThrough(FullPathOf, WideFromAnsi(path));
    if (full.empty()) return;
    const std::wstring names[] = {full, PathThrough(GetLongPathNameW, full)};
    const std::wstring device = DriveDevice(full);

    MEMORY_BASIC_INFORMATION region;
    const char* at = nullptr;
    while (VirtualQuery(at, &region, sizeof region) == sizeof region) {
        const char* const next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (region.Type == MEM_MAPPED && region.BaseAddress == region.AllocationBase) {
            wchar_t viewName[kViewNameSize];
            // A name that fills the buffer came back cut, and names no file for sure.
            const DWORD n = GetMappedFileNameW(GetCurrentProcess(), region.BaseAddress, viewName,
                                               kViewNameSize);
            for (const std::wstring& name : names)
                if (n > 0 && n < kViewNameSize && !name.empty() &&
                    ViewNamesFile(std::wstring_view(viewName, n), name, device)) {
                    UnmapViewOfFile(region.BaseAddress);
                    break;
                }
        }
        if (next <= at) break; // the top of the address space
        at = next;
    }
}

// Runs ExtractIconA under the guard; after a fault, gives back what the reader left mapped.
bool GuardedExtractIcon(const char* path, UINT index, HICON* result) {
    ExtractCall call{path, index, nullptr};
    const bool returned = CallGuarded(RunExtractIcon, &call);
    if (!returned) ReleaseViewsOf(path);
    *result = returned ? call.result : nullptr;
    return returned;
}

} // namespace

int CountShellIcons(const char* path) {
    if (IsLyingIconFile(path)) return 0;
    HICON count = nullptr;
    GuardedExtractIcon(path, static_cast<UINT>(-1), &count);
    return static_cast<int>(reinterpret_cast<INT_PTR>(count));
}

bool ExtractShellIcon(const char* path, UINT index, HICON* icon) {
    // The file may have been replaced since the scan counted its icons.
    if (IsLyingIconFile(path)) {
        *icon = nullptr;
        return false;
    }
    return GuardedExtractIcon(path, index, icon);
}
