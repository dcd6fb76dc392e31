#include "UpdateCommands.h"

#include <array>
#include <charconv>
#include <optional>

#include "FieldReader.h"
#include "ServiceSimulator.h"
#include "service/CMD5Checksum.h"

namespace vorla::sim {

namespace {

constexpr std::array<std::string_view, 6> kUpdateFields = {"cmd", "pid", "l", "lan", "co", "plt"};
constexpr std::uint8_t kWebAddressOffer = 1;

void AppendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

std::optional<SimAnswer> Malformed(const SimRequest& request, std::string_view command) {
  FieldReader fields(request, kUpdateFields);
  for (const std::string_view name : std::span(kUpdateFields).subspan(1))
    fields.Required(name);
  if (fields.ok()) return std::nullopt;
  return MalformedRequest(command, fields.refusal());
}

SimAnswer UpdateInfo(const SimRequest& request, SimContext& context) {
  if (auto refused = Malformed(request, "getupdinf")) return *refused;
  SimAnswer answer;
  answer.body = UpdateAnswerBytes(context.update);
  return answer;
}

// Only a logged-in user downloads; anyone else gets an empty answer.
SimAnswer Download(const SimRequest& request, SimContext& context) {
  if (auto refused = Malformed(request, "dlupd")) return *refused;
  SimAnswer answer;
  if (!context.SessionAccount(request)) return answer;
  const SimUpdate& update = context.update;
  answer.body = update.installer;
  if (update.shortDownload && !answer.body.empty()) answer.body.pop_back();
  if (update.flippedByte && !answer.body.empty())
    answer.body[0] = static_cast<char>(~answer.body[0]);
  return answer;
}

}  // namespace

std::optional<std::array<std::uint8_t, 4>> ParseVersion(std::string_view text) {
  std::array<std::uint8_t, 4> version{};
  for (std::size_t i = 0; i < version.size(); ++i) {
    unsigned part = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), part);
    if (error != std::errc() || part > 255) return std::nullopt;
    version[i] = static_cast<std::uint8_t>(part);
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    if (i + 1 < version.size()) {
      if (!text.starts_with('.')) return std::nullopt;
      text.remove_prefix(1);
    }
  }
  if (!text.empty()) return std::nullopt;
  return version;
}

std::string UpdateAnswerBytes(const SimUpdate& update) {
  std::string body(1, static_cast<char>(update.status));
  for (const std::uint8_t part : update.version)
    body.push_back(static_cast<char>(part));
  std::string text = update.status == kWebAddressOffer ? update.address : update.installerName;
  if (update.status == kWebAddressOffer && update.fileAddress) {
    text = "file:///etc/" + text.substr(text.find("//") + 2);
  }
  if (update.status != kWebAddressOffer && update.traversalName) text = "../" + text;
  AppendLittleEndian(body, static_cast<std::uint32_t>(text.size()), 2);
  body += text;
  if (update.status == kWebAddressOffer) return body;
  AppendLittleEndian(body, static_cast<std::uint32_t>(update.installer.size()), 4);
  AppendLittleEndian(body, 0, 4);
  std::string digest = CMD5Checksum::HexDigest(update.installer);
  digest.resize(update.digestLength, '0');
  AppendLittleEndian(body, static_cast<std::uint32_t>(digest.size()), 1);
  return body + digest;
}

std::span<const SimCommand> UpdateCommands() {
  static const SimCommand commands[] = {
      {"getupdinf", &UpdateInfo, {}},
      {"dlupd", &Download, {}},
  };
  return commands;
}

void RegisterUpdateCommands(ServiceSimulator& simulator) {
  RegisterCommands(simulator, UpdateCommands());
}

}  // namespace vorla::sim
