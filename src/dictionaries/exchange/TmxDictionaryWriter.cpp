#include "common/XmlTextWriter.h"
#include "dictionaries/DictionaryKind.h"
#include "dictionaries/exchange/ExchangeText.h"
#include "dictionaries/exchange/TmxDictionary.h"

namespace vorla {
namespace {

std::string_view UiLanguageTag(UiLanguage language) {
  return LanguageTag(language == UiLanguage::English ? language::kEnglish : language::kFinnish);
}

void WriteVariant(std::string& out, XmlTextWriter& xml, int languageCode,
                  std::string_view dictionaryText) {
  out += "\t";
  xml.Start("tuv");
  xml.Attribute("xml:lang", LanguageTag(languageCode));
  xml.Raw("\r\n\t\t");
  xml.Element("seg", ExportedText(dictionaryText));
  xml.Raw("\r\n\t");
  xml.End();
  out += "\r\n";
}

}  // namespace

int WriteTmxDictionary(const Vocabulary& vocabulary, const TmxCreator& creator, std::string& out) {
  const VocabularyHeader& header = vocabulary.header;
  if (header.vocsubtype != DictionaryKind::Normal && header.vocsubtype != DictionaryKind::Phrases)
    return -1;
  XmlTextWriter xml(out);
  xml.Declaration("utf-8");
  out += "\r\n<tmx version=\"1.4\">\r\n";
  xml.Start("header");
  xml.Attribute("creationtool", creator.tool);
  xml.Attribute("creationtoolversion", creator.version);
  xml.Attribute("adminlang", UiLanguageTag(creator.adminLanguage));
  xml.Attribute("srclang", LanguageTag(header.srclan));
  xml.Attribute("datatype", "plaintext");
  xml.Attribute("segtype", header.srclan == language::kFinnish ? "sentence" : "phrase");
  xml.Attribute("o-tmf", "Vorla Translation Memory");
  xml.Attribute("o-encoding", "iso-8859-1");
  xml.Raw("\r\n\t");
  xml.Element("note", ExportedText(header.description));
  xml.Raw("\r\n\t");
  xml.Start("prop");
  xml.Attribute("type", "x-TMName");
  xml.Text(ExportedText(header.name));
  xml.End();
  xml.Raw("\r\n");
  xml.End();
  out += "\r\n<body>\r\n";
  for (int i = 0; i < vocabulary.count(); ++i) {
    const VocabularyEntry& entry = vocabulary.At(i);
    out += "\t";
    xml.Start("tu");
    xml.Attribute("tuid", std::to_string(i + 1));
    xml.Raw("\r\n");
    WriteVariant(out, xml, header.srclan, entry.source);
    WriteVariant(out, xml, header.tgtlan, entry.target);
    out += "\t";
    xml.End();
    out += "\r\n";
  }
  out += "</body>\r\n</tmx>\r\n";
  return 0;
}

}  // namespace vorla
