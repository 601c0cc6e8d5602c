#include "texts/LanguageLint.h"

#include "texts/LanguageFileFormat.h"
#include "texts/TextTable.h"

#include <algorithm>
#include <vector>

namespace vaduvizu {

namespace {

// Explains the index rule when the character before "=" was a real character, not a blank.
QString droppedNote(const LanguageLine& reading) {
    if (isTrimmedAway(reading.droppedBeforeEquals))
        return {};
    return QStringLiteral(" (the character \"%1\" directly before \"=\" is not read as part of "
                          "the index; put a blank before \"=\")")
        .arg(reading.droppedBeforeEquals);
}

LintFinding ignoredLine(QStringView line, const LanguageLine& reading) {
    switch (reading.outcome) {
    case LineOutcome::NotAnEntry:
        if (line.startsWith(u"STR", Qt::CaseInsensitive))
            return {0, LintKind::LowerCaseStr,
                    QStringLiteral("ignored: begins with \"%1\"; only upper-case \"STR\" is read")
                        .arg(line.first(3))};
        return {0, LintKind::NotAnEntry, QStringLiteral("ignored: does not begin with \"STR\"")};
    case LineOutcome::NoEquals:
        return {0, LintKind::NoEquals, QStringLiteral("ignored: no \"=\" after the index")};
    case LineOutcome::IndexNotANumber:
        if (reading.indexChars.isEmpty())
            return {0, LintKind::IndexNotANumber,
                    QStringLiteral("ignored: no index between \"STR\" and \"=\"") +
                        droppedNote(reading)};
        return {0, LintKind::IndexNotANumber,
                QStringLiteral("ignored: index \"%1\" is not a decimal number")
                        .arg(reading.indexChars) +
                    droppedNote(reading)};
    case LineOutcome::IndexOutOfRange:
        return {0, LintKind::IndexOutOfRange,
                QStringLiteral("ignored: index %1 lies outside 0 to %2")
                        .arg(reading.indexChars)
                        .arg(TextTable::Size - 1) +
                    droppedNote(reading)};
    case LineOutcome::EmptyText:
        return {0, LintKind::EmptyText, QStringLiteral("ignored: no text after \"=\"")};
    case LineOutcome::OnlyComment:
        return {0, LintKind::OnlyComment,
                QStringLiteral("ignored: the text is only a comment (\"/#/\")")};
    case LineOutcome::Applies:
        break;
    }
    return {};
}

bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

// In a file read as Windows-1252, lines whose non-ASCII bytes are valid UTF-8 were most likely
// written as UTF-8 and come out garbled ("Ã¤" for "ä").
QList<LintFinding> utf8LinesReadAsWindows1252(QByteArrayView bytes) {
    QList<int> utf8Lines;
    int firstInvalid = 0;
    forEachLine(bytes, [&](QByteArrayView line, int number) {
        if (isAscii(line))
            return;
        if (line.isValidUtf8())
            utf8Lines.append(number);
        else if (firstInvalid == 0)
            firstInvalid = number;
    });
    QList<LintFinding> findings;
    for (const int number : utf8Lines)
        findings.append({number, LintKind::Utf8ReadAsWindows1252,
                         QStringLiteral("this line is written in UTF-8, but line %1 is not valid "
                                        "UTF-8, so the whole file is read as Windows-1252 and "
                                        "the non-ASCII characters of this line come out garbled")
                             .arg(firstInvalid)});
    return findings;
}

} // namespace

bool isObviousComment(QStringView line) {
    const QStringView trimmed = trimLanguageText(line);
    return trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#') ||
           trimmed.startsWith(u"//") || trimmed.startsWith(u"/#/") || trimmed.startsWith(u'[');
}

namespace {

// Judges the lines of one file, in order.
class LineLinter {
public:
    void line(QStringView rawLine, int number) {
        const QStringView line = trimLanguageText(rawLine);
        const LanguageLine reading = readLanguageLine(line);
        if (!reading.applies()) {
            if (reading.outcome == LineOutcome::NotAnEntry && isObviousComment(line))
                return;
            LintFinding finding = ignoredLine(line, reading);
            finding.line = number;
            m_findings.append(finding);
            return;
        }
        if (!isTrimmedAway(reading.droppedBeforeEquals))
            m_findings.append(
                {number, LintKind::DroppedBeforeEquals,
                 QStringLiteral("sets entry %1: the character \"%2\" directly before \"=\" is "
                                "not read as part of the index; put a blank before \"=\"")
                     .arg(reading.index)
                     .arg(reading.droppedBeforeEquals)});
        if (const QStringView lost = trimLanguageText(reading.cutAfterMark); !lost.isEmpty())
            m_findings.append({number, LintKind::TextCutAtMark,
                               QStringLiteral("the text of entry %1 ends at \"\u00B6\"; \"%2\" "
                                              "after it is dropped")
                                   .arg(reading.index)
                                   .arg(lost)});
        int& earlier = m_lineOfEntry[reading.index];
        if (earlier != 0)
            m_findings.append({number, LintKind::SetAgain,
                               QStringLiteral("sets entry %1 again and replaces line %2")
                                   .arg(reading.index)
                                   .arg(earlier)});
        earlier = number;
    }

    QList<LintFinding>& findings() { return m_findings; }

private:
    QList<LintFinding> m_findings;
    std::vector<int> m_lineOfEntry = std::vector<int>(TextTable::Size, 0);
};

} // namespace

QList<LintFinding> lintLanguageFile(QByteArrayView bytes) {
    LineLinter linter;
    forEachLanguageLine(bytes,
                        [&linter](QStringView line, int number) { linter.line(line, number); });
    QList<LintFinding>& findings = linter.findings();
    if (detectLanguageFileEncoding(bytes) == LanguageFileEncoding::Windows1252) {
        findings.append(utf8LinesReadAsWindows1252(bytes));
        std::stable_sort(
            findings.begin(), findings.end(),
            [](const LintFinding& a, const LintFinding& b) { return a.line < b.line; });
    }
    return findings;
}

QList<LintFinding> lintLanguageText(QStringView text) {
    LineLinter linter;
    forEachLine(text, [&linter](QStringView line, int number) { linter.line(line, number); });
    return linter.findings();
}

} // namespace vaduvizu
