#pragma once

#include <QWidget>

#include "common/RefPtr.h"
#include "config/Config.h"
#include "translation/ClipboardTranslation.h"

namespace vorla {

// How "Translate clipboard" says that the clipboard holds no text: through the message box
// of the configuration, or, while the main window is minimised (the command then comes from
// the notification area), in a box of its own that has no owner to be hidden with.
ClipboardTranslation::NoTextReport NoClipboardTextReport(QWidget* mainWindow,
                                                         RefPtr<Config> config);

}  // namespace vorla
