#include "documents/files/PicturePackage.h"

#include <cstdint>

namespace vorla {

namespace {

// Takes fields from the front of the package, never past its end.
class BoundedReader {
 public:
  explicit BoundedReader(std::string_view bytes) : rest_(bytes) {}

  std::optional<std::uint32_t> Number() {
    if (rest_.size() < 4) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
      value = (value << 8) | static_cast<unsigned char>(rest_[static_cast<std::size_t>(i)]);
    }
    rest_.remove_prefix(4);
    return value;
  }

  std::optional<std::string_view> Bytes(std::uint32_t count) {
    if (rest_.size() < count) return std::nullopt;
    const std::string_view taken = rest_.substr(0, count);
    rest_.remove_prefix(count);
    return taken;
  }

 private:
  std::string_view rest_;
};

}  // namespace

std::optional<std::string_view> PackageDocumentName(std::string_view bytes) {
  BoundedReader reader(bytes);
  const std::optional<std::uint32_t> length = reader.Number();
  return length ? reader.Bytes(*length) : std::nullopt;
}

PicturePackage ReadPicturePackage(std::string_view bytes) {
  PicturePackage package;
  if (bytes.size() < kMinimumPackageSize) return package;
  BoundedReader reader(bytes);
  const std::optional<std::string_view> documentName = PackageDocumentName(bytes);
  if (!documentName) return package;
  package.documentName = *documentName;
  reader.Bytes(4 + static_cast<std::uint32_t>(documentName->size()));
  const std::optional<std::uint32_t> count = reader.Number();
  if (!count || *count > kMostPackagePictures) return package;
  for (std::uint32_t i = 0; i < *count; ++i) {
    const std::optional<std::uint32_t> length = reader.Number();
    if (!length || *length >= kPictureNameLimit) break;
    const std::optional<std::string_view> name = reader.Bytes(*length);
    const std::optional<std::uint32_t> size = name ? reader.Number() : std::nullopt;
    if (!size || *size > kLargestPackagePicture) break;
    const std::optional<std::string_view> data = reader.Bytes(*size);
    if (!data) break;
    package.pictures.push_back({*name, *data});
  }
  return package;
}

bool IsPlainPictureName(std::string_view name, std::string_view pageName) {
  if (name.empty() || name == "." || name == ".." || name == pageName) return false;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || c == '/' || c == '\\') return false;
  }
  return true;
}

}  // namespace vorla
