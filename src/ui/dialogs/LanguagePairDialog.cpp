#include "ui/dialogs/LanguagePairDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "service/TranslationInfo.h"
#include "translation/LanguageNotice.h"
#include "translation/TranslatorState.h"
#include "ui/UiText.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/DialogTexts.h"
#include "ui/dialogs/WindowThreadQuestions.h"

namespace vorla {

namespace {

constexpr QPoint kModelessOffset{200, 200};
constexpr QPoint kNoticeOffset{120, 100};
constexpr int kDialogWidth = 380;

constexpr BilingualText kTitle{"Select Language Pair", "Valitse käännössuunta"};
constexpr BilingualText kFrom{"From:", "Lähtökieli:"};
constexpr BilingualText kTo{"To:", "Kohdekieli:"};
constexpr std::string_view kProvider = "Microsoft® Translator";

// The service provider's notice for translations of the first further-language list: text
// in a frame, both drawn by the style, so it is sharp at every scale.
QLabel* ProviderNoticeLabel() {
  auto* notice = new QLabel(Utf8Text(kProvider));
  notice->setFrameShape(QFrame::StyledPanel);
  notice->setMargin(notice->fontMetrics().height() / 4);
  return notice;
}

void Fill(QComboBox& list, const std::vector<LanguageEntry>& entries,
          std::optional<std::size_t> selected) {
  list.clear();
  for (const LanguageEntry& entry : entries)
    list.addItem(Utf8Text(entry.text));
  list.setCurrentIndex(selected ? static_cast<int>(*selected) : -1);
}

// The one dialog open, of either form.
QPointer<LanguagePairDialog>& OpenDialog() {
  static QPointer<LanguagePairDialog> dialog;
  return dialog;
}

}  // namespace

LanguagePairDialog* LanguagePairDialog::ShowModeless(QWidget* mainWindow, TranslatorState& state,
                                                     std::function<void()> pairChanged) {
  QPointer<LanguagePairDialog>& dialog = OpenDialog();
  if (!dialog) {
    dialog = new LanguagePairDialog(mainWindow, state, Form::Modeless, state.GetAccountType(),
                                    std::move(pairChanged));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->adjustSize();
    dialog->move(OffsetFrom(WindowFrame(mainWindow), kModelessOffset, kModelessOffset));
  }
  ShowInFront(*dialog);
  return dialog;
}

bool LanguagePairDialog::AskNotice(WindowThreadQuestions& questions, TranslatorState& state,
                                   int accountType, std::function<void()> pairChanged) {
  // Only one of the two forms is open at a time.
  QPointer<LanguagePairDialog>& open = OpenDialog();
  if (open) open->close();
  QWidget* owner = questions.MainWindow();
  LanguagePairDialog dialog(owner, state, Form::Notice, accountType, std::move(pairChanged));
  open = &dialog;
  dialog.adjustSize();
  if (const auto frame = WindowFrame(owner)) dialog.move(frame->topLeft() + kNoticeOffset);
  return questions.Exec(dialog) == QDialog::Accepted;
}

void LanguagePairDialog::RefreshOpenDialog() {
  if (QPointer<LanguagePairDialog>& dialog = OpenDialog()) dialog->Refresh();
}

LanguagePairDialog::LanguagePairDialog(QWidget* owner, TranslatorState& state, Form form,
                                       int accountType, std::function<void()> pairChanged)
    : QDialog(owner),
      state_(state),
      selection_(state, state.GetConfig().GetUiLanguage()),
      pairChanged_(std::move(pairChanged)) {
  const UiLanguage language = state.GetConfig().GetUiLanguage();
  setWindowTitle(UiText(kTitle, language));
  setMinimumWidth(kDialogWidth);
  PaintWhite(*this);

  auto* layout = new QVBoxLayout(this);
  if (form == Form::Notice) {
    notice_ = WrappingLabel(UiText(LanguageNoticeText(accountType), language));
    layout->addWidget(notice_);
  }
  sourceList_ = new QComboBox;
  targetList_ = new QComboBox;
  auto* lists = new QFormLayout;
  lists->addRow(UiText(kFrom, language), sourceList_);
  lists->addRow(UiText(kTo, language), targetList_);
  layout->addLayout(lists);
  providerNotice_ = ProviderNoticeLabel();
  layout->addWidget(providerNotice_, 0, Qt::AlignRight);

  auto* buttons = new QDialogButtonBox;
  ok_ = buttons->addButton(
      form == Form::Notice ? UiText(kTranslateButton, language) : QStringLiteral("OK"),
      QDialogButtonBox::AcceptRole);
  ok_->setDefault(true);
  buttons->addButton(UiText(kCancelText, language), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &LanguagePairDialog::TryAccept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  connect(sourceList_, &QComboBox::activated, this, [this](int index) {
    selection_.ChooseSource(static_cast<std::size_t>(index));
    Chosen();
  });
  connect(targetList_, &QComboBox::activated, this, [this](int index) {
    selection_.ChooseTarget(static_cast<std::size_t>(index));
    Chosen();
  });
  Refresh();
}

void LanguagePairDialog::Refresh() {
  Fill(*sourceList_, selection_.SourceEntries(), selection_.SelectedSource());
  Fill(*targetList_, selection_.TargetEntries(), selection_.SelectedTarget());
  targetList_->setEnabled(selection_.TargetEnabled());
  providerNotice_->setVisible(selection_.ShowsProviderNotice());
}

void LanguagePairDialog::Chosen() {
  Refresh();
  if (pairChanged_) pairChanged_();
}

void LanguagePairDialog::TryAccept() {
  if (const auto refusal = selection_.CheckOk()) {
    state_.GetConfig().ShowMessage(*refusal, {}, {MessageButtons::Ok, MessageIcon::Warning});
    return;
  }
  accept();
}

}  // namespace vorla
