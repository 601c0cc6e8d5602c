#include "support/CliRun.h"
#include "support/TempDir.h"
#include "update/UpdateJobFile.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace vaduvizu;
using vaduvizu::test::CliResult;
using vaduvizu::test::runCli;
using vaduvizu::test::TempDir;

TEST(CliJob, WritesTheSameFileAsTheUpdateDialog) {
    TempDir app;
    TempDir reference;
    const QString project = app.file("PROJECTS/Plant");
    for (int option = 0; option <= 2; ++option)
        for (int readBack = 0; readBack <= 1; ++readBack) {
            const CliResult result = runCli(
                {"job", "--app-folder", app.path(), "--project", project, "--ip", "10.0.0.07",
                 "--option", QString::number(option), "--read-back", QString::number(readBack)});
            ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
            Compile_XML_Parameter_New_Boot({reference.path(), app.file("MASTER"), project,
                                            "10.0.0.07", *updateOptionAt(option), readBack == 1});
            EXPECT_EQ(TempDir::read(app.file("Ethernet_Update.xml")),
                      TempDir::read(reference.file("Ethernet_Update.xml")))
                << "option " << option << ", read back " << readBack;
        }
}

TEST(CliJob, RefusesBadArgumentsAndReportsAFailedWrite) {
    TempDir app;
    const QStringList good = {"job",      "--app-folder", app.path(), "--project",
                              app.path(), "--ip",         "1.2.3.4",  "--option",
                              "0",        "--read-back",  "1"};
    const auto with = [&](int index, const QString& value) {
        QStringList args = good;
        args[index] = value;
        return args;
    };
    for (const QStringList& args :
         {with(8, "3"), with(8, "-1"), with(8, "x"), with(8, "00"), with(10, "2"),
          with(9, "--readback"), good.mid(0, 10), good + QStringList{"--ip", "1.2.3.4"}}) {
        const CliResult result = runCli(args);
        EXPECT_EQ(result.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(QFileInfo::exists(app.file("Ethernet_Update.xml")));
    }
    const CliResult missingFolder = runCli(with(2, app.file("none")));
    EXPECT_EQ(missingFolder.exitCode, 2);
    EXPECT_TRUE(missingFolder.err.contains("Ethernet_Update.xml"))
        << missingFolder.err.toStdString();
}
