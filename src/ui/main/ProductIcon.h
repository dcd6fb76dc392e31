#pragma once

#include <QIcon>

namespace vorla {

// The program's icon, for its windows and the notification area: a blue tile with a white
// "V", drawn at the usual icon sizes.
QIcon ProductIcon();

}  // namespace vorla
