#include "ui/result/CResultWnd.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "translation/ClipboardResult.h"
#include "translation/JobTexts.h"
#include "ui/BundledIcon.h"
#include "ui/Mnemonics.h"
#include "ui/SpeechCommandTexts.h"
#include "ui/UiText.h"
#include "ui/documents/PaneSaveDialog.h"
#include "ui/documents/QtFileCommandHost.h"
#include "ui/panes/FindDialog.h"
#include "ui/panes/PaneFont.h"
#include "ui/panes/PanePrinting.h"
#include "ui/panes/PaneSpeech.h"
#include "ui/panes/TextPane.h"
#include "ui/result/ResultWindowTexts.h"

namespace vorla {

namespace {

// The tab strip stands this far from the window's corner; the style draws the tabs, sized
// for their texts in the window's font.
constexpr int kTabStripMargin = 4;
constexpr int kStatusBarMinimumHeight = 20;
// The first status part holds the speaker icon.
constexpr int kFirstStatusPartWidth = 24;
constexpr int kSpeakerIconSize = 16;
// A smaller window is not worth remembering.
constexpr int kSmallestStoredSide = 40;
// Accounts of the further-language lists keep the main window's status line.
constexpr int kFirstListAccount = 3;
constexpr int kSecondListAccount = 4;

// Encoding index 0 (none given) shows as Windows-1252.
int CodePageOfSource(int encoding) {
  const int codePage = CodePageOfEncoding(encoding);
  return codePage == 0 ? kCodePageWindows1252 : codePage;
}

}  // namespace

CResultWnd::CResultWnd(Setup setup) : setup_(std::move(setup)) {
  setAttribute(Qt::WA_DeleteOnClose);
  const UiLanguage language = Language();
  setWindowTitle(UiText(
      setup_.kind == ResultWindowKind::Clipboard ? kClipboardWindowTitle : kResultWindowTitle,
      language));
  setMinimumSize(kResultWindowMinimum);

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  tabs_ = new QTabBar(central);
  tabs_->setExpanding(false);
  // The pane's frame is the strip's base line.
  tabs_->setDrawBase(false);
  tabs_->addTab(UiText(kSourceTabText, language));
  tabs_->addTab(UiText(kTranslationTabText, language));
  tabs_->setCurrentIndex(kTranslationTab);
  auto* tabRow = new QHBoxLayout();
  tabRow->setContentsMargins(kTabStripMargin, kTabStripMargin, 0, 0);
  tabRow->addWidget(tabs_);
  tabRow->addStretch();
  layout->addLayout(tabRow);
  pane_ = new TextPane(central);
  pane_->setFrameShape(QFrame::StyledPanel);
  pane_->SetPaneFont(ReadPaneFont(setup_.config->settings()));
  pane_->setContextMenuPolicy(Qt::CustomContextMenu);
  layout->addWidget(pane_, 1);
  setCentralWidget(central);

  speakerIcon_ = new QToolButton(this);
  speakerIcon_->setObjectName("speakerIcon");
  speakerIcon_->setAutoRaise(true);
  speakerIcon_->setIcon(ThemeIcon("audio-volume-high"));
  speakerIcon_->setIconSize(QSize(kSpeakerIconSize, kSpeakerIconSize));
  speakerIcon_->setFixedWidth(kFirstStatusPartWidth);
  statusText_ = new QLabel(this);
  statusBar()->setMinimumHeight(kStatusBarMinimumHeight);
  statusBar()->addWidget(speakerIcon_);
  statusBar()->addWidget(statusText_, 1);
  queue_ = std::make_shared<WindowThreadQueue>(*this);
  if (setup_.makeSpeaker) {
    ResultSpeechView& view = *this;
    speech_ = std::make_unique<ResultWindowSpeech>(view, setup_.job, queue_, setup_.makeSpeaker);
    connect(speakerIcon_, &QToolButton::clicked, this, [this] { speech_->Listen(); });
  } else {
    speakerIcon_->hide();
  }

  BuildMenus();
  connect(tabs_, &QTabBar::currentChanged, this, &CResultWnd::OnTabChanged);
  connect(pane_, &QWidget::customContextMenuRequested, this, &CResultWnd::ShowContextMenu);
  ShowInPane(kTranslatingPleaseWait.In(language));
  created_ = true;
}

CResultWnd::~CResultWnd() {
  // Speech stops while the widgets it shows in are still there.
  speech_.reset();
  queue_->Close();
}

void CResultWnd::BuildMenus() {
  const UiLanguage language = Language();
  auto* find = new QAction(UiText(kFindCommand, language), this);
  find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  connect(find, &QAction::triggered, this, &CResultWnd::Find);
  auto* print = new QAction(UiText(kPrintCommand, language), this);
  print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(print, &QAction::triggered, this, &CResultWnd::Print);
  auto* save = new QAction(UiText(kSaveAsCommand, language), this);
  save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  connect(save, &QAction::triggered, this, &CResultWnd::SaveAs);
  // The shortcuts work in clipboard windows too, which have no menu.
  addAction(find);
  addAction(print);
  addAction(save);
  if (setup_.kind == ResultWindowKind::Clipboard) return;
  QMenu* file = menuBar()->addMenu(UiText(kFileMenu, language));
  file->addAction(save);
  file->addAction(print);
  file->addAction(UiText(kCloseCommand, language), this, &QWidget::close);
  AssignMnemonics(*menuBar());
  AssignMnemonics(*file);
}

void CResultWnd::ShowContextMenu(const QPoint& position) {
  const UiLanguage language = Language();
  QMenu menu(this);
  if (speech_) {
    const ResultSpeechCommand command = speech_->ContextCommand();
    menu.addAction(UiText(command.text, language), this,
                   [this, id = command.id] { speech_->RunCommand(id); });
    menu.addSeparator();
  }
  const auto add = [&](const BilingualText& text, QKeySequence keys, auto slot) {
    QAction* action = menu.addAction(UiText(text, language), pane_, slot);
    action->setShortcut(keys);
  };
  add(kUndoCommand, QKeySequence::Undo, &QTextEdit::undo);
  menu.addSeparator();
  add(kCutCommand, QKeySequence::Cut, &QTextEdit::cut);
  add(kCopyCommand, QKeySequence::Copy, &QTextEdit::copy);
  add(kPasteCommand, QKeySequence::Paste, &QTextEdit::paste);
  add(kDeleteCommand, QKeySequence::Delete, [this] { pane_->textCursor().removeSelectedText(); });
  menu.addSeparator();
  add(kSelectAllCommand, QKeySequence::SelectAll, &QTextEdit::selectAll);
  menu.addSeparator();
  QAction* find = menu.addAction(UiText(kFindCommand, language), this, &CResultWnd::Find);
  find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  AssignMnemonics(menu);
  menu.exec(pane_->viewport()->mapToGlobal(position));
}

void CResultWnd::Find() {
  FindDialog::OpenForResultWindow(this, setup_.config, *pane_);
}

void CResultWnd::Print() {
  PrintPaneWithDialog(*pane_, UiText(kPrintTranslationTitle, Language()), this);
}

void CResultWnd::SaveAs() {
  QtFileCommandHost host(this, Language(), [this](std::string_view text) {
    statusBar()->showMessage(Utf8Text(text));
  });
  SavePaneWithDialog(this, *pane_, nullptr, host, Language());
}

void CResultWnd::ShowInPane(std::string_view text) {
  pane_->SetText(text, kCodePageUtf8);
}

void CResultWnd::ShowResult(TranslationDelivery delivery) {
  result_ = std::move(delivery);
  if (setup_.clipboard) PutResultOnClipboard(*setup_.clipboard, *result_);
  ShowTranslation();
  // The result always opens on the translation.
  {
    const QSignalBlocker quiet(tabs_);
    tabs_->setCurrentIndex(kTranslationTab);
  }
  shownTab_ = kTranslationTab;
  update();
  if (setup_.kind == ResultWindowKind::Clipboard) {
    show();
    raise();
    activateWindow();
  }
}

void CResultWnd::OnTabChanged(int index) {
  if (index == shownTab_) return;
  shownTab_ = index;
  if (index == kSourceTab) {
    ShowSourceText();
  } else {
    ShowTranslation();
  }
}

void CResultWnd::ShowSourceText() {
  const WindowsTranslationInstance& job = *setup_.job;
  const TranslationJob& request = setup_.job->Job();
  if (request.srcformat == kFormatPdf) return ShowInPane(kPdfSourceNotShown.In(Language()));
  if (request.srcformat == kFormatDoc) return ShowInPane(kWordSourceNotShown.In(Language()));
  const std::string_view source = job.SourceCopy() ? *job.SourceCopy() : request.Source();
  const int codePage = CodePageOfSource(request.enc);
  if (job.Flags().rtfResult && source.starts_with('{')) {
    pane_->StreamInRtf(source, codePage);
  } else {
    pane_->SetText(source, codePage);
  }
}

void CResultWnd::ShowTranslation() {
  if (!result_) {
    const bool sending =
        setup_.job->Stage() == JobStage::Sending && setup_.state && setup_.state->HasValidLogin();
    return ShowInPane(sending ? kTranslatingPleaseWait.In(Language()) : std::string_view());
  }
  const TranslationDelivery& result = *result_;
  if (result.dictionaryLookup && pane_->ShowDictionaryEntry(result.result, Language())) return;
  if (result.rtf && result.result.starts_with('{')) {
    pane_->StreamInRtf(result.result, result.codePage);
  } else {
    pane_->SetText(result.result, result.codePage);
  }
}

PaneSpeechText CResultWnd::PaneText() const {
  return SpeechTextOf(*pane_);
}

void CResultWnd::SelectSpokenWord(std::size_t start, std::size_t length) {
  vorla::SelectSpokenWord(*pane_, start, length);
}

void CResultWnd::ShowSpeechStatus(std::string_view text) {
  statusText_->setText(Utf8Text(text));
}

void CResultWnd::ShowSpeechBusy(bool busy) {
  speakerIcon_->setToolTip(UiText(busy ? kStopSpeechText : kListenToTranslationText, Language()));
}

void CResultWnd::closeEvent(QCloseEvent* event) {
  // A translation still running ends with 10 and shows nothing more.
  setup_.job->Cancel();
  if (speech_) speech_->Close();
  if (setup_.closed) setup_.closed(pos());
  const int accountType = setup_.state ? setup_.state->GetAccountType() : 0;
  if (accountType != kFirstListAccount && accountType != kSecondListAccount &&
      setup_.clearMainStatus) {
    setup_.clearMainStatus();
  }
  event->accept();
}

void CResultWnd::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!created_ || (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) return;
  if (width() > kSmallestStoredSide && height() > kSmallestStoredSide) {
    StoreResultWindowSize(setup_.config->settings(), setup_.kind, size());
  }
}

}  // namespace vorla
