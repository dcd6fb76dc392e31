#include "service/TranslationInfo.h"

#include "common/NumberFormat.h"

namespace vorla {

namespace {

constexpr BilingualText kTextLength{"Source text length: @1 words",
                                    "Käännettävän tekstin pituus: @1 sanaa"};
constexpr BilingualText kDocumentLength{"Source document length: @1 words",
                                        "Käännettävän asiakirjan pituus: @1 sanaa"};
constexpr BilingualText kWebPage{"Translation web page: @1", "Käännettävä nettisivu: @1"};
constexpr BilingualText kPrice{"Translation price: @1 tokens", "Käännöksen hinta: @1 polettia"};
constexpr BilingualText kBalance{"Translation account balance: @1 tokens",
                                 "Käännöstilin saldo: @1 polettia"};
constexpr BilingualText kClickTranslate{"Click \"Translate\" to perform the translation now. ",
                                        "Suorita käännös nyt napsauttamalla \"Käännä\". "};
constexpr BilingualText kInsufficient{
    "Your translation account balance is insufficient for performing this translation.",
    "Käännöstilin saldo ei riitä käännöksen suorittamiseen."};

constexpr long long kThousandths = 1000;

}  // namespace

std::string FormatTokenAmount(long long thousandths) {
  return FormatTrimmed(static_cast<double>(thousandths) / kThousandths);
}

TranslationInfoLines FormatTranslationInfo(const TranslationInfo& info, UiLanguage language) {
  TranslationInfoLines lines;
  switch (info.source) {
    case TranslationInfo::Source::Text:
      lines.length = FormatMessage(kTextLength, language, std::to_string(info.words));
      break;
    case TranslationInfo::Source::Document:
      lines.length = FormatMessage(kDocumentLength, language, std::to_string(info.words));
      break;
    case TranslationInfo::Source::WebPage:
      lines.length = FormatMessage(kWebPage, language, info.address);
      break;
  }
  lines.price = FormatMessage(kPrice, language, FormatTokenAmount(info.price));
  lines.balance = FormatMessage(kBalance, language, FormatTokenAmount(info.balance));
  lines.note = std::string((info.balanceSuffices ? kClickTranslate : kInsufficient).In(language));
  return lines;
}

}  // namespace vorla
