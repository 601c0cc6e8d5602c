#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

namespace vaduvizu {

// Why a line of a language file deserves a translator's attention.
enum class LintKind {
    // The loader ignores the line.
    NotAnEntry,
    LowerCaseStr,
    NoEquals,
    IndexNotANumber,
    IndexOutOfRange,
    EmptyText,
    OnlyComment,
    // The loader applies the line, but not as it looks.
    DroppedBeforeEquals,   // STR12=Hilfe sets entry 1
    TextCutAtMark,         // text after a closing "¶" is lost
    SetAgain,              // a later line for the same entry replaces an earlier one
    Utf8ReadAsWindows1252, // UTF-8 text in a file that another line makes Windows-1252
};

struct LintFinding {
    int line = 0; // counted from 1
    LintKind kind = LintKind::NotAnEntry;
    QString message;
};

// Blank lines and lines that plainly are comments or headings (starting with ";", "#", "//",
// "/#/" or "[" after trimming): ignored by the loader, as their author meant.
bool isObviousComment(QStringView line);

// Every line of the language file that the loader ignores or reads differently from how it
// looks, in line order.
QList<LintFinding> lintLanguageFile(QByteArrayView bytes);
// The same for a file already decoded; its encoding is not judged.
QList<LintFinding> lintLanguageText(QStringView text);

} // namespace vaduvizu
