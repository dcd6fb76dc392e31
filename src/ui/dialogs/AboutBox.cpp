#include "ui/dialogs/AboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "service/RedirectLinks.h"
#include "translation/TranslatorState.h"
#include "ui/UiText.h"
#include "ui/dialogs/AboutTexts.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/DialogPlacement.h"

namespace vorla {

namespace {

constexpr int kDialogWidth = 440;
constexpr BilingualText kProductSupport{"Product Support", "Tuotetuki"};
const QString kSpeechTarget = QStringLiteral("speech");

std::vector<TextPiece> Pieces(const LinkedSentence& sentence, const QString& target) {
  return {{Utf8Text(sentence.before), {}},
          {Utf8Text(sentence.link), target},
          {Utf8Text(sentence.after), {}}};
}

}  // namespace

AboutBox::AboutBox(QWidget* owner, const TranslatorState& state, std::shared_ptr<Opener> opener)
    : QDialog(owner) {
  const UiLanguage language = state.GetConfig().GetUiLanguage();
  const AboutTexts texts = MakeAboutTexts(language, state.IsLoggedIn(), state.GetAccountType());
  setWindowTitle(Utf8Text(texts.title));
  setMinimumWidth(kDialogWidth);

  version_ = HeadingLabel(Utf8Text(texts.version));
  providers_ = WrappingLabel(
      Utf8Text(texts.providers).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

  const QString homePage = Utf8Text(texts.homePage);
  std::vector<TextPiece> pieces;
  if (texts.showsSpeech) {
    pieces = Pieces(texts.speech, kSpeechTarget);
    pieces.push_back({QStringLiteral("\n\n"), {}});
  }
  for (TextPiece& piece : Pieces(texts.website, homePage))
    pieces.push_back(std::move(piece));
  links_ = LinkLabel(pieces, [&state, opener](const QString& target) {
    if (!opener) return;
    if (target == kSpeechTarget) {
      RedirectLinks(state, *opener).OpenInfoRedirectLink(kPageSpeech);
    } else {
      opener->Open(target.toStdString());
    }
  });

  auto* buttons = new QDialogButtonBox;
  support_ = buttons->addButton(UiText(kProductSupport, language), QDialogButtonBox::ActionRole);
  buttons->addButton(QDialogButtonBox::Ok)->setDefault(true);
  connect(support_, &QPushButton::clicked, this, [&state, opener] {
    if (opener) RedirectLinks(state, *opener).OpenUserRedirectLink(kPageSupport);
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(version_);
  layout->addWidget(providers_);
  layout->addWidget(links_);
  layout->addWidget(buttons);
}

void AboutBox::ShowModal(QWidget* owner, const TranslatorState& state,
                         std::shared_ptr<Opener> opener) {
  AboutBox box(owner, state, std::move(opener));
  box.adjustSize();
  PlaceCentredOver(box, owner);
  box.exec();
}

}  // namespace vorla
