#include "update/UpdateJobFile.h"
#include "app/FileError.h"
#include "app/XmlFile.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace vaduvizu;
using vaduvizu::test::TempDir;

namespace {

using Children = std::vector<std::pair<std::string, std::string>>;

// Element children of node as (name, text) pairs, in document order.
Children childrenOf(const pugi::xml_node& node) {
    Children result;
    for (const pugi::xml_node& child : node.children())
        if (child.type() == pugi::node_element)
            result.emplace_back(child.name(), child.child_value());
    return result;
}

std::string native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdString();
}

// The twenty children of an operation, with the values that differ between the kinds.
Children operation(const std::string& file, const char* start, const char* bank,
                   const char* readBack, const char* writeCss, const char* internalData,
                   const char* goToApp) {
    return {{"Ope_Protection_Enabled", ""},
            {"Ope_GoToBoot_Before", "0"},
            {"Ope_GoToApp_Before", "0"},
            {"Ope_IP_Address", ""},
            {"Ope_Port", "2008"},
            {"Ope_Port_Sec", "2007"},
            {"Ope_Erase_Memory", "0"},
            {"Ope_FileName", file},
            {"Ope_Start_Address", start},
            {"Ope_Memory_Type", "0"},
            {"Ope_Bank_Type", bank},
            {"Ope_Read_Back", readBack},
            {"Ope_Write_CSS", writeCss},
            {"Ope_Address_CSS", "0x07A00"},
            {"Ope_Command_CSS", "0x02"},
            {"Ope_Write_Internal_Data", internalData},
            {"Ope_WID_Address", "0x07810"},
            {"Ope_WID_Command", "0x02"},
            {"Ope_WID_Data", "0x00, 0x00, 0x00, 0x01"},
            {"Ope_GoToApp_After", goToApp}};
}

class UpdateJobFile : public testing::Test {
protected:
    UpdateJob job(UpdateOption option, bool readBack) const {
        return {
            dir.path(), dir.file("MASTER"), dir.file("PROJECTS/Plant 1"), "192.168.002.205", option,
            readBack};
    }

    pugi::xml_document written(const UpdateJob& job) const {
        const QString path = Compile_XML_Parameter_New_Boot(job);
        EXPECT_EQ(path, dir.file("Ethernet_Update.xml"));
        pugi::xml_document doc;
        EXPECT_TRUE(loadXmlFile(doc, path));
        return doc;
    }

    std::string firmwareFile() const { return native(dir.file("MASTER/SimV3U58.sim")); }
    std::string bank(const char* name) const {
        return native(dir.file(QStringLiteral("PROJECTS/Plant 1/bin/") + name));
    }

    TempDir dir;
};

} // namespace

TEST_F(UpdateJobFile, HeaderHoldsTheFixedTextsAndTheAddressAsTyped) {
    const pugi::xml_document doc = written(job(UpdateOption::Firmware, true));
    const pugi::xml_node root = doc.first_child();
    EXPECT_STREQ(root.name(), "Ethernet_Update");
    const Children expected = {{"Version", "1000"},
                               {"Title", "Vivarod - VUD3O58 Ethernet Update"},
                               {"IP_Address_Dev", "192.168.002.205"},
                               {"Application_Port", "10000"},
                               {"Boot_Port", "2008"},
                               {"Boot_Port_Sec", "2007"},
                               {"Address_Protection", "0x07800"},
                               {"Protections", ""},
                               {"Operations", ""}};
    EXPECT_EQ(childrenOf(root), expected);
    EXPECT_EQ(childrenOf(root.child("Protections")), (Children{{"Protection", "0x409"}}));
    EXPECT_FALSE(doc.first_child().next_sibling()); // nothing after the root
}

TEST_F(UpdateJobFile, OperationsFollowTheOption) {
    struct Case {
        UpdateOption option;
        bool readBack;
        std::vector<Children> operations;
    };
    const Case cases[] = {
        {UpdateOption::FirmwareAndConfiguration,
         true,
         {operation(firmwareFile(), "0x8000", "1", "1", "1", "0", "0"),
          operation(bank("bank1.bin"), "0x07000", "2", "1", "0", "1", "0"),
          operation(bank("bank2.bin"), "0x80000", "2", "1", "0", "0", "1")}},
        {UpdateOption::Firmware,
         false,
         {operation(firmwareFile(), "0x8000", "1", "0", "1", "0", "1")}},
        {UpdateOption::Configuration,
         false,
         {operation(bank("bank1.bin"), "0x07000", "2", "0", "0", "1", "0"),
          operation(bank("bank2.bin"), "0x80000", "2", "0", "0", "0", "1")}},
    };
    for (const Case& c : cases) {
        const pugi::xml_document doc = written(job(c.option, c.readBack));
        std::vector<Children> operations;
        for (const pugi::xml_node& op : doc.first_child().child("Operations").children()) {
            EXPECT_STREQ(op.name(), "Operation");
            operations.push_back(childrenOf(op));
        }
        EXPECT_EQ(operations, c.operations) << "option " << static_cast<int>(c.option);
    }
}

TEST_F(UpdateJobFile, FileNamesAreAbsoluteEvenFromRelativeFolders) {
    UpdateJob relative = job(UpdateOption::Configuration, true);
    relative.projectFolder = "PROJECTS/../PROJECTS/Plant 1";
    pugi::xml_document doc;
    fillUpdateJob(doc, relative);
    const QString file = QString::fromUtf8(
        doc.first_child().child("Operations").first_child().child_value("Ope_FileName"));
    EXPECT_EQ(file, QDir::toNativeSeparators(
                        QDir::current().absoluteFilePath("PROJECTS/Plant 1/bin/bank1.bin")));
}

TEST_F(UpdateJobFile, SameInputsGiveIdenticalFilesAndNothingOfAnEarlierJobRemains) {
    const UpdateJob full = job(UpdateOption::FirmwareAndConfiguration, true);
    Compile_XML_Parameter_New_Boot(full);
    const QByteArray first = TempDir::read(dir.file("Ethernet_Update.xml"));
    Compile_XML_Parameter_New_Boot(job(UpdateOption::Firmware, false));
    EXPECT_NE(TempDir::read(dir.file("Ethernet_Update.xml")), first);
    Compile_XML_Parameter_New_Boot(full);
    EXPECT_EQ(TempDir::read(dir.file("Ethernet_Update.xml")), first);
}

TEST_F(UpdateJobFile, UnwritableFileIsReported) {
    QDir(dir.path()).mkdir("Ethernet_Update.xml");
    EXPECT_THROW(Compile_XML_Parameter_New_Boot(job(UpdateOption::Firmware, true)), FileError);
}

TEST(UpdateOptionAt, NamesOnlyTheThreeListEntries) {
    EXPECT_EQ(updateOptionAt(0), UpdateOption::FirmwareAndConfiguration);
    EXPECT_EQ(updateOptionAt(1), UpdateOption::Firmware);
    EXPECT_EQ(updateOptionAt(2), UpdateOption::Configuration);
    EXPECT_EQ(updateOptionAt(-1), std::nullopt);
    EXPECT_EQ(updateOptionAt(3), std::nullopt);
}
