#include "documents/rtf/FieldInstruction.h"

#include <algorithm>
#include <vector>

#include "common/Utf8.h"

namespace vorla {

namespace {

constexpr std::string_view kHyperlink = "HYPERLINK";
constexpr std::string_view kBlanks = " \t";

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

struct Argument {
  std::string text;
  bool isSwitch = false;
};

// Splits an instruction into its words: quoted arguments (with \\ and \" inside them),
// switches (\l, \o, ...) and bare words.
std::vector<Argument> SplitArguments(std::string_view instruction) {
  std::vector<Argument> arguments;
  std::size_t i = 0;
  while (true) {
    i = instruction.find_first_not_of(kBlanks, i);
    if (i == std::string_view::npos) break;
    Argument argument;
    if (instruction[i] == '"') {
      for (++i; i < instruction.size() && instruction[i] != '"'; ++i) {
        if (instruction[i] == '\\' && i + 1 < instruction.size() &&
            (instruction[i + 1] == '\\' || instruction[i + 1] == '"')) {
          ++i;
        }
        argument.text.push_back(instruction[i]);
      }
      ++i;
    } else {
      const std::size_t end = std::min(instruction.find_first_of(kBlanks, i), instruction.size());
      argument.text = instruction.substr(i, end - i);
      argument.isSwitch = argument.text.starts_with('\\');
      i = end;
    }
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

}  // namespace

std::string HyperlinkTarget(std::string_view instruction) {
  const std::vector<Argument> arguments = SplitArguments(instruction);
  if (arguments.empty() || !EqualsNoCase(arguments[0].text, kHyperlink)) return {};
  std::string address;
  std::string bookmark;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string_view word = arguments[i].text;
    if (arguments[i].isSwitch) {
      // \l (bookmark), \o (tip) and \t (frame) take an argument; \m, \n and \h do not.
      const bool takesArgument = word == "\\l" || word == "\\o" || word == "\\t";
      if (takesArgument && ++i < arguments.size() && word == "\\l") {
        bookmark = arguments[i].text;
      }
    } else if (address.empty()) {
      address = arguments[i].text;
    }
  }
  const std::string target = bookmark.empty() ? address : address + "#" + bookmark;
  return std::string(Utf8Prefix(target, kMaxLinkTargetBytes));
}

std::string HyperlinkInstruction(std::string_view target) {
  std::string instruction = "HYPERLINK \"";
  for (const char c : target) {
    if (c == '\\' || c == '"') instruction.push_back('\\');
    instruction.push_back(c);
  }
  instruction.push_back('"');
  return instruction;
}

}  // namespace vorla
