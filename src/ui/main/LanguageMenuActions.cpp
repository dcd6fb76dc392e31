#include "ui/main/LanguageMenuActions.h"

#include <QActionGroup>
#include <array>

#include "translation/LanguagePairs.h"
#include "translation/TranslatorState.h"
#include "ui/main/CommandIds.h"
#include "ui/main/MainCommands.h"

namespace vorla {

namespace {

struct PairCommand {
  int id;
  LanguageMenuItem item;
  LanguagePair pair;
};

constexpr std::array<PairCommand, 4> kPairCommands = {{
    {kCmdAutoSelection,
     LanguageMenuItem::AutoSelection,
     {kLanguageEnglish, kLanguageFinnish, true}},
    {kCmdEnglishFinnish,
     LanguageMenuItem::EnglishFinnish,
     {kLanguageEnglish, kLanguageFinnish, false}},
    {kCmdFinnishEnglish,
     LanguageMenuItem::FinnishEnglish,
     {kLanguageFinnish, kLanguageEnglish, false}},
    {kCmdEnglishSwedish,
     LanguageMenuItem::EnglishSwedish,
     {kLanguageEnglish, kLanguageSwedish, false}},
}};

bool IsChecked(const PairCommand& command, const LanguagePair& current) {
  if (current.automatic || command.pair.automatic)
    return current.automatic && command.pair.automatic;
  return command.pair.source == current.source && command.pair.target == current.target;
}

}  // namespace

LanguageMenuActions::LanguageMenuActions(MainCommands& commands, TranslatorState& state,
                                         std::function<void()> chosen,
                                         std::function<void()> moreLanguages, QObject* parent)
    : QObject(parent),
      commands_(commands),
      state_(state),
      chosen_(std::move(chosen)),
      moreLanguages_(std::move(moreLanguages)),
      group_(new QActionGroup(this)) {
  // No mark at all while the pair is none of the menu's.
  group_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (const PairCommand& command : kPairCommands) {
    if (commands_.Contains(command.id)) Connect(command.id, command.item);
  }
}

void LanguageMenuActions::Connect(int id, LanguageMenuItem item) {
  QAction& action = commands_[id];
  group_->addAction(&action);
  connect(&action, &QAction::triggered, this, [this, item] {
    ChooseMenuItem(state_, item);
    Update();
    chosen_();
  });
}

void LanguageMenuActions::UpdateMoreLanguages(int accountType) {
  const bool further = FurtherListOf(accountType) != LanguageFamily::Local;
  if (further && commands_.AppendOnce(kCmdAutoSelection, MoreLanguagesCommand())) {
    connect(&commands_[kCmdMoreLanguages], &QAction::triggered, this, [this] { moreLanguages_(); });
  }
  if (commands_.Contains(kCmdMoreLanguages)) commands_[kCmdMoreLanguages].setEnabled(further);
}

void LanguageMenuActions::Update() {
  const int accountType = state_.GetAccountType();
  const int bits = state_.GetAvailablePairs();
  UpdateMoreLanguages(accountType);
  if (IsMenuItemEnabled(LanguageMenuItem::EnglishSwedish, accountType, bits) &&
      commands_.AppendOnce(kCmdAutoSelection, EnglishSwedishCommand())) {
    Connect(kCmdEnglishSwedish, LanguageMenuItem::EnglishSwedish);
  }
  const LanguagePair current = state_.GetPair();
  for (const PairCommand& command : kPairCommands) {
    if (!commands_.Contains(command.id)) continue;
    QAction& action = commands_[command.id];
    action.setEnabled(IsMenuItemEnabled(command.item, accountType, bits));
    action.setChecked(IsChecked(command, current));
  }
}

}  // namespace vorla
