#pragma once

#include <QString>
#include <stdexcept>

namespace vaduvizu {

// A file that cannot be read, parsed or written. The operation that meets it ends; the
// application's general error handler shows what() to the user.
class FileError : public std::runtime_error {
public:
    explicit FileError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

} // namespace vaduvizu
