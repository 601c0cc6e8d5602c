#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <functional>

namespace vaduvizu {

// How the bytes of a language file are turned into text.
enum class LanguageFileEncoding { Utf8WithBom, Utf16LE, Utf16BE, Utf32, Utf8, Windows1252 };

// A byte-order mark selects the encoding; without one the bytes are read as UTF-8 when they
// are valid UTF-8, otherwise as Windows-1252 (the code page language files are written in).
LanguageFileEncoding detectLanguageFileEncoding(QByteArrayView bytes);

// A language file decoded as a whole, for callers that keep its text.
struct LanguageFileText {
    QString text;
    LanguageFileEncoding encoding = LanguageFileEncoding::Utf8;
};
LanguageFileText decodeLanguageFile(QByteArrayView bytes);
// The decoded language file at path; throws FileError when it cannot be read.
LanguageFileText readLanguageFile(const QString& path);

// Latin-1 with the 32 characters that Windows-1252 places at 0x80 to 0x9F; used where Qt
// offers no Windows-1252 decoder (a build without ICU).
QString windows1252ByTable(QByteArrayView bytes);

// The bytes of the language file at path; throws FileError when it cannot be read.
QByteArray readLanguageFileBytes(const QString& path);

// Calls visit(line, lineNumber) for each line, numbered from 1. Lines end with CR LF, LF or
// CR; a break at the very end does not start another line. Works on text and on bytes of
// encodings whose line breaks are single bytes.
template <typename View, typename Visit> void forEachLine(View text, Visit&& visit) {
    qsizetype start = 0;
    int number = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const auto c = text[i];
        if (c != u'\n' && c != u'\r')
            continue;
        visit(text.sliced(start, i - start), ++number);
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        visit(text.sliced(start), ++number);
}

// Decodes the file's bytes as detectLanguageFileEncoding says and calls visit(line, number)
// for each line; the line is valid only during the call. UTF-8 and Windows-1252 files are
// decoded line by line, so loading allocates no copy of the whole file. Returns the encoding.
LanguageFileEncoding forEachLanguageLine(QByteArrayView bytes,
                                         const std::function<void(QStringView, int)>& visit);

// Trimming of language-file lines and texts: removes leading and trailing blanks and
// control characters (tabs included); other characters, a no-break space for instance, stay.
bool isTrimmedAway(QChar c);
QStringView trimLanguageText(QStringView text);

// What one line of a language file does to the text table.
enum class LineOutcome {
    Applies,         // sets entry index to text
    NotAnEntry,      // does not begin with "STR" after trimming
    NoEquals,        // no "=" in the line
    IndexNotANumber, // the characters taken as the index are no decimal number
    IndexOutOfRange, // the index lies outside 0 .. TextTable::Size - 1
    EmptyText,       // nothing after "="
    OnlyComment,     // the text is empty once the "/#/" comment is cut off
};

struct LanguageLine {
    LineOutcome outcome = LineOutcome::NotAnEntry;
    int index = -1; // the entry set, when the line applies
    QString text;   // the text stored, when the line applies

    // How the line was read, for explaining it to translators. The views point into the
    // line passed to readLanguageLine.
    QStringView indexChars;    // trimmed characters read as the index
    QChar droppedBeforeEquals; // the character directly before "=" that the index rule drops
    QStringView cutAfterMark;  // text lost after a "¶" that ends the text

    bool applies() const { return outcome == LineOutcome::Applies; }
};

// Interprets one line (without its line break) exactly as the loader applies it.
LanguageLine readLanguageLine(QStringView line);

} // namespace vaduvizu
