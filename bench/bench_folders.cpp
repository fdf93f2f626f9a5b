// The folders that the benchmark scans, generated once under its data folder.
#include "bench_folders.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>

namespace {

// Marks a folder whose generation ran to its end, so that a broken one is made again.
constexpr char kCompleteMark[] = "\\complete.mark";

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    const HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + path);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void CopyFixture(const std::string& dll, const std::string& to) {
    if (!CopyFileA((BenchDirectory() + "\\" + dll).c_str(), to.c_str(), FALSE))
        throw std::runtime_error("cannot copy " + dll + " to " + to);
}

std::string Numbered(int n) {
    char name[16];
    std::snprintf(name, sizeof name, "%05d", n);
    return name;
}

// Gives folder's path under dataDir, after filling it with fill(path) unless that was done.
template <typename Fill>
std::string Prepared(const std::string& dataDir, const std::string& name, Fill fill) {
    CreateDirectoryA(dataDir.c_str(), nullptr);
    const std::string path = dataDir + "\\" + name;
    if (Exists(path + kCompleteMark)) return path;
    CreateDirectoryA(path.c_str(), nullptr);
    fill(path);
    WriteFile(path + kCompleteMark, "");
    return path;
}

} // namespace

std::string BenchDirectory() {
    char path[MAX_PATH + 1];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, n);
    return dir.substr(0, dir.rfind('\\'));
}

std::string MixedFolder(const std::string& dataDir, int files, int iconFiles) {
    const std::string name = "mixed" + std::to_string(files);
    return Prepared(dataDir, name, [&](const std::string& path) {
        // Icon files spread evenly among the others, as in a real folder.
        const int every = files / iconFiles;
        for (int i = 0; i < files; ++i) {
            const std::string base = path + "\\file" + Numbered(i);
            if (i % every == 0 && i / every < iconFiles) {
                const int icons = 1 + (i / every) % 3;
                CopyFixture("icons" + std::to_string(icons) + ".dll", base + ".dll");
            } else {
                WriteFile(base + ".txt", "a file that holds no icon " + std::to_string(i) + "\r\n");
            }
        }
    });
}

std::string ThousandIconFolder(const std::string& dataDir, int copies) {
    return Prepared(dataDir, "thousand" + std::to_string(copies), [&](const std::string& path) {
        for (int i = 0; i < copies; ++i)
            CopyFixture("icons1000.dll", path + "\\icons" + Numbered(i) + ".dll");
    });
}

std::string ThreeIconFolder(const std::string& dataDir, int copies) {
    return Prepared(dataDir, "three" + std::to_string(copies), [&](const std::string& path) {
        for (int i = 0; i < copies; ++i)
            CopyFixture("icons3.dll", path + "\\icons" + Numbered(i) + ".dll");
    });
}

std::string DamagedFolder(const std::string& dataDir, int files, int every) {
    const std::string name = "damaged" + std::to_string(files) + "-" + std::to_string(every);
    return Prepared(dataDir, name, [&](const std::string& path) {
        for (int i = 0; i < files; ++i) {
            const std::string base = path + "\\file" + Numbered(i);
            if (i % every != every - 1) {
                CopyFixture("icons3.dll", base + ".dll");
                continue;
            }
            const bool countFaults = (i / every) % 2 == 0;
            CopyFixture(countFaults ? "partial_body.dll" : "partial_resources.dll",
                        base + "-cut.dll");
        }
    });
}

bool IsPartialDownload(const std::string& name) {
    const std::string mark = "-cut.dll";
    return name.size() >= mark.size() &&
           name.compare(name.size() - mark.size(), mark.size(), mark) == 0;
}
