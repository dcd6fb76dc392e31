#pragma once

#include "documents/rtf/RichDocument.h"
#include "translation/SourcePane.h"

namespace vorla::cli {

// The source pane of the command line: the text or RTF it was given, whole (there is no
// selection). Nothing shows it, so what the translation leaves out of the sent text needs
// no removing from it.
class CliSourcePane final : public SourcePane {
 public:
  explicit CliSourcePane(RichDocument content) : content_(std::move(content)) {}

  bool IsEmpty() override;
  bool HasSelection() override { return false; }
  RichDocument Content(bool) override { return content_; }
  void RemoveObjects() override {}
  void RemoveLinkFormatting() override {}

 private:
  RichDocument content_;
};

}  // namespace vorla::cli
