#pragma once

namespace vorla {

// The process-wide closing flag. Once the program starts closing, workers make no more
// calls into windows and every question they would ask (login, price, notice) answers
// "cancelled" at once instead of waiting for the user.
void SetApplicationClosing();
bool IsApplicationClosing();

}  // namespace vorla
