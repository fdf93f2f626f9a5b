// The folders that the benchmark scans, generated once under its data folder.
#pragma once

#include <string>

// The folder of the benchmark's executable, which holds the fixture DLLs.
std::string BenchDirectory();

// A folder of files with icons files icon DLLs (1, 2 or 3 icons in turn) among files files in
// all; the rest hold no icon. Made when it is not there yet; its path is given.
std::string MixedFolder(const std::string& dataDir, int files, int iconFiles);

// A folder holding copies copies of a DLL with 1,000 icons.
std::string ThousandIconFolder(const std::string& dataDir, int copies);

// A folder of copies copies of a DLL with 3 icons.
std::string ThreeIconFolder(const std::string& dataDir, int copies);

// A folder of files copies of a DLL with 3 icons, of which every every-th is a partial download
// instead, named "...-cut.dll": cut after its headers (the shell's reader faults counting its
// icons) and inside its resources (it faults on each icon it extracts), in turn.
std::string DamagedFolder(const std::string& dataDir, int files, int every);

// True for the names DamagedFolder gives its partial downloads.
bool IsPartialDownload(const std::string& name);
