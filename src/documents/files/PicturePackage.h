#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vorla {

// The pictures that come with an HTML page made from a PDF, as the service packs them:
// 32-bit little-endian lengths, the name the page uses for itself, a count, and per picture
// its file name and bytes.
struct PackagePicture {
  std::string_view name;
  std::string_view data;
};

struct PicturePackage {
  std::string_view documentName;
  // In package order, up to the first entry that breaks a limit or runs past the end.
  std::vector<PackagePicture> pictures;
};

inline constexpr std::size_t kMinimumPackageSize = 8;
inline constexpr std::uint32_t kMostPackagePictures = 2000;
inline constexpr std::uint32_t kPictureNameLimit = 64;  // a name is shorter
inline constexpr std::uint32_t kLargestPackagePicture = 4'000'000;

// Reads a package (views into bytes). A package under 8 bytes, one whose document name runs
// past the end, or one with more than 2000 pictures gives no pictures.
PicturePackage ReadPicturePackage(std::string_view bytes);

// The document name of a package, its first field; nothing when it does not fit in bytes.
std::optional<std::string_view> PackageDocumentName(std::string_view bytes);

// Whether a name may be written as a file beside the page: one plain file-name component,
// not empty, without "/", "\", NUL or control bytes, not "." or "..", and not the page's own.
bool IsPlainPictureName(std::string_view name, std::string_view pageName);

}  // namespace vorla
