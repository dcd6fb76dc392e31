#pragma once

#include <string>
#include <string_view>

namespace vorla {

// The session cookie the service hands out at login, kept for the whole process and sent by
// every connection that asks for it. One header for https addresses and one for the others,
// so a cookie seen over HTTPS never travels over plain HTTP.

// Empties both headers and turns the store on.
void InitSessionCookies();
// Empties both headers (logout, another user, an expired session).
void ClearSessionCookies();
// Empties both headers and turns the store off.
void FreeSessionCookies();
bool SessionCookiesEnabled();

// The "Cookie: ..." header for the address's kind, empty when none is stored or the store
// is off.
std::string SessionCookieHeader(bool secure);
// Remembers the value of an answer's Set-Cookie header, attributes included, as the cookie
// of the chosen kind. An empty value, or one too long to keep, leaves the stored one.
void CaptureSessionCookie(bool secure, std::string_view setCookieValue);

// True when the address begins with "https://" in any letter case.
bool IsSecureUrl(std::string_view url);

}  // namespace vorla
