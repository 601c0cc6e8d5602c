#include "texts/TextTable.h"

#include <gtest/gtest.h>

using namespace vaduvizu;

namespace {

struct KnownText {
    int index;
    const char16_t* text;
};

void PrintTo(const KnownText& known, std::ostream* out) {
    *out << "text " << known.index;
}

// A sample from every window, with the wordings that are easy to get wrong: trailing and
// leading blanks, odd spellings, embedded quotes, the number placeholder.
const KnownText kKnownTexts[] = {
    // main window
    {0, u"Begin"},
    {8, u"Step 8"},
    {9, u"None Configuration Opened "},
    {10, u"Use Step1 to open or create new configuration"},
    {11, u"Opened Configuration of the Converter : "},
    {18, u"Error! Project not Valid"},
    {19, u"New Version Available. Click Here for more Details"},
    {23, u"Open an exists configuration"},
    {26, u"Update the actual Firmware and/or Configuration in the device"},
    {30, u"Error in configuration, Num. Byte not conformed with Max Payload Size"},
    // new-project and open dialogs
    {105, u"Error! Name project is not valid"},
    {107, u"Error! Name Project is not valid"},
    {106, u"Error! Name project is not valid because directory already exists"},
    {202, u"List of Avaliable Configurations"},
    {207, u"Cancel open of Configuration"},
    // options dialog and version check
    {304, u"Selected Language : "},
    {305, u"Page "},
    {306, u" / "},
    {316, u"Do you want to change the Language from "},
    {317, u" to "},
    {318, u"?"},
    {315, u"No Update Available"},
    {321, u"Enable Auto Size of Table Columns by Double Click"},
    // communication parameters dialog
    {400, u"Set Communication"},
    {416, u"Insert the JoinEUI (8 Byte in Hexadecimal) ex Application Identifier [AppEUI]"},
    {483, u"Adaptive DataRate"},
    {497, u"Error LoRa!! Payload Size must be between 1 and %d"},
    {499, u"Error LoRa!! Activation Method cannot be empty"},
    {709, u"Modbus TCP Slave"},
    {731, u"Error Modbus TCP Slave!! IP Address 4 must be between 0 and 255"},
    {732, u"Error Modbus TCP Slave!! SUBNET Mask 1 must be between 0 and 255"},
    {739, u"Error Modbus TCP Slave!! GATEWAY IP 4 must be between 0 and 255"},
    {740, u"Error Modbus TCP Slave!! Port must be between 0 and 65535, and different from 10000"},
    {2894, u"Read with Input Register / Status Function"},
    {2895, u"Enable/disable the Input Register / Status for Read Data, the Holding Register and "
           u"Coil Status for Write Data"},
    // update dialog
    {1002, u"Update Device by Ethernet (UDP)"},
    {1015, u"Firmware + Configuration"},
    {1034, u"Exit without to do the Update"},
    {1036, u"Device Not Found!"},
    {1037, u"Error!!! Check the Ip Address"},
    // table row commands
    {1100, u"Row Already used. Do you want to overwrite the values?"},
    {1102, u"Error!!! Copy a valid row before Paste it"},
    // rules editor
    {1216, u"N"},
    {1229, u"Enable/Disable the Possibility to Send the LoRaWAN Uplink when Arrive a Commnad"},
    {1231, u"Insert the Time in seconds between the sending of LoRaWAN Uplink, the time Must "
           u"between 30 and 86400 seconds"},
    {1242, u"Warning!! Max Payload Size not Set Up. Set it in \"Set Communication\" section"},
    {1243, u"Error row "},
    {1245, u"!! [LoraWAN Uplink] Number Byte must be between 0 and "},
    {1249, u"Are you sure to delete the Row number "},
    {1253, u"Port Field (1-223)"},
    {1255, u"!! [LoraWAN Downlink] FPort must be between 1 and 223"},
    {1256, u"The last row is in use and will be lost. Do you want to insert the row?"},
    {1257, u"Rows after an empty Start Byte are not saved. Do you want to save anyway?"},
};

class DefaultTextsKnown : public testing::TestWithParam<KnownText> {};

TEST_P(DefaultTextsKnown, MatchesCharacterForCharacter) {
    EXPECT_EQ(defaultText(GetParam().index), QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Windows, DefaultTextsKnown, testing::ValuesIn(kKnownTexts));

// The first and last index of every block: both inside hold a real text, the neighbours
// outside hold the single blank.
struct Block {
    int first;
    int last;
};

const Block kBlocks[] = {{0, 85},      {100, 110},   {200, 207},   {300, 321},
                         {400, 979},   {1000, 1037}, {1100, 1105}, {1200, 1257},
                         {1300, 2410}, {2500, 2903}, {3000, 6286}};

bool isBlank(const QString& text) {
    return text == QStringLiteral(" ");
}

TEST(DefaultTexts, BlockEdgesHoldTextsAndTheirNeighboursABlank) {
    for (const Block& block : kBlocks) {
        SCOPED_TRACE(block.first);
        EXPECT_FALSE(defaultText(block.first).trimmed().isEmpty());
        EXPECT_FALSE(defaultText(block.last).trimmed().isEmpty());
        if (block.first > 0) {
            EXPECT_TRUE(isBlank(defaultText(block.first - 1))) << block.first - 1;
        }
        EXPECT_TRUE(isBlank(defaultText(block.last + 1))) << block.last + 1;
    }
}

TEST(DefaultTexts, EveryEntryIsABlankBetweenBlocksAndATextInside) {
    int blanks = 0;
    for (int i = 0; i < TextTable::Size; ++i) {
        const QString text = defaultText(i);
        if (isBlank(text))
            ++blanks;
        else
            EXPECT_FALSE(text.trimmed().isEmpty()) << "text " << i;
    }
    // 86-99, 111-199, 208-299, 322-399, 980-999, 1038-1099, 1106-1199, 1258-1299,
    // 2411-2499, 2904-2999, 6287-6299
    EXPECT_EQ(blanks, 14 + 89 + 92 + 78 + 20 + 62 + 94 + 42 + 89 + 96 + 13);
}

TEST(DefaultTexts, EntriesNoWindowShowsStillHaveTheirOwnText) {
    // Hidden protocol buttons, a hidden panel of the communication dialog, an unused
    // update dialog text and the further protocol editors.
    for (int index : {27, 28, 85, 498, 979, 1000, 1105, 1300, 2410, 2500, 3000, 6286}) {
        const QString text = defaultText(index);
        EXPECT_FALSE(isBlank(text)) << index;
        EXPECT_TRUE(text.endsWith(QString::number(index))) << index << ": " << text.toStdString();
    }
}

TEST(DefaultTexts, TableHoldsExactly6300DefaultTexts) {
    const TextTable table;
    ASSERT_EQ(table.entries().size(), 6300);
    EXPECT_EQ(table[9], QStringLiteral("None Configuration Opened "));
    EXPECT_TRUE(isBlank(table[99]));
    EXPECT_TRUE(isBlank(table[6299]));
}

} // namespace
