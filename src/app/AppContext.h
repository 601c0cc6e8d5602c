#pragma once

#include <functional>

namespace vaduvizu {

struct AppState;
class TextTable;
class MessageBoxes;
class HttpClient;
class UrlOpener;

// What every window works with: the process-wide state and text table, and the seams that
// tests replace (message boxes, HTTP, the browser). Built once at start-up.
struct AppContext {
    AppState& state;
    TextTable& texts;
    MessageBoxes& boxes;
    HttpClient& http;
    UrlOpener& urls;
    // The main window's Change_Language: every window takes its texts again.
    std::function<void()> changeLanguage;
};

} // namespace vaduvizu
