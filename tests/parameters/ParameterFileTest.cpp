#include "parameters/ParameterFile.h"
#include "app/FileError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

using namespace vaduvizu;
using vaduvizu::test::TempDir;

namespace {

const QStringList ElementNamesInOrder = {
    "LoRa_RF_Band",
    "LoRa_Network_Type",
    "LoRa_Adaptive_DataRate",
    "LoRa_DataRate",
    "LoRa_Transmission_Type",
    "LoRa_Payload_Size",
    "LoRa_Activation_Method",
    "LoRa_Device_Address",
    "LoRa_JoinEUI",
    "LoRa_Network_Session_Key",
    "LoRa_Application_Session_Key",
    "LoRa_Application_Key",
    "LoRa_FPort",
    "Modbus_TCP_Slave_IP1",
    "Modbus_TCP_Slave_IP2",
    "Modbus_TCP_Slave_IP3",
    "Modbus_TCP_Slave_IP4",
    "Modbus_TCP_Slave_SM1",
    "Modbus_TCP_Slave_SM2",
    "Modbus_TCP_Slave_SM3",
    "Modbus_TCP_Slave_SM4",
    "Modbus_TCP_Slave_GAT1",
    "Modbus_TCP_Slave_GAT2",
    "Modbus_TCP_Slave_GAT3",
    "Modbus_TCP_Slave_GAT4",
    "Modbus_TCP_Slave_EN_GAT",
    "Modbus_TCP_Slave_Port",
    "Modbus_TCP_Slave_Read_Input_Register",
};

ParameterTexts numberedTexts() {
    ParameterTexts texts;
    for (int i = 0; i < ParameterElementCount; ++i)
        texts[static_cast<std::size_t>(i)] = QStringLiteral("v%1").arg(i);
    return texts;
}

} // namespace

TEST(ParameterFile, WritesRootThenCommentAndTheElementsInTableOrder) {
    TempDir dir;
    const QString path = dir.file("ParGen.xml");
    ParameterTexts texts = numberedTexts();
    parameterText(texts, ParameterElement::LoRa_DataRate) = "6\t- LoRa: SF7/250kHz 11000 [bit/s]";
    parameterText(texts, ParameterElement::LoRa_JoinEUI) = "";
    writeParameterFile(path, texts);

    const QByteArray bytes = TempDir::read(path);
    EXPECT_TRUE(bytes.startsWith("<Par_Gen>")) << bytes.left(40).toStdString();

    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()),
                                pugi::parse_default | pugi::parse_comments));
    const pugi::xml_node root = doc.first_child();
    EXPECT_STREQ(root.name(), "Par_Gen");
    const pugi::xml_node comment = root.next_sibling();
    EXPECT_EQ(comment.type(), pugi::node_comment);
    EXPECT_STREQ(comment.value(), "SW_VERSION = 1.002");
    EXPECT_FALSE(comment.next_sibling());

    QStringList names;
    for (const pugi::xml_node child : root.children())
        names.append(QString::fromUtf8(child.name()));
    EXPECT_EQ(names, ElementNamesInOrder);
    EXPECT_STREQ(root.child("LoRa_DataRate").child_value(), "6\t- LoRa: SF7/250kHz 11000 [bit/s]");
    EXPECT_FALSE(root.child("LoRa_JoinEUI").first_child()) << "an empty value has no content";
}

TEST(ParameterFile, ReadsBackEveryTextAsWritten) {
    TempDir dir;
    const QString path = dir.file("ParGen.xml");
    ParameterTexts texts = numberedTexts();
    parameterText(texts, ParameterElement::LoRa_Adaptive_DataRate) = " 1";
    parameterText(texts, ParameterElement::LoRa_DataRate) = "0  -\tLoRa: SF10/125kHz 980 [bit/s]";
    parameterText(texts, ParameterElement::LoRa_Device_Address) = "";
    parameterText(texts, ParameterElement::LoRa_Application_Key) = "\t";
    parameterText(texts, ParameterElement::Modbus_TCP_Slave_IP1) = "<&>\"'";
    writeParameterFile(path, texts);

    const ParameterValues values = readParameterFile(path);
    EXPECT_TRUE(values.fileFound());
    for (int i = 0; i < ParameterElementCount; ++i) {
        const auto e = static_cast<ParameterElement>(i);
        EXPECT_EQ(values.text(e), parameterText(texts, e)) << parameterElementName(e);
    }
}

TEST(ParameterFile, MissingFileGivesNoValues) {
    TempDir dir;
    const ParameterValues values = readParameterFile(dir.file("ParGen.xml"));
    EXPECT_FALSE(values.fileFound());
    EXPECT_EQ(values.text(ParameterElement::LoRa_Payload_Size), std::nullopt);
}

struct ReadCase {
    const char* name;
    const char* xml;
    const char* element;
    std::optional<QString> expected;
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const ReadCase& row, std::ostream* os) {
    *os << row.name;
}

std::string caseName(const testing::TestParamInfo<ReadCase>& p) {
    return p.param.name;
}

class ParameterFileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ParameterFileRead, FindsTheFirstElementOfItsNameBelowTheFirstNode) {
    TempDir dir;
    const ReadCase& c = GetParam();
    const ParameterValues values = readParameterFile(dir.write("ParGen.xml", c.xml));
    EXPECT_TRUE(values.fileFound());
    EXPECT_EQ(values.text(QString::fromLatin1(c.element)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, ParameterFileRead,
    testing::Values(
        ReadCase{"OtherRootName", "<Whatever><LoRa_FPort>Variable</LoRa_FPort></Whatever>",
                 "LoRa_FPort", "Variable"},
        ReadCase{"LineBreaksAroundRoot",
                 "\r\n  <Par_Gen>\n <LoRa_FPort>Variable</LoRa_FPort>\n</Par_Gen>\n<!-- c -->\n",
                 "LoRa_FPort", "Variable"},
        ReadCase{"CommentBeforeRoot",
                 "<!-- note --><Par_Gen><LoRa_FPort>Variable</LoRa_FPort></Par_Gen>", "LoRa_FPort",
                 std::nullopt},
        ReadCase{"InstructionBeforeRoot",
                 "<?style x?><Par_Gen><LoRa_FPort>Variable</LoRa_FPort></Par_Gen>", "LoRa_FPort",
                 std::nullopt},
        ReadCase{"FirstOfTwo",
                 "<Par_Gen><LoRa_FPort>A</LoRa_FPort><LoRa_FPort>B</LoRa_FPort></Par_Gen>",
                 "LoRa_FPort", "A"},
        ReadCase{"OrderDoesNotMatter",
                 "<Par_Gen><Unknown>x</Unknown><Modbus_TCP_Slave_Port>0502</Modbus_TCP_Slave_Port>"
                 "<LoRa_RF_Band>EU868</LoRa_RF_Band></Par_Gen>",
                 "Modbus_TCP_Slave_Port", "0502"},
        ReadCase{"OnlyDirectChildren",
                 "<Par_Gen><Group><LoRa_FPort>Variable</LoRa_FPort></Group></Par_Gen>",
                 "LoRa_FPort", std::nullopt},
        ReadCase{"EmptyElementIsPresent", "<Par_Gen><LoRa_FPort/></Par_Gen>", "LoRa_FPort", ""},
        ReadCase{"BlanksKept",
                 "<Par_Gen><LoRa_Adaptive_DataRate> 1</LoRa_Adaptive_DataRate></Par_Gen>",
                 "LoRa_Adaptive_DataRate", " 1"},
        ReadCase{"HandAddedElement",
                 "<Par_Gen><LoRa_Transmit_Interval>7</LoRa_Transmit_Interval></Par_Gen>",
                 "LoRa_Transmit_Interval", "7"}),
    caseName);

TEST(ParameterFile, MalformedFileIsReportedWithItsNameAndLeftAlone) {
    TempDir dir;
    const QByteArray broken = "<Par_Gen><LoRa_RF_Band>EU868</Par_Gen>";
    const QString path = dir.write("ParGen.xml", broken);
    try {
        readParameterFile(path);
        FAIL() << "no error for a malformed file";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().contains("ParGen.xml")) << error.what();
    }
    EXPECT_EQ(TempDir::read(path), broken);
}

TEST(ParameterFile, UnwritableFolderIsReported) {
    TempDir dir;
    EXPECT_THROW(writeParameterFile(dir.file("gone/ParGen.xml"), numberedTexts()), FileError);
}
