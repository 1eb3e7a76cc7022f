#pragma once

#include <string>

#include "download/ArchiveKind.h"

namespace download {

// The kind of the file at path (UTF-8) by its first six bytes; not an
// archive when it cannot be opened or is shorter.
ArchiveKind DetectArchive(const std::string& path);

// The program to start for the downloaded file at path: for a ZIP archive,
// the first .exe found after unpacking it into ExtractionFolderFor(path,
// folder) (or into folder when that cannot be made); in every other case,
// and when unpacking finds none, path itself.
std::string PrepareInstaller(const std::string& path, ArchiveKind kind, const std::string& folder);

// The name (not the path) of the first file matching *.exe directly in
// folder, in the order the file system lists them; "" when there is none.
std::string FindFirstExe(const std::string& folder);

}  // namespace download
