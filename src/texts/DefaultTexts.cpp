// The built-in English texts of the text table, one for every index 0 .. 6299.
//
// Each window owns a block of indices (kBlocks below). Indices between blocks hold a single
// blank " ". The texts the windows of this product show are listed word for word in kTexts,
// trailing blanks and spelling included ("Avaliable", "Commnad"): language files address
// entries by index, and translators compare against these wordings.
//
// Entries inside a block that no window of this product shows get a short neutral text: the
// block's name and the index (for example "Protocol editor text 1302"), so a stray use is easy
// to trace. These are the hidden buttons of the further protocol editors in the main window
// (27-29, 31-85), the hidden panels of the communication parameters dialog (within 400-979 and
// 2500-2903), the parts of the update dialog that this product does not show (within 1000-1037)
// and the blocks of the further protocol editors (1103-1105, 1300-2410, 3000-6286).

#include "texts/TextTable.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace vaduvizu {
namespace {

struct Block {
    int first;
    int last;
    std::u16string_view placeholder; // prefix of the neutral text of entries not listed
};

constexpr Block kBlocks[] = {
    {0, 85, u"Protocol editor text "},       // main window (27-29, 31-85: hidden protocol buttons)
    {100, 110, u"New configuration text "},  // new-project dialog
    {200, 207, u"Open configuration text "}, // open dialog
    {300, 321, u"Options text "},            // options dialog and version check
    {400, 979, u"Communication text "},      // communication parameters dialog
    {1000, 1037, u"Update text "},           // update dialog
    {1100, 1102, u"Table row text "},        // table row commands
    {1103, 1105, u"Protocol file text "},    // file writers of the further protocol editors
    {1200, 1257, u"LoRaWAN access text "},   // rules editor
    {1300, 2410, u"Protocol editor text "},  // further protocol editors
    {2500, 2903, u"Communication text "},    // communication parameters dialog, continued
    {3000, 6286, u"Protocol editor text "},  // further protocol editors, continued
};

struct Entry {
    int index;
    std::u16string_view text;
};

// Sorted by index; looked up by binary search.
constexpr Entry kTexts[] = {
    // Main window: steps, buttons, active configuration, messages
    {0, u"Begin"},
    {1, u"Step 1"},
    {2, u"Step 2"},
    {3, u"Step 3"},
    {4, u"Step 4"},
    {5, u"Step 5"},
    {6, u"Step 6"},
    {7, u"Step 7"},
    {8, u"Step 8"},
    {9, u"None Configuration Opened "},
    {10, u"Use Step1 to open or create new configuration"},
    {11, u"Opened Configuration of the Converter : "},
    {12, u"Information"},
    {13, u"Options"},
    {14, u"Close Configurator"},
    {15, u"New Configuration"},
    {16, u"Open Configuration"},
    {17, u"Update Device UDP"},
    {18, u"Error! Project not Valid"},
    {19, u"New Version Available. Click Here for more Details"},
    {20, u"Set Communication"},
    {21, u"Set LoRaWAN Access"},
    {22, u"Create a new configuration for the device"},
    {23, u"Open an exists configuration"},
    {24, u"Set the main parameters of Protocols"},
    {25, u"Set the Rules in Uplink and Downlink for LoRaWAN"},
    {26, u"Update the actual Firmware and/or Configuration in the device"},
    {30, u"Error in configuration, Num. Byte not conformed with Max Payload Size"},
    // New-project dialog
    {100, u"Create New Configuration"},
    {101, u"Create New Configuration"},
    {102, u"Name of the new Configuration"},
    {103, u"OK"},
    {104, u"Cancel"},
    {105, u"Error! Name project is not valid"},
    {106, u"Error! Name project is not valid because directory already exists"},
    {107, u"Error! Name Project is not valid"},
    {108, u"Insert here the name of new configuration"},
    {109, u"Confirm the Name of new Configuration"},
    {110, u"Cancel the New Configuration"},
    // Open dialog
    {200, u"Open Configuration"},
    {201, u"Open an Existing Configuration"},
    {202, u"List of Avaliable Configurations"},
    {203, u"OK"},
    {204, u"Cancel"},
    {205, u"Select from this list the configuration to open"},
    {206, u"Open the Selected Configuration"},
    {207, u"Cancel open of Configuration"},
    // Options dialog and version check
    {300, u"Software Options"},
    {301, u"Software Options"},
    {302, u"Language"},
    {303, u"Connection Options"},
    {304, u"Selected Language : "},
    {305, u"Page "},
    {306, u" / "},
    {307, u"Previous"},
    {308, u"Next"},
    {309, u"Enable Internet Connection"},
    {310, u"Check Software Update at Start of Program"},
    {311, u"Check Available Update"},
    {312, u"OK"},
    {313, u"Cancel"},
    {314, u"New Version Available. Click Here for more Details"},
    {315, u"No Update Available"},
    {316, u"Do you want to change the Language from "},
    {317, u" to "},
    {318, u"?"},
    {319, u"Software Settings"},
    {320, u"Jump into next field in the tables by pressing the Enter Key"},
    {321, u"Enable Auto Size of Table Columns by Double Click"},
    // Communication parameters dialog: title, buttons, LoRaWAN and Modbus TCP slave panels
    {400, u"Set Communication"},
    {401, u"Set Communication Setting"},
    {402, u"OK"},
    {403, u"Cancel"},
    {404, u"Confirm and Save the current configuration"},
    {405, u"Exit and Discard the current configuration"},
    {406, u"LoRaWAN"},
    {407, u"RF Band"},
    {408, u"Select the RF Band of LoRaWAN"},
    {409, u"Network Type"},
    {410, u"Select the Network Type of LoRaWAN"},
    {411, u"Activation Method"},
    {412, u"Select the Activation Method of LoRaWAN"},
    {413, u"Device Address"},
    {414, u"Insert the Device Address of LoRaWAN (4 Byte in Hexadecimal) [DevAddr]"},
    {415, u"JoinEUI"},
    {416, u"Insert the JoinEUI (8 Byte in Hexadecimal) ex Application Identifier [AppEUI]"},
    {417, u"Network Session Key"},
    {418, u"Insert the Network Session Key of LoRaWAN (16 Byte in Hexadecimal) [NwkSKey]"},
    {419, u"Application Session Key"},
    {420, u"Insert the Application Session Key of LoRaWAN (16 Byte in Hexadecimal) [AppSKey]"},
    {421, u"Application Key"},
    {422, u"Insert the Application Key of LoRaWAN (16 Byte in Hexadecimal). Insert the same AppKEY "
          u"of LoRaWAN Gateway [AppKey]"},
    {483, u"Adaptive DataRate"},
    {484, u"Enable/Disable the Adaptive Datarate"},
    {485, u"DataRate"},
    {486, u"Select the DataRate"},
    {487, u"Transmission Type"},
    {488, u"Select the Transmission Type, Confirmed or Unconfirmed"},
    {489, u"Max Payload Size"},
    {490, u"Dimension of Payload Size"},
    {491, u"Port Field"},
    {492, u"FPort"},
    {493, u"Error LoRa!! RF Band cannot be empty"},
    {494, u"Error LoRa!! Network Type cannot be empty"},
    {495, u"Error LoRa!! DataRate cannot be empty"},
    {496, u"Error LoRa!! Transmission Type cannot be empty"},
    {497, u"Error LoRa!! Payload Size must be between 1 and %d"},
    {499, u"Error LoRa!! Activation Method cannot be empty"},
    {709, u"Modbus TCP Slave"},
    {710, u"IP Address"},
    {711, u"Insert First byte of IP Address"},
    {712, u"Insert Second byte of IP Address"},
    {713, u"Insert Third byte of IP Address"},
    {714, u"Insert Fourth byte of IP Address"},
    {715, u"SubNet Mask"},
    {716, u"Insert First byte of SubNet Mask"},
    {717, u"Insert Second byte of SubNet Mask"},
    {718, u"Insert Third byte of SubNet Mask"},
    {719, u"Insert Fourth byte of SubNet Mask"},
    {720, u"Gateway"},
    {721, u"Enable/disable the Default Gateway"},
    {722, u"Insert First byte of Default Gateway"},
    {723, u"Insert Second byte of Default Gateway"},
    {724, u"Insert Third byte of Default Gateway"},
    {725, u"Insert Fourth byte of Default Gateway"},
    {726, u"Port"},
    {727,
     u"Insert the communication port to use for Modbus, from 0 to 65535 but different from 10000"},
    {728, u"Error Modbus TCP Slave!! IP Address 1 must be between 0 and 255"},
    {729, u"Error Modbus TCP Slave!! IP Address 2 must be between 0 and 255"},
    {730, u"Error Modbus TCP Slave!! IP Address 3 must be between 0 and 255"},
    {731, u"Error Modbus TCP Slave!! IP Address 4 must be between 0 and 255"},
    {732, u"Error Modbus TCP Slave!! SUBNET Mask 1 must be between 0 and 255"},
    {733, u"Error Modbus TCP Slave!! SUBNET Mask 2 must be between 0 and 255"},
    {734, u"Error Modbus TCP Slave!! SUBNET Mask 3 must be between 0 and 255"},
    {735, u"Error Modbus TCP Slave!! SUBNET Mask 4 must be between 0 and 255"},
    {736, u"Error Modbus TCP Slave!! GATEWAY IP 1 must be between 0 and 255"},
    {737, u"Error Modbus TCP Slave!! GATEWAY IP 2 must be between 0 and 255"},
    {738, u"Error Modbus TCP Slave!! GATEWAY IP 3 must be between 0 and 255"},
    {739, u"Error Modbus TCP Slave!! GATEWAY IP 4 must be between 0 and 255"},
    {740, u"Error Modbus TCP Slave!! Port must be between 0 and 65535, and different from 10000"},
    // Update dialog
    {1002, u"Update Device by Ethernet (UDP)"},
    {1003, u"Update Device Using the Ethernet Port"},
    {1006, u"Insert the IP Address of Device"},
    {1014, u"Select Update Options"},
    {1015, u"Firmware + Configuration"},
    {1016, u"Firmware"},
    {1017, u"Configuration"},
    {1018, u"Read Back"},
    {1019, u"Cancel"},
    {1020, u"Execute Update Firmware"},
    {1021, u"Insert first byte of IP Address"},
    {1022, u"Insert second byte of IP Address"},
    {1023, u"Insert third byte of IP Address"},
    {1024, u"Insert fourth byte of IP Address"},
    {1032, u"Select the operation to do in update"},
    {1033, u"Enable or disable the possibility to read back the Firmware/Configuration"},
    {1034, u"Exit without to do the Update"},
    {1035, u"Start the update of Device"},
    {1036, u"Device Not Found!"},
    {1037, u"Error!!! Check the Ip Address"},
    // Table row commands
    {1100, u"Row Already used. Do you want to overwrite the values?"},
    {1101, u"Error in the Copy values!!! Copy a valid row before Paste it"},
    {1102, u"Error!!! Copy a valid row before Paste it"},
    // Rules editor
    {1200, u"Set LoRaWAN Access"},
    {1201, u"Set LoRaWAN Access"},
    {1202, u"OK"},
    {1203, u"Cancel"},
    {1204, u"Delete Row"},
    {1205, u"Insert Row"},
    {1206, u"Copy Row"},
    {1207, u"Paste Row"},
    {1208, u"Confirm and save the LoRaWAN Access List"},
    {1209, u"Exit without save the LoRaWAN Access List"},
    {1210, u"Delete the Selected Row in the table"},
    {1211, u"Insert a Row in the Table"},
    {1212, u"Copy all Fields of the Selected Row"},
    {1213, u"Paste the Copied Fields in the Selected Row"},
    {1214, u"LoRaWAN Uplink"},
    {1215, u"LoRaWAN Downlink"},
    {1216, u"N"},
    {1217, u"Enable"},
    {1218, u"Start Byte"},
    {1219, u"Num. Byte"},
    {1220, u"On Change"},
    {1221, u"On CMD"},
    {1222, u"On Timer"},
    {1223, u"Time (s)"},
    {1224, u"Mnemonic"},
    {1225, u"Enable/Disable the LoRaWAN Uplink Rule"},
    {1226, u"Insert the Start Byte of LoRaWAN Uplink Rule"},
    {1227, u"Insert the Number of Byte of LoRaWAN Uplink Rule"},
    {1228, u"Enable/Disable the Possibility to Send the LoRaWAN Uplink when Data Change"},
    {1229, u"Enable/Disable the Possibility to Send the LoRaWAN Uplink when Arrive a Commnad"},
    {1230, u"Enable/Disable the Possibility to Send the LoRaWAN Uplink on timer"},
    {1231, u"Insert the Time in seconds between the sending of LoRaWAN Uplink, the time Must "
           u"between 30 and 86400 seconds"},
    {1232, u"Insert a description of the LoRaWAN Uplink Rule"},
    {1233, u"N"},
    {1234, u"Enable"},
    {1235, u"Start Byte"},
    {1236, u"Num. Byte"},
    {1237, u"Mnemonic"},
    {1238, u"Enable/Disable the LoRaWAN Downlink Rule"},
    {1239, u"Insert the Start Byte of LoRaWAN Downlink Rule"},
    {1240, u"Insert the Number of Byte of LoRaWAN Downlink Rule"},
    {1241, u"Insert a description of the LoRaWAN Downlink Rule"},
    {1242, u"Warning!! Max Payload Size not Set Up. Set it in \"Set Communication\" section"},
    {1243, u"Error row "},
    {1244, u"!! [LoraWAN Uplink] Start Byte must be between 0 and 1536"},
    {1245, u"!! [LoraWAN Uplink] Number Byte must be between 0 and "},
    {1246, u"!! [LoraWAN Uplink] Time (s) must be between 30 and 86400"},
    {1247, u"!! [LoraWAN Downlink] Start Byte must be between 0 and 1536"},
    {1248, u"!! [LoraWAN Downlink] Number Byte must be between 0 and "},
    {1249, u"Are you sure to delete the Row number "},
    {1250, u"FPort"},
    {1251, u"Port Field (1-223)"},
    {1252, u"FPort"},
    {1253, u"Port Field (1-223)"},
    {1254, u"!! [LoraWAN Uplink] FPort must be between 1 and 223"},
    {1255, u"!! [LoraWAN Downlink] FPort must be between 1 and 223"},
    {1256, u"The last row is in use and will be lost. Do you want to insert the row?"},
    {1257, u"Rows after an empty Start Byte are not saved. Do you want to save anyway?"},
    // Communication parameters dialog, continued: Modbus TCP slave read function
    {2894, u"Read with Input Register / Status Function"},
    {2895, u"Enable/disable the Input Register / Status for Read Data, the Holding Register and "
           u"Coil Status for Write Data"},
};

constexpr const Block* blockOf(int index) {
    for (const Block& block : kBlocks) {
        if (index >= block.first && index <= block.last)
            return &block;
    }
    return nullptr;
}

constexpr bool blocksAreOrdered() {
    for (std::size_t i = 0; i < std::size(kBlocks); ++i) {
        if (kBlocks[i].first > kBlocks[i].last || kBlocks[i].last >= TextTable::Size)
            return false;
        if (i > 0 && kBlocks[i - 1].last >= kBlocks[i].first)
            return false;
    }
    return true;
}

// Every listed text lies in a block, in strictly increasing index order (binary search needs it).
constexpr bool textsAreSortedAndInBlocks() {
    for (std::size_t i = 0; i < std::size(kTexts); ++i) {
        if (blockOf(kTexts[i].index) == nullptr || kTexts[i].text.empty())
            return false;
        if (i > 0 && kTexts[i - 1].index >= kTexts[i].index)
            return false;
    }
    return true;
}

static_assert(blocksAreOrdered());
static_assert(textsAreSortedAndInBlocks());

QString fromStatic(std::u16string_view text) {
    // The literals live for the whole run, so the string can share them instead of copying.
    return QString::fromRawData(reinterpret_cast<const QChar*>(text.data()),
                                static_cast<qsizetype>(text.size()));
}

} // namespace

QString defaultText(int index) {
    Q_ASSERT(index >= 0 && index < TextTable::Size);
    const auto* found =
        std::lower_bound(std::begin(kTexts), std::end(kTexts), index,
                         [](const Entry& entry, int wanted) { return entry.index < wanted; });
    if (found != std::end(kTexts) && found->index == index)
        return fromStatic(found->text);
    if (const Block* block = blockOf(index))
        return fromStatic(block->placeholder) + QString::number(index);
    return QStringLiteral(" ");
}

} // namespace vaduvizu
