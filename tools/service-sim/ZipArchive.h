#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorla::sim {

// One member of a ZIP archive.
struct ZipEntry {
  std::string name;
  std::string data;
  bool stored = false;  // kept without compression (an OpenDocument's mimetype must be)
};

// The members of a ZIP archive in their order; nothing when the bytes are not one.
std::optional<std::vector<ZipEntry>> ReadZip(std::string_view archive);

// A ZIP archive of the entries in their order; nothing when it cannot be written.
std::optional<std::string> WriteZip(const std::vector<ZipEntry>& entries);

}  // namespace vorla::sim
