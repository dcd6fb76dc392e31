#include <gtest/gtest.h>

#include <QMenu>

#include "MnemonicChecks.h"
#include "ui/Mnemonics.h"

namespace vorla {
namespace {

std::vector<QString> Texts(std::initializer_list<const char*> texts) {
  std::vector<QString> out;
  for (const char* text : texts)
    out.push_back(QString::fromUtf8(text));
  return out;
}

TEST(Mnemonics, MarksAreFoundAndTakenOff) {
  const struct {
    const char* text;
    const char* shown;
    std::optional<char> letter;
  } cases[] = {
      {"&File", "File", 'f'},
      {"Save &As...", "Save As...", 'a'},
      {"Fish && &Chips", "Fish & Chips", 'c'},
      {"Fish && Chips", "Fish & Chips", std::nullopt},
      {"Plain", "Plain", std::nullopt},
      {"Ends with &", "Ends with &", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WithoutMnemonic(c.text), c.shown) << c.text;
    const std::optional<QChar> letter = MnemonicOf(c.text);
    ASSERT_EQ(letter.has_value(), c.letter.has_value()) << c.text;
    if (letter) {
      EXPECT_EQ(*letter, QChar(*c.letter)) << c.text;
    }
  }
}

TEST(Mnemonics, EachTextGetsADistinctLetter) {
  const struct {
    std::vector<QString> texts;
    std::vector<QString> marked;
  } cases[] = {
      // The first letter of a word comes before any other.
      {Texts({"File", "Edit", "Find..."}), Texts({"&File", "&Edit", "F&ind..."})},
      {Texts({"Translate", "Auto-Translate clipboard", "Translate clipboard"}),
       Texts({"&Translate", "&Auto-Translate clipboard", "Translate &clipboard"})},
      // Word starts of later texts are not taken by the fallback letters of earlier ones.
      {Texts({"Tiedosto", "Toiminnot", "Ohjeet"}), Texts({"&Tiedosto", "To&iminnot", "&Ohjeet"})},
      // A mark already there stays while its letter is free, a clashing one goes.
      {Texts({"&Copy", "Cut", "&Close"}), Texts({"&Copy", "C&ut", "C&lose"})},
      // Finnish letters, case aside.
      {Texts({"Käännä", "kieli", "Äänet"}), Texts({"&Käännä", "k&ieli", "&Äänet"})},
      // Literal ampersands stay literal.
      {Texts({"Fish && Chips", "Fries"}), Texts({"&Fish && Chips", "F&ries"})},
      // Without a free letter a text stays unmarked.
      {Texts({"ab", "ba", "&ab"}), Texts({"ab", "&ba", "&ab"})},
  };
  for (const auto& c : cases)
    EXPECT_EQ(WithMnemonics(c.texts), c.marked) << c.texts.front().toStdString();
}

TEST(Mnemonics, MenuItemsGetThemAndSeparatorsAreLeftAlone) {
  QMenu menu;
  menu.addAction("Copy");
  menu.addSeparator();
  menu.addAction("Cut");
  menu.addMenu("Close")->addAction("Inner");
  AssignMnemonics(menu);
  EXPECT_TRUE(test::HasDistinctMnemonics(menu));
  EXPECT_EQ(menu.actions()[1]->text(), "");
  EXPECT_EQ(menu.actions()[3]->text(), "C&lose");
}

}  // namespace
}  // namespace vorla
