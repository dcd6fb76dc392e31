#include "ui/dialogs/QtMessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QShowEvent>

#include "common/Bilingual.h"
#include "config/Config.h"
#include "ui/UiText.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/DialogTexts.h"

namespace vorla {

namespace {

using Button = QMessageBox::StandardButton;

// Centres itself once its size is known, which QMessageBox settles while it shows.
class CentredMessageBox final : public QMessageBox {
 public:
  explicit CentredMessageBox(QWidget* owner) : QMessageBox(owner), owner_(owner) {}

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    PlaceCentredOver(*this, owner_);
  }

 private:
  QPointer<QWidget> owner_;
};

std::vector<Button> ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return {QMessageBox::Ok};
    case MessageButtons::OkCancel:
      return {QMessageBox::Ok, QMessageBox::Cancel};
    case MessageButtons::YesNo:
      return {QMessageBox::Yes, QMessageBox::No};
    case MessageButtons::YesNoCancel:
      return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case MessageButtons::RetryCancel:
      return {QMessageBox::Retry, QMessageBox::Cancel};
  }
  return {QMessageBox::Ok};
}

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::None:
      break;
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

MessageAnswer CancelledAnswer(MessageStyle style) {
  return style.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

// The window a box opens over: the one that owns the asking thread's questions, the dialog
// or window in front, else the main window.
QWidget* BoxOwner(const WindowThreadQuestions& questions, const QPointer<QWidget>& named) {
  if (named) return named;
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return questions.MainWindow();
}

}  // namespace

QString MessageButtonText(QMessageBox::StandardButton button, UiLanguage language) {
  switch (button) {
    case QMessageBox::Cancel:
      return UiText(kCancelText, language);
    case QMessageBox::Yes:
      return UiText({"Yes", "Kyllä"}, language);
    case QMessageBox::No:
      return UiText({"No", "Ei"}, language);
    case QMessageBox::Retry:
      return UiText({"Retry", "Yritä uudelleen"}, language);
    default:
      return QStringLiteral("OK");
  }
}

std::unique_ptr<QMessageBox> BuildMessageBox(QWidget* owner, std::string_view text,
                                             std::string_view caption, MessageStyle style,
                                             UiLanguage language) {
  auto box = std::make_unique<CentredMessageBox>(owner);
  box->setTextFormat(Qt::PlainText);
  box->setText(Utf8Text(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  box->setWindowTitle(Utf8Text(caption.empty() ? Config::kProductName : caption));
  box->setIcon(IconOf(style.icon));
  const std::vector<Button> buttons = ButtonsOf(style.buttons);
  for (const Button button : buttons) {
    box->addButton(button);
    box->button(button)->setText(MessageButtonText(button, language));
  }
  const auto defaultIndex = static_cast<std::size_t>(style.defaultButton);
  box->setDefaultButton(buttons[defaultIndex < buttons.size() ? defaultIndex : 0]);
  return box;
}

std::optional<MessageAnswer> AnswerOf(int standardButton) {
  switch (standardButton) {
    case QMessageBox::Ok:
      return MessageAnswer::Ok;
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Retry:
      return MessageAnswer::Retry;
    default:
      return std::nullopt;
  }
}

MessageAnswer QtMessageBox::Show(std::string_view text, std::string_view caption,
                                 MessageStyle style, UiLanguage language) {
  return questions_->Ask<MessageAnswer>(
      [questions = questions_, text = std::string(text), caption = std::string(caption), style,
       language, named = QuestionOwnerScope::Current()] {
        // Its owner may close while it runs and take it along.
        const QPointer<QMessageBox> box =
            BuildMessageBox(BoxOwner(*questions, named), text, caption, style, language).release();
        const int button = questions->Exec(*box);
        delete box.data();
        return AnswerOf(button).value_or(CancelledAnswer(style));
      },
      CancelledAnswer(style));
}

}  // namespace vorla
