#include "texts/VersionCheck.h"

#include "app/ProductIdentity.h"
#include "texts/HttpClient.h"

namespace vaduvizu {

QString makerHost() {
    return QStringLiteral(VADUVIZU_UPDATE_HOST);
}

QString versionRequestUrl() {
    return QStringLiteral("http://%1/home/download/GetversionSW.asp?nomesw=%2")
        .arg(makerHost(), QString::fromLatin1(product::SoftwareCode));
}

QString downloadPageUrl() {
    return QStringLiteral("http://%1/Home/download/download.asp#%2")
        .arg(makerHost(), QString::fromLatin1(product::HardwareCode));
}

QString homePageUrl() {
    return QStringLiteral("http://%1/HOME/default.asp?frompg=%2")
        .arg(makerHost(), QString::fromLatin1(product::SoftwareCode));
}

int Conv_Version(const QString& text) {
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    const QString version = (blank >= 0 ? text.mid(blank + 1) : text).trimmed();
    if (version.size() < 5)
        return -1;
    int number = 0;
    // The 2nd character, normally the point, is skipped.
    for (const qsizetype position : {0, 2, 3, 4}) {
        const QChar digit = version.at(position);
        if (digit < QLatin1Char('0') || digit > QLatin1Char('9'))
            return -1;
        number = number * 10 + (digit.unicode() - '0');
    }
    return number;
}

bool isNewerVersion(const QString& answer, const QString& installedVersion) {
    const QString trimmed = answer.trimmed();
    const QString upper = trimmed.toUpper();
    if (upper.isEmpty() || upper == QLatin1String("VER. 0.000"))
        return false;
    const int own = Conv_Version(installedVersion);
    const int server = Conv_Version(trimmed);
    return own != -1 && server != -1 && server > own;
}

bool Check_Version(HttpClient& http, const QString& requestUrl) {
    const HttpAnswer answer = http.get(requestUrl);
    if (!answer.ok)
        return false;
    return isNewerVersion(QString::fromUtf8(answer.body),
                          QString::fromLatin1(product::SoftwareVersion));
}

} // namespace vaduvizu
