#include "ui/dialogs/WebDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "translation/CWindowsTranslator.h"
#include "ui/UiText.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/DialogTexts.h"
#include "ui/dialogs/WindowThreadQuestions.h"
#include "ui/main/WindowThreadQueue.h"

namespace vorla {

namespace {

constexpr QPoint kOwnerOffset{100, 140};
constexpr int kAddressWidth = 460;

constexpr BilingualText kTitle{"Translate Web Page", "Käännä nettisivu"};
constexpr BilingualText kAddressLabel{"Enter web page or document address:",
                                      "Anna nettisivun tai asiakirjan osoite:"};
constexpr BilingualText kStatusLabel{"Status:", "Tila:"};
constexpr BilingualText kTranslateText{"Translate", "Käännä"};
constexpr BilingualText kClearText{"Clear", "Tyhjennä"};

QPointer<WebDialog>& OpenDialog() {
  static QPointer<WebDialog> dialog;
  return dialog;
}

// The job's reports, queued to the dialog's thread; those of a job that may no longer show
// are dropped there. The job's questions open over the dialog and close with it.
class QueuedWebDialogSink final : public UnknownImpl<IWebDialogSink> {
 public:
  QueuedWebDialogSink(WindowThreadQueue& queue, WebDialogController& controller,
                      QPointer<QWidget> dialog)
      : queue_(queue), controller_(controller), dialog_(std::move(dialog)) {}

  std::shared_ptr<void> OwnQuestions() override {
    return std::make_shared<QuestionOwnerScope>(dialog_);
  }
  void ShowStatus(const JobIdentity& job, std::string_view text, ProgressBar, int) override {
    PostFor(job,
            [text = std::string(text)](WebDialogController& dialog) { dialog.ShowStatus(text); });
  }
  void ShowInTargetPane(const JobIdentity&, std::string_view) override {}
  void ShowFailure(const JobIdentity& job, std::string_view message) override {
    PostFor(job, [message = std::string(message)](WebDialogController& dialog) {
      dialog.ShowFailure(message);
    });
  }
  void JobEnded(const JobIdentity& job) override {
    PostFor(job, [](WebDialogController& dialog) { dialog.JobEnded(); });
  }

 private:
  template <class Call>
  void PostFor(const JobIdentity& job, Call call) {
    queue_.Post([job, &controller = controller_, call = std::move(call)] {
      if (job.MayShow()) call(controller);
    });
  }

  WindowThreadQueue& queue_;
  WebDialogController& controller_;
  const QPointer<QWidget> dialog_;
};

}  // namespace

WebDialog::WebDialog(QWidget* owner, CWindowsTranslator& translator)
    : QDialog(owner),
      language_(translator.GetConfig().GetUiLanguage()),
      address_(new QComboBox),
      status_(new QLabel),
      translate_(new QPushButton(UiText(kTranslateText, language_))),
      clear_(new QPushButton(UiText(kClearText, language_))),
      close_(new QPushButton(UiText(kCloseText, language_))),
      queue_(std::make_unique<WindowThreadQueue>(*this)),
      controller_(translator, *this) {
  setWindowTitle(UiText(kTitle, language_));
  address_->setEditable(true);
  // The history is the translator's; Enter translates instead of adding an entry.
  address_->setInsertPolicy(QComboBox::NoInsert);
  address_->setMinimumWidth(kAddressWidth);
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  status_->setFocusPolicy(Qt::StrongFocus);
  translate_->setDefault(true);

  auto* statusRow = new QHBoxLayout;
  statusRow->addWidget(new QLabel(UiText(kStatusLabel, language_)), 0, Qt::AlignTop);
  statusRow->addWidget(status_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {translate_, clear_, close_})
    buttons->addWidget(button);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(UiText(kAddressLabel, language_)));
  layout->addWidget(address_);
  layout->addLayout(statusRow);
  layout->addLayout(buttons);

  connect(translate_, &QPushButton::clicked, this, [this] { controller_.Translate(); });
  connect(clear_, &QPushButton::clicked, this, [this] { controller_.Clear(); });
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
  controller_.SetJobSink(MakeRef<QueuedWebDialogSink>(*queue_, controller_, this));
  controller_.Open();
}

WebDialog::~WebDialog() {
  queue_->Close();
}

WebDialog* WebDialog::Show(QWidget* owner, CWindowsTranslator& translator) {
  QPointer<WebDialog>& dialog = OpenDialog();
  if (!dialog) {
    dialog = new WebDialog(owner, translator);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->adjustSize();
    dialog->move(OffsetFrom(WindowFrame(owner), kOwnerOffset, kOwnerOffset));
  }
  ShowInFront(*dialog);
  return dialog;
}

void WebDialog::done(int result) {
  controller_.Close();
  // Reports still queued find the queue closed.
  queue_->Close();
  // The job's question still open closes with the dialog; the worker asking it goes on.
  for (QDialog* question : findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
    question->reject();
  QDialog::done(result);
}

std::string WebDialog::AddressText() const {
  return address_->currentText().toStdString();
}

void WebDialog::SetAddressText(std::string_view text) {
  address_->setEditText(Utf8Text(text));
}

void WebDialog::SetStatus(std::string_view text) {
  status_->setText(Utf8Text(text));
}

void WebDialog::SetHistory(const std::vector<std::string>& addresses) {
  // Refilling the list keeps what is typed in the box.
  const QString typed = address_->currentText();
  address_->clear();
  for (const std::string& entry : addresses)
    address_->addItem(Utf8Text(entry));
  address_->setEditText(typed);
}

void WebDialog::SetRunning(bool running) {
  translate_->setEnabled(!running);
  close_->setText(UiText(running ? kCancelText : kCloseText, language_));
}

void WebDialog::FocusAddress() {
  address_->setFocus();
}

void WebDialog::FocusStatus() {
  status_->setFocus();
}

}  // namespace vorla
