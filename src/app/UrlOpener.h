#pragma once

#include <QString>

namespace vaduvizu {

// Opens a web address with the system's default browser; tests record the addresses.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QString& url) = 0;
};

class QtUrlOpener : public UrlOpener {
public:
    void open(const QString& url) override;
};

} // namespace vaduvizu
