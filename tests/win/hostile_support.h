// Helpers of the hostile-input tests: watching for sounds, message boxes and exits, and files
// written byte for byte.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Replaces the beep, the message box and the process exit with recorders while it lives, so a
// test sees every sound and every report that the program makes (and the process goes on).
class SilenceWatch {
  public:
    SilenceWatch();
    ~SilenceWatch();
    SilenceWatch(const SilenceWatch&) = delete;
    SilenceWatch& operator=(const SilenceWatch&) = delete;

    const std::vector<UINT>& Beeps() const;
    // The texts of the message boxes shown, and the exit codes asked for.
    const std::vector<std::string>& Boxes() const;
    const std::vector<UINT>& Exits() const;
    // Adds a failure naming everything that was heard.
    void ExpectSilence() const;

  private:
    BOOL(WINAPI* beep_)(UINT);
    int(WINAPI* box_)(HWND, LPCSTR, LPCSTR, UINT);
    void(WINAPI* exit_)(UINT);
};

// True when the tests run under Wine, whose shell and profile functions differ from Windows' in
// places (each test that relies on it says where).
bool RunningOnWine();

// The bytes of a fixture DLL built beside the tests.
std::string FixtureBytes(const std::string& fixture);

// Creates (or replaces) the file at path with exactly these bytes; the path may be longer than
// the ANSI file functions take.
void WriteBytes(const std::string& path, const std::string& bytes);
void RemoveFile(const std::string& path);
