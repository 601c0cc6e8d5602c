// The configurator as a process: a termination signal closes it like its close box, so the
// settings file is written. The program is copied into a fresh folder, which becomes its
// application folder.
#include "support/TempDir.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace vaduvizu::test {
namespace {

class TerminationTest : public testing::TestWithParam<int> {};

TEST_P(TerminationTest, WritesTheSettingsAndEndsNormally) {
    TempDir dir;
    const QString program = dir.file("vaduvizu");
    ASSERT_TRUE(QFile::copy(QStringLiteral(VADUVIZU_APP), program));
    QDir().mkpath(dir.file("PROJECTS/Kept/bin"));
    dir.write("Vaduvizu.xml", "<Conf_Settings><lastproj><projectname>Kept</projectname>"
                              "</lastproj><lastipadd><ipaddress>10.9.8.7</ipaddress>"
                              "</lastipadd></Conf_Settings>");
    const QByteArray before = TempDir::read(dir.file("Vaduvizu.xml"));

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(program, {});
    ASSERT_TRUE(process.waitForStarted(10000));

    // The folders appear during start-up, after the signals are caught.
    QDeadlineTimer deadline(20000);
    while (!QFileInfo(dir.file("LANGUAGE")).isDir() && !deadline.hasExpired())
        QThread::msleep(20);
    ASSERT_TRUE(QFileInfo(dir.file("LANGUAGE")).isDir());
    ::kill(static_cast<pid_t>(process.processId()), GetParam());

    ASSERT_TRUE(process.waitForFinished(20000)) << "still running";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    const QByteArray after = TempDir::read(dir.file("Vaduvizu.xml"));
    EXPECT_NE(after, before) << "rewritten in full";
    EXPECT_TRUE(after.contains("<projectname>Kept</projectname>")) << after.constData();
    EXPECT_TRUE(after.contains("<ipaddress>10.9.8.7</ipaddress>")) << after.constData();
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationTest, testing::Values(SIGTERM, SIGINT));

} // namespace
} // namespace vaduvizu::test
