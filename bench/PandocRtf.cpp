#include "PandocRtf.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vorla::bench {

std::optional<std::string> PandocRtf(std::string_view prose) {
  if (std::string_view(VORLA_PANDOC).empty()) return std::nullopt;
  char folder[] = "/tmp/vorla-pandoc-XXXXXX";
  if (!mkdtemp(folder)) return std::nullopt;
  const std::filesystem::path markdown = std::filesystem::path(folder) / "prose.md";
  const std::filesystem::path rtf = std::filesystem::path(folder) / "prose.rtf";
  {
    // A blank line ends a paragraph of Markdown.
    std::ofstream out(markdown, std::ios::binary);
    for (const char c : prose) {
      if (c == '\r') continue;
      out << (c == '\n' ? "\n\n" : std::string(1, c));
    }
  }
  const std::string command = std::string(VORLA_PANDOC) + " -s -f markdown -t rtf " +
                              markdown.string() + " -o " + rtf.string();
  std::optional<std::string> result;
  if (std::system(command.c_str()) == 0) {
    std::ifstream in(rtf, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    result = content.str();
  }
  std::filesystem::remove_all(folder);
  return result;
}

}  // namespace vorla::bench
