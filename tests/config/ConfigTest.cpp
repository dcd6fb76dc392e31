#include <gtest/gtest.h>
#include <stdlib.h>

#include <memory>
#include <string>
#include <vector>

#include "ConfigFixture.h"
#include "common/DataBuffer.h"

namespace vorla {
namespace {

// A Config whose store holds one value (none when stored is null).
RefPtr<Config> ConfigWithStored(const char* name, const char* stored) {
  auto store = std::make_shared<MemorySettingsStore>();
  if (stored) store->WriteValue(name, stored);
  return test::MakeHomeConfig(store);
}

TEST(Config, ReadsTheUiLanguageAndTakesTheDefaultForUnknownValues) {
  struct Case {
    const char* stored;  // null: missing
    UiLanguage expected;
  };
  const Case cases[] = {
      {nullptr, UiLanguage::Finnish}, {"0", UiLanguage::English},  {"1", UiLanguage::Finnish},
      {"2", UiLanguage::Finnish},     {"-1", UiLanguage::Finnish}, {" 0x", UiLanguage::English},
      {"en", UiLanguage::English},  // no digits parse as 0
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ConfigWithStored("defuilan", c.stored)->GetUiLanguage(), c.expected)
        << (c.stored ? c.stored : "(missing)");
  }
}

TEST(Config, ReadsTheAutomaticUpdateCheck) {
  struct Case {
    const char* stored;
    bool expected;
  };
  const Case cases[] = {
      {nullptr, true}, {"", true}, {"false", false}, {"TRUE", true}, {"no", false}};
  for (const Case& c : cases) {
    EXPECT_EQ(ConfigWithStored("UpdInf1", c.stored)->UpdateCheckEnabled(), c.expected)
        << (c.stored ? c.stored : "(missing)");
  }
}

TEST(Config, QueryInterfaceAnswersIUnknownAndIConfigOnly) {
  auto config = test::MakeHomeConfig();
  EXPECT_EQ(QueryInterface<IUnknown>(config.get()).get(), static_cast<IUnknown*>(config.get()));
  EXPECT_EQ(QueryInterface<IConfig>(config.get()).get(), static_cast<IConfig*>(config.get()));

  void* out = config.get();
  EXPECT_EQ(config->QueryInterface(IDataBuffer::kIid, &out), kNoInterface);
  EXPECT_EQ(out, nullptr);
}

TEST(Config, ServiceAddressAndCaFileComeFromTheEnvironment) {
  auto plain = test::MakeHomeConfig();
  EXPECT_EQ(plain->ServiceUrl(), Config::kDefaultServiceUrl);
  EXPECT_TRUE(plain->ExtraCaFile().empty());

  Environment environment;
  environment.serviceUrl = "https://127.0.0.1:8443/tr";
  environment.caFile = "/etc/vorla/ca.pem";
  auto configured = test::MakeHomeConfig(std::make_shared<MemorySettingsStore>(), environment);
  EXPECT_EQ(configured->ServiceUrl(), "https://127.0.0.1:8443/tr");
  EXPECT_EQ(configured->ExtraCaFile(), "/etc/vorla/ca.pem");
}

TEST(Environment, ReadsTheProcessVariablesAndTakesEmptyOnesAsUnset) {
  setenv("VORLA_HOME", "/srv/vorla", 1);
  setenv("VORLA_SERVICE_URL", "https://localhost/tr", 1);
  setenv("VORLA_CA_FILE", "/srv/ca.pem", 1);
  Environment set = Environment::FromProcess();
  EXPECT_EQ(set.home, std::filesystem::path("/srv/vorla"));
  EXPECT_EQ(set.serviceUrl, "https://localhost/tr");
  EXPECT_EQ(set.caFile, std::filesystem::path("/srv/ca.pem"));

  setenv("VORLA_HOME", "", 1);
  setenv("VORLA_SERVICE_URL", "", 1);
  unsetenv("VORLA_CA_FILE");
  Environment unset = Environment::FromProcess();
  EXPECT_FALSE(unset.home);
  EXPECT_FALSE(unset.serviceUrl);
  EXPECT_FALSE(unset.caFile);
  unsetenv("VORLA_SERVICE_URL");
}

// Records what it was asked to show and answers Retry.
class RecordingMessageBox final : public MessageBox {
 public:
  struct Shown {
    std::string text, caption;
    UiLanguage language;
  };
  MessageAnswer Show(std::string_view text, std::string_view caption, MessageStyle,
                     UiLanguage language) override {
    shown.push_back({std::string(text), std::string(caption), language});
    return MessageAnswer::Retry;
  }
  std::vector<Shown> shown;
};

TEST(Config, ShowMessageWithoutABoxAnswersOkOnlyForAnOkOnlyBox) {
  auto config = test::MakeHomeConfig();
  struct Case {
    MessageButtons buttons;
    MessageAnswer expected;
  };
  const Case cases[] = {{MessageButtons::Ok, MessageAnswer::Ok},
                        {MessageButtons::OkCancel, MessageAnswer::Cancel},
                        {MessageButtons::YesNo, MessageAnswer::Cancel},
                        {MessageButtons::YesNoCancel, MessageAnswer::Cancel},
                        {MessageButtons::RetryCancel, MessageAnswer::Cancel}};
  for (const Case& c : cases) {
    EXPECT_EQ(config->ShowMessage("text", {}, {.buttons = c.buttons}), c.expected);
  }
}

TEST(Config, ShowMessageDefaultsTheCaptionAndUsesTheCurrentLanguage) {
  auto config = test::MakeHomeConfig();
  auto box = std::make_shared<RecordingMessageBox>();
  config->SetMessageBox(box);

  EXPECT_EQ(config->ShowMessage("Käännös epäonnistui"), MessageAnswer::Retry);
  config->SetUiLanguage(UiLanguage::English);
  config->ShowMessage("Translation failed", "Dictionary editor");

  ASSERT_EQ(box->shown.size(), 2u);
  EXPECT_EQ(box->shown[0].text, "Käännös epäonnistui");
  EXPECT_EQ(box->shown[0].caption, "Vorla Tool");
  EXPECT_EQ(box->shown[0].language, UiLanguage::Finnish);
  EXPECT_EQ(box->shown[1].caption, "Dictionary editor");
  EXPECT_EQ(box->shown[1].language, UiLanguage::English);
}

TEST(DisplayScale, FlagsFollowTheThresholdsOfDpiOver96) {
  struct Case {
    int dpi;
    DisplayScale expected;
  };
  // 144 DPI is 1.5: at least 1.35 but below 1.62.
  const Case cases[] = {
      {96, {false, false, false}}, {107, {false, false, false}}, {108, {true, false, false}},
      {120, {true, false, false}}, {129, {true, false, false}},  {130, {true, true, false}},
      {144, {true, true, false}},  {155, {true, true, false}},   {156, {true, true, true}},
      {192, {true, true, true}},   {0, {false, false, false}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DisplayScaleForDpi(c.dpi), c.expected) << c.dpi;
}

}  // namespace
}  // namespace vorla
