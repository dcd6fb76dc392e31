#include "config/Directories.h"

#include <system_error>

#include "config/Config.h"

namespace vorla {

namespace {

// The path with a trailing separator (kept when it already has one).
std::filesystem::path AsDirectory(std::filesystem::path path) {
  path /= "";
  return path;
}

std::filesystem::path Utf8Path(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::filesystem::path ApplicationData(const StandardFolders& folders,
                                      const Environment& environment) {
  if (environment.home) return AsDirectory(*environment.home / "appdata");
  const std::filesystem::path base = folders.LocalAppData().value_or(folders.Temp());
  return AsDirectory(base / Config::kMakerName / Config::kProductName);
}

std::filesystem::path DocumentsFolder(const StandardFolders& folders,
                                      const Environment& environment) {
  if (environment.home) return *environment.home / "Documents";
  return folders.Documents();
}

}  // namespace

std::filesystem::path ResolveDirectoryPath(const std::filesystem::path& appData,
                                           std::string_view path, std::string_view defaultLeaf) {
  if (path.empty()) return AsDirectory(appData / Utf8Path(defaultLeaf));
  std::filesystem::path stored = Utf8Path(path);
  if (!stored.has_root_path()) stored = appData / stored;
  return AsDirectory(std::move(stored));
}

Directories ResolveDirectories(const StandardFolders& folders, const Environment& environment,
                               std::string_view userVocDir) {
  Directories directories;
  directories.appData = ApplicationData(folders, environment);
  directories.userVocabularies =
      ResolveDirectoryPath(directories.appData, userVocDir, "Vocabularies");
  directories.temporary = AsDirectory(directories.appData / "tmp");
  directories.documentsWork =
      AsDirectory(DocumentsFolder(folders, environment) / Config::kProductName / "Temporary");
  return directories;
}

void CreateDirectories(const Directories& directories) {
  for (const auto* path : {&directories.appData, &directories.userVocabularies,
                           &directories.temporary, &directories.documentsWork}) {
    std::error_code ignored;
    std::filesystem::create_directories(*path, ignored);
  }
}

}  // namespace vorla
