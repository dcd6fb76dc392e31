#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorla {

// An HTML page made from a PDF links to itself by the document name of its picture package
// (`auxiliary`): every `<a href="NAME"` and `<a href="NAME#...` gets newFileName
// (percent-encoded) in place of NAME. Nothing when the package names no document (a name of
// 1 to 63 bytes) or the page has no such link.
std::optional<std::string> RewriteResultLinks(std::string_view page, std::string_view auxiliary,
                                              std::string_view newFileName);

// The page without its picture tags: each "<IMG width=" right after a CR LF is cut out up to
// and including its ">" (a tag without one stays, with all that follows).
std::string RemovePictureTags(std::string_view page);

// A file name as it may stand in an href: bytes outside letters, digits and "-._~" as %XX.
std::string PercentEncodeFileName(std::string_view name);

}  // namespace vorla
