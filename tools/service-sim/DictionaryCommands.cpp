// The service's side of the user dictionaries.
#include "DictionaryCommands.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <optional>

#include "FieldReader.h"
#include "LanguageCodes.h"
#include "ServiceCodes.h"
#include "ServiceSimulator.h"

namespace vorla::sim {

namespace {

constexpr std::int32_t kDictionaryProtocol = 4;
constexpr std::int32_t kSessionDictionary = 3;

constexpr std::array<std::string_view, 8> kStoredFields = {"cmd",     "p",      "pid",    "vocid",
                                                           "voctype", "srclan", "tgtlan", "uid"};
constexpr std::array<std::string_view, 14> kCreateFields = {
    "cmd",    "p",      "pid",     "voctype", "vocsubtype", "shtype",      "srclan",
    "tgtlan", "defcnt", "compcnt", "uid",     "name",       "description", "srctxt"};
constexpr std::array<std::string_view, 15> kUpdateFields = {
    "cmd",    "p",      "pid",     "vocid", "voctype", "vocsubtype",  "shtype", "srclan",
    "tgtlan", "defcnt", "compcnt", "uid",   "name",    "description", "srctxt"};
constexpr std::array<std::string_view, 3> kTextFields = {"name", "description", "srctxt"};

// A request's fields, every one required and in the client's order.
struct DictionaryRequest {
  std::string refusal;
  std::map<std::string_view, std::int32_t> numbers;
  std::map<std::string_view, std::string> texts;

  std::int32_t operator[](std::string_view name) const { return numbers.at(name); }
};

DictionaryRequest Decode(const SimRequest& request, std::span<const std::string_view> order) {
  DictionaryRequest decoded;
  FieldReader fields(request, order);
  fields.RequiredValue("p", kDictionaryProtocol);
  for (const std::string_view name : order.subspan(2)) {
    if (std::ranges::find(kTextFields, name) != kTextFields.end()) {
      decoded.texts[name] = fields.RequiredText(name);
    } else {
      decoded.numbers[name] = fields.Required(name);
    }
  }
  decoded.refusal = fields.refusal();
  return decoded;
}

bool IsLocalPair(std::int32_t srclan, std::int32_t tgtlan) {
  return (srclan == kEnglish && tgtlan == kFinnish) || (srclan == kFinnish && tgtlan == kEnglish);
}

// What every dictionary command does before its own work: the protocol, the queued
// statuses, the session. The answer when that already decides it.
std::optional<SimAnswer> Screen(std::string_view command, const DictionaryRequest& decoded,
                                const std::optional<SimAccount>& account, SimContext& context) {
  if (!decoded.refusal.empty()) return MalformedRequest(command, decoded.refusal);
  if (const auto scripted = context.translation.Next(command)) {
    return FramedAnswer(scripted->status);
  }
  if (!account) return FramedAnswer(status::kDictionarySessionExpired);
  return std::nullopt;
}

// The dictionary an upload sends, checked as the service checks it; a refusing status in
// place of it when the upload is not acceptable.
std::int32_t ReadUpload(const DictionaryRequest& decoded, const SimAccount& account,
                        StoredDictionary& dictionary) {
  dictionary.voctype = decoded["voctype"];
  dictionary.vocsubtype = decoded["vocsubtype"];
  dictionary.shtype = decoded["shtype"];
  dictionary.srclan = decoded["srclan"];
  dictionary.tgtlan = decoded["tgtlan"];
  dictionary.name = decoded.texts.at("name");
  dictionary.description = decoded.texts.at("description");
  dictionary.stream = decoded.texts.at("srctxt");
  if (!IsLocalPair(dictionary.srclan, dictionary.tgtlan)) return status::kDictionaryPairInvalid;
  if (dictionary.name.empty()) return status::kDictionaryNameInvalid;
  const std::int64_t entries = std::int64_t{decoded["defcnt"]} + decoded["compcnt"];
  if (entries > account.maxDictionarySize) return status::kDictionaryTooLarge;
  StreamCheck check = CheckDictionaryStream(dictionary.stream, {.voctype = dictionary.voctype,
                                                                .vocsubtype = dictionary.vocsubtype,
                                                                .shtype = dictionary.shtype,
                                                                .srclan = dictionary.srclan,
                                                                .tgtlan = dictionary.tgtlan,
                                                                .defcnt = decoded["defcnt"],
                                                                .compcnt = decoded["compcnt"],
                                                                .name = dictionary.name});
  if (!check.ok()) return status::kDictionaryFormat;
  dictionary.terms = std::move(check.terms);
  return 0;
}

SimAnswer GetDictionary(const SimRequest& request, SimContext& context) {
  const DictionaryRequest decoded = Decode(request, kStoredFields);
  const auto account = context.SessionAccount(request);
  if (auto answer = Screen("getvoc", decoded, account, context)) return *answer;
  const auto stored = context.dictionaries.Find(account->name, decoded["vocid"]);
  if (!stored) return FramedAnswer(status::kDictionaryMissing);
  return FramedAnswer(0, stored->stream);
}

// Past every user row the account lists as fixed, so a new dictionary never takes their ids.
std::int32_t FirstFreeUserId(std::string_view lexicons) {
  std::int32_t first = DictionaryStore::kFirstId;
  for (std::size_t start = 0; start < lexicons.size();) {
    const std::size_t end = lexicons.find_first_of(";\n", start);
    const std::string_view item = lexicons.substr(start, end - start);
    std::int32_t id = 0;
    std::from_chars(item.data(), item.data() + item.size(), id);
    first = std::max(first, id + 1);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return first;
}

SimAnswer CreateDictionary(const SimRequest& request, SimContext& context) {
  const DictionaryRequest decoded = Decode(request, kCreateFields);
  const auto account = context.SessionAccount(request);
  if (auto answer = Screen("createvoc", decoded, account, context)) return *answer;
  StoredDictionary dictionary;
  if (const std::int32_t refused = ReadUpload(decoded, *account, dictionary); refused != 0) {
    return FramedAnswer(refused);
  }
  if (dictionary.voctype != kSessionDictionary &&
      context.dictionaries.CountListed(account->name) >= account->maxDictionaries) {
    return FramedAnswer(status::kTooManyDictionaries);
  }
  const auto vocid = context.dictionaries.Create(account->name, std::move(dictionary),
                                                 FirstFreeUserId(account->lexicons));
  return FramedAnswer(vocid ? *vocid : status::kDictionaryNameTaken);
}

SimAnswer UpdateDictionary(const SimRequest& request, SimContext& context) {
  const DictionaryRequest decoded = Decode(request, kUpdateFields);
  const auto account = context.SessionAccount(request);
  if (auto answer = Screen("updatevoc", decoded, account, context)) return *answer;
  if (!context.dictionaries.Find(account->name, decoded["vocid"])) {
    return FramedAnswer(status::kDictionaryMissing);
  }
  StoredDictionary dictionary;
  if (const std::int32_t refused = ReadUpload(decoded, *account, dictionary); refused != 0) {
    return FramedAnswer(refused);
  }
  dictionary.vocid = decoded["vocid"];
  const bool replaced = context.dictionaries.Replace(account->name, std::move(dictionary));
  return FramedAnswer(replaced ? 0 : status::kDictionaryNameTaken);
}

SimAnswer RemoveDictionary(const SimRequest& request, SimContext& context) {
  const DictionaryRequest decoded = Decode(request, kStoredFields);
  const auto account = context.SessionAccount(request);
  if (auto answer = Screen("removevoc", decoded, account, context)) return *answer;
  const bool removed = context.dictionaries.Remove(account->name, decoded["vocid"]);
  return FramedAnswer(removed ? 0 : status::kDictionaryMissing);
}

}  // namespace

std::span<const SimCommand> DictionaryCommands() {
  constexpr AnswerFaults kStatusOnly{.expireSession = true, .statuses = true};
  static const SimCommand commands[] = {
      {"getvoc", &GetDictionary, {.lyingLength = true, .expireSession = true, .statuses = true}},
      {"createvoc", &CreateDictionary, kStatusOnly},
      {"updatevoc", &UpdateDictionary, kStatusOnly},
      {"removevoc", &RemoveDictionary, kStatusOnly},
  };
  return commands;
}

void RegisterDictionaryCommands(ServiceSimulator& simulator) {
  RegisterCommands(simulator, DictionaryCommands());
}

std::string WithUserDictionaries(std::string_view lexicons,
                                 const std::vector<StoredDictionary>& dictionaries) {
  const std::size_t lineFeed = lexicons.find('\n');
  std::array<std::string, 2> lists = {std::string(lexicons.substr(0, lineFeed)),
                                      lineFeed == std::string_view::npos
                                          ? std::string()
                                          : std::string(lexicons.substr(lineFeed + 1))};
  for (const StoredDictionary& dictionary : dictionaries) {
    if (dictionary.voctype == kSessionDictionary) continue;
    std::string& list = lists[dictionary.srclan == kEnglish ? 0 : 1];
    list += std::to_string(dictionary.vocid) + ":0:" + std::to_string(dictionary.voctype) + ":" +
            std::to_string(dictionary.vocsubtype) + ":" + dictionary.name + ";";
  }
  return lists[0] + '\n' + lists[1];
}

}  // namespace vorla::sim
