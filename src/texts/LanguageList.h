#pragma once

#include <QString>
#include <QStringList>

namespace vaduvizu {

// The language files offered by the options dialog, shown six to a page.
inline constexpr int LanguageSlotsPerPage = 6;

// File names ("English.lng", ...) of the language files in languageFolder, sorted
// alphabetically without regard to case. Only regular files named *.lng (case-sensitive,
// because the language is later loaded by that exact name) are listed; hidden files are
// included, read-only files are left out.
QStringList Create_Lang_List(const QString& languageFolder);

// Number of pages for count language files: (count + 5) div 6.
int languagePageCount(qsizetype count);

// The language names (file names without ".lng") shown on page (from 1); at most six.
QStringList languagesOnPage(const QStringList& languageFiles, int page);

// The language name of a language file name: its last four characters removed.
QString languageName(const QString& languageFile);

// The flag picture of a language: languageFolder/<name>.bmp if it exists, else
// languageFolder/DefaultFlag.bmp if that exists, else empty.
QString flagPicturePath(const QString& languageFolder, const QString& language);

} // namespace vaduvizu
