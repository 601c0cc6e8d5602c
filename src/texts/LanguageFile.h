#pragma once

#include "app/AppState.h"
#include "texts/TextTable.h"

#include <QByteArrayView>
#include <QString>

namespace vaduvizu {

// Fills the defaults, then applies languageFolder/<currentLanguage>.lng; when that file is
// missing the current language becomes "English" and English.lng applies if present.
void Load_Texts(TextTable& table, AppState& state);

// Applies the language file at path line by line; lines that change no entry are skipped.
// A file that cannot be read changes nothing.
void Read_Lng_File(TextTable& table, const QString& path);

// Applies the bytes of a language file, line by line in file order.
void applyLanguageFile(TextTable& table, QByteArrayView bytes);

} // namespace vaduvizu
