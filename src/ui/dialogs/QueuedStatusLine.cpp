#include "ui/dialogs/QueuedStatusLine.h"

#include <QLabel>

#include "ui/UiText.h"

namespace vorla {

void QueuedStatusLine::ShowStatus(std::string_view text) {
  QMetaObject::invokeMethod(
      &label_, [label = &label_, shown = Utf8Text(text)] { label->setText(shown); },
      Qt::QueuedConnection);
}

}  // namespace vorla
