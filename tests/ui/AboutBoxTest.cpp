#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include "DialogDriver.h"
#include "translation/StateFixture.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/AboutTexts.h"

namespace vorla {
namespace {

TEST(AboutTexts, TitleVersionAndProvidersByAccount) {
  const struct {
    UiLanguage language;
    bool loggedIn;
    int accountType;
    std::string title;
    std::string version;
    bool additionalLanguages;
    bool speech;
  } cases[] = {
      {UiLanguage::English, true, 2, "About Vorla Tool", "Vorla Tool       Version 3.1.2", false,
       true},
      {UiLanguage::Finnish, true, 3, "Vorla Tool", "Vorla Tool       Versio 3.1.2", true, false},
      {UiLanguage::English, false, 1, "About Vorla Tool", "Vorla Tool       Version 3.1.2", false,
       false},
      {UiLanguage::Finnish, true, 4, "Vorla Tool", "Vorla Tool       Versio 3.1.2", false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.accountType);
    const AboutTexts texts = MakeAboutTexts(c.language, c.loggedIn, c.accountType);
    EXPECT_EQ(texts.title, c.title);
    EXPECT_EQ(texts.version, c.version);
    EXPECT_EQ(texts.showsSpeech, c.speech);
    const std::string provider =
        c.language == UiLanguage::English
            ? "The English into Finnish translation is provided by Vorla Systems Oy's rule-based "
              "machine translation system."
            : "Englanti-suomi-käännöksen tarjoaa Vorla Systems Oy:n sääntöpohjainen "
              "konekäännösohjelmisto.";
    const std::string additional =
        "\r\n\r\nLisäkieliparien käännökset tarjoaa Microsoft® Translator.";
    EXPECT_EQ(texts.providers, c.additionalLanguages ? provider + additional : provider);
  }
}

struct AboutFixture : test::StateFixture {
  explicit AboutFixture(std::initializer_list<std::pair<std::string_view, std::string_view>> stored)
      : StateFixture(stored) {}

  // Clicks every link of the box, in order.
  void ClickLinks(AboutBox& box) {
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    for (const QRegularExpressionMatch& match : href.globalMatch(box.Links().text()))
      emit box.Links().linkActivated(match.captured(1));
  }

  std::shared_ptr<test::RecordingOpener> opener = std::make_shared<test::RecordingOpener>();
};

TEST(AboutBox, SpeechAndWebsiteLinksForALoggedInUser) {
  AboutFixture f({{"defuilan", "0"}, {"AccInf1", "2"}});
  f.state->SetLoggedIn(true);
  f.state->SetLoginValues(7, {0, 0});
  AboutBox box(nullptr, *f.state, f.opener);
  EXPECT_EQ(box.windowTitle(), "About Vorla Tool");
  EXPECT_EQ(box.VersionLine().text(), "Vorla Tool       Version 3.1.2");
  const QString links = box.Links().text();
  EXPECT_TRUE(links.contains(
      "The Finnish speech synthesis uses the <a href=\"speech\">eSpeak</a> software."))
      << links.toStdString();
  EXPECT_TRUE(links.contains("For more information, please visit our"));
  f.ClickLinks(box);
  box.SupportButton().click();
  EXPECT_EQ(box.SupportButton().text(), "Product Support");
  EXPECT_EQ(f.opener->opened,
            (std::vector<std::string>{
                "https://service.vorla.example/tr?cmd=redir&page=50&uil=0&pid=4",
                "https://service.vorla.example/en/",
                "https://service.vorla.example/tr?cmd=redir&page=9&pid=4&uil=0&uid=1048583&l=1"}));
}

TEST(AboutBox, OnlyTheWebsiteForAFirstListAccount) {
  AboutFixture f({{"defuilan", "1"}, {"AccInf1", "3"}});
  f.state->SetLoggedIn(true);
  AboutBox box(nullptr, *f.state, f.opener);
  EXPECT_EQ(box.windowTitle(), "Vorla Tool");
  EXPECT_FALSE(box.Links().text().contains("eSpeak"));
  EXPECT_TRUE(box.Providers().text().endsWith(
      "\n\nLisäkieliparien käännökset tarjoaa Microsoft® Translator."));
  EXPECT_EQ(box.SupportButton().text(), "Tuotetuki");
  f.ClickLinks(box);
  EXPECT_EQ(f.opener->opened, (std::vector<std::string>{"https://service.vorla.example/fi/"}));
}

}  // namespace
}  // namespace vorla
