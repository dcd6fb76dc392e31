#pragma once

#include "documents/word/WordConverter.h"
#include "platform/SofficeConverter.h"

namespace vorla {

// The desktop client's WordConverter: LibreOffice's soffice converts between the Word formats
// and RTF. Give it a profile folder that lasts (the program's own data folder) so that only
// the first conversion of a run pays for making the profile.
class SofficeWordConverter final : public WordConverter {
 public:
  explicit SofficeWordConverter(SofficeConverter::Options options);

  bool IsAvailable() override;
  std::optional<std::string> ConvertFromWord(std::string_view document, int format,
                                             WordResult wanted) override;
  std::optional<std::string> ConvertToWord(std::string_view rtf, int format) override;

 private:
  SofficeConverter converter_;
};

}  // namespace vorla
