#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "common/RefPtr.h"
#include "config/Config.h"
#include "config/MemorySettingsStore.h"
#include "support/TempHome.h"

namespace vorla::test {

// Standard folders at fixed places under root, as a platform without VORLA_HOME gives them.
class FixedFolders final : public StandardFolders {
 public:
  explicit FixedFolders(const std::filesystem::path& root, bool hasLocalAppData = true)
      : root_(root), hasLocalAppData_(hasLocalAppData) {}

  std::optional<std::filesystem::path> LocalAppData() const override {
    if (!hasLocalAppData_) return std::nullopt;
    return root_ / "local";
  }
  std::filesystem::path Documents() const override { return root_ / "docs"; }
  std::filesystem::path Temp() const override { return root_ / "temp"; }

 private:
  std::filesystem::path root_;
  bool hasLocalAppData_;
};

// A Config whose per-user state lies in the test's VORLA_HOME; the platform folders lie in
// its "platform" folder, where nothing may appear.
inline RefPtr<Config> MakeHomeConfig(
    std::shared_ptr<SettingsStore> store = std::make_shared<MemorySettingsStore>(),
    Environment environment = {}) {
  environment.home = CurrentHome();
  return MakeRef<Config>(std::move(store), FixedFolders(CurrentHome() / "platform"),
                         std::move(environment));
}

}  // namespace vorla::test
