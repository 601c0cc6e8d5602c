#include "app/SafeSave.h"

#include "app/FileError.h"

#include <QDir>
#include <QSaveFile>

namespace vaduvizu {

namespace {

QString describe(const QString& path, const QString& what, const QString& reason) {
    return QStringLiteral("Cannot %1 \"%2\": %3").arg(what, QDir::toNativeSeparators(path), reason);
}

} // namespace

void writeAll(QIODevice& device, const QByteArray& bytes, const QString& path) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            throw FileError(describe(path, QStringLiteral("write"), device.errorString()));
        done += n;
    }
}

void saveFile(const QString& path, const std::function<void(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(describe(path, QStringLiteral("write"), file.errorString()));
    try {
        write(file);
    } catch (...) {
        file.cancelWriting();
        throw;
    }
    // Small files stay in the write buffer until here. commit() would flush it too, but it
    // ignores a failed flush and puts a truncated file in place of the previous one.
    if (!file.flush()) {
        file.cancelWriting();
        // The file engine knows no reason for a short write ("Unknown error").
        throw FileError(describe(path, QStringLiteral("write"),
                                 QStringLiteral("not every byte could be written; the disk may "
                                                "be full")));
    }
    if (!file.commit())
        throw FileError(describe(path, QStringLiteral("save"), file.errorString()));
}

void saveFile(const QString& path, const QByteArray& bytes) {
    saveFile(path, [&](QIODevice& device) { writeAll(device, bytes, path); });
}

} // namespace vaduvizu
