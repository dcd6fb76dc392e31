#pragma once

#include "config/StandardFolders.h"

namespace vorla {

// The standard folders as QStandardPaths knows them: the generic data folder serves as the
// local application-data folder.
class QtStandardFolders final : public StandardFolders {
 public:
  std::optional<std::filesystem::path> LocalAppData() const override;
  std::filesystem::path Documents() const override;
  std::filesystem::path Temp() const override;
};

}  // namespace vorla
