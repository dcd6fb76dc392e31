#include "ui/main/ProductIcon.h"

#include "ui/BundledIcon.h"

namespace vorla {

QIcon ProductIcon() {
  return BundledIcon(QStringLiteral(":/icons"), QStringLiteral("vorla-tool"));
}

}  // namespace vorla
