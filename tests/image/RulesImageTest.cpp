#include "app/FileError.h"
#include "image/ImageBuildError.h"
#include "image/ImageCompiler.h"
#include "image/TestProject.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace vaduvizu;
using namespace vaduvizu::image;
using vaduvizu::test::hexBytes;
using vaduvizu::test::TempDir;
using vaduvizu::test::TestProject;

namespace {

class RulesImageBuild : public testing::Test {
protected:
    std::span<const std::uint8_t> build() {
        compiler.Build_Images(project.folder());
        return compiler.rulesImage();
    }

    QString refusal() {
        try {
            compiler.Build_Images(project.folder());
        } catch (const ImageBuildError& error) {
            EXPECT_TRUE(compiler.rulesImage().empty());
            EXPECT_TRUE(compiler.parameterImage().empty());
            return error.message();
        }
        ADD_FAILURE() << "the build was not refused";
        return {};
    }

    static QString entry(std::span<const std::uint8_t> image, std::size_t table,
                         std::size_t index) {
        return hexBytes(image, table + 12 * index, 12);
    }

    static constexpr std::size_t Uplink = 0x400;
    static constexpr std::size_t Downlink = 0x1000;
    static constexpr const char* ZeroEntry = "00 00 00 00 00 00 00 00 00 00 00 00";

    TestProject project;
    ImageCompiler compiler;
};

bool zeroFrom(std::span<const std::uint8_t> image, std::size_t from, std::size_t to) {
    return std::all_of(image.begin() + static_cast<std::ptrdiff_t>(from),
                       image.begin() + static_cast<std::ptrdiff_t>(to),
                       [](std::uint8_t b) { return b == 0; });
}

} // namespace

TEST_F(RulesImageBuild, WithoutAnyFileHoldsTheDefaultHeaderAndEmptyTables) {
    const auto image = build();
    ASSERT_EQ(image.size(), 8192u);
    EXPECT_EQ(hexBytes(image, 0, 4), "00 00 00 06");
    EXPECT_TRUE(zeroFrom(image, 4, 0x40));
    EXPECT_EQ(hexBytes(image, 0x40, 20),
              "00 00 01 00 01 00 00 00 00 04 08 00 00 10 08 00 00 00 00 00");
    EXPECT_TRUE(zeroFrom(image, 0x54, 8192));
}

struct HeaderCase {
    const char* element;
    const char* text; // nullptr: the file exists without the element
    std::size_t offset;
    const char* expected;
};

class HeaderValue : public RulesImageBuild, public testing::WithParamInterface<HeaderCase> {};

TEST_P(HeaderValue, ComesFromTheElementText) {
    const HeaderCase& c = GetParam();
    if (c.text)
        project.writeParameters({{c.element, c.text}});
    else
        project.writeParameters({});
    const auto image = build();
    EXPECT_EQ(hexBytes(image, c.offset, QString(c.expected).split(' ').size()), c.expected)
        << c.element << " = \"" << (c.text ? c.text : "(missing)") << "\"";
}

INSTANTIATE_TEST_SUITE_P(Band, HeaderValue,
                         testing::Values(HeaderCase{"LoRa_RF_Band", "AS923", 0x000, "00"},
                                         HeaderCase{"LoRa_RF_Band", "AU915", 0x000, "01"},
                                         HeaderCase{"LoRa_RF_Band", "eu868", 0x000, "05"},
                                         HeaderCase{"LoRa_RF_Band", " Kr920\t", 0x000, "06"},
                                         HeaderCase{"LoRa_RF_Band", "IN865", 0x000, "07"},
                                         HeaderCase{"LoRa_RF_Band", "us915", 0x000, "08"},
                                         HeaderCase{"LoRa_RF_Band", "US915-Hybrid", 0x000, "09"},
                                         HeaderCase{"LoRa_RF_Band", "us915-HYBRID", 0x000, "09"},
                                         HeaderCase{"LoRa_RF_Band", "US 915", 0x000, "00"},
                                         HeaderCase{"LoRa_RF_Band", "EU433", 0x000, "00"}));

INSTANTIATE_TEST_SUITE_P(
    DataRate, HeaderValue,
    testing::Values(HeaderCase{"LoRa_DataRate", "5  - LoRa: SF7/125kHz 5470 [bit/s]", 0x003, "05"},
                    HeaderCase{"LoRa_DataRate", "0\t- LoRa: SF12/125kHz 250 [bit/s]", 0x003, "00"},
                    HeaderCase{"LoRa_DataRate", "7 -\tFSK: 50kbps 50000 [bit/s]", 0x003, "07"},
                    HeaderCase{"LoRa_DataRate", "12 - any words", 0x003, "0C"},
                    HeaderCase{"LoRa_DataRate", "6", 0x003, "00"},
                    HeaderCase{"LoRa_DataRate", "x - LoRa", 0x003, "00"},
                    HeaderCase{"LoRa_DataRate", "-3", 0x003, "00"},
                    // Missing in an existing file: 0, not the 6 of a project without a file.
                    HeaderCase{"LoRa_DataRate", nullptr, 0x003, "00"}));

INSTANTIATE_TEST_SUITE_P(
    Settings, HeaderValue,
    testing::Values(
        HeaderCase{"LoRa_Network_Type", "Public", 0x001, "01"},
        HeaderCase{"LoRa_Network_Type", " PUBLIC ", 0x001, "01"},
        HeaderCase{"LoRa_Network_Type", "Private", 0x001, "00"},
        HeaderCase{"LoRa_Network_Type", "Open", 0x001, "00"},
        HeaderCase{"LoRa_Activation_Method", "Over-the-Air Activation [OTAA]", 0x002, "01"},
        HeaderCase{"LoRa_Activation_Method", " over-the-air activation [otaa]", 0x002, "01"},
        HeaderCase{"LoRa_Activation_Method", "Activation by Personalization [ABP]", 0x002, "00"},
        HeaderCase{"LoRa_Activation_Method", "OTAA", 0x002, "00"},
        HeaderCase{"LoRa_Adaptive_DataRate", "1", 0x040, "01"},
        HeaderCase{"LoRa_Adaptive_DataRate", "true", 0x040, "00"},
        HeaderCase{"LoRa_Transmission_Type", "Confirmed", 0x041, "01"},
        HeaderCase{"LoRa_Transmission_Type", "confirmed", 0x041, "00"},
        HeaderCase{"LoRa_Transmission_Type", "Confirmed ", 0x041, "00"},
        HeaderCase{"LoRa_Transmission_Type", "Unconfirmed", 0x041, "00"},
        HeaderCase{"LoRa_Payload_Size", "230", 0x042, "E6"},
        HeaderCase{"LoRa_Payload_Size", "abc", 0x042, "01"},
        HeaderCase{"LoRa_Payload_Size", nullptr, 0x042, "01"},
        HeaderCase{"LoRa_FPort", "Variable", 0x043, "01"},
        HeaderCase{"LoRa_FPort", " variable\t", 0x043, "01"},
        HeaderCase{"LoRa_FPort", "Fixed", 0x043, "00"},
        HeaderCase{"LoRa_Transmit_Interval", "86400", 0x044, "80 51 01 00"},
        HeaderCase{"LoRa_Transmit_Interval", nullptr, 0x044, "01 00 00 00"}));

struct KeyCase {
    const char* element;
    const char* text;
    std::size_t offset;
    const char* expected;
};

class KeyBytes : public RulesImageBuild, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyBytes, AreTheHexDigitsPaddedOnTheLeft) {
    const KeyCase& c = GetParam();
    project.writeParameters({{c.element, c.text}});
    const auto image = build();
    EXPECT_EQ(hexBytes(image, c.offset, QString(c.expected).split(' ').size()), c.expected)
        << c.element << " = \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    HexTexts, KeyBytes,
    testing::Values(KeyCase{"LoRa_Device_Address", "26011BDA", 0x004, "26 01 1B DA"},
                    KeyCase{"LoRa_Device_Address", "1BDA", 0x004, "00 00 1B DA"},
                    KeyCase{"LoRa_Device_Address", "1bda", 0x004, "00 00 1B DA"},
                    KeyCase{"LoRa_Device_Address", "ABC", 0x004, "00 00 0A BC"},
                    KeyCase{"LoRa_Device_Address", "12G4AB", 0x004, "00 12 00 AB"},
                    KeyCase{"LoRa_Device_Address", "", 0x004, "00 00 00 00"},
                    KeyCase{"LoRa_JoinEUI", "0102030405060708", 0x008, "01 02 03 04 05 06 07 08"},
                    KeyCase{"LoRa_JoinEUI", "F", 0x008, "00 00 00 00 00 00 00 0F"},
                    KeyCase{"LoRa_Network_Session_Key", "00112233445566778899AABBCCDDEEFF", 0x010,
                            "00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE FF"},
                    KeyCase{"LoRa_Application_Session_Key", "aBcD", 0x020,
                            "00 00 00 00 00 00 00 00 00 00 00 00 00 00 AB CD"}));

TEST_F(RulesImageBuild, OnlyTheKeysOfTheChosenActivationAreRead) {
    const std::vector<std::pair<QString, QString>> keys = {
        {"LoRa_Device_Address", "26011BDA"},
        {"LoRa_JoinEUI", "0102030405060708"},
        {"LoRa_Network_Session_Key", "11111111111111111111111111111111"},
        {"LoRa_Application_Session_Key", "22222222222222222222222222222222"},
        {"LoRa_Application_Key", "33333333333333333333333333333333"},
    };
    auto abp = keys;
    abp.emplace_back("LoRa_Activation_Method", "Activation by Personalization [ABP]");
    project.writeParameters(abp);
    auto image = build();
    EXPECT_EQ(hexBytes(image, 0x004, 4), "26 01 1B DA");
    EXPECT_EQ(hexBytes(image, 0x008, 1), "01");
    EXPECT_EQ(hexBytes(image, 0x010, 1), "11");
    EXPECT_EQ(hexBytes(image, 0x020, 1), "22");
    EXPECT_TRUE(zeroFrom(image, 0x030, 0x040));

    auto otaa = keys;
    otaa.emplace_back("LoRa_Activation_Method", "Over-the-Air Activation [OTAA]");
    project.writeParameters(otaa);
    image = build();
    EXPECT_TRUE(zeroFrom(image, 0x004, 0x008));
    EXPECT_EQ(hexBytes(image, 0x008, 1), "01");
    EXPECT_TRUE(zeroFrom(image, 0x010, 0x030));
    EXPECT_EQ(hexBytes(image, 0x030, 16), "33 33 33 33 33 33 33 33 33 33 33 33 33 33 33 33");
}

struct LongKeyCase {
    const char* element;
    const char* text;
    const char* activation;
};

class LongKey : public RulesImageBuild, public testing::WithParamInterface<LongKeyCase> {};

TEST_P(LongKey, RefusesTheBuildNamingTheElement) {
    const LongKeyCase& c = GetParam();
    project.writeParameters({{c.element, c.text}, {"LoRa_Activation_Method", c.activation}});
    const QString message = refusal();
    EXPECT_TRUE(message.contains(c.element)) << message.toStdString();
    EXPECT_TRUE(message.contains("ParGen.xml")) << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    TooManyDigits, LongKey,
    testing::Values(
        LongKeyCase{"LoRa_Device_Address", "126011BDA", "Activation by Personalization [ABP]"},
        LongKeyCase{"LoRa_JoinEUI", "01020304050607080", "Over-the-Air Activation [OTAA]"},
        LongKeyCase{"LoRa_Application_Key", "00112233445566778899AABBCCDDEEFF0",
                    "Over-the-Air Activation [OTAA]"},
        LongKeyCase{"LoRa_Network_Session_Key", "00112233445566778899AABBCCDDEEFF ",
                    "Activation by Personalization [ABP]"}));

TEST_F(RulesImageBuild, LongKeyOfTheOtherActivationIsNotRead) {
    project.writeParameters({{"LoRa_Device_Address", "126011BDA"},
                             {"LoRa_Activation_Method", "Over-the-Air Activation [OTAA]"}});
    EXPECT_TRUE(zeroFrom(build(), 0x004, 0x008));
}

TEST_F(RulesImageBuild, UplinkAndDownlinkEntriesHaveTheirLayout) {
    project.writeRules(TestProject::uplinkRow("Y", 10, 4, "Y", "N", "Y", "60"),
                       TestProject::downlinkRow("Y", 100, 2));
    const auto image = build();
    EXPECT_EQ(hexBytes(image, 0x050, 4), "01 00 01 00");
    EXPECT_EQ(entry(image, Uplink, 0), "0A 00 04 00 05 02 00 00 3C 00 00 00");
    EXPECT_EQ(entry(image, Downlink, 0), "64 00 02 00 00 02 00 00 00 00 00 00");
    EXPECT_EQ(entry(image, Uplink, 1), ZeroEntry);
    EXPECT_EQ(entry(image, Downlink, 1), ZeroEntry);
    EXPECT_TRUE(zeroFrom(image, 0x1C00, 0x2000));
}

TEST_F(RulesImageBuild, DisabledRulesAreSkippedAndTheOthersMoveUp) {
    project.writeRules(TestProject::uplinkRow("Y", 1, 1, "N", "N", "N", "30") +
                       TestProject::uplinkRow("N", 2, 2, "N", "N", "N", "30") +
                       TestProject::uplinkRow("Y", 3, 3, "N", "N", "N", "30"));
    const auto image = build();
    EXPECT_EQ(hexBytes(image, 0x050, 2), "02 00");
    EXPECT_EQ(entry(image, Uplink, 0), "01 00 01 00 00 02 00 00 1E 00 00 00");
    EXPECT_EQ(entry(image, Uplink, 1), "03 00 03 00 00 02 00 00 1E 00 00 00");
    EXPECT_EQ(entry(image, Uplink, 2), ZeroEntry);
}

struct RowCase {
    const char* row; // one uplink row element
    const char* expected;
};

class UplinkRow : public RulesImageBuild, public testing::WithParamInterface<RowCase> {};

TEST_P(UplinkRow, BecomesItsEntry) {
    project.writeRules(GetParam().row);
    const auto image = build();
    EXPECT_EQ(entry(image, Uplink, 0), GetParam().expected) << GetParam().row;
}

INSTANTIATE_TEST_SUITE_P(
    AttributeTexts, UplinkRow,
    testing::Values(
        // Enable: trimmed and upper-cased, or missing.
        RowCase{R"(<row Enable="y" StartByte="1" NumByte="2" Time="30"/>)",
                "01 00 02 00 00 02 00 00 1E 00 00 00"},
        RowCase{R"(<row Enable=" Y " StartByte="1" NumByte="2" Time="30"/>)",
                "01 00 02 00 00 02 00 00 1E 00 00 00"},
        RowCase{R"(<row StartByte="1" NumByte="2"/>)", "01 00 02 00 00 02 00 00 1E 00 00 00"},
        RowCase{R"(<row Enable="N" StartByte="1" NumByte="2"/>)",
                "00 00 00 00 00 00 00 00 00 00 00 00"},
        RowCase{R"(<row Enable="" StartByte="1" NumByte="2"/>)",
                "00 00 00 00 00 00 00 00 00 00 00 00"},
        RowCase{R"(<row Enable="YES" StartByte="1" NumByte="2"/>)",
                "00 00 00 00 00 00 00 00 00 00 00 00"},
        // Triggers: upper-cased but not trimmed.
        RowCase{R"(<row Enable="Y" OnChange="y" OnCMD="Y" OnTimer="n"/>)",
                "00 00 00 00 03 02 00 00 1E 00 00 00"},
        RowCase{R"(<row Enable="Y" OnChange="Y " OnCMD=" Y" OnTimer="Y"/>)",
                "00 00 00 00 04 02 00 00 1E 00 00 00"},
        // Numbers: missing, empty or not an integer.
        RowCase{R"(<row Enable="Y" StartByte="abc" NumByte="" Time=""/>)",
                "00 00 00 00 00 02 00 00 1E 00 00 00"},
        RowCase{R"(<row Enable="Y" StartByte="1536" NumByte="240" Time="86400"/>)",
                "00 06 F0 00 00 02 00 00 80 51 01 00"},
        RowCase{R"(<row Enable="Y" StartByte="65537" NumByte="2" OnTimer="Y" Time="x"/>)",
                "01 00 02 00 04 02 00 00 1E 00 00 00"},
        // With a fixed frame port every rule gets 2, whatever it holds.
        RowCase{R"(<row Enable="Y" FPort="5"/>)", "00 00 00 00 00 02 00 00 1E 00 00 00"}));

TEST_F(RulesImageBuild, VariableFramePortIsTakenFromEachRule) {
    project.writeParameters({{"LoRa_FPort", "Variable"}});
    project.writeRules(R"(<row Enable="Y" FPort="5"/><row Enable="Y"/><row Enable="Y" FPort="x"/>)",
                       R"(<row Enable="Y" FPort="223"/><row Enable="Y"/>)");
    const auto image = build();
    EXPECT_EQ(hexBytes(image, 0x400 + 5, 1), "05");
    EXPECT_EQ(hexBytes(image, 0x400 + 12 + 5, 1), "02");
    EXPECT_EQ(hexBytes(image, 0x400 + 24 + 5, 1), "02");
    EXPECT_EQ(entry(image, Downlink, 0), "00 00 00 00 00 DF 00 00 00 00 00 00");
    EXPECT_EQ(entry(image, Downlink, 1), "00 00 00 00 00 02 00 00 00 00 00 00");
}

TEST_F(RulesImageBuild, DownlinkRulesCarryNoTriggersAndNoTime) {
    project.writeRules({}, R"(<row Enable="Y" StartByte="7" NumByte="3" OnChange="Y" Time="60"/>)");
    EXPECT_EQ(entry(build(), Downlink, 0), "07 00 03 00 00 02 00 00 00 00 00 00");
}

TEST_F(RulesImageBuild, CommentsAndTextBetweenRulesAreNotRules) {
    project.writeRules("\n  <!-- first --><row Enable=\"Y\" StartByte=\"1\"/>text<?pi x?>");
    EXPECT_EQ(hexBytes(build(), 0x050, 2), "01 00");
}

TEST_F(RulesImageBuild, ASecondBuildWithFewerRulesLeavesNoOldEntries) {
    const auto rows = [](int count) {
        QString xml;
        for (int i = 0; i < count; ++i)
            xml += TestProject::uplinkRow("Y", 100 + i, 4, "Y", "Y", "Y", "60");
        return xml;
    };
    project.writeRules(rows(10), TestProject::downlinkRow("Y", 1, 1));
    EXPECT_EQ(hexBytes(build(), 0x050, 4), "0A 00 01 00");
    project.writeRules(rows(5));
    const auto image = build();
    EXPECT_EQ(hexBytes(image, 0x050, 4), "05 00 00 00");
    EXPECT_EQ(entry(image, Uplink, 4), "68 00 04 00 07 02 00 00 3C 00 00 00");
    EXPECT_TRUE(zeroFrom(image, Uplink + 5 * 12, 0x2000));
}

TEST_F(RulesImageBuild, FullTablesAreTakenAndOneMoreRuleIsRefused) {
    QString rows;
    for (int i = 0; i < 256; ++i)
        rows += TestProject::downlinkRow("Y", i, 1);
    // Disabled rules beyond the table are no surplus.
    const QString disabled = TestProject::downlinkRow("N", 0, 1);
    project.writeRules(rows + disabled, rows + disabled);
    const auto image = build();
    EXPECT_EQ(hexBytes(image, 0x050, 4), "00 01 00 01");
    EXPECT_EQ(entry(image, Uplink, 255), "FF 00 01 00 00 02 00 00 1E 00 00 00");
    EXPECT_EQ(entry(image, Downlink, 255), "FF 00 01 00 00 02 00 00 00 00 00 00");

    for (const char* list : {"LoRaWAN_Uplink", "LoRaWAN_Downlink"}) {
        const bool uplink = QLatin1String(list) == QLatin1String("LoRaWAN_Uplink");
        const QString extra = TestProject::downlinkRow("Y", 0, 1);
        project.writeRules(uplink ? rows + extra : rows, uplink ? rows : rows + extra);
        const QString message = refusal();
        EXPECT_TRUE(message.contains(list)) << message.toStdString();
        EXPECT_TRUE(message.contains("LoRaWAN_SetAccess.xml")) << message.toStdString();
    }
}

struct MissingListCase {
    const char* xml;
    const char* list;
    const char* where = "below its root element";
};

class MissingList : public RulesImageBuild, public testing::WithParamInterface<MissingListCase> {};

TEST_P(MissingList, RefusesTheBuildNamingTheList) {
    project.writeRulesXml(GetParam().xml);
    const QString message = refusal();
    EXPECT_TRUE(message.contains(GetParam().list)) << message.toStdString();
    EXPECT_TRUE(message.contains(GetParam().where)) << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    RulesFiles, MissingList,
    testing::Values(
        MissingListCase{"<LoRaWAN_Set_Access><LoRaWAN_Uplink/></LoRaWAN_Set_Access>",
                        "LoRaWAN_Downlink"},
        MissingListCase{"<LoRaWAN_Set_Access><LoRaWAN_Downlink/></LoRaWAN_Set_Access>",
                        "LoRaWAN_Uplink"},
        MissingListCase{"<!-- c --><LoRaWAN_Set_Access><LoRaWAN_Uplink/><LoRaWAN_Downlink/>"
                        "</LoRaWAN_Set_Access>",
                        "LoRaWAN_Uplink", "first node is not the root element"},
        MissingListCase{"<Other><Uplink/><LoRaWAN_Downlink/></Other>", "LoRaWAN_Uplink"}));

TEST_F(RulesImageBuild, ListsInAnyOrderBelowAnyRootAreRead) {
    project.writeRulesXml("<Other><LoRaWAN_Downlink><row/></LoRaWAN_Downlink>"
                          "<LoRaWAN_Uplink><row/><row/></LoRaWAN_Uplink></Other>");
    EXPECT_EQ(hexBytes(build(), 0x050, 4), "02 00 01 00");
}

TEST_F(RulesImageBuild, UnparsableRulesFileEndsTheBuildNamingTheFile) {
    project.writeRulesXml("<LoRaWAN_Set_Access><LoRaWAN_Uplink>");
    try {
        compiler.Build_Images(project.folder());
        FAIL() << "an unparsable rules file must end the build";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().contains("LoRaWAN_SetAccess.xml")) << error.what();
    }
    EXPECT_TRUE(compiler.rulesImage().empty());
}

class ImageFiles : public RulesImageBuild {};

TEST_F(ImageFiles, AreWrittenWithTheirExactLengths) {
    project.writeParameters({{"LoRa_RF_Band", "EU868"}});
    project.writeRules(TestProject::uplinkRow("Y", 10, 4, "Y", "N", "Y", "60"));
    compiler.Build_Images(project.folder());
    compiler.Write_Images();
    const QByteArray bank1 = TempDir::read(project.bin("bank1.bin"));
    const QByteArray bank2 = TempDir::read(project.bin("bank2.bin"));
    ASSERT_EQ(bank1.size(), 2048);
    ASSERT_EQ(bank2.size(), 8192);
    EXPECT_TRUE(std::equal(bank1.begin(), bank1.end(), compiler.parameterImage().begin(),
                           [](char a, std::uint8_t b) { return std::uint8_t(a) == b; }));
    EXPECT_TRUE(std::equal(bank2.begin(), bank2.end(), compiler.rulesImage().begin(),
                           [](char a, std::uint8_t b) { return std::uint8_t(a) == b; }));

    // Two builds in a row give identical files.
    compiler.Build_Images(project.folder());
    compiler.Write_Images();
    EXPECT_EQ(TempDir::read(project.bin("bank1.bin")), bank1);
    EXPECT_EQ(TempDir::read(project.bin("bank2.bin")), bank2);
}

TEST_F(ImageFiles, MissingBinFolderIsReportedAndNotCreated) {
    QDir(project.file("bin")).removeRecursively();
    compiler.Build_Images(project.folder());
    try {
        compiler.Write_Images();
        FAIL() << "a missing bin folder must be reported";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().contains("bank1.bin")) << error.what();
        EXPECT_TRUE(error.message().contains("does not exist")) << error.what();
    }
    EXPECT_FALSE(QFileInfo::exists(project.file("bin")));
}

TEST_F(ImageFiles, FileThatCannotBeWrittenIsReportedByName) {
    // A folder where the rules image should go cannot be replaced by a file.
    QDir(project.file("bin")).mkdir("bank2.bin");
    compiler.Build_Images(project.folder());
    try {
        compiler.Write_Images();
        FAIL() << "a file that cannot be written must be reported";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().contains("bank2.bin")) << error.what();
    }
}
