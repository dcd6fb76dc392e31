#include <string_view>

#include "common/XmlTextWriter.h"
#include "dictionaries/AdjAttrMark.h"
#include "dictionaries/AttributeCodes.h"
#include "dictionaries/AttributeValues.h"
#include "dictionaries/DictionaryKind.h"
#include "dictionaries/RuleTypes.h"
#include "dictionaries/UserLexicalRuleEntry.h"
#include "dictionaries/exchange/ExchangeText.h"
#include "dictionaries/exchange/XmlDictionary.h"

namespace vorla {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

class DocumentWriter {
 public:
  explicit DocumentWriter(std::string& out) : out_(out), xml_(out) {}

  // indent tabs, then <name>text</name> and the line end.
  void Line(int indent, std::string_view name, std::string_view text) {
    out_.append(static_cast<std::size_t>(indent), '\t');
    xml_.Element(name, text);
    out_ += kLineEnd;
  }
  void TextLine(int indent, std::string_view name, std::string_view dictionaryText) {
    Line(indent, name, ExportedText(dictionaryText));
  }
  void Markup(std::string_view markup) {
    out_ += markup;
    out_ += kLineEnd;
  }
  XmlTextWriter& xml() { return xml_; }

 private:
  std::string& out_;
  XmlTextWriter xml_;
};

void WriteAttribute(DocumentWriter& writer, const AttributeList& list, int code,
                    std::string_view element, bool zeroToo) {
  const int value = list.Get(code);
  if (value < 0 || (value == 0 && !zeroToo)) return;
  writer.Line(2, element, AttributeValueName(code, value));
}

void WriteAttributes(DocumentWriter& writer, const VocabularyEntry& entry, DictionaryKind kind) {
  writer.Line(2, "scat", AttributeValueName(attr::kSCat, entry.scat));
  if (kind == DictionaryKind::Normal) {
    const int subcat = entry.srcattr.Get(attr::kSubCat);
    if (subcat == 0 && entry.scat == word_class::kVerb) {
      writer.Line(2, "subcat", "Intrans");
    } else {
      WriteAttribute(writer, entry.srcattr, attr::kSubCat, "subcat", false);
    }
    WriteAttribute(writer, entry.srcattr, attr::kCompN, "compn", false);
  }
  WriteAttribute(writer, entry.srcattr, attr::kSemAct, "semact", true);
  WriteAttribute(writer, entry.srcattr, attr::kSemSpat, "semspat", true);
  WriteAttribute(writer, entry.srcattr, attr::kNumber, "number", false);
  WriteAttribute(writer, entry.tgtattr, attr::kTgtInfl, "tgtinfl", false);
  WriteAttribute(writer, entry.tgtattr, attr::kTgtGrade, "tgtgrade", false);
  WriteAttribute(writer, entry.tgtattr, attr::kTgtDInfl, "tgtdinfl", false);
  WriteAttribute(writer, entry.tgtattr, attr::kTgtGCase, "tgtgcase", false);
  WriteAttribute(writer, entry.tgtattr, attr::kTgtAdjAttr, "tgtadjattr", false);
  WriteAttribute(writer, entry.tgtattr, attr::kNumber, "tnumber", false);
}

void WriteEntry(DocumentWriter& writer, const VocabularyEntry& entry, DictionaryKind kind) {
  const bool rules = kind == DictionaryKind::ContextRules || kind == DictionaryKind::Disambiguation;
  writer.Markup("\t<entry>");
  if (rules) writer.Line(2, "ruletype", RuleTypeExchangeName(entry.ruletype).english);
  writer.TextLine(2, "source", entry.source);
  if (kind == DictionaryKind::Phrases) {
    writer.TextLine(2, "target", entry.target);
  } else if (kind != DictionaryKind::Disambiguation) {
    writer.TextLine(2, "target", MarkedTarget(entry));
  }
  if (rules) {
    const auto& rule = static_cast<const UserLexicalRuleEntry&>(entry);
    writer.TextLine(2, "contextwords", rule.contextwords.display);
    if (kind == DictionaryKind::ContextRules) {
      if (rule.ruletype == rule_type::kContextWord) {
        if (rule.range != 0) writer.Line(2, "range", std::to_string(rule.range));
      } else {
        writer.TextLine(2, "contextwordstr", rule.contextwordstr.display);
      }
    }
  }
  if (kind == DictionaryKind::Normal || kind == DictionaryKind::ContextRules)
    WriteAttributes(writer, entry, kind);
  writer.Markup("\t</entry>");
}

}  // namespace

void WriteXmlDictionary(const Vocabulary& vocabulary, std::string& out) {
  const VocabularyHeader& header = vocabulary.header;
  const DictionaryKind kind = header.vocsubtype;
  DocumentWriter writer(out);
  writer.xml().Declaration("UTF-8");
  out += kLineEnd;
  writer.Markup("<dictionary>");
  writer.Markup("<header>");
  writer.TextLine(1, "name", header.name);
  writer.TextLine(1, "description", header.description);
  writer.Line(1, "sourcelan", LanguageTag(header.srclan));
  writer.Line(1, "targetlan", LanguageTag(header.tgtlan));
  writer.Line(1, "type", KindExchangeName(kind));
  writer.Markup("</header>");
  writer.Markup("<content>");
  for (int i = 0; i < vocabulary.count(); ++i)
    WriteEntry(writer, vocabulary.At(i), kind);
  writer.Markup("</content>");
  writer.Markup("</dictionary>");
}

}  // namespace vorla
