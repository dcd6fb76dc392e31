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

std::optional<ChosenFile> RunFileDialog(QFileDialog& dialog, const QStringList& nameFilters) {
  // The same dialog in every desktop, and on the offscreen platform of the tests.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString path = dialog.selectedFiles().front();
  if (path.isEmpty()) return std::nullopt;
  return ChosenFile{path.toStdString(),
                    static_cast<int>(nameFilters.indexOf(dialog.selectedNameFilter())) + 1};
}

void SetFilters(QFileDialog& dialog, const QStringList& nameFilters, int starting) {
  dialog.setNameFilters(nameFilters);
  if (starting >= 0 && starting < nameFilters.size())
    dialog.selectNameFilter(nameFilters[starting]);
}

}  // namespace

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
  QFileDialog dialog(owner, {}, QDir::currentPath());
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  const QStringList names = DialogNameFilters(filters);
  SetFilters(dialog, names,
             StartingFilter(FileDialogUse::Open, rememberedIndex, static_cast<int>(names.size())));
  return RunFileDialog(dialog, names);
}

std::optional<ChosenFile> ChooseFileToSave(QWidget* owner, const std::vector<FileFilter>& filters,
                                           int rememberedIndex, std::string_view suggestedName) {
  QFileDialog dialog(owner, {}, QDir::currentPath());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  const QStringList names = DialogNameFilters(filters);
  SetFilters(dialog, names,
             StartingFilter(FileDialogUse::Save, rememberedIndex, static_cast<int>(names.size())));
  if (!suggestedName.empty()) dialog.selectFile(Utf8Text(suggestedName));
  return RunFileDialog(dialog, names);
}

}  // namespace vorla
