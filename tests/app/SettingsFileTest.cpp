#include "app/SettingsFile.h"
#include "app/FileError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <pugixml.hpp>

using namespace vaduvizu;
using vaduvizu::test::TempDir;

namespace {

// The part of the application state the settings file carries.
struct Settings {
    QString projectName;
    QString ipAddress;
    QString language;
    bool internet = false;
    bool update = false;
    bool jump = false;
    bool autoSize = false;

    static Settings of(const AppState& s) {
        return {s.activeProjectName,  s.deviceIpAddress, s.currentLanguage,
                s.enableInternet,     s.enableUpdate,    s.enableJumpFieldTables,
                s.doubleClickAutoSize};
    }
    void applyTo(AppState& s) const {
        s.activeProjectName = projectName;
        s.deviceIpAddress = ipAddress;
        s.currentLanguage = language;
        s.enableInternet = internet;
        s.enableUpdate = update;
        s.enableJumpFieldTables = jump;
        s.doubleClickAutoSize = autoSize;
    }
    bool operator==(const Settings&) const = default;
    friend void PrintTo(const Settings& s, std::ostream* os) {
        *os << "{\"" << s.projectName.toStdString() << "\", \"" << s.ipAddress.toStdString()
            << "\", \"" << s.language.toStdString() << "\", " << s.internet << s.update << s.jump
            << s.autoSize << "}";
    }
};

const Settings Defaults{"", "192.168.2.205", "English", false, false, false, false};
const Settings Stored{"Plant 7", "10.0.0.9", "Deutsch", true, true, true, true};

// A settings file holding Stored, with the element named `omit` left out.
QByteArray storedFile(const QString& omit = {}, const QString& root = "Conf_Settings") {
    auto element = [&](const QString& name, const QString& inner) {
        return name == omit ? QString() : "<" + name + ">" + inner + "</" + name + ">";
    };
    const QString internet = element("enable_internet", "1") + element("enable_update", "1") +
                             element("enable_jump_field_tables", "1") +
                             element("Double_Click_Auto_Size", "1");
    return ("<" + root + ">" + element("lastproj", element("projectname", "Plant 7")) +
            element("lastipadd", element("ipaddress", "10.0.0.9")) +
            element("lastlang", element("language", "Deutsch")) +
            element("lastinternet", internet) + "</" + root + ">")
        .toUtf8();
}

Settings storedWith(void (*change)(Settings&)) {
    Settings s = Stored;
    change(s);
    return s;
}

struct ReadCase {
    const char* name;
    std::optional<QByteArray> file; // nullopt: no settings file at all
    Settings expected;
};
void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

const ReadCase ReadCases[] = {
    {"MissingFile", std::nullopt, Defaults},
    {"AllValues", storedFile(), Stored},
    {"AnotherRootName", storedFile({}, "Whatever"), Stored},
    {"ElementsInAnyOrder",
     "<Conf_Settings><lastinternet><Double_Click_Auto_Size>1</Double_Click_Auto_Size>"
     "<enable_update>1</enable_update><enable_jump_field_tables>1</enable_jump_field_tables>"
     "<enable_internet>1</enable_internet></lastinternet><lastlang><language>Deutsch</language>"
     "</lastlang><lastipadd><ipaddress>10.0.0.9</ipaddress></lastipadd><lastproj>"
     "<projectname>Plant 7</projectname></lastproj></Conf_Settings>",
     Stored},
    // Each missing element falls back on its own default; the others are still read.
    {"NoLastproj", storedFile("lastproj"), storedWith([](Settings& s) { s.projectName = ""; })},
    {"NoProjectname", storedFile("projectname"),
     storedWith([](Settings& s) { s.projectName = ""; })},
    {"NoLastipadd", storedFile("lastipadd"),
     storedWith([](Settings& s) { s.ipAddress = "192.168.2.205"; })},
    {"NoIpaddress", storedFile("ipaddress"),
     storedWith([](Settings& s) { s.ipAddress = "192.168.2.205"; })},
    {"NoLastlang", storedFile("lastlang"), storedWith([](Settings& s) { s.language = "English"; })},
    {"NoLanguage", storedFile("language"), storedWith([](Settings& s) { s.language = "English"; })},
    {"NoLastinternet", storedFile("lastinternet"),
     storedWith([](Settings& s) { s.internet = s.update = s.jump = s.autoSize = false; })},
    {"NoEnableInternet", storedFile("enable_internet"),
     storedWith([](Settings& s) { s.internet = false; })},
    {"NoEnableUpdate", storedFile("enable_update"),
     storedWith([](Settings& s) { s.update = false; })},
    {"NoJumpFieldTables", storedFile("enable_jump_field_tables"),
     storedWith([](Settings& s) { s.jump = false; })},
    {"NoAutoSize", storedFile("Double_Click_Auto_Size"),
     storedWith([](Settings& s) { s.autoSize = false; })},
    // An element present with empty text gives an empty value, not the default.
    {"EmptyValues",
     "<Conf_Settings><lastproj><projectname/></lastproj><lastipadd><ipaddress></ipaddress>"
     "</lastipadd><lastlang><language/></lastlang></Conf_Settings>",
     {"", "", "", false, false, false, false}},
    {"BlanksKept",
     "<Conf_Settings><lastproj><projectname> P </projectname></lastproj><lastipadd><ipaddress> "
     "</ipaddress></lastipadd></Conf_Settings>",
     {" P ", " ", "English", false, false, false, false}},
    // Only the exact text "1" switches a flag on.
    {"FlagTexts",
     "<Conf_Settings><lastinternet><enable_internet>true</enable_internet><enable_update> 1"
     "</enable_update><enable_jump_field_tables>01</enable_jump_field_tables>"
     "<Double_Click_Auto_Size>1 </Double_Click_Auto_Size></lastinternet></Conf_Settings>",
     Defaults},
    {"FlagsMixed",
     "<Conf_Settings><lastinternet><enable_internet>0</enable_internet><enable_update>1"
     "</enable_update><enable_jump_field_tables/><Double_Click_Auto_Size>1"
     "</Double_Click_Auto_Size></lastinternet></Conf_Settings>",
     {"", "192.168.2.205", "English", false, true, false, true}},
    // The first node is taken as the root: anything before the element hides every value.
    {"CommentBeforeRoot", "<!-- saved -->" + storedFile(), Defaults},
    {"DeclarationBeforeRoot", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + storedFile(),
     Defaults},
    {"NotWellFormed", "<Conf_Settings><lastproj><projectname>P</lastproj>", Defaults},
    {"NotXmlAtAll", QByteArray("\x00\xff garbage", 10), Defaults},
    {"EmptyFile", "", Defaults},
    {"Utf8Text",
     "<Conf_Settings><lastproj><projectname>Anlage \xc3\xbc"
     "ber &amp; unter</projectname></lastproj></Conf_Settings>",
     {"Anlage \u00fcber & unter", "192.168.2.205", "English", false, false, false, false}},
};

class ReadSettings : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadSettings, GivesStoredValuesOrPerElementDefaults) {
    TempDir dir;
    const QString path = dir.file(SettingsFileName);
    if (GetParam().file)
        dir.write(SettingsFileName, *GetParam().file);

    AppState state;
    // Leftovers from before must not survive: every value is set by the read.
    Settings{"old", "old", "old", true, true, true, true}.applyTo(state);
    state.activeProjectFolder = "/kept";
    ASSERT_NO_THROW(readSettings(state, path));
    EXPECT_EQ(Settings::of(state), GetParam().expected);
    EXPECT_EQ(state.activeProjectFolder, "/kept");
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadSettings, testing::ValuesIn(ReadCases),
                         [](const auto& tc) { return std::string(tc.param.name); });

TEST(WriteSettings, WritesConfSettingsWithElementsInOrderAndNoDeclaration) {
    TempDir dir;
    AppState state;
    Settings{"P", "1.2.3.4", "Italiano", true, false, true, false}.applyTo(state);
    const QString path = dir.file(SettingsFileName);
    writeSettings(state, path);

    const QByteArray bytes = TempDir::read(path);
    EXPECT_TRUE(bytes.startsWith("<Conf_Settings>")) << bytes.toStdString();
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size())));
    const pugi::xml_node root = doc.first_child();
    EXPECT_FALSE(root.next_sibling());

    QStringList layout;
    for (const pugi::xml_node group : root.children())
        for (const pugi::xml_node value : group.children())
            layout << QString("%1/%2=%3").arg(group.name(), value.name(), value.child_value());
    EXPECT_EQ(layout, QStringList({"lastproj/projectname=P", "lastipadd/ipaddress=1.2.3.4",
                                   "lastlang/language=Italiano", "lastinternet/enable_internet=1",
                                   "lastinternet/enable_update=0",
                                   "lastinternet/enable_jump_field_tables=1",
                                   "lastinternet/Double_Click_Auto_Size=0"}));
}

class SettingsRoundTrip : public testing::TestWithParam<Settings> {};

TEST_P(SettingsRoundTrip, ReadsBackWhatWasWritten) {
    TempDir dir;
    const QString path = dir.file(SettingsFileName);
    AppState written;
    GetParam().applyTo(written);
    writeSettings(written, path);
    AppState read;
    readSettings(read, path);
    EXPECT_EQ(Settings::of(read), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsRoundTrip,
    testing::Values(Defaults, Stored, Settings{"", "", "", false, true, false, true},
                    Settings{" two  blanks ", "\t", "Fran\u00e7ais", true, false, false, false},
                    Settings{"<a & \"b\" 'c'>", "]]>", "\u65e5\u672c\u8a9e", false, false, true,
                             false}));

TEST(WriteSettings, ReplacesAnExistingFile) {
    TempDir dir;
    const QString path = dir.write(SettingsFileName, storedFile());
    AppState state;
    Defaults.applyTo(state);
    writeSettings(state, path);
    AppState read;
    readSettings(read, path);
    EXPECT_EQ(Settings::of(read), Defaults);
}

TEST(WriteSettings, FailureIsReportedAndLeavesWhatWasThere) {
    TempDir dir;
    AppState state;
    Stored.applyTo(state);

    // The settings path is taken by a folder: it is neither replaced nor emptied.
    const QString blocked = dir.file("blocked/" + QString(SettingsFileName));
    dir.write("blocked/" + QString(SettingsFileName) + "/inside.txt", "keep");
    EXPECT_THROW(writeSettings(state, blocked), FileError);
    EXPECT_TRUE(QFileInfo(blocked).isDir());
    EXPECT_EQ(TempDir::read(blocked + "/inside.txt"), "keep");

    // The folder does not exist: the error names the file.
    try {
        writeSettings(state, dir.file("missing/" + QString(SettingsFileName)));
        FAIL() << "no error reported";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().contains(SettingsFileName)) << error.what();
    }
}

} // namespace
