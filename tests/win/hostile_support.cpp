// Helpers of the hostile-input tests.
#include "hostile_support.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "../../app/exact_ansi.h"
#include "../../app/platform_seams.h"
#include "test_support.h"

namespace {

std::vector<UINT> beeps;
std::vector<std::string> boxes;
std::vector<UINT> exits;

BOOL WINAPI RecordBeep(UINT type) {
    beeps.push_back(type);
    return TRUE;
}

int WINAPI RecordBox(HWND, LPCSTR text, LPCSTR, UINT) {
    boxes.emplace_back(text ? text : "");
    return IDOK;
}

void WINAPI RecordExit(UINT code) {
    exits.push_back(code);
}

} // namespace

SilenceWatch::SilenceWatch()
    : beep_(Platform().messageBeep), box_(Platform().messageBox), exit_(Platform().exitProcess) {
    beeps.clear();
    boxes.clear();
    exits.clear();
    Platform().messageBeep = RecordBeep;
    Platform().messageBox = RecordBox;
    Platform().exitProcess = RecordExit;
}

SilenceWatch::~SilenceWatch() {
    Platform().messageBeep = beep_;
    Platform().messageBox = box_;
    Platform().exitProcess = exit_;
}

const std::vector<UINT>& SilenceWatch::Beeps() const {
    return beeps;
}

const std::vector<std::string>& SilenceWatch::Boxes() const {
    return boxes;
}

const std::vector<UINT>& SilenceWatch::Exits() const {
    return exits;
}

void SilenceWatch::ExpectSilence() const {
    EXPECT_TRUE(beeps.empty()) << beeps.size() << " beep(s)";
    for (const std::string& box : boxes)
        ADD_FAILURE() << "message box: " << box;
    for (const UINT code : exits)
        ADD_FAILURE() << "exit with code " << code;
}

bool RunningOnWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

std::string FixtureBytes(const std::string& fixture) {
    std::optional<std::string> bytes = ReadWholeFile(TestDirectory() + "\\" + fixture);
    if (!bytes) throw std::runtime_error("missing fixture " + fixture);
    return *bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(WideFromAnsi(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + path);
    DWORD written = 0;
    if (!bytes.empty())
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    if (written != bytes.size()) throw std::runtime_error("short write to " + path);
}

void RemoveFile(const std::string& path) {
    DeleteFileW(WideFromAnsi(path).c_str());
}
