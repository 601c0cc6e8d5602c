#include "app/UrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace vaduvizu {

void QtUrlOpener::open(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}

} // namespace vaduvizu
