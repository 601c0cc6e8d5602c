#pragma once

#include <QString>

namespace vaduvizu {

class HttpClient;

// Host of the maker's web server (a build setting); also the web address the windows show.
QString makerHost();

// http://<host>/home/download/GetversionSW.asp?nomesw=<software code>
QString versionRequestUrl();
// The download page announced when a newer version exists (fragment: the hardware code).
QString downloadPageUrl();
// The maker's home page, opened from the About box and the main window.
QString homePageUrl();

// A version text as a four-digit number: after the first blank (if any), trimmed, the 1st,
// 3rd, 4th and 5th characters read as decimal digits ("VER. 1.003" gives 1003, "1.0035"
// 1003); -1 when fewer than five characters remain or those four are not all digits.
int Conv_Version(const QString& text);

// True when the server's answer announces a version newer than installedVersion.
// An empty answer and "VER. 0.000" (any case, any surrounding blanks) never do.
bool isNewerVersion(const QString& answer, const QString& installedVersion);

// Asks the maker's server (requestUrl) for the newest version and compares it with the
// installed software version. Any failure counts as "no newer version"; nothing is reported.
bool Check_Version(HttpClient& http, const QString& requestUrl = versionRequestUrl());

} // namespace vaduvizu
