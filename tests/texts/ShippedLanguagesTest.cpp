#include "texts/LanguageFile.h"
#include "texts/LanguageFileFormat.h"
#include "texts/LanguageLint.h"
#include "texts/TextTable.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <vector>

using namespace vaduvizu;

namespace {

const QString LanguageFolder = QStringLiteral(VADUVIZU_LANGUAGE_FOLDER);

// Every entry this product shows: main window, new and open dialogs, options dialog,
// communication parameters (LoRa and Modbus TCP slave panels), update dialog, row commands
// and rules editor (with its two questions after 1255).
std::vector<int> shownEntries() {
    std::vector<int> entries;
    const auto add = [&entries](int first, int last) {
        for (int i = first; i <= last; ++i)
            entries.push_back(i);
    };
    add(0, 26);
    add(30, 30);
    add(100, 110);
    add(200, 207);
    add(300, 321);
    add(400, 422);
    add(483, 497);
    add(499, 499);
    add(709, 740);
    add(2894, 2895);
    add(1002, 1003);
    add(1006, 1006);
    add(1014, 1024);
    add(1032, 1037);
    add(1100, 1102);
    add(1200, 1257);
    return entries;
}

class ShippedLanguage : public testing::TestWithParam<const char*> {
protected:
    QString path() const { return LanguageFolder + u'/' + QLatin1String(GetParam()) + ".lng"; }
};

TEST_P(ShippedLanguage, IsUtf8WithBomAndLintClean) {
    const LanguageFileText file = readLanguageFile(path());
    EXPECT_EQ(file.encoding, LanguageFileEncoding::Utf8WithBom);
    for (const LintFinding& finding : lintLanguageText(file.text))
        ADD_FAILURE() << GetParam() << ":" << finding.line << ": " << finding.message.toStdString();
}

TEST_P(ShippedLanguage, SetsEveryShownEntryKeepingItsBlanks) {
    // Mark every entry, so that an entry the file forgets stands out.
    TextTable table;
    for (int i = 0; i < TextTable::Size; ++i)
        table.set(i, QStringLiteral("\x01"));
    Read_Lng_File(table, path());
    for (const int index : shownEntries()) {
        const QString& text = table[index];
        const QString english = defaultText(index);
        EXPECT_NE(text, QStringLiteral("\x01")) << GetParam() << " misses entry " << index;
        // Texts that are joined to names or numbers keep their separating blanks.
        if (english.endsWith(u' ')) {
            EXPECT_TRUE(text.endsWith(u' ')) << GetParam() << " entry " << index;
        }
        if (english.startsWith(u' ')) {
            EXPECT_TRUE(text.startsWith(u' ')) << GetParam() << " entry " << index;
        }
        if (english.contains(QLatin1String("%d"))) {
            EXPECT_TRUE(text.contains(QLatin1String("%d"))) << GetParam() << " entry " << index;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedLanguage, testing::Values("English", "Italiano", "Deutsch"),
                         [](const testing::TestParamInfo<const char*>& param) {
                             return std::string(param.param);
                         });

TEST(ShippedEnglish, RepeatsTheBuiltInTexts) {
    TextTable table;
    Read_Lng_File(table, LanguageFolder + QStringLiteral("/English.lng"));
    for (const int index : shownEntries())
        EXPECT_EQ(table[index], defaultText(index)) << "entry " << index;
}

} // namespace
