#pragma once

#include <QString>
#include <pugixml.hpp>

namespace vaduvizu {

// Loads path into doc, keeping comments, processing instructions and declarations as nodes:
// readers take the document's first node as the root, whatever it is.
// Returns false, leaving doc empty, when the file does not exist.
// Throws FileError naming the file when it cannot be read or is not well-formed.
bool loadXmlFile(pugi::xml_document& doc, const QString& path);

// The document as this system writes it: UTF-8, indented, no XML declaration.
QByteArray xmlBytes(const pugi::xml_document& doc);

// Writes doc to path through the safe-save helper (throws FileError).
void saveXmlFile(const pugi::xml_document& doc, const QString& path);

// Text of the first child element of parent called name; nullopt-like: found is false
// when the element is missing.
struct XmlValue {
    bool found = false;
    QString text;
};
XmlValue childText(const pugi::xml_node& parent, const char* name);

} // namespace vaduvizu
