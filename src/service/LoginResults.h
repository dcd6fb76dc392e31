#pragma once

namespace vorla {

// Results of a login: the statuses the service answers to `chkrauth` and the client's own.
inline constexpr int kLoginOk = 0;
inline constexpr int kLoginNoUser = 2;  // also the result of a logout
inline constexpr int kLoginInvalidPassword = 3;
inline constexpr int kLoginAccountDisabled = 5;
inline constexpr int kLoginNoMoreData = 8;  // the service sends nothing after this status
inline constexpr int kLoginNoConnection = 9;
inline constexpr int kLoginCancelled = 11;
inline constexpr int kLoginAccessDenied = 12;
inline constexpr int kLoginClientTooOld = 15;

}  // namespace vorla
