#pragma once

#include <QDialog>
#include <functional>

#include "translation/LanguageSelection.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace vorla {

class WindowThreadQuestions;

// The "Select Language Pair" dialog: a source and a target list over the pairs and further
// languages of the account. Every choice is stored at once and reported through pairChanged
// (the main window refreshes its language controls). "OK" refuses the same language on both
// sides. Two forms: the modeless one of "More languages...", and the modal notice before a
// further-language translation with "Translate" and "Cancel".
class LanguagePairDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Form { Modeless, Notice };

  // A dialog of either form, neither shown nor registered as the open one; ShowModeless and
  // AskNotice make the dialogs the program shows.
  LanguagePairDialog(QWidget* owner, TranslatorState& state, Form form, int accountType,
                     std::function<void()> pairChanged);

  // The modeless form, 200 pixels right of and below the main window's corner. At most one
  // is open; asking again brings it forward.
  static LanguagePairDialog* ShowModeless(QWidget* mainWindow, TranslatorState& state,
                                          std::function<void()> pairChanged);
  // The modal notice for the account type, over the main window; true for "Translate".
  static bool AskNotice(WindowThreadQuestions& questions, TranslatorState& state, int accountType,
                        std::function<void()> pairChanged);
  // The open dialog after the pair changed elsewhere (a menu command): its lists follow.
  static void RefreshOpenDialog();

  // Fills the lists from the state and selects the current pair.
  void Refresh();

  QComboBox& SourceList() const { return *sourceList_; }
  QComboBox& TargetList() const { return *targetList_; }
  // The account type's note in the notice form; null in the modeless form.
  QLabel* Notice() const { return notice_; }
  QLabel& ProviderNotice() const { return *providerNotice_; }
  QPushButton& OkButton() const { return *ok_; }

 private:
  void Chosen();
  void TryAccept();

  TranslatorState& state_;
  LanguageSelection selection_;
  std::function<void()> pairChanged_;
  QComboBox* sourceList_;
  QComboBox* targetList_;
  QLabel* notice_ = nullptr;
  QLabel* providerNotice_;
  QPushButton* ok_;
};

}  // namespace vorla
