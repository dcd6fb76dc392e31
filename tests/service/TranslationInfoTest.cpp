#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>

#include "service/TranslationInfo.h"

namespace vorla {
namespace {

// A decimal comma, as the Finnish locale has.
class CommaPunctuation final : public std::numpunct<char> {
 protected:
  char do_decimal_point() const override { return ','; }
};

TEST(TokenAmount, SameUnderEveryLocale) {
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new CommaPunctuation));
  const std::string previousC = std::setlocale(LC_NUMERIC, nullptr);
  std::setlocale(LC_NUMERIC, "fi_FI.UTF-8");  // may be missing; the result must not depend on it
  struct Case {
    long long thousandths;
    const char* text;
  };
  for (const Case c : {Case{12'500, "12.5"}, Case{100'000, "100"}, Case{1, "0.001"}, Case{0, "0"},
                       Case{-2'250, "-2.25"}}) {
    EXPECT_EQ(FormatTokenAmount(c.thousandths), c.text);
  }
  std::setlocale(LC_NUMERIC, previousC.c_str());
  std::locale::global(previous);
}

TEST(TranslationInfo, LinesByTheSourceAndTheBalance) {
  TranslationInfo info;
  info.words = 120;
  info.price = 12'500;
  info.balance = 100'000;
  info.balanceSuffices = true;
  TranslationInfoLines lines = FormatTranslationInfo(info, UiLanguage::English);
  EXPECT_EQ(lines.length, "Source text length: 120 words");
  EXPECT_EQ(lines.price, "Translation price: 12.5 tokens");
  EXPECT_EQ(lines.balance, "Translation account balance: 100 tokens");
  EXPECT_EQ(lines.note, "Click \"Translate\" to perform the translation now. ");

  info.source = TranslationInfo::Source::Document;
  info.balanceSuffices = false;
  lines = FormatTranslationInfo(info, UiLanguage::Finnish);
  EXPECT_EQ(lines.length, "Käännettävän asiakirjan pituus: 120 sanaa");
  EXPECT_EQ(lines.price, "Käännöksen hinta: 12.5 polettia");
  EXPECT_EQ(lines.balance, "Käännöstilin saldo: 100 polettia");
  EXPECT_EQ(lines.note, "Käännöstilin saldo ei riitä käännöksen suorittamiseen.");

  info.source = TranslationInfo::Source::WebPage;
  info.address = "https://example.com/";
  EXPECT_EQ(FormatTranslationInfo(info, UiLanguage::English).length,
            "Translation web page: https://example.com/");
}

}  // namespace
}  // namespace vorla
