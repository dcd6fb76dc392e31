#include "FaultsFile.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <set>

#include "ServiceCodes.h"
#include "ServiceSimulator.h"
#include "SimCommand.h"

namespace vorla::sim {

namespace {

constexpr std::string_view kBlanks = " \t\r";
constexpr std::string_view kCommentStarts = ";#";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<std::int64_t> ParseInteger(std::string_view text) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

std::string Quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

// Each reader stores the value and returns what is wrong with it, empty when nothing.
std::string ReadFlag(std::string_view value, bool& out) {
  if (value != "true" && value != "false") return Quoted(value) + " is neither true nor false";
  out = value == "true";
  return {};
}

std::optional<std::uint32_t> Count(std::string_view value) {
  const auto number = ParseInteger(value);
  if (!number || *number < 0 || *number > std::numeric_limits<std::uint32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::uint32_t>(*number);
}

std::string NotACount(std::string_view value, std::string_view unit) {
  return Quoted(value) + " is not a whole number of " + std::string(unit);
}

template <class Number>
std::string ReadBytes(std::string_view value, Number& out) {
  const auto count = Count(value);
  if (!count) return NotACount(value, "bytes");
  out = *count;
  return {};
}

std::string ReadMilliseconds(std::string_view value, std::chrono::milliseconds& out) {
  const auto count = Count(value);
  if (!count) return NotACount(value, "milliseconds");
  out = std::chrono::milliseconds(*count);
  return {};
}

std::string ReadTimes(std::string_view value, int& out) {
  const auto number = ParseInteger(value);
  if (!number || (*number != -1 && *number < 1) || *number > std::numeric_limits<int>::max()) {
    return Quoted(value) + " is neither -1 nor a number above 0";
  }
  out = static_cast<int>(*number);
  return {};
}

std::string ReadStatuses(std::string_view value, std::vector<ScriptedStatus>& out) {
  out.clear();
  for (std::string_view rest = value;;) {
    const std::size_t comma = rest.find(',');
    const auto status = ParseInteger(Trim(rest.substr(0, comma)));
    if (!status || *status == 0 || *status < std::numeric_limits<std::int32_t>::min() ||
        *status > std::numeric_limits<std::int32_t>::max()) {
      return Quoted(value) + " is not a list of statuses other than 0";
    }
    out.push_back({.status = static_cast<std::int32_t>(*status)});
    if (comma == std::string_view::npos) return {};
    rest.remove_prefix(comma + 1);
  }
}

// The knobs that only some answers can show, and whether the command's answer can.
struct AnswerKnob {
  std::string_view name;
  bool AnswerFaults::*shown;
};
constexpr AnswerKnob kAnswerKnobs[] = {
    {"lying_length", &AnswerFaults::lyingLength},  {"corrupt_zlib", &AnswerFaults::corruptZlib},
    {"no_set_cookie", &AnswerFaults::noSetCookie}, {"expire_session", &AnswerFaults::expireSession},
    {"statuses", &AnswerFaults::statuses},         {"shortfall", &AnswerFaults::statuses},
};

bool Ignores(const SimCommand& command, std::string_view knob) {
  const auto found = std::ranges::find(kAnswerKnobs, knob, &AnswerKnob::name);
  return found != std::end(kAnswerKnobs) && !(command.faults.*(found->shown));
}

// What is wrong with the knob, empty when it was set.
std::string SetKnob(const SimCommand& command, std::string_view knob, std::string_view value,
                    CommandFaults& target, std::int32_t& shortfall) {
  if (Ignores(command, knob)) return "[" + std::string(command.name) + "] cannot show it";
  Faults& faults = target.faults;
  if (knob == "drop_before_headers") return ReadFlag(value, faults.dropBeforeHeaders);
  if (knob == "http_500") return ReadFlag(value, faults.serverError);
  if (knob == "corrupt_zlib") return ReadFlag(value, faults.corruptZlib);
  if (knob == "no_set_cookie") return ReadFlag(value, faults.noSetCookie);
  if (knob == "expire_session") return ReadFlag(value, faults.expireSession);
  if (knob == "drop_after") return ReadBytes(value, faults.closeAfter);
  if (knob == "stall_at") return ReadBytes(value, faults.stallAt);
  if (knob == "trickle_bytes") return ReadBytes(value, faults.trickleBytes);
  if (knob == "lying_length") return ReadBytes(value, faults.lyingLength);
  if (knob == "stall_before") return ReadMilliseconds(value, faults.stallBefore);
  if (knob == "stall_for") return ReadMilliseconds(value, faults.stallInside);
  if (knob == "trickle_every") return ReadMilliseconds(value, faults.trickleInterval);
  if (knob == "times") return ReadTimes(value, faults.times);
  if (knob == "statuses") return ReadStatuses(value, target.statuses);
  if (knob == "shortfall") {
    const auto count = Count(value);
    if (!count || *count > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) {
      return NotACount(value, "characters");
    }
    shortfall = static_cast<std::int32_t>(*count);
    return {};
  }
  return "unknown knob";
}

// The knobs that only make sense together; empty when the section keeps to that.
std::string CheckSection(const std::set<std::string, std::less<>>& knobs) {
  if (knobs.contains("stall_at") && !knobs.contains("stall_for")) {
    return "stall_at without stall_for";
  }
  if (knobs.contains("trickle_every") && !knobs.contains("trickle_bytes")) {
    return "trickle_every without trickle_bytes";
  }
  if (knobs.contains("shortfall") && !knobs.contains("statuses")) {
    return "shortfall without statuses";
  }
  return {};
}

class Parser {
 public:
  FaultsFile Run(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    for (int number = 1; file_.ok(); ++number) {
      const std::size_t end = text.find('\n');
      Line(text.substr(0, end), number);
      if (end == std::string_view::npos) break;
      text.remove_prefix(end + 1);
    }
    if (file_.ok()) EndSection();
    return std::move(file_);
  }

 private:
  void Fail(int line, const std::string& message) {
    file_.error = "line " + std::to_string(line) + ": " + message;
  }

  void Line(std::string_view line, int number) {
    line = Trim(line.substr(0, line.find_first_of(kCommentStarts)));
    if (line.empty()) return;
    if (line.front() == '[') {
      Section(line, number);
      return;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      Fail(number, Quoted(line) + " is neither [command] nor knob = value");
      return;
    }
    const std::string_view knob = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    if (!current_) {
      Fail(number, "knob " + Quoted(knob) + " before the first [command]");
      return;
    }
    if (!knobs_.insert(std::string(knob)).second) {
      Fail(number, "knob " + Quoted(knob) + " given twice in " + SectionName());
      return;
    }
    const std::string problem = SetKnob(*command_, knob, value, *current_, shortfall_);
    if (!problem.empty()) Fail(number, std::string(knob) + ": " + problem);
  }

  void Section(std::string_view line, int number) {
    const std::string_view name = line.back() == ']' ? line.substr(1, line.size() - 2) : "";
    const SimCommand* command = FindSimCommand(name);
    if (!command) {
      Fail(number, Quoted(line) + " does not name a command the simulator answers");
      return;
    }
    EndSection();
    if (!file_.ok()) return;
    const auto [at, added] = file_.commands.try_emplace(std::string(name));
    if (!added) {
      Fail(number, "[" + std::string(name) + "] given twice");
      return;
    }
    current_ = &at->second;
    command_ = command;
    sectionLine_ = number;
  }

  void EndSection() {
    if (!current_) return;
    if (const std::string problem = CheckSection(knobs_); !problem.empty()) {
      Fail(sectionLine_, SectionName() + " has " + problem);
      return;
    }
    for (ScriptedStatus& status : current_->statuses) {
      if (status.status == status::kInsufficientBalance) status.shortfall = shortfall_;
    }
    knobs_.clear();
    shortfall_ = 0;
    current_ = nullptr;
  }

  std::string SectionName() const { return "[" + std::string(command_->name) + "]"; }

  FaultsFile file_;
  CommandFaults* current_ = nullptr;
  const SimCommand* command_ = nullptr;
  int sectionLine_ = 0;
  std::set<std::string, std::less<>> knobs_;
  std::int32_t shortfall_ = 0;
};

}  // namespace

FaultsFile ParseFaultsFile(std::string_view text) {
  return Parser().Run(text);
}

FaultsFile ReadFaultsFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    FaultsFile unreadable;
    unreadable.error = "cannot be read";
    return unreadable;
  }
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return ParseFaultsFile(text);
}

void ApplyFaultsFile(const FaultsFile& file, ServiceSimulator& simulator) {
  for (const auto& [command, faults] : file.commands) {
    simulator.SetFaults(command, faults.faults);
    for (const ScriptedStatus& status : faults.statuses) {
      simulator.context().translation.Queue(command, status);
    }
  }
}

}  // namespace vorla::sim
