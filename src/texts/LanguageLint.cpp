#include "texts/LanguageLint.h"

#include "texts/LanguageFileFormat.h"
#include "texts/TextTable.h"

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

} // namespace

bool isObviousComment(QStringView line) {
    const QStringView trimmed = trimLanguageText(line);
    return trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#') ||
           trimmed.startsWith(u"//") || trimmed.startsWith(u"/#/") || trimmed.startsWith(u'[');
}

QList<LintFinding> lintLanguageText(QStringView text) {
    QList<LintFinding> findings;
    std::vector<int> lineOfEntry(TextTable::Size, 0);
    forEachLine(text, [&](QStringView rawLine, int number) {
        const QStringView line = trimLanguageText(rawLine);
        const LanguageLine reading = readLanguageLine(line);
        if (!reading.applies()) {
            if (reading.outcome == LineOutcome::NotAnEntry && isObviousComment(line))
                return;
            LintFinding finding = ignoredLine(line, reading);
            finding.line = number;
            findings.append(finding);
            return;
        }
        if (!isTrimmedAway(reading.droppedBeforeEquals))
            findings.append(
                {number, LintKind::DroppedBeforeEquals,
                 QStringLiteral("sets entry %1: the character \"%2\" directly before \"=\" is "
                                "not read as part of the index; put a blank before \"=\"")
                     .arg(reading.index)
                     .arg(reading.droppedBeforeEquals)});
        if (const QStringView lost = trimLanguageText(reading.cutAfterMark); !lost.isEmpty())
            findings.append({number, LintKind::TextCutAtMark,
                             QStringLiteral("the text of entry %1 ends at \"\u00B6\"; \"%2\" "
                                            "after it is dropped")
                                 .arg(reading.index)
                                 .arg(lost)});
        int& earlier = lineOfEntry[reading.index];
        if (earlier != 0)
            findings.append({number, LintKind::SetAgain,
                             QStringLiteral("sets entry %1 again and replaces line %2")
                                 .arg(reading.index)
                                 .arg(earlier)});
        earlier = number;
    });
    return findings;
}

} // namespace vaduvizu
