// Whether a mapped view's file name, as the system reports it, names a given file.
#pragma once

#include <string_view>

// viewName: a view's file name as the system gives it: "\??\" and a DOS path ("\??\C:\a\b.dll",
// "\??\UNC\server\share\b.dll") or a device path ("\Device\HarddiskVolume1\a\b.dll",
// "\Device\Mup\server\share\b.dll"). fullPath: an absolute path, "C:\a\b.dll" or
// "\\server\share\b.dll". driveDevice: the device that fullPath's drive letter stands for
// ("\Device\HarddiskVolume1"), or empty when it is not known. Letter case is ignored in the
// letters A to Z, as the file system ignores it; any other difference means another file, so a
// view is only ever taken for the file when nothing else can be meant.
bool ViewNamesFile(std::wstring_view viewName, std::wstring_view fullPath,
                   std::wstring_view driveDevice);
