#include "documents/files/FilterMemory.h"

namespace vorla {

namespace {

constexpr std::string_view kOpenFilterValue = "curfilter";
constexpr std::string_view kTranslateFilterValue = "curfiletrfilter";

std::size_t Slot(FileDialogKind kind) {
  return static_cast<std::size_t>(kind);
}

}  // namespace

int FilterMemory::InitialFilter(FileDialogKind kind, int count) const {
  const int index = indexes_[Slot(kind)];
  if (kind == FileDialogKind::SavePane) return index >= 1 && index <= count ? index : count;
  return index <= 0 ? 1 : index;
}

void FilterMemory::Remember(FileDialogKind kind, int index) {
  if (index < 0) return;
  indexes_[Slot(kind)] = index;
  if (kind == FileDialogKind::OpenIntoPane) settings_.WriteInteger(kOpenFilterValue, index);
  if (kind == FileDialogKind::TranslateFile) settings_.WriteInteger(kTranslateFilterValue, index);
}

}  // namespace vorla
