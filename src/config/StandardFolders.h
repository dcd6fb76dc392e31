#pragma once

#include <filesystem>
#include <optional>

namespace vorla {

// The platform's standard folders, as the platform layer finds them.
class StandardFolders {
 public:
  virtual ~StandardFolders() = default;

  // The user's local application-data folder; nothing when it cannot be found.
  virtual std::optional<std::filesystem::path> LocalAppData() const = 0;
  // The user's Documents folder.
  virtual std::filesystem::path Documents() const = 0;
  // The temporary-files folder.
  virtual std::filesystem::path Temp() const = 0;
};

}  // namespace vorla
