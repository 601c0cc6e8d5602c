#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

namespace vaduvizu {

// Replaces the file at path with bytes, or leaves the previous file byte-identical.
// The bytes go to a temporary file in the target folder, which is renamed over the target
// only when every write succeeded. Throws FileError with a readable message on failure.
void saveFile(const QString& path, const QByteArray& bytes);

// The same, for callers that stream into the file. write() must write everything it is
// given; any failure it reports (or a short write) cancels the save.
void saveFile(const QString& path, const std::function<void(QIODevice&)>& write);

// Writes all of bytes to device or throws FileError naming path. A short write counts as
// a failure: on a full disk write() may accept fewer bytes without reporting an error.
void writeAll(QIODevice& device, const QByteArray& bytes, const QString& path);

} // namespace vaduvizu
