#include "ui/documents/DocumentFileDialogs.h"

#include <QDir>
#include <QFileDialog>

#include "ui/UiText.h"

namespace vorla {

namespace {

QString DialogPatterns(const std::string& pattern) {
  if (pattern == "*.*") return QStringLiteral("*");
  return Utf8Text(pattern).replace(QLatin1Char(';'), QLatin1Char(' '));
}

std::optional<ChosenFile> RunFileDialog(QWidget* owner, const std::vector<FileFilter>& filters,
                                        FileDialogUse use, int rememberedIndex,
                                        std::string_view suggestedName) {
  const std::unique_ptr<QFileDialog> dialog =
      MakeFileDialog(owner, filters, use, rememberedIndex, suggestedName);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
  const QString path = dialog->selectedFiles().front();
  if (path.isEmpty()) return std::nullopt;
  return ChosenFile{
      path.toStdString(),
      static_cast<int>(dialog->nameFilters().indexOf(dialog->selectedNameFilter())) + 1};
}

}  // namespace

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* owner, const std::vector<FileFilter>& filters,
                                            FileDialogUse use, int rememberedIndex,
                                            std::string_view suggestedName) {
  auto dialog = std::make_unique<QFileDialog>(owner, QString(), QDir::currentPath());
  const bool open = use == FileDialogUse::Open;
  dialog->setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog->setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // The same dialog in every desktop, and on the offscreen platform of the tests.
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  const QStringList names = DialogNameFilters(filters);
  dialog->setNameFilters(names);
  const int starting = StartingFilter(use, rememberedIndex, static_cast<int>(names.size()));
  if (starting >= 0 && starting < names.size()) dialog->selectNameFilter(names[starting]);
  if (!suggestedName.empty()) dialog->selectFile(Utf8Text(suggestedName));
  return dialog;
}

QStringList DialogNameFilters(const std::vector<FileFilter>& filters) {
  QStringList names;
  for (const FileFilter& filter : filters)
    names << Utf8Text(filter.name) + " (" + DialogPatterns(filter.pattern) + ")";
  return names;
}

int StartingFilter(FileDialogUse use, int rememberedIndex, int filterCount) {
  if (use == FileDialogUse::Open) return rememberedIndex <= 0 ? 0 : rememberedIndex - 1;
  return rememberedIndex >= 1 && rememberedIndex <= filterCount ? rememberedIndex - 1
                                                                : filterCount - 1;
}

std::optional<ChosenFile> ChooseFileToOpen(QWidget* owner, const std::vector<FileFilter>& filters,
                                           int rememberedIndex) {
  return RunFileDialog(owner, filters, FileDialogUse::Open, rememberedIndex, {});
}

std::optional<ChosenFile> ChooseFileToSave(QWidget* owner, const std::vector<FileFilter>& filters,
                                           int rememberedIndex, std::string_view suggestedName) {
  return RunFileDialog(owner, filters, FileDialogUse::Save, rememberedIndex, suggestedName);
}

}  // namespace vorla
