#pragma once

#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "documents/files/DocumentTypes.h"

class QFileDialog;
class QWidget;

namespace vorla {

// A file the user chose and the filter (1-based) the dialog showed then.
struct ChosenFile {
  std::string path;  // UTF-8
  int filterIndex = 0;
};

// The filters as a file dialog takes them: "HTML (*.html *.htm)". "*.*" becomes "*", so
// that names without a dot are offered too.
QStringList DialogNameFilters(const std::vector<FileFilter>& filters);

// The 0-based filter a dialog starts with: an open dialog shows the first filter for a
// remembered index of 0 or less; a save dialog shows the remembered one when it lies between
// 1 and the count, else the last.
enum class FileDialogUse { Open, Save };
int StartingFilter(FileDialogUse use, int rememberedIndex, int filterCount);

// The dialog in the current folder, starting with the filter the remembered index gives and
// offering `suggestedName` when there is one; not yet shown.
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* owner, const std::vector<FileFilter>& filters,
                                            FileDialogUse use, int rememberedIndex,
                                            std::string_view suggestedName);

// The open dialog in the current folder, for an existing file; nothing when cancelled.
std::optional<ChosenFile> ChooseFileToOpen(QWidget* owner, const std::vector<FileFilter>& filters,
                                           int rememberedIndex);
// The save dialog in the current folder, offering `suggestedName`, asking before it replaces a
// file; nothing when cancelled.
std::optional<ChosenFile> ChooseFileToSave(QWidget* owner, const std::vector<FileFilter>& filters,
                                           int rememberedIndex, std::string_view suggestedName);

}  // namespace vorla
