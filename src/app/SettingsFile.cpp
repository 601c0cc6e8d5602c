#include "app/SettingsFile.h"

#include "app/FileError.h"
#include "app/XmlFile.h"

#include <pugixml.hpp>

namespace vaduvizu {

namespace {

const QString DefaultIpAddress = QStringLiteral("192.168.2.205");
const QString DefaultLanguage = QStringLiteral("English");

// Only the exact text "1" switches a flag on; a missing element leaves it off.
bool flag(const pugi::xml_node& parent, const char* name) {
    const XmlValue value = childText(parent, name);
    return value.found && value.text == QLatin1String("1");
}

QString textOr(const pugi::xml_node& parent, const char* name, const QString& fallback) {
    const XmlValue value = childText(parent, name);
    return value.found ? value.text : fallback;
}

void appendText(pugi::xml_node parent, const char* name, const QString& text) {
    parent.append_child(name).text().set(text.toUtf8().constData());
}

void appendFlag(pugi::xml_node parent, const char* name, bool on) {
    parent.append_child(name).text().set(on ? "1" : "0");
}

} // namespace

void readSettings(AppState& state, const QString& path) {
    pugi::xml_document doc;
    bool loaded = false;
    try {
        loaded = loadXmlFile(doc, path);
    } catch (const FileError&) {
        // An unreadable or damaged settings file must not stop start-up: all defaults.
        doc.reset();
    }

    // Whatever the first node is, it is taken as the root; lookups below a node that is
    // not an element (a comment, a declaration) find nothing and give the defaults.
    const pugi::xml_node root = loaded ? doc.first_child() : pugi::xml_node();
    const pugi::xml_node internet = root.child("lastinternet");

    state.activeProjectName = textOr(root.child("lastproj"), "projectname", QString());
    state.deviceIpAddress = textOr(root.child("lastipadd"), "ipaddress", DefaultIpAddress);
    state.currentLanguage = textOr(root.child("lastlang"), "language", DefaultLanguage);
    state.enableInternet = flag(internet, "enable_internet");
    state.enableUpdate = flag(internet, "enable_update");
    state.enableJumpFieldTables = flag(internet, "enable_jump_field_tables");
    state.doubleClickAutoSize = flag(internet, "Double_Click_Auto_Size");
}

void writeSettings(const AppState& state, const QString& path) {
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child("Conf_Settings");
    appendText(root.append_child("lastproj"), "projectname", state.activeProjectName);
    appendText(root.append_child("lastipadd"), "ipaddress", state.deviceIpAddress);
    appendText(root.append_child("lastlang"), "language", state.currentLanguage);
    pugi::xml_node internet = root.append_child("lastinternet");
    appendFlag(internet, "enable_internet", state.enableInternet);
    appendFlag(internet, "enable_update", state.enableUpdate);
    appendFlag(internet, "enable_jump_field_tables", state.enableJumpFieldTables);
    appendFlag(internet, "Double_Click_Auto_Size", state.doubleClickAutoSize);
    saveXmlFile(doc, path);
}

} // namespace vaduvizu
