#include "texts/LanguageFile.h"
#include "support/TempDir.h"
#include "texts/LanguageFileFormat.h"
#include "texts/TextTable.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace vaduvizu {
namespace {

using test::TempDir;

struct Change {
    int index = -1;
    QString text;
};

// Every entry holds its default except the listed changes.
void expectTable(const TextTable& table, const std::vector<Change>& changes) {
    for (int i = 0; i < TextTable::Size; ++i) {
        QString expected = defaultText(i);
        for (const Change& change : changes)
            if (change.index == i)
                expected = change.text;
        ASSERT_EQ(table.text(i), expected) << "entry " << i;
    }
}

TextTable tableAfterFile(const TempDir& dir, const QByteArray& bytes) {
    TextTable table;
    Read_Lng_File(table, dir.write(QStringLiteral("Test.lng"), bytes));
    return table;
}

// One line of a language file, alone in its file: which entry it sets, if any.
struct LineCase {
    const char* name;
    QString line;
    int index; // -1: the line changes nothing
    QString text;
};

void PrintTo(const LineCase& testCase, std::ostream* os) {
    *os << testCase.name;
}

class LanguageLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(LanguageLineTest, SetsOnlyTheEntryItNames) {
    const LineCase& c = GetParam();
    TempDir dir;
    const TextTable table = tableAfterFile(dir, c.line.toUtf8() + "\r\n");
    expectTable(table,
                c.index < 0 ? std::vector<Change>{} : std::vector<Change>{{c.index, c.text}});
}

const QString Mark = QStringLiteral("\u00B6");

INSTANTIATE_TEST_SUITE_P(
    Rules, LanguageLineTest,
    testing::Values(
        LineCase{"BlankBeforeEquals", "STR12 = Hilfe", 12, "Hilfe"},
        LineCase{"NoBlankBeforeEqualsDropsLastDigit", "STR12=Hilfe", 1, "Hilfe"},
        LineCase{"TabBeforeEquals", "STR12\t= Hilfe", 12, "Hilfe"},
        LineCase{"BlankAfterStr", "STR 12 = Hilfe", 12, "Hilfe"},
        LineCase{"LeadingZeros", "STR012 = Hilfe", 12, "Hilfe"},
        LineCase{"FirstEntry", "STR0 = X", 0, "X"}, LineCase{"LastEntry", "STR6299 = X", 6299, "X"},
        LineCase{"PastLastEntry", "STR6300 = X", -1, ""},
        LineCase{"NegativeIndex", "STR-1 = X", -1, ""},
        LineCase{"HugeIndex", "STR99999999999999999999 = X", -1, ""},
        LineCase{"IndexNotANumber", "STRx = X", -1, ""},
        LineCase{"IndexWithInnerBlank", "STR1 2 = X", -1, ""},
        LineCase{"NoIndexBeforeEquals", "STR=X", -1, ""},
        LineCase{"OnlyTheDroppedDigit", "STR1=X", -1, ""},
        LineCase{"NoEquals", "STR12 Hilfe", -1, ""},
        LineCase{"LowerCaseStr", "str12 = Hilfe", -1, ""},
        LineCase{"MixedCaseStr", "Str12 = Hilfe", -1, ""},
        LineCase{"CommentLine", "; STR12 = Hilfe", -1, ""},
        LineCase{"BlanksAndTabsAroundLine", " \t STR12 = Hilfe \t ", 12, "Hilfe"},
        LineCase{"ControlCharactersTrimmed", "\x01STR12 = \x7FHilfe\x1F", 12, "Hilfe"},
        LineCase{"NoBreakSpaceIsNoBlank", "STR12 = Hilfe\u00A0", 12, "Hilfe\u00A0"},
        LineCase{"EqualsInText", "STR12 = a = b", 12, "a = b"},
        LineCase{"EmptyText", "STR12 =", -1, ""}, LineCase{"BlankText", "STR12 =  \t ", -1, ""},
        LineCase{"CommentCutOff", "STR13 = Optionen /#/ Werkzeugleiste", 13, "Optionen"},
        LineCase{"OnlyComment", "STR9 = /#/ nur Kommentar", -1, ""},
        LineCase{"MarksKeepBlanks", "STR9 = " + Mark + "Keine Konfiguration " + Mark, 9,
                 "Keine Konfiguration "},
        LineCase{"LoneMarkGivesEmptyText", "STR9 = " + Mark, 9, ""},
        LineCase{"TwoMarksGiveEmptyText", "STR9 = " + Mark + Mark, 9, ""},
        LineCase{"LeadingMarkWithoutClosing", "STR9 = " + Mark + "  zwei", 9, "  zwei"},
        LineCase{"MarkInsideEndsText", "STR9 = abc" + Mark + "def", 9, "abc"},
        LineCase{"TextAfterClosingMarkDropped", "STR9 = " + Mark + "a " + Mark + " rest", 9, "a "},
        LineCase{"CommentBeforeMark", "STR9 = " + Mark + "a /#/ b" + Mark, 9, "a"},
        LineCase{"NonLatinText", "STR12 = Grüße € 日本", 12, "Grüße € 日本"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(LanguageFileTest, LaterLineForTheSameEntryWins) {
    TempDir dir;
    expectTable(tableAfterFile(dir, "STR12 = Erste\nSTR13 = Andere\nSTR12 = Zweite\n"),
                {{12, "Zweite"}, {13, "Andere"}});
}

TEST(LanguageFileTest, MalformedLinesDoNotStopTheRest) {
    TempDir dir;
    expectTable(tableAfterFile(dir, "[German]\nSTR12=\nstr13 = x\nSTR6300 = x\nSTR14 = Ende"),
                {{14, "Ende"}});
}

TEST(LanguageFileTest, UnreadableFileChangesNothing) {
    TempDir dir;
    TextTable table;
    table.set(12, QStringLiteral("kept"));
    Read_Lng_File(table, dir.file(QStringLiteral("missing.lng")));
    Read_Lng_File(table, dir.path()); // a folder
    expectTable(table, {{12, "kept"}});
}

struct LineEndingCase {
    const char* name;
    QByteArray bytes;
};

void PrintTo(const LineEndingCase& testCase, std::ostream* os) {
    *os << testCase.name;
}

class LineEndingTest : public testing::TestWithParam<LineEndingCase> {};

TEST_P(LineEndingTest, EachLineAppliesWithoutItsBreak) {
    TempDir dir;
    expectTable(tableAfterFile(dir, GetParam().bytes), {{12, "A"}, {13, "B"}, {14, "C"}});
}

INSTANTIATE_TEST_SUITE_P(
    Endings, LineEndingTest,
    testing::Values(LineEndingCase{"CrLf", "STR12 = A\r\nSTR13 = B\r\nSTR14 = C\r\n"},
                    LineEndingCase{"Lf", "STR12 = A\nSTR13 = B\nSTR14 = C\n"},
                    LineEndingCase{"Cr", "STR12 = A\rSTR13 = B\rSTR14 = C\r"},
                    LineEndingCase{"Mixed", "STR12 = A\rSTR13 = B\r\n\r\nSTR14 = C"},
                    LineEndingCase{"NoFinalBreak", "STR12 = A\nSTR13 = B\nSTR14 = C"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

QByteArray encoded(QStringConverter::Encoding encoding, const QString& text) {
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

struct EncodingCase {
    const char* name;
    QByteArray bytes;
    LanguageFileEncoding encoding;
};

void PrintTo(const EncodingCase& testCase, std::ostream* os) {
    *os << testCase.name;
}

// The entry line comes first, so a byte-order mark must not stick to it.
const QString EncodedLines = QStringLiteral("STR12 = \u00B6Grüße €\u00B6\r\nSTR13 = Ende\r\n");

class LanguageEncodingTest : public testing::TestWithParam<EncodingCase> {};

TEST_P(LanguageEncodingTest, ReadsTheTextsAsWritten) {
    const EncodingCase& c = GetParam();
    EXPECT_EQ(detectLanguageFileEncoding(c.bytes), c.encoding);
    const LanguageFileText decoded = decodeLanguageFile(c.bytes);
    EXPECT_EQ(decoded.encoding, c.encoding);
    EXPECT_EQ(decoded.text, EncodedLines);
    TempDir dir;
    expectTable(tableAfterFile(dir, c.bytes), {{12, "Grüße €"}, {13, "Ende"}});
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, LanguageEncodingTest,
    testing::Values(
        EncodingCase{"Utf8", EncodedLines.toUtf8(), LanguageFileEncoding::Utf8},
        EncodingCase{"Utf8WithBom", "\xEF\xBB\xBF" + EncodedLines.toUtf8(),
                     LanguageFileEncoding::Utf8WithBom},
        EncodingCase{"Utf16LE", encoded(QStringConverter::Utf16LE, EncodedLines),
                     LanguageFileEncoding::Utf16LE},
        EncodingCase{"Utf16BE", encoded(QStringConverter::Utf16BE, EncodedLines),
                     LanguageFileEncoding::Utf16BE},
        // ü = 0xFC, ß = 0xDF, € = 0x80, ¶ = 0xB6; not valid UTF-8, so read as Windows-1252.
        EncodingCase{"Windows1252",
                     "STR12 = \xB6Gr\xFC\xDF"
                     "e \x80\xB6\r\nSTR13 = Ende\r\n",
                     LanguageFileEncoding::Windows1252}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(LanguageFileTest, OneInvalidSequenceMakesTheWholeFileWindows1252) {
    TempDir dir;
    // Valid UTF-8 first: the decision covers the lines before the invalid byte too.
    expectTable(tableAfterFile(dir, "STR12 = \xC3\xA4\nSTR13 = \xE4\nSTR14 = Stra\xC3"),
                {{12, "Ã¤"}, {13, "ä"}, {14, "StraÃ"}});
}

TEST(LanguageFileTest, Windows1252TableMatchesTheSystemCodePage) {
    QStringDecoder system("windows-1252");
    if (!system.isValid())
        GTEST_SKIP() << "no Windows-1252 decoder on this platform";
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(static_cast<char>(byte));
    EXPECT_EQ(windows1252ByTable(all), QString(system.decode(all)));
    EXPECT_EQ(windows1252ByTable("\xE4\x80\x9F"), QStringLiteral("ä€Ÿ"));
}

// Load_Texts against a language folder of its own.
class LoadTextsTest : public testing::Test {
protected:
    LoadTextsTest() { state.languageFolder = dir.path() + QStringLiteral("/LANGUAGE"); }

    void writeLanguage(const QString& language, const QByteArray& lines) {
        dir.write(QStringLiteral("LANGUAGE/") + language + QStringLiteral(".lng"), lines);
    }

    TempDir dir;
    AppState state;
    TextTable table;
};

TEST_F(LoadTextsTest, AppliesTheFileOfTheCurrentLanguage) {
    writeLanguage("Deutsch", "STR12 = Hilfe\n");
    writeLanguage("English", "STR12 = Help\n");
    state.currentLanguage = "Deutsch";
    table.set(500, "left over");
    Load_Texts(table, state);
    expectTable(table, {{12, "Hilfe"}});
    EXPECT_EQ(state.currentLanguage, "Deutsch");
}

TEST_F(LoadTextsTest, MissingLanguageFileFallsBackToEnglish) {
    writeLanguage("English", "STR12 = Help\n");
    state.currentLanguage = "Deutsch";
    Load_Texts(table, state);
    expectTable(table, {{12, "Help"}});
    EXPECT_EQ(state.currentLanguage, "English");
}

TEST_F(LoadTextsTest, NoLanguageFilesGiveTheDefaults) {
    for (const char* folderContent : {"none", "empty"}) {
        if (QString(folderContent) == "empty")
            QDir().mkpath(state.languageFolder);
        state.currentLanguage = "Deutsch";
        table.set(12, "left over");
        Load_Texts(table, state);
        expectTable(table, {});
        EXPECT_EQ(state.currentLanguage, "English") << folderContent;
    }
}

TEST_F(LoadTextsTest, SwitchingLanguageRestoresEntriesTheNewFileDoesNotMention) {
    writeLanguage("Deutsch", "STR500 = Frequenzband\nSTR12 = Hilfe\n");
    writeLanguage("Italiano", "STR12 = Aiuto\n");
    state.currentLanguage = "Deutsch";
    Load_Texts(table, state);
    expectTable(table, {{500, "Frequenzband"}, {12, "Hilfe"}});
    state.currentLanguage = "Italiano";
    Load_Texts(table, state);
    expectTable(table, {{12, "Aiuto"}});
}

} // namespace
} // namespace vaduvizu
