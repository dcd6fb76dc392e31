#pragma once

#include <filesystem>
#include <string_view>

#include "config/Environment.h"
#include "config/StandardFolders.h"

namespace vorla {

// The working directories, each ending in a separator (callers may append file names to
// them as text).
struct Directories {
  std::filesystem::path appData;           // application data
  std::filesystem::path userVocabularies;  // user dictionaries ("UserVocDir")
  std::filesystem::path temporary;         // application data + "tmp"
  std::filesystem::path documentsWork;     // Documents + product name + "Temporary"
};

// A stored folder (UTF-8) resolved against the application data: empty gives appData +
// defaultLeaf, a relative path lies under appData, one with a root (a leading separator, or
// a drive on Windows) is kept. The result ends in a separator.
std::filesystem::path ResolveDirectoryPath(const std::filesystem::path& appData,
                                           std::string_view path, std::string_view defaultLeaf);

// Where the directories lie. Under VORLA_HOME, application data is "appdata" and Documents
// is "Documents" in it; otherwise the platform's folders with the maker and product levels.
// userVocDir is the stored "UserVocDir" as UTF-8.
Directories ResolveDirectories(const StandardFolders& folders, const Environment& environment,
                               std::string_view userVocDir);

// Creates each missing directory (every level) in the order of the structure. A folder that
// cannot be created is still used, so failures are ignored here.
void CreateDirectories(const Directories& directories);

}  // namespace vorla
