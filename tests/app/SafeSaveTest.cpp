#include "app/SafeSave.h"
#include "app/FileError.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <gtest/gtest.h>

#ifdef Q_OS_LINUX
#include <sched.h>
#include <sys/mount.h>
#endif

using namespace vaduvizu;
using vaduvizu::test::TempDir;

namespace {

// A device that accepts only a few bytes per call and then fails, as a full disk does.
class FullDevice : public QIODevice {
public:
    explicit FullDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override {
        if (m_room <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 n = std::min(size, std::min<qint64>(m_room, 3));
        m_room -= n;
        return n;
    }

private:
    qint64 m_room;
};

} // namespace

TEST(SafeSave, WritesNewFileAndReplacesOldOne) {
    TempDir dir;
    const QString path = dir.file("a.bin");
    saveFile(path, QByteArray("first"));
    EXPECT_EQ(TempDir::read(path), "first");
    saveFile(path, QByteArray("second, longer"));
    EXPECT_EQ(TempDir::read(path), "second, longer");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.bin"});
}

TEST(SafeSave, FailedWriteLeavesPreviousFileIntact) {
    TempDir dir;
    const QString path = dir.write("a.bin", "previous content");
    EXPECT_THROW(saveFile(path,
                          [&](QIODevice& device) {
                              writeAll(device, "partial", path);
                              throw FileError(QStringLiteral("No space left on device"));
                          }),
                 FileError);
    EXPECT_EQ(TempDir::read(path), "previous content");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.bin"});
}

TEST(SafeSave, ShortWritesAreCompletedAndAFullDeviceIsReported) {
    FullDevice roomy(100);
    EXPECT_NO_THROW(writeAll(roomy, "ten bytes!", "x"));

    FullDevice full(4);
    try {
        writeAll(full, "ten bytes!", "/some/file.bin");
        FAIL() << "a full device must be reported";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().contains("/some/file.bin"));
        EXPECT_TRUE(error.message().contains("No space left on device"));
    }
}

TEST(SafeSave, MissingFolderIsReportedWithTheFileName) {
    TempDir dir;
    const QString path = dir.file("no/such/folder/a.bin");
    try {
        saveFile(path, QByteArray("x"));
        FAIL() << "saving into a missing folder must fail";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().contains("a.bin")) << error.what();
    }
}

#ifdef Q_OS_LINUX
// A real full disk, not an injected failure: the bytes are buffered and the failure shows
// only when they reach the file system. Needs the right to mount; skipped elsewhere.
struct FullDiskCase {
    const char* name;
    qsizetype filler; // bytes already taking room on the 64 KiB file system
    qsizetype size;   // bytes of the new content
};

class FullFileSystem : public testing::TestWithParam<FullDiskCase> {};

TEST_P(FullFileSystem, IsReportedAndLeavesPreviousFileIntact) {
    TempDir dir;
    const QString small = dir.file("small");
    QDir().mkdir(small);
    const QByteArray mountPoint = QFile::encodeName(small);
    // A private mount namespace keeps the small file system out of sight of everything else.
    if (unshare(CLONE_NEWNS) != 0 ||
        mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small file system here";

    const QString path = small + "/bank2.bin";
    saveFile(path, QByteArray("previous content"));
    if (GetParam().filler > 0)
        saveFile(small + "/filler", QByteArray(GetParam().filler, 'f'));
    EXPECT_THROW(saveFile(path, QByteArray(GetParam().size, 'x')), FileError);
    EXPECT_EQ(TempDir::read(path), "previous content");
    QStringList expected{"bank2.bin"};
    if (GetParam().filler > 0)
        expected.append("filler");
    EXPECT_EQ(QDir(small).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              expected);
    umount2(mountPoint.constData(), MNT_DETACH);
}

INSTANTIATE_TEST_SUITE_P(
    SafeSave, FullFileSystem,
    testing::Values(
        // Larger than any write buffer: the write call itself fails.
        FullDiskCase{"LargeFile", 0, 1024 * 1024},
        // Small enough to stay in the write buffer: only the final flush finds the disk full.
        FullDiskCase{"BufferedSmallFile", 56 * 1024, 12 * 1024}),
    [](const testing::TestParamInfo<FullDiskCase>& param) {
        return std::string(param.param.name);
    });
#endif
