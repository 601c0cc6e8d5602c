#include "texts/LanguageFile.h"

#include "app/FileError.h"
#include "texts/LanguageFileFormat.h"

#include <QFileInfo>

namespace vaduvizu {

void applyLanguageFile(TextTable& table, QByteArrayView bytes) {
    forEachLanguageLine(bytes, [&table](QStringView line, int) {
        const LanguageLine reading = readLanguageLine(line);
        if (reading.applies())
            table.set(reading.index, reading.text);
    });
}

void Read_Lng_File(TextTable& table, const QString& path) {
    QByteArray bytes;
    try {
        bytes = readLanguageFileBytes(path);
    } catch (const FileError&) {
        return; // an unreadable language file changes nothing
    }
    applyLanguageFile(table, bytes);
}

void Load_Texts(TextTable& table, AppState& state) {
    table.fillDefaults();
    const QString ownFile =
        state.languageFolder + u'/' + state.currentLanguage + QLatin1String(".lng");
    if (QFileInfo(ownFile).isFile()) {
        Read_Lng_File(table, ownFile);
        return;
    }
    state.currentLanguage = QStringLiteral("English");
    const QString englishFile = state.languageFolder + QLatin1String("/English.lng");
    if (QFileInfo(englishFile).isFile())
        Read_Lng_File(table, englishFile);
}

} // namespace vaduvizu
