#include "support/CliRun.h"
#include "support/TempDir.h"
#include "texts/TextTable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace vaduvizu {
namespace {

using test::CliResult;
using test::runCli;
using test::TempDir;

TEST(TextsCommandTest, PrintsTheDefaultsOverlaidByTheLanguageFile) {
    TempDir dir;
    const QString file =
        dir.write("Deutsch.lng", "\xEF\xBB\xBFSTR12 = Grüße\r\nSTR12=Eins\r\nSTR6299 = Ende\r\n");
    const CliResult result = runCli({"texts", "--language-file", file, "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(result.out.toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonArray texts = document.array();
    ASSERT_EQ(texts.size(), TextTable::Size);
    EXPECT_EQ(texts[12].toString(), "Grüße");
    EXPECT_EQ(texts[1].toString(), "Eins");
    EXPECT_EQ(texts[6299].toString(), "Ende");
    EXPECT_EQ(texts[13].toString(), defaultText(13));
}

TEST(TextsCommandTest, WithoutLanguageFilePrintsTheDefaults) {
    const CliResult result = runCli({"texts", "--json"});
    ASSERT_EQ(result.exitCode, 0);
    const QJsonArray texts = QJsonDocument::fromJson(result.out.toUtf8()).array();
    ASSERT_EQ(texts.size(), TextTable::Size);
    for (int i = 0; i < TextTable::Size; ++i)
        ASSERT_EQ(texts[i].toString(), defaultText(i)) << "entry " << i;
}

TEST(LintLanguageCommandTest, ListsFindingsWithTheirLineNumbers) {
    TempDir dir;
    const QString file = dir.write("Deutsch.lng", "; Deutsch\nSTR12 = Hilfe\nSTR13=Optionen\n");
    const CliResult result = runCli({"lint-language", file});
    EXPECT_EQ(result.exitCode, 1);
    const QStringList lines = result.out.trimmed().split(u'\n');
    ASSERT_EQ(lines.size(), 1) << result.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith(file + ":3: ")) << lines[0].toStdString();
}

TEST(LintLanguageCommandTest, CleanFileExitsZeroQuietly) {
    TempDir dir;
    const CliResult result =
        runCli({"lint-language", dir.write("Deutsch.lng", "[Deutsch]\nSTR12 = Hilfe\n")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.isEmpty());
}

struct UsageCase {
    const char* name;
    QStringList arguments;
};

void PrintTo(const UsageCase& testCase, std::ostream* os) {
    *os << testCase.name;
}

class CliUsageTest : public testing::TestWithParam<UsageCase> {};

TEST_P(CliUsageTest, ExitsTwoWithAMessageOnStandardError) {
    const CliResult result = runCli(GetParam().arguments);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(result.err.isEmpty());
    EXPECT_TRUE(result.out.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    BadArguments, CliUsageTest,
    testing::Values(UsageCase{"NoCommand", {}}, UsageCase{"UnknownCommand", {"translate"}},
                    UsageCase{"TextsWithoutJson", {"texts"}},
                    UsageCase{"TextsUnknownOption", {"texts", "--json", "--xml"}},
                    UsageCase{"TextsLanguageFileWithoutFile",
                              {"texts", "--json", "--language-file"}},
                    UsageCase{"TextsMissingLanguageFile",
                              {"texts", "--json", "--language-file", "/nonexistent/Deutsch.lng"}},
                    UsageCase{"LintWithoutFile", {"lint-language"}},
                    UsageCase{"LintTwoFiles", {"lint-language", "a.lng", "b.lng"}},
                    UsageCase{"LintMissingFile", {"lint-language", "/nonexistent/Deutsch.lng"}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
} // namespace vaduvizu
