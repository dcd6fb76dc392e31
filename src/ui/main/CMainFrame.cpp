#include "ui/main/CMainFrame.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "common/ApplicationClosing.h"
#include "common/CodePages.h"
#include "service/RedirectLinks.h"
#include "translation/ClipboardTranslation.h"
#include "ui/QtTranslations.h"
#include "ui/UiText.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/AccountWindow.h"
#include "ui/dialogs/LanguagePairDialog.h"
#include "ui/dialogs/UpdateWindow.h"
#include "ui/dialogs/WebDialog.h"
#include "ui/documents/DocumentDrops.h"
#include "ui/documents/MainWindowDocuments.h"
#include "ui/main/CommandIds.h"
#include "ui/main/DesktopOpener.h"
#include "ui/main/LanguageMenuActions.h"
#include "ui/main/LanguagePairBox.h"
#include "ui/main/MainWindowGeometry.h"
#include "ui/main/MainWindowSpeech.h"
#include "ui/main/QueuedMainWindow.h"
#include "ui/main/TranslatorSourcePane.h"
#include "ui/panes/FindDialog.h"
#include "ui/panes/PaneFont.h"
#include "ui/panes/PanePrinting.h"
#include "ui/panes/SelectionFont.h"

namespace vorla {

namespace {

constexpr const char* kLayoutValue = "textarealayout";
// "Log in...": four attempts, reported in the status line as the status-bar flag says.
constexpr int kLoginCommandAttempts = 4;
constexpr int kStatusLineAsSet = -1;
constexpr BilingualText kLanguageChanged{"User interface language changed to English",
                                         "Käyttöliittymän kieli vaihdettu suomeen"};

struct LayoutCommand {
  int id;
  PaneLayout layout;
};

constexpr LayoutCommand kLayoutCommands[] = {
    {kCmdLayoutSideBySide, PaneLayout::SideBySide},
    {kCmdLayoutStacked, PaneLayout::Stacked},
    {kCmdLayoutTabbed, PaneLayout::Tabbed},
    {kCmdLayoutResultWindow, PaneLayout::ResultWindow},
};

// A dictionary lookup as an entry (or, when the answer is none, as it is), RTF scrolled
// back to where the pane stood when the translation started, text in its code page.
void ShowResult(TextPane& pane, const TranslationDelivery& delivery, UiLanguage language,
                int firstVisibleLine) {
  if (delivery.dictionaryLookup && pane.ShowDictionaryEntry(delivery.result, language)) return;
  if (delivery.rtf) {
    pane.StreamInRtf(delivery.result, delivery.codePage);
    pane.ScrollToFirstVisibleLine(firstVisibleLine);
    return;
  }
  pane.SetText(delivery.result, delivery.codePage);
}

}  // namespace

CMainFrame::CMainFrame(RefPtr<Config> config, RefPtr<CWindowsTranslator> translator,
                       std::shared_ptr<HttpConnFactory> connections)
    : config_(std::move(config)),
      translator_(std::move(translator)),
      connections_(std::move(connections)),
      queue_(std::make_shared<WindowThreadQueue>(*this)),
      opener_(std::make_shared<DesktopOpener>(queue_)),
      panes_(new PaneArea(this)),
      pairBox_(new LanguagePairBox(translator_->State(), this)),
      status_(*statusBar()),
      commands_(*this),
      languageMenu_(new LanguageMenuActions(
          commands_, translator_->State(),
          [this] {
            pairBox_->Rebuild(Language());
            LanguagePairDialog::RefreshOpenDialog();
          },
          [this] { ShowMoreLanguages(); }, this)),
      alignment_(
          new SentenceAlignmentDisplay(panes_->Source(), panes_->Translation(), config_, this)),
      focusedPane_(&panes_->Source()),
      documents_(std::make_unique<MainWindowDocuments>(
          *this, config_, translator_, panes_->Source(), panes_->Translation(),
          [this](std::string_view text) { ShowStatusText(Utf8Text(text)); })) {
  setWindowTitle(Utf8Text(Config::kProductName));
  setCentralWidget(panes_);
  commands_.BuildMenuBar(*menuBar());
  BuildToolBar();
  paneMenu_ = commands_.BuildPaneContextMenu(this);
  const QFont paneFont = ReadPaneFont(config_->settings());
  for (TextPane* pane : {&panes_->Source(), &panes_->Translation()}) {
    pane->SetPaneFont(paneFont);
    ConnectPane(*pane);
  }
  ConnectCommands();
  speech_ = std::make_unique<MainWindowSpeech>(*this, config_, translator_, connections_, queue_);
  (new DocumentDrops(this, SourcePane(), TranslationPane(),
                     [this](const QString& path, TextPane& pane) {
                       if (documents_->LoadDropped(path.toStdString(), pane) &&
                           &pane == &SourcePane())
                         panes_->ShowSourceTab();
                     }))
      ->Watch(*this);

  const UserPreferences preferences = translator_->Preferences();
  commands_[kCmdRemoveFormattingAutomatically].setChecked(preferences.autoRemoveFormatting);
  commands_[kCmdShowSentenceAlignment].setChecked(preferences.sentenceAlignmentDisplay == 1);
  commands_[kCmdSynchronisedScrolling].setChecked(preferences.synchronisedScrolling);
  alignment_->SetShowOnCaret(preferences.sentenceAlignmentDisplay == 1);
  alignment_->SetSynchronisedScrolling(preferences.synchronisedScrolling);
  commands_[kCmdCancelTranslation].setEnabled(false);
  connect(pairBox_, &LanguagePairBox::PairChosen, this, [this] {
    languageMenu_->Update();
    LanguagePairDialog::RefreshOpenDialog();
  });
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now == &SourcePane() || now == &TranslationPane())
      focusedPane_ = static_cast<TextPane*>(now);
  });

  Retranslate();
  SetLayout(PaneLayoutOf(config_->settings().ReadInteger(kLayoutValue, 1)), true);
}

CMainFrame::~CMainFrame() {
  queue_->Close();
  speech_.reset();
  // The focus moves while the panes go; by then this is no longer a frame to ask.
  disconnect(qApp, nullptr, this, nullptr);
}

CWindowsTranslator::Hooks CMainFrame::TranslatorHooks() {
  const QueuedMainWindow queued = MakeQueuedMainWindow(*this, queue_);
  CWindowsTranslator::Hooks hooks;
  hooks.connections = connections_;
  hooks.sourcePane = std::make_shared<TranslatorSourcePane>(
      SourcePane(), [speaker = RefPtr<CSpeaker>(&speech_->Speaker())] {
        return speaker->IsReading(SpokenPane::Source);
      });
  hooks.mainWindow = queued.display;
  hooks.window = queued.window;
  hooks.opener = opener_;
  // Asked on workers, which may outlive the window: the speaker is held.
  hooks.automaticSpeech = [speaker = RefPtr<CSpeaker>(&speech_->Speaker())] {
    return speaker->GetSettings().automatic;
  };
  return hooks;
}

std::shared_ptr<StatusBar> CMainFrame::LoginStatusBar() {
  return MakeQueuedMainWindow(*this, queue_).statusBar;
}

void CMainFrame::PlaceOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  setGeometry(MainWindowGeometry(screen->size(), StoredMainWindowSize(config_->settings()),
                                 minimumSizeHint().width()));
}

void CMainFrame::BuildToolBar() {
  QToolBar* toolBar = addToolBar(QString());
  toolBar->setObjectName(QStringLiteral("commands"));
  toolBar->setMovable(false);
  toolBar->setFloatable(false);
  toolBar->toggleViewAction()->setVisible(false);
  toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  toolBar->addAction(&commands_[kCmdTranslate]);
  toolBar->addAction(&commands_[kCmdCancelTranslation]);
  toolBar->addSeparator();
  toolBar->addAction(&commands_[kCmdFind]);
  toolBar->addSeparator();
  toolBar->addAction(&commands_[kCmdToolbarListen]);
  toolBar->addAction(&commands_[kCmdToolbarStopSpeech]);
  // The language-pair box stands in the top right corner.
  auto* spacer = new QWidget(toolBar);
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  toolBar->addWidget(spacer);
  toolBar->addWidget(pairBox_);
}

void CMainFrame::ConnectPane(TextPane& pane) {
  pane.setContextMenuPolicy(Qt::CustomContextMenu);
  connect(&pane, &QWidget::customContextMenuRequested, this, [this, &pane](const QPoint& at) {
    focusedPane_ = &pane;
    paneMenu_->popup(pane.viewport()->mapToGlobal(at));
  });
}

void CMainFrame::On(int id, std::function<void()> handler) {
  connect(&commands_[id], &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
}

void CMainFrame::OnToggled(int id, std::function<void(bool)> handler) {
  connect(&commands_[id], &QAction::toggled, this, std::move(handler));
}

void CMainFrame::ConnectCommands() {
  On(kCmdOpenFile, [this] {
    if (documents_->OpenFile()) panes_->ShowSourceTab();
  });
  On(kCmdTranslateFile, [this] { documents_->TranslateFile(); });
  On(kCmdSaveTranslation, [this] { documents_->SavePane(TranslationPane()); });
  On(kCmdSaveSourceText, [this] { documents_->SavePane(SourcePane()); });
  On(kCmdPrintTranslation, [this] { Print(TranslationPane(), kPrintTranslationTitle); });
  On(kCmdPrintSourceText, [this] { Print(SourcePane(), kPrintSourceTextTitle); });
  On(kCmdClose, [this] { close(); });
  On(kCmdUndo, [this] { FocusedPane().undo(); });
  On(kCmdCut, [this] { FocusedPane().cut(); });
  On(kCmdCopy, [this] { FocusedPane().copy(); });
  On(kCmdPaste, [this] { FocusedPane().paste(); });
  On(kCmdSelectAll, [this] { FocusedPane().selectAll(); });
  On(kCmdDelete, [this] {
    TextPane& pane = FocusedPane();
    QTextCursor cursor = pane.textCursor();
    cursor.deleteChar();
    pane.setTextCursor(cursor);
  });
  On(kCmdClear, [this] {
    // As one edit, which Undo takes back.
    QTextCursor all(FocusedPane().document());
    all.select(QTextCursor::Document);
    all.removeSelectedText();
  });
  On(kCmdFormatSelectedText, [this] { FormatSelectedText(SourcePane(), TranslationPane(), this); });
  On(kCmdRemoveFormatting, [this] { RemoveAllFormatting(); });
  OnToggled(kCmdRemoveFormattingAutomatically, [this](bool on) {
    translator_->SetAutoRemoveFormatting(on);
    if (on) RemoveAllFormatting();
  });
  On(kCmdFind, [this] { Find(); });
  On(kCmdTranslate, [this] { Translate(false); });
  On(kCmdTranslateIntoNewWindow, [this] { Translate(true); });
  On(kCmdCancelTranslation, [this] { translator_->CancelTranslationCommand(); });
  On(kCmdTranslateWebPage, [this] { WebDialog::Show(this, *translator_); });
  auto* layouts = new QActionGroup(this);
  for (const LayoutCommand& command : kLayoutCommands) {
    layouts->addAction(&commands_[command.id]);
    On(command.id, [this, layout = command.layout] { SetLayout(layout, false); });
  }
  OnToggled(kCmdAlwaysOnTop, [this](bool on) { KeepOnTop(on); });
  auto* uiLanguages = new QActionGroup(this);
  for (const UiLanguageCommand& command : UiLanguageCommands()) {
    uiLanguages->addAction(&commands_[command.id]);
    On(command.id, [this, language = command.language] { SwitchUiLanguage(language); });
  }
  On(kCmdUserGuide,
     [this] { RedirectLinks(translator_->State(), *opener_).OpenRedirectLink(kPageUserGuide); });
  On(kCmdProductSupport,
     [this] { RedirectLinks(translator_->State(), *opener_).OpenUserRedirectLink(kPageSupport); });
  On(kCmdSendFeedback,
     [this] { RedirectLinks(translator_->State(), *opener_).OpenUserRedirectLink(kPageFeedback); });
  On(kCmdLogIn, [this] {
    translator_->State().StartLoginThread(kLoginCommandAttempts, kStatusLineAsSet, true);
  });
  On(kCmdUserAccountInfo,
     [this] { AccountWindow::Open(this, translator_->State(), connections_); });
  On(kCmdCheckForUpdates, [this] { UpdateWindow::Show(this, UpdateServices(), {}); });
  On(kCmdAbout, [this] { AboutBox::ShowModal(this, translator_->State(), opener_); });
  On(kCmdShowSentenceAlignment,
     [this] { ShowSentenceAlignment(commands_[kCmdShowSentenceAlignment].isChecked()); });
  OnToggled(kCmdSynchronisedScrolling, [this](bool on) {
    translator_->SetSynchronisedScrolling(on);
    alignment_->SetSynchronisedScrolling(on);
  });
}

UpdateWindowServices CMainFrame::UpdateServices() {
  return {translator_, connections_, opener_, this};
}

TextPane& CMainFrame::FocusedPane() const {
  return focusedPane_ ? *focusedPane_ : SourcePane();
}

void CMainFrame::Retranslate() {
  const UiLanguage language = Language();
  UseQtTranslations(language);
  commands_.Retranslate(language);
  for (const UiLanguageCommand& command : UiLanguageCommands())
    commands_[command.id].setChecked(command.language == language);
  panes_->Retranslate(language);
  RefreshLanguageControls();
}

void CMainFrame::ConnectClipboardCommands(ClipboardTranslation& clipboard) {
  On(kCmdTranslateClipboard, [&clipboard] { clipboard.TranslateClipboard(true); });
  commands_[kCmdAutoTranslateClipboard].setChecked(clipboard.AutoTranslate());
  OnToggled(kCmdAutoTranslateClipboard, [&clipboard](bool on) {
    if (on != clipboard.AutoTranslate()) clipboard.ToggleAutoTranslate();
  });
}

// ---- The translator's side

void CMainFrame::ShowJobStatus(const std::string& text, ProgressBar bar, int percent) {
  status_.ShowText(QString::fromStdString(text));
  status_.ShowProgress(bar, percent);
}

void CMainFrame::ShowInTranslationPane(const std::string& text) {
  TranslationPane().SetText(text, kCodePageUtf8);
}

void CMainFrame::ShowJobFailure(const std::string& message) {
  ShowJobStatus(message, ProgressBar::Hide, 0);
  ShowInTranslationPane(message);
  panes_->ShowTranslationTab();
}

void CMainFrame::ShowTranslation(TranslationDelivery delivery) {
  ShowResult(TranslationPane(), delivery, Language(), firstVisibleLine_);
  alignment_->SetAlignment(std::move(delivery.alignment));
  panes_->ShowTranslationTab();
  // Under automatic direction the service's choice has become the current pair.
  RefreshLanguageControls();
}

void CMainFrame::EnableCancelCommand(bool enabled) {
  commands_[kCmdCancelTranslation].setEnabled(enabled);
}

void CMainFrame::RefreshLanguageControls() {
  pairBox_->Rebuild(Language());
  languageMenu_->Update();
  LanguagePairDialog::RefreshOpenDialog();
}

void CMainFrame::ShowStatusText(const QString& text) {
  status_.ShowText(text);
}

// ---- Commands

void CMainFrame::Translate(bool intoNewWindow) {
  firstVisibleLine_ = TranslationPane().FirstVisibleLine();
  TranslationOrder order;
  // Without a translation pane every result opens a window of its own.
  order.toResultWindow = intoNewWindow || panes_->Layout() == PaneLayout::ResultWindow;
  translator_->StartTranslation(std::move(order));
}

void CMainFrame::RemoveAllFormatting() {
  SourcePane().RemoveFormatting();
  TranslationPane().RemoveFormatting();
}

void CMainFrame::ShowSentenceAlignment(bool on) {
  translator_->SetSentenceAlignmentDisplay(on ? 1 : 0);
  alignment_->SetShowOnCaret(on);
  if (on) {
    alignment_->ShowAtCaret(&FocusedPane() == &TranslationPane() ? AlignmentSide::Target
                                                                 : AlignmentSide::Source);
  }
}

void CMainFrame::Find() {
  const FindScope start =
      &FocusedPane() == &TranslationPane() ? FindScope::Translation : FindScope::SourceText;
  FindDialog::OpenForMainWindow(this, config_, SourcePane(), TranslationPane(), start);
}

void CMainFrame::Print(const TextPane& pane, const BilingualText& title) {
  PrintPaneWithDialog(pane, UiText(title, Language()), this);
}

void CMainFrame::ShowMoreLanguages() {
  LanguagePairDialog::ShowModeless(this, translator_->State(),
                                   [this] { RefreshLanguageControls(); });
}

void CMainFrame::KeepOnTop(bool on) {
  setWindowFlag(Qt::WindowStaysOnTopHint, on);
  show();
}

void CMainFrame::SetLayout(PaneLayout layout, bool restoring) {
  if (!restoring) {
    if (layout == panes_->Layout()) return;
    config_->settings().WriteInteger(kLayoutValue, static_cast<int>(layout));
  }
  panes_->SetLayout(layout);
  for (const LayoutCommand& command : kLayoutCommands)
    commands_[command.id].setChecked(command.layout == layout);
}

void CMainFrame::SwitchUiLanguage(UiLanguage language) {
  config_->SetUiLanguage(language);
  config_->settings().WriteInteger("defuilan", static_cast<int>(language));
  Retranslate();
  status_.ShowText(UiText(kLanguageChanged, language));
}

// ---- Window events

void CMainFrame::closeEvent(QCloseEvent* event) {
  // From now on workers show nothing and every question they ask is answered "Cancel".
  SetApplicationClosing();
  speech_->Speaker().Stop();
  event->accept();
  emit Closed();
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
    StoreMainWindowSize(config_->settings(), size());
  }
}

}  // namespace vorla
