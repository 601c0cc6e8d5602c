#pragma once

#include <QString>
#include <stdexcept>

namespace vaduvizu {

// A build that the image compiler refuses because an image would not carry what the project
// files say (a key longer than its field, more rules than a table holds, a missing rules
// list). No image is written; what() names the file and the element or list.
class ImageBuildError : public std::runtime_error {
public:
    explicit ImageBuildError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

} // namespace vaduvizu
