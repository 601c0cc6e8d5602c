#include "texts/LanguageList.h"
#include "support/TempDir.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vaduvizu;
using vaduvizu::test::TempDir;

namespace {

TEST(LanguageList, ListsWritableLanguageFilesCaseBlindInOrder) {
    TempDir dir;
    for (const char* name : {"English.lng", "deutsch.lng", "Italiano.lng", ".Hidden.lng",
                             "ReadOnly.lng", "Notes.txt", "Upper.LNG", "English.bmp"})
        dir.write(QString::fromLatin1(name), "STR0 = x\n");
    QDir(dir.path()).mkdir(QStringLiteral("Folder.lng"));
    QFile::setPermissions(dir.file("ReadOnly.lng"), QFileDevice::ReadOwner | QFileDevice::ReadUser);

    EXPECT_EQ(Create_Lang_List(dir.path()),
              (QStringList{".Hidden.lng", "deutsch.lng", "English.lng", "Italiano.lng"}));
}

TEST(LanguageList, MissingFolderGivesNoLanguages) {
    TempDir dir;
    EXPECT_TRUE(Create_Lang_List(dir.file("absent")).isEmpty());
}

struct PageCase {
    int files;
    int page;
    int pages;
    int shown;
};

class LanguagePages : public testing::TestWithParam<PageCase> {};

TEST_P(LanguagePages, ShowSixToAPage) {
    QStringList files;
    for (int i = 0; i < GetParam().files; ++i)
        files << QStringLiteral("L%1.lng").arg(i);
    EXPECT_EQ(languagePageCount(files.size()), GetParam().pages);
    const QStringList names = languagesOnPage(files, GetParam().page);
    ASSERT_EQ(names.size(), GetParam().shown);
    if (!names.isEmpty()) {
        EXPECT_EQ(names.first(), QStringLiteral("L%1").arg((GetParam().page - 1) * 6));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, LanguagePages,
                         testing::Values(PageCase{0, 1, 0, 0}, PageCase{1, 1, 1, 1},
                                         PageCase{6, 1, 1, 6}, PageCase{7, 1, 2, 6},
                                         PageCase{7, 2, 2, 1}, PageCase{12, 2, 2, 6},
                                         PageCase{13, 3, 3, 1}));

TEST(LanguageList, FlagPictureFallsBackToTheDefaultFlag) {
    TempDir dir;
    EXPECT_EQ(flagPicturePath(dir.path(), QStringLiteral("English")), QString());
    dir.write(QStringLiteral("DefaultFlag.bmp"), "BM");
    EXPECT_EQ(flagPicturePath(dir.path(), QStringLiteral("English")),
              dir.file(QStringLiteral("DefaultFlag.bmp")));
    dir.write(QStringLiteral("English.bmp"), "BM");
    EXPECT_EQ(flagPicturePath(dir.path(), QStringLiteral("English")),
              dir.file(QStringLiteral("English.bmp")));
}

} // namespace
