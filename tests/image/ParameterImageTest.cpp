#include "app/FileError.h"
#include "image/ImageBuildError.h"
#include "image/ImageCompiler.h"
#include "image/TestProject.h"

#include <gtest/gtest.h>

using namespace vaduvizu;
using namespace vaduvizu::image;
using vaduvizu::test::hexBytes;
using vaduvizu::test::TestProject;

namespace {

// The parameter image of a project without any file, written out from the format's table.
std::vector<std::uint8_t> defaultParameterImage() {
    std::vector<std::uint8_t> image(2048, 0);
    const auto put = [&](std::size_t offset, std::initializer_list<std::uint8_t> bytes) {
        std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(offset));
    };
    put(0x000, {0x90, 0xD0, 0x03, 0x00});
    put(0x004, {0x90, 0xD0, 0x03, 0x00});
    put(0x00C, {0x80, 0x25, 0x00, 0x00});
    put(0x028, {0xC0, 0xA8, 0x02, 0xCD, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF});
    put(0x034, {0x10, 0x27, 0x11, 0x27, 0x11, 0x27});
    put(0x1B4, {8, 8, 8, 8, 8, 8, 8, 8});
    put(0x65C, {0x00, 0x00, 0x08, 0x00});
    put(0x7FC, {0x8A, 0x0D, 0x00, 0x00});
    return image;
}

std::vector<std::uint8_t> bytesOf(std::span<const std::uint8_t> image) {
    return {image.begin(), image.end()};
}

class ParameterImage : public testing::Test {
protected:
    std::span<const std::uint8_t> build() {
        compiler.Build_Images(project.folder());
        return compiler.parameterImage();
    }

    TestProject project;
    ImageCompiler compiler;
};

// A parameter file holding the Modbus TCP slave values and nothing else.
const std::vector<std::pair<QString, QString>> ModbusExample = {
    {"Modbus_TCP_Slave_IP1", "192"},  {"Modbus_TCP_Slave_IP2", "168"},
    {"Modbus_TCP_Slave_IP3", "0"},    {"Modbus_TCP_Slave_IP4", "5"},
    {"Modbus_TCP_Slave_SM1", "255"},  {"Modbus_TCP_Slave_SM2", "255"},
    {"Modbus_TCP_Slave_SM3", "255"},  {"Modbus_TCP_Slave_SM4", "0"},
    {"Modbus_TCP_Slave_EN_GAT", "0"}, {"Modbus_TCP_Slave_Port", "502"},
};

} // namespace

TEST_F(ParameterImage, WithoutParameterFileHoldsExactlyTheDefaults) {
    EXPECT_EQ(bytesOf(build()), defaultParameterImage());
}

TEST_F(ParameterImage, ModbusExampleGivesItsBytesAndChecksum) {
    project.writeParameters(ModbusExample);
    const auto image = build();
    ASSERT_EQ(image.size(), 2048u);
    EXPECT_EQ(hexBytes(image, 0x028, 18), "C0 A8 00 05 FF FF FF 00 FF FF FF FF 10 27 F6 01 F6 01");
    EXPECT_EQ(hexBytes(image, 0x1A4, 4), "00 4B 00 00");
    EXPECT_EQ(hexBytes(image, 0x1AD, 1), "00");
    EXPECT_EQ(hexBytes(image, 0x1B3, 1), "01");
    EXPECT_EQ(hexBytes(image, 0x1B9, 1), "08");
    EXPECT_EQ(hexBytes(image, 0x65C, 4), "00 00 08 00");
    EXPECT_EQ(hexBytes(image, 0x7FC, 4), "8A 0E 00 00");
}

TEST_F(ParameterImage, ChecksumCoversEveryByteBeforeIt) {
    project.writeParameters({{"Modbus_TCP_Slave_IP1", "10"}, {"Modbus_TCP_Slave_Port", "65535"}});
    const auto image = build();
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < 0x7FC; ++i)
        sum += image[i];
    EXPECT_EQ(getLe32(image, 0x7FC), sum);
}

struct GatewayCase {
    const char* enable; // nullptr: element missing
    const char* expected;
};

class Gateway : public ParameterImage, public testing::WithParamInterface<GatewayCase> {};

TEST_P(Gateway, OnlyTheExactTextOneEnablesIt) {
    std::vector<std::pair<QString, QString>> elements = {
        {"Modbus_TCP_Slave_GAT1", "192"},
        {"Modbus_TCP_Slave_GAT2", "168"},
        {"Modbus_TCP_Slave_GAT3", "0"},
        {"Modbus_TCP_Slave_GAT4", "1"},
    };
    if (GetParam().enable)
        elements.emplace_back("Modbus_TCP_Slave_EN_GAT", GetParam().enable);
    project.writeParameters(elements);
    EXPECT_EQ(hexBytes(build(), 0x030, 4), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    EnableTexts, Gateway,
    testing::Values(GatewayCase{"1", "C0 A8 00 01"}, GatewayCase{"0", "FF FF FF FF"},
                    GatewayCase{" 1", "FF FF FF FF"}, GatewayCase{"true", "FF FF FF FF"},
                    GatewayCase{"01", "FF FF FF FF"}, GatewayCase{nullptr, "FF FF FF FF"}));

struct RecordCase {
    const char* element;
    const char* text;
    std::size_t offset;
    const char* expected;
};

class RecordValue : public ParameterImage, public testing::WithParamInterface<RecordCase> {};

TEST_P(RecordValue, IsStoredFromTheElementText) {
    const RecordCase& c = GetParam();
    project.writeParameters({{c.element, c.text}});
    const auto image = build();
    EXPECT_EQ(hexBytes(image, c.offset, QString(c.expected).split(' ').size()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    ElementTexts, RecordValue,
    testing::Values(
        // Ports keep their low 16 bits, in both copies.
        RecordCase{"Modbus_TCP_Slave_Port", "70000", 0x036, "70 11 70 11"},
        RecordCase{"Modbus_TCP_Slave_Port", "0502", 0x036, "F6 01 F6 01"},
        RecordCase{"Modbus_TCP_Slave_Port", "port", 0x036, "F6 01 F6 01"},
        RecordCase{"Modbus_TCP_Slave_Port", "", 0x036, "F6 01 F6 01"},
        // Octets keep their low 8 bits; unusable texts take the element's own default.
        RecordCase{"Modbus_TCP_Slave_IP1", "300", 0x028, "2C A8 00 05"},
        RecordCase{"Modbus_TCP_Slave_IP4", "x", 0x028, "C0 A8 00 05"},
        RecordCase{"Modbus_TCP_Slave_IP3", "2.5", 0x028, "C0 A8 00 05"},
        RecordCase{"Modbus_TCP_Slave_SM4", "128", 0x02C, "FF FF FF 80"},
        RecordCase{"Modbus_TCP_Slave_SM1", "-1", 0x02C, "FF FF FF 00"},
        RecordCase{"Modbus_TCP_Slave_SM2", "99999999999", 0x02C, "FF FF FF 00"}));

TEST_F(ParameterImage, FileWithoutElementsUsesThePerElementDefaults) {
    // The file exists, so its own defaults apply: 192.168.0.5, no gateway, port 502.
    project.writeParameters({});
    const auto image = build();
    EXPECT_EQ(hexBytes(image, 0x028, 18), "C0 A8 00 05 FF FF FF 00 FF FF FF FF 10 27 F6 01 F6 01");
    EXPECT_EQ(hexBytes(image, 0x1A4, 4), "00 4B 00 00");
}

TEST_F(ParameterImage, FirstNodeCommentGivesThePerElementDefaults) {
    // The comment is taken as the root, so no element is found, but the file exists.
    project.writeParameters({{"Modbus_TCP_Slave_Port", "1234"}}, "Par_Gen", "<!-- note -->");
    const auto image = build();
    EXPECT_EQ(hexBytes(image, 0x028, 4), "C0 A8 00 05");
    EXPECT_EQ(hexBytes(image, 0x036, 4), "F6 01 F6 01");
    EXPECT_EQ(hexBytes(image, 0x1B3, 1), "01");
}

TEST_F(ParameterImage, RootWithAnotherNameIsReadNormally) {
    project.writeParameters({{"Modbus_TCP_Slave_Port", "1234"}}, "Other");
    EXPECT_EQ(hexBytes(build(), 0x036, 2), "D2 04");
}

TEST_F(ParameterImage, UnparsableFileEndsTheBuildNamingTheFile) {
    compiler.Build_Images(project.folder());
    TestProject broken;
    broken.writeFile("ParGen.xml", "<Par_Gen><LoRa_RF_Band>EU868</Par_Gen>");
    try {
        compiler.Build_Images(broken.folder());
        FAIL() << "an unparsable parameter file must end the build";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().contains("ParGen.xml")) << error.what();
    }
    // The images of the earlier build are gone: nothing stale can be written.
    EXPECT_TRUE(compiler.parameterImage().empty());
    EXPECT_THROW(compiler.Write_Images(), std::logic_error);
}

TEST_F(ParameterImage, NothingSurvivesFromAnotherProject) {
    project.writeParameters({{"Modbus_TCP_Slave_Port", "1234"}, {"Modbus_TCP_Slave_EN_GAT", "1"}});
    const auto first = bytesOf(build());
    TestProject empty;
    compiler.Build_Images(empty.folder());
    EXPECT_EQ(bytesOf(compiler.parameterImage()), defaultParameterImage());
    compiler.Build_Images(project.folder());
    EXPECT_EQ(bytesOf(compiler.parameterImage()), first);
}
