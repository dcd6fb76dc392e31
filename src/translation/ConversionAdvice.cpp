#include "translation/ConversionAdvice.h"

#include "translation/DocumentFormat.h"

namespace vorla {

BilingualText ConversionAdvice(int format) {
  switch (format) {
    case kFormatDoc:
      return {"Please convert the Word document into .docx format before translating it.",
              "Muunna Word-asiakirja .docx formaattiin ennen käännöksen suorittamista."};
    case kFormatPpt:
      return {"Please convert the PowerPoint document into .pptx format before translating it.",
              "Muunna PowerPoint-asiakirja .pptx formaattiin ennen käännöksen suorittamista."};
    case kFormatXls:
      return {"Please convert the Excel file into .xlsx format before translating it.",
              "Muunna Excel-asiakirja .xlsx formaattiin ennen käännöksen suorittamista."};
    default:
      return {};
  }
}

}  // namespace vorla
