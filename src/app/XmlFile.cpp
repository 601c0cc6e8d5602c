#include "app/XmlFile.h"

#include "app/FileError.h"
#include "app/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <new>

namespace vaduvizu {

namespace {

constexpr unsigned ParseOptions = pugi::parse_default | pugi::parse_comments | pugi::parse_pi |
                                  pugi::parse_declaration | pugi::parse_doctype |
                                  pugi::parse_ws_pcdata_single;

class ByteArrayWriter : public pugi::xml_writer {
public:
    QByteArray bytes;
    void write(const void* data, size_t size) override {
        bytes.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }
};

} // namespace

bool loadXmlFile(pugi::xml_document& doc, const QString& path) {
    doc.reset();
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Cannot read \"%1\": %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
    // Read straight into a buffer the document takes over, so the bytes are not copied again.
    const qint64 size = file.size();
    char* buffer = static_cast<char*>(
        pugi::get_memory_allocation_function()(static_cast<size_t>(std::max<qint64>(size, 1))));
    if (!buffer)
        throw std::bad_alloc();
    if (file.read(buffer, size) != size) {
        pugi::get_memory_deallocation_function()(buffer);
        throw FileError(QStringLiteral("Cannot read \"%1\": %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    const pugi::xml_parse_result result =
        doc.load_buffer_inplace_own(buffer, static_cast<size_t>(size), ParseOptions);
    if (!result) {
        doc.reset();
        throw FileError(
            QStringLiteral("\"%1\" is not a valid XML file: %2 at offset %3")
                .arg(QDir::toNativeSeparators(path), QString::fromUtf8(result.description()))
                .arg(result.offset));
    }
    return true;
}

QByteArray xmlBytes(const pugi::xml_document& doc) {
    ByteArrayWriter writer;
    doc.save(writer, "  ", pugi::format_default | pugi::format_no_declaration, pugi::encoding_utf8);
    return writer.bytes;
}

void saveXmlFile(const pugi::xml_document& doc, const QString& path) {
    saveFile(path, xmlBytes(doc));
}

XmlValue childText(const pugi::xml_node& parent, const char* name) {
    const pugi::xml_node child = parent.child(name);
    if (!child)
        return {};
    return {true, QString::fromUtf8(child.child_value())};
}

} // namespace vaduvizu
