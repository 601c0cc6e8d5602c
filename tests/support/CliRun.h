#pragma once

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

namespace vaduvizu::test {

struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the built vaduvizu-cli with args and waits for it.
inline CliResult runCli(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(VADUVIZU_CLI), args);
    EXPECT_TRUE(process.waitForFinished(30000)) << "vaduvizu-cli did not finish";
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace vaduvizu::test
