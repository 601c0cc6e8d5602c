#include "texts/LanguageList.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace vaduvizu {

QStringList Create_Lang_List(const QString& languageFolder) {
    const QDir folder(languageFolder);
    const QFileInfoList found = folder.entryInfoList(
        {QStringLiteral("*.lng")}, QDir::Files | QDir::Hidden | QDir::System | QDir::CaseSensitive);
    QStringList names;
    for (const QFileInfo& file : found) {
        // The owner's write permission is the read-only attribute; isWritable() would
        // say yes for root.
        if (!file.permissions().testFlag(QFileDevice::WriteOwner))
            continue;
        names << file.fileName();
    }
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

int languagePageCount(qsizetype count) {
    return int((count + LanguageSlotsPerPage - 1) / LanguageSlotsPerPage);
}

QStringList languagesOnPage(const QStringList& languageFiles, int page) {
    QStringList names;
    const qsizetype first = qsizetype(page - 1) * LanguageSlotsPerPage;
    for (qsizetype i = first;
         i >= 0 && i < languageFiles.size() && i < first + LanguageSlotsPerPage; ++i)
        names << languageName(languageFiles.at(i));
    return names;
}

QString languageName(const QString& languageFile) {
    return languageFile.chopped(std::min<qsizetype>(4, languageFile.size()));
}

QString flagPicturePath(const QString& languageFolder, const QString& language) {
    const QDir folder(languageFolder);
    for (const QString& name :
         {language + QStringLiteral(".bmp"), QStringLiteral("DefaultFlag.bmp")}) {
        const QString path = folder.filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace vaduvizu
