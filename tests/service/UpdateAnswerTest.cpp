#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "service/CMD5Checksum.h"
#include "service/updates/InstallerFile.h"
#include "service/updates/UpdateAnswer.h"
#include "service/updates/UpdateTexts.h"
#include "service/updates/UpdateVersion.h"

namespace vorla {
namespace {

void AppendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

// An answer written field by field, as the service sends it.
struct AnswerFields {
  std::uint8_t status = 2;
  std::string version = {3, 2, 0, 0};
  std::int32_t textLength = -1;  // -1: the text's own length
  std::string text = "VorlaToolSetup.exe";
  std::uint32_t size = 1000;
  std::int32_t digestLength = -1;
  std::string digest = "0123456789abcdef0123456789abcdef";

  std::string Bytes() const {
    std::string out(1, static_cast<char>(status));
    out += version;
    AppendLittleEndian(out, textLength < 0 ? text.size() : textLength, 2);
    out += text;
    if (status == 1) return out;
    AppendLittleEndian(out, size, 4);
    AppendLittleEndian(out, 0xDEADBEEF, 4);
    AppendLittleEndian(out, digestLength < 0 ? digest.size() : digestLength, 1);
    return out + digest;
  }
};

std::optional<UpdateAnswer> Parse(const std::string& bytes) {
  return ParseUpdateAnswer(
      std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}

TEST(UpdateVersion, ComparesEachPartAsAnUnsignedNumber) {
  struct Case {
    ProgramVersion offered, current;
    bool newer;
  };
  const Case cases[] = {
      {{3, 1, 2, 0}, {3, 1, 2, 0}, false}, {{3, 1, 10, 0}, {3, 1, 2, 0}, true},
      {{3, 2, 0, 0}, {3, 1, 9, 9}, true},  {{3, 1, 1, 255}, {3, 1, 2, 0}, false},
      {{3, 1, 2, 1}, {3, 1, 2, 0}, true},  {{200, 0, 0, 0}, {100, 255, 255, 255}, true},
      {{2, 9, 9, 9}, {3, 0, 0, 0}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsNewerVersion(c.offered, c.current), c.newer)
        << VersionText(c.offered) << " against " << VersionText(c.current);
  }
  EXPECT_EQ(VersionText({3, 1, 2, 0}), "3.1.2");
  EXPECT_EQ(VersionText({3, 1, 2, 5}), "3.1.2.5");
  EXPECT_EQ(VersionText({255, 0, 10, 0}), "255.0.10");
}

TEST(UpdateAnswer, ReadsEachOfferLittleEndian) {
  const auto installer = Parse(AnswerFields{}.Bytes());
  ASSERT_TRUE(installer);
  EXPECT_EQ(installer->offer, UpdateOffer::Installer);
  EXPECT_EQ(installer->version, (ProgramVersion{3, 2, 0, 0}));
  EXPECT_EQ(installer->text, "VorlaToolSetup.exe");
  EXPECT_EQ(installer->fileSize, 1000);
  EXPECT_EQ(installer->digestPrefix, "0123456789abcdef0123456789abcdef");

  AnswerFields web;
  web.status = 1;
  web.text = "https://www.vorla.example/download/vorla-tool-3.2.html";
  const auto address = Parse(web.Bytes());
  ASSERT_TRUE(address);
  EXPECT_EQ(address->offer, UpdateOffer::WebAddress);
  EXPECT_EQ(address->text, web.text);
  EXPECT_EQ(address->fileSize, 0);

  AnswerFields file;
  file.status = 3;
  EXPECT_EQ(Parse(file.Bytes())->offer, UpdateOffer::File);
  // Bytes after the answer are not read.
  EXPECT_TRUE(Parse(AnswerFields{}.Bytes() + "trailing"));
}

TEST(UpdateAnswer, FieldsOutsideTheirBoundsMakeItInvalid) {
  struct Case {
    const char* what;
    AnswerFields fields;
    bool valid;
  };
  const auto with = [](auto change) {
    AnswerFields fields;
    change(fields);
    return fields;
  };
  const auto name = [](std::size_t length) { return std::string(length - 4, 'a') + ".exe"; };
  const auto digest = [](std::size_t length) { return std::string(length, 'd'); };
  const Case cases[] = {
      {"text 8", with([&](AnswerFields& f) { f.text = name(8); }), false},
      {"text 9", with([&](AnswerFields& f) { f.text = name(9); }), true},
      {"text 510", with([&](AnswerFields& f) { f.text = name(510); }), true},
      {"text 511", with([&](AnswerFields& f) { f.text = name(511); }), false},
      {"negative text length", with([](AnswerFields& f) { f.textLength = 0xFFFF; }), false},
      {"size 0", with([](AnswerFields& f) { f.size = 0; }), false},
      {"size 1", with([](AnswerFields& f) { f.size = 1; }), true},
      {"size 24000000", with([](AnswerFields& f) { f.size = 24'000'000; }), true},
      {"size 24000001", with([](AnswerFields& f) { f.size = 24'000'001; }), false},
      {"size above 2^31", with([](AnswerFields& f) { f.size = 0x80000001; }), false},
      {"digest 0", with([&](AnswerFields& f) { f.digest = digest(0); }), false},
      {"digest 1", with([&](AnswerFields& f) { f.digest = digest(1); }), true},
      {"digest 31", with([&](AnswerFields& f) { f.digest = digest(31); }), true},
      {"digest 32", with([&](AnswerFields& f) { f.digest = digest(32); }), true},
      {"digest 33", with([&](AnswerFields& f) { f.digest = digest(33); }), false},
      {"digest upper case", with([](AnswerFields& f) { f.digest = "ABCDEF"; }), false},
      {"digest not hexadecimal", with([](AnswerFields& f) { f.digest = "abcdefg"; }), false},
      {"status 0", with([](AnswerFields& f) { f.status = 0; }), false},
      {"status 4", with([](AnswerFields& f) { f.status = 4; }), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Parse(c.fields.Bytes()).has_value(), c.valid) << c.what;
  }
}

TEST(UpdateAnswer, AnAnswerCutShortAnywhereIsInvalid) {
  AnswerFields web;
  web.status = 1;
  web.text = "https://www.vorla.example/";
  for (const std::string& whole : {AnswerFields{}.Bytes(), web.Bytes()}) {
    ASSERT_TRUE(Parse(whole));
    for (std::size_t length = 0; length < whole.size(); ++length) {
      EXPECT_FALSE(Parse(whole.substr(0, length))) << length << " of " << whole.size();
    }
  }
}

TEST(UpdateAnswer, TheNameMustBeOnePlainFileName) {
  const std::pair<const char*, bool> names[] = {
      {"VorlaToolSetup.exe", true},    {"vorla-tool_3.2 (x64).msi", true},
      {"../VorlaTool.exe", false},     {"..\\VorlaTool.exe", false},
      {"sub/VorlaTool.exe", false},    {"C:VorlaToolSetup.exe", false},
      {".VorlaToolSetup", false},      {"..........", false},
      {"Vorla\nToolSetup.exe", false}, {"Vorla\x7FToolSetup.exe", false},
  };
  for (const auto& [name, plain] : names) {
    EXPECT_EQ(IsPlainFileName(name), plain) << name;
    AnswerFields fields;
    fields.text = name;
    EXPECT_EQ(Parse(fields.Bytes()).has_value(), plain) << name;
  }
  AnswerFields withNul;
  withNul.text = std::string("Vorla\0Setup.exe", 15);
  EXPECT_FALSE(Parse(withNul.Bytes()));
}

TEST(UpdateAnswer, AWebAddressOnlyOverHttpOrHttps) {
  const std::pair<const char*, bool> addresses[] = {
      {"https://www.vorla.example/", true}, {"HTTP://www.vorla.example/x", true},
      {"file:///etc/passwd", false},        {"javascript:alert(1)//", false},
      {"ftp://www.vorla.example/", false},  {"https://www.vorla .example/", false},
      {"httpx://www.vorla.example", false},
  };
  for (const auto& [address, accepted] : addresses) {
    AnswerFields fields;
    fields.status = 1;
    fields.text = address;
    EXPECT_EQ(Parse(fields.Bytes()).has_value(), accepted) << address;
  }
}

TEST(UpdateTexts, MessagesByNumber) {
  EXPECT_EQ(UpdateMessageText(6, UiLanguage::English, "Vorla Tool"),
            "There is a new version of Vorla Tool available. Do you want to download and install "
            "the update now?");
  EXPECT_EQ(UpdateMessageText(7, UiLanguage::Finnish, "Vorla Tool"),
            "Vorla Tool-ohjelma suljetaan kun asennus käynnistyy.");
  for (const int number : {2, 41, -1, 1000})
    EXPECT_EQ(UpdateMessageText(number, UiLanguage::English), "") << number;
  EXPECT_EQ(UpdateMessageText(13, UiLanguage::English, std::string(300, 'x')).size(), 255u);

  EXPECT_EQ(OfferDetailsText({3, 1, 2, 0}, {3, 2, 0, 5}, 5 * 1024 + 1023, UiLanguage::English),
            "Current version: 3.1.2\r\nNew version: 3.2.0.5\r\nUpdate file size: 5 KB");
  EXPECT_EQ(OfferDetailsText({3, 1, 2, 0}, {3, 2, 0, 0}, 1023, UiLanguage::Finnish),
            "Nykyinen versio: 3.1.2\r\nUusi versio: 3.2.0\r\n");
}

TEST(UpdateTexts, PercentagesReachAHundredForTheLargestInstaller) {
  struct Case {
    std::int64_t soFar, total;
    int percent;
  };
  const Case cases[] = {
      {0, 24'000'000, 0},
      {239'999, 24'000'000, 0},
      {240'000, 24'000'000, 1},
      {23'999'999, 24'000'000, 99},
      {24'000'000, 24'000'000, 100},
      {30'000'000, 24'000'000, 100},
      {5, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DownloadPercent(c.soFar, c.total), c.percent) << c.soFar << "/" << c.total;
  }
  EXPECT_EQ(DownloadProgressText(24'000'000, 24'000'000, 100, UiLanguage::English),
            "Downloaded 23437/23437 KB  (100%)");
  EXPECT_EQ(DownloadProgressText(2048, 24'000'000, 0, UiLanguage::Finnish),
            "Ladattu 2/23437 KB  (0%)");
}

TEST(InstallerFile, StoredAsANewFileOfAFolderOfItsOwnAndReadBack) {
  const std::filesystem::path appData =
      std::filesystem::temp_directory_path() / ("vorla-installer-" + std::to_string(::getpid()));
  std::filesystem::create_directories(appData / "update-2");
  EXPECT_EQ(CreateUpdateFolder(appData), appData / "update-1");
  // A name taken by anything is passed over.
  EXPECT_EQ(CreateUpdateFolder(appData), appData / "update-3");

  const std::filesystem::path folder = appData / "update-1";
  const std::string bytes = "MZ installer bytes";
  const std::string digest = CMD5Checksum::HexDigest(bytes);
  const auto stored = StoreInstaller(folder, "Setup.exe", bytes, bytes.size(), digest.substr(0, 1));
  ASSERT_TRUE(stored);
  EXPECT_EQ(*stored, folder / "Setup.exe");
  const auto permissions = std::filesystem::status(*stored).permissions();
  EXPECT_EQ(permissions & (std::filesystem::perms::owner_exec | std::filesystem::perms::group_exec |
                           std::filesystem::perms::others_exec),
            std::filesystem::perms::none);
  // An existing file is never replaced, nor removed.
  EXPECT_FALSE(StoreInstaller(folder, "Setup.exe", "other", 5, CMD5Checksum::HexDigest("other")));
  std::ifstream in(*stored, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), bytes);

  // A wrong size, digest or name stores nothing.
  const std::filesystem::path empty = appData / "update-3";
  EXPECT_FALSE(StoreInstaller(empty, "Setup.exe", bytes, bytes.size() + 1, digest));
  EXPECT_FALSE(StoreInstaller(empty, "Setup.exe", bytes, bytes.size(),
                              (digest[0] == '0' ? "1" : "0") + digest.substr(1)));
  EXPECT_FALSE(StoreInstaller(empty, "../Setup.exe", bytes, bytes.size(), digest));
  EXPECT_FALSE(StoreInstaller(empty, std::string(255, 'a'), bytes, bytes.size(), digest));
  EXPECT_TRUE(std::filesystem::is_empty(empty));
  EXPECT_FALSE(std::filesystem::exists(appData / "Setup.exe"));
  std::filesystem::remove_all(appData);
}

}  // namespace
}  // namespace vorla
