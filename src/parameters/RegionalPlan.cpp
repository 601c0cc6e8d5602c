#include "parameters/RegionalPlan.h"

namespace vaduvizu {

namespace {

// The separators differ from band to band (TAB, one or two blanks) and are part of the
// texts: they are stored in the parameter file and compared exactly.
std::vector<RegionalBand> buildPlan() {
    const auto item = [](const char* text, int number, int maxPayload) {
        return DataRateItem{QString::fromLatin1(text), number, maxPayload};
    };
    return {
        {QStringLiteral("AS923"),
         {
             item("0\t- LoRa: SF12/125kHz 250 [bit/s]", 0, 59),
             item("1\t- LoRa: SF11/125kHz 440 [bit/s]", 1, 59),
             item("2\t- LoRa: SF10/125kHz 980 [bit/s]", 2, 59),
             item("3\t- LoRa: SF9/125kHz 1760 [bit/s]", 3, 123),
             item("4\t- LoRa: SF8/125kHz 3125 [bit/s]", 4, 230),
             item("5\t- LoRa: SF7/125kHz 5470 [bit/s]", 5, 230),
             item("6\t- LoRa: SF7/250kHz 11000 [bit/s]", 6, 230),
             item("7\t- FSK: 50kbps 50000 [bit/s]", 7, 230),
         }},
        {QStringLiteral("AU915"),
         {
             item("0  - LoRa: SF12/125kHz 250 [bit/s]", 0, 51),
             item("1  - LoRa: SF11/125kHz 440 [bit/s]", 1, 51),
             item("2  - LoRa: SF10/125kHz 980 [bit/s]", 2, 51),
             item("3  - LoRa: SF9/125kHz 1760 [bit/s]", 3, 115),
             item("4  - LoRa: SF8/125kHz 3125 [bit/s]", 4, 222),
             item("5  - LoRa: SF7/125kHz 5470 [bit/s]", 5, 222),
             item("6  - LoRa: SF8/500kHz 12500 [bit/s]", 6, 222),
             item("8  - LoRa: SF12/500kHz 980 [bit/s]", 8, 33),
             item("9  - LoRa: SF11/500kHz 1760 [bit/s]", 9, 109),
             item("10 - LoRa: SF10/500kHz 3900 [bit/s]", 10, 222),
             item("11 - LoRa: SF9/500kHz 7000 [bit/s]", 11, 222),
             item("12 - LoRa: SF8/500kHz 12500 [bit/s]", 12, 222),
             item("13 - LoRa: SF7/500kHz 21900 [bit/s]", 13, 222),
         }},
        {QStringLiteral("EU868"),
         {
             item("0 -\tLoRa: SF12/125kHz 250 [bit/s]", 0, 51),
             item("1 -\tLoRa: SF11/125kHz 440 [bit/s]", 1, 51),
             item("2 -\tLoRa: SF10/125kHz 980 [bit/s]", 2, 51),
             item("3 -\tLoRa: SF9/125kHz 1760 [bit/s]", 3, 115),
             item("4 -\tLoRa: SF8/125kHz 3125 [bit/s]", 4, 222),
             item("5 -\tLoRa: SF7/125kHz 5470 [bit/s]", 5, 222),
             item("6 - LoRa: SF7/250kHz 11000 [bit/s]", 6, 222),
             item("7 - FSK: 50kbps 50000 [bit/s]", 7, 222),
         }},
        {QStringLiteral("KR920"),
         {
             item("0 - LoRa: SF12/125kHz 250 [bit/s]", 0, 51),
             item("1 -\tLoRa: SF11/125kHz 440 [bit/s]", 1, 51),
             item("2 -\tLoRa: SF10/125kHz 980 [bit/s]", 2, 51),
             item("3 -\tLoRa: SF9/125kHz 1760 [bit/s]", 3, 115),
             item("4 -\tLoRa: SF8/125kHz 3125 [bit/s]", 4, 222),
             item("5 -\tLoRa: SF7/125kHz 5470 [bit/s]", 5, 222),
         }},
        {QStringLiteral("IN865"),
         {
             item("0 - LoRa: SF12/125kHz 250 [bit/s]", 0, 51),
             item("1 -\tLoRa: SF11/125kHz 440 [bit/s]", 1, 51),
             item("2 -\tLoRa: SF10/125kHz 980 [bit/s]", 2, 51),
             item("3 -\tLoRa: SF9/125kHz 1760 [bit/s]", 3, 115),
             item("4 -\tLoRa: SF8/125kHz 3125 [bit/s]", 4, 222),
             item("5 -\tLoRa: SF7/125kHz 5470 [bit/s]", 5, 222),
             item("7 -\tFSK: 50kbps 50000 [bit/s]", 7, 222),
         }},
        {QStringLiteral("US915"),
         {
             item("0  -\tLoRa: SF10/125kHz 980 [bit/s]", 0, 11),
             item("1  -\tLoRa: SF9/125kHz 1760 [bit/s]", 1, 53),
             item("2  -\tLoRa: SF8/125kHz 3125 [bit/s]", 2, 125),
             item("3  -\tLoRa: SF7/125kHz 5470 [bit/s]", 3, 242),
             item("4  -\tLoRa: SF8/500kHz 12500 [bit/s]", 4, 242),
             item("8  -\tLoRa: SF12/500kHz 980 [bit/s]", 8, 33),
             item("9  -\tLoRa: SF11/500kHz 1760 [bit/s]", 9, 109),
             item("10 - LoRa: SF10/500kHz 3900 [bit/s]", 10, 222),
             item("11 - LoRa: SF9/500kHz 7000 [bit/s]", 11, 222),
             item("12 - LoRa: SF8/500kHz 12500 [bit/s]", 12, 222),
             item("13 - LoRa: SF7/500kHz 21900 [bit/s]", 13, 222),
         }},
        {QStringLiteral("US915-Hybrid"),
         {
             item("0  - LoRa: SF10/125kHz 980 [bit/s]", 0, 11),
             item("1  - LoRa: SF9/125kHz 1760 [bit/s]", 1, 53),
             item("2  - LoRa: SF8/125kHz 3125 [bit/s]", 2, 125),
             item("3  - LoRa: SF7/125kHz 5470 [bit/s]", 3, 242),
             item("4  - LoRa: SF8/500kHz 12500 [bit/s]", 4, 242),
             item("8  - LoRa: SF12/500kHz 980 [bit/s]", 8, 33),
             item("9  - LoRa: SF11/500kHz 1760 [bit/s]", 9, 109),
             item("10 - LoRa: SF10/500kHz 3900 [bit/s]", 10, 222),
             item("11 - LoRa: SF9/500kHz 7000 [bit/s]", 11, 222),
             item("12 - LoRa: SF8/500kHz 12500 [bit/s]", 12, 222),
             item("13 - LoRa: SF7/500kHz 21900 [bit/s]", 13, 222),
         }},
    };
}

} // namespace

const std::vector<RegionalBand>& regionalPlan() {
    static const std::vector<RegionalBand> plan = buildPlan();
    return plan;
}

QStringList bandNames() {
    QStringList names;
    for (const RegionalBand& band : regionalPlan())
        names.append(band.name);
    return names;
}

const RegionalBand* findBand(const QString& bandText) {
    for (const RegionalBand& band : regionalPlan()) {
        if (band.name == bandText)
            return &band;
    }
    return nullptr;
}

QStringList dataRateTexts(const QString& bandText) {
    QStringList texts;
    if (const RegionalBand* band = findBand(bandText)) {
        for (const DataRateItem& item : band->dataRates)
            texts.append(item.text);
    }
    return texts;
}

void Change_LoRa_DataRate(const QString& bandText, ChoiceList& dataRates) {
    dataRates.setItems(dataRateTexts(bandText));
    if (!dataRates.items.isEmpty())
        dataRates.selected = 0;
}

int Find_Max_PayLoad(const QString& bandText, const QString& dataRateText) {
    const RegionalBand* band = findBand(bandText);
    if (!band)
        return 0;
    for (const DataRateItem& item : band->dataRates) {
        if (item.text == dataRateText)
            return item.maxPayload;
    }
    return 0;
}

void Set_Max_Payload_Size(const QString& bandText, const QString& dataRateText,
                          QString& payloadBox) {
    payloadBox = QString::number(Find_Max_PayLoad(bandText, dataRateText));
}

} // namespace vaduvizu
