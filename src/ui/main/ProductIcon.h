#pragma once

#include <QIcon>

namespace vorla {

// The program's icon, for its windows, the taskbar and the notification area: two speech
// bubbles on a blue tile (src/ui/icons/vorla-tool.svg), at the usual icon sizes.
QIcon ProductIcon();

}  // namespace vorla
