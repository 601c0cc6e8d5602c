#include "texts/LanguageLint.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

namespace vaduvizu {
namespace {

using Found = std::pair<int, LintKind>; // line number, kind

struct LintCase {
    const char* name;
    QByteArray text; // the file's bytes
    std::vector<Found> expected;
};

void PrintTo(const LintCase& testCase, std::ostream* os) {
    *os << testCase.name;
}

class LanguageLintTest : public testing::TestWithParam<LintCase> {};

TEST_P(LanguageLintTest, ReportsWhatTheLoaderDoesNotReadAsWritten) {
    std::vector<Found> found;
    for (const LintFinding& finding : lintLanguageFile(GetParam().text)) {
        EXPECT_FALSE(finding.message.isEmpty());
        found.emplace_back(finding.line, finding.kind);
    }
    EXPECT_EQ(found, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LanguageLintTest,
    testing::Values(
        LintCase{
            "CleanFile",
            "; German\n[Main]\n# c\n// c\n/#/ c\n\n  \nSTR12 = Hilfe\n STR13 = Optionen /#/ x\n"
            "STR9 = \u00B6Keine \u00B6\n",
            {}},
        LintCase{"NoBlankBeforeEquals", "STR12=Hilfe", {{1, LintKind::DroppedBeforeEquals}}},
        LintCase{"LowerCaseStr", "str12 = Hilfe", {{1, LintKind::LowerCaseStr}}},
        LintCase{"NotAnEntry", "Hilfe", {{1, LintKind::NotAnEntry}}},
        LintCase{"NoEquals", "STR12 Hilfe", {{1, LintKind::NoEquals}}},
        LintCase{"IndexNotANumber", "STR1x = Hilfe", {{1, LintKind::IndexNotANumber}}},
        LintCase{"NoIndexLeft", "STR1=Hilfe", {{1, LintKind::IndexNotANumber}}},
        LintCase{"IndexOutOfRange", "STR6300 = X", {{1, LintKind::IndexOutOfRange}}},
        LintCase{"EmptyText", "STR12 = ", {{1, LintKind::EmptyText}}},
        LintCase{"OnlyComment", "STR9 = /#/ nur Kommentar", {{1, LintKind::OnlyComment}}},
        LintCase{"TextAfterClosingMark", "STR9 = \u00B6a\u00B6 b", {{1, LintKind::TextCutAtMark}}},
        LintCase{"SetAgain", "STR12 = A\nSTR13 = B\nSTR12 = C", {{3, LintKind::SetAgain}}},
        LintCase{"DroppedDigitHitsAnotherEntry",
                 "STR1 = A\r\nSTR12=B",
                 {{2, LintKind::DroppedBeforeEquals}, {2, LintKind::SetAgain}}},
        LintCase{"Utf8LinesInAWindows1252File",
                 "STR12 = Gr\xC3\xBC\xC3\x9F"
                 "e\nSTR13 = Stra\xDF"
                 "e\nSTR14 = A",
                 {{1, LintKind::Utf8ReadAsWindows1252}}},
        LintCase{"LineNumbersCountEveryEnding",
                 "STR12 = A\rstr1 = x\r\n\nSTR=B\n",
                 {{2, LintKind::LowerCaseStr}, {4, LintKind::IndexNotANumber}}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(LanguageLintTest, MessageNamesTheEntryActuallySet) {
    for (const QList<LintFinding>& findings :
         {lintLanguageFile("STR12=Hilfe"), lintLanguageText(u"STR12=Hilfe")}) {
        ASSERT_EQ(findings.size(), 1);
        EXPECT_EQ(findings.first().kind, LintKind::DroppedBeforeEquals);
        EXPECT_THAT(findings.first().message.toStdString(), testing::HasSubstr("entry 1:"));
    }
}

} // namespace
} // namespace vaduvizu
