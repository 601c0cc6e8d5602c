#include "parameters/RegionalPlan.h"

#include <gtest/gtest.h>

using namespace vaduvizu;

namespace {

struct PlanRow {
    const char* band;
    int position; // 1-based, in list order
    const char* text;
    int number;
    int maxPayload;
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const PlanRow& row, std::ostream* os) {
    *os << row.band << " " << row.text;
}

// Every item of every band, as the parameter file stores it (TABs and blanks are part of
// the texts).
const std::vector<PlanRow> Plan = {
    {"AS923", 1, "0\t- LoRa: SF12/125kHz 250 [bit/s]", 0, 59},
    {"AS923", 2, "1\t- LoRa: SF11/125kHz 440 [bit/s]", 1, 59},
    {"AS923", 3, "2\t- LoRa: SF10/125kHz 980 [bit/s]", 2, 59},
    {"AS923", 4, "3\t- LoRa: SF9/125kHz 1760 [bit/s]", 3, 123},
    {"AS923", 5, "4\t- LoRa: SF8/125kHz 3125 [bit/s]", 4, 230},
    {"AS923", 6, "5\t- LoRa: SF7/125kHz 5470 [bit/s]", 5, 230},
    {"AS923", 7, "6\t- LoRa: SF7/250kHz 11000 [bit/s]", 6, 230},
    {"AS923", 8, "7\t- FSK: 50kbps 50000 [bit/s]", 7, 230},
    {"AU915", 1, "0  - LoRa: SF12/125kHz 250 [bit/s]", 0, 51},
    {"AU915", 2, "1  - LoRa: SF11/125kHz 440 [bit/s]", 1, 51},
    {"AU915", 3, "2  - LoRa: SF10/125kHz 980 [bit/s]", 2, 51},
    {"AU915", 4, "3  - LoRa: SF9/125kHz 1760 [bit/s]", 3, 115},
    {"AU915", 5, "4  - LoRa: SF8/125kHz 3125 [bit/s]", 4, 222},
    {"AU915", 6, "5  - LoRa: SF7/125kHz 5470 [bit/s]", 5, 222},
    {"AU915", 7, "6  - LoRa: SF8/500kHz 12500 [bit/s]", 6, 222},
    {"AU915", 8, "8  - LoRa: SF12/500kHz 980 [bit/s]", 8, 33},
    {"AU915", 9, "9  - LoRa: SF11/500kHz 1760 [bit/s]", 9, 109},
    {"AU915", 10, "10 - LoRa: SF10/500kHz 3900 [bit/s]", 10, 222},
    {"AU915", 11, "11 - LoRa: SF9/500kHz 7000 [bit/s]", 11, 222},
    {"AU915", 12, "12 - LoRa: SF8/500kHz 12500 [bit/s]", 12, 222},
    {"AU915", 13, "13 - LoRa: SF7/500kHz 21900 [bit/s]", 13, 222},
    {"EU868", 1, "0 -\tLoRa: SF12/125kHz 250 [bit/s]", 0, 51},
    {"EU868", 2, "1 -\tLoRa: SF11/125kHz 440 [bit/s]", 1, 51},
    {"EU868", 3, "2 -\tLoRa: SF10/125kHz 980 [bit/s]", 2, 51},
    {"EU868", 4, "3 -\tLoRa: SF9/125kHz 1760 [bit/s]", 3, 115},
    {"EU868", 5, "4 -\tLoRa: SF8/125kHz 3125 [bit/s]", 4, 222},
    {"EU868", 6, "5 -\tLoRa: SF7/125kHz 5470 [bit/s]", 5, 222},
    {"EU868", 7, "6 - LoRa: SF7/250kHz 11000 [bit/s]", 6, 222},
    {"EU868", 8, "7 - FSK: 50kbps 50000 [bit/s]", 7, 222},
    {"KR920", 1, "0 - LoRa: SF12/125kHz 250 [bit/s]", 0, 51},
    {"KR920", 2, "1 -\tLoRa: SF11/125kHz 440 [bit/s]", 1, 51},
    {"KR920", 3, "2 -\tLoRa: SF10/125kHz 980 [bit/s]", 2, 51},
    {"KR920", 4, "3 -\tLoRa: SF9/125kHz 1760 [bit/s]", 3, 115},
    {"KR920", 5, "4 -\tLoRa: SF8/125kHz 3125 [bit/s]", 4, 222},
    {"KR920", 6, "5 -\tLoRa: SF7/125kHz 5470 [bit/s]", 5, 222},
    {"IN865", 1, "0 - LoRa: SF12/125kHz 250 [bit/s]", 0, 51},
    {"IN865", 2, "1 -\tLoRa: SF11/125kHz 440 [bit/s]", 1, 51},
    {"IN865", 3, "2 -\tLoRa: SF10/125kHz 980 [bit/s]", 2, 51},
    {"IN865", 4, "3 -\tLoRa: SF9/125kHz 1760 [bit/s]", 3, 115},
    {"IN865", 5, "4 -\tLoRa: SF8/125kHz 3125 [bit/s]", 4, 222},
    {"IN865", 6, "5 -\tLoRa: SF7/125kHz 5470 [bit/s]", 5, 222},
    {"IN865", 7, "7 -\tFSK: 50kbps 50000 [bit/s]", 7, 222},
    {"US915", 1, "0  -\tLoRa: SF10/125kHz 980 [bit/s]", 0, 11},
    {"US915", 2, "1  -\tLoRa: SF9/125kHz 1760 [bit/s]", 1, 53},
    {"US915", 3, "2  -\tLoRa: SF8/125kHz 3125 [bit/s]", 2, 125},
    {"US915", 4, "3  -\tLoRa: SF7/125kHz 5470 [bit/s]", 3, 242},
    {"US915", 5, "4  -\tLoRa: SF8/500kHz 12500 [bit/s]", 4, 242},
    {"US915", 6, "8  -\tLoRa: SF12/500kHz 980 [bit/s]", 8, 33},
    {"US915", 7, "9  -\tLoRa: SF11/500kHz 1760 [bit/s]", 9, 109},
    {"US915", 8, "10 - LoRa: SF10/500kHz 3900 [bit/s]", 10, 222},
    {"US915", 9, "11 - LoRa: SF9/500kHz 7000 [bit/s]", 11, 222},
    {"US915", 10, "12 - LoRa: SF8/500kHz 12500 [bit/s]", 12, 222},
    {"US915", 11, "13 - LoRa: SF7/500kHz 21900 [bit/s]", 13, 222},
    {"US915-Hybrid", 1, "0  - LoRa: SF10/125kHz 980 [bit/s]", 0, 11},
    {"US915-Hybrid", 2, "1  - LoRa: SF9/125kHz 1760 [bit/s]", 1, 53},
    {"US915-Hybrid", 3, "2  - LoRa: SF8/125kHz 3125 [bit/s]", 2, 125},
    {"US915-Hybrid", 4, "3  - LoRa: SF7/125kHz 5470 [bit/s]", 3, 242},
    {"US915-Hybrid", 5, "4  - LoRa: SF8/500kHz 12500 [bit/s]", 4, 242},
    {"US915-Hybrid", 6, "8  - LoRa: SF12/500kHz 980 [bit/s]", 8, 33},
    {"US915-Hybrid", 7, "9  - LoRa: SF11/500kHz 1760 [bit/s]", 9, 109},
    {"US915-Hybrid", 8, "10 - LoRa: SF10/500kHz 3900 [bit/s]", 10, 222},
    {"US915-Hybrid", 9, "11 - LoRa: SF9/500kHz 7000 [bit/s]", 11, 222},
    {"US915-Hybrid", 10, "12 - LoRa: SF8/500kHz 12500 [bit/s]", 12, 222},
    {"US915-Hybrid", 11, "13 - LoRa: SF7/500kHz 21900 [bit/s]", 13, 222},
};

} // namespace

TEST(RegionalPlan, BandsInListOrder) {
    EXPECT_EQ(bandNames(),
              QStringList({"AS923", "AU915", "EU868", "KR920", "IN865", "US915", "US915-Hybrid"}));
}

TEST(RegionalPlan, EveryBandListsExactlyItsItemsInOrder) {
    for (const QString& band : bandNames()) {
        QStringList expected;
        for (const PlanRow& row : Plan) {
            if (band == QLatin1String(row.band))
                expected.append(QString::fromLatin1(row.text));
        }
        EXPECT_EQ(dataRateTexts(band), expected) << band.toStdString();
    }
}

class PlanItem : public testing::TestWithParam<PlanRow> {};

TEST_P(PlanItem, HasItsPositionNumberAndLargestPayload) {
    const PlanRow& row = GetParam();
    const QString band = QString::fromLatin1(row.band);
    const QString text = QString::fromLatin1(row.text);
    EXPECT_EQ(Find_Max_PayLoad(band, text), row.maxPayload);
    const RegionalBand* found = findBand(band);
    ASSERT_NE(found, nullptr);
    ASSERT_GE(static_cast<int>(found->dataRates.size()), row.position);
    const DataRateItem& item = found->dataRates[static_cast<std::size_t>(row.position - 1)];
    EXPECT_EQ(item.text, text);
    EXPECT_EQ(item.number, row.number);
    EXPECT_EQ(item.maxPayload, row.maxPayload);
    QString payloadBox;
    Set_Max_Payload_Size(band, text, payloadBox);
    EXPECT_EQ(payloadBox, QString::number(row.maxPayload));
}

INSTANTIATE_TEST_SUITE_P(AllBands, PlanItem, testing::ValuesIn(Plan));

struct LookAlike {
    const char* band;
    const char* text;
    const char* why;
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const LookAlike& row, std::ostream* os) {
    *os << row.band << " " << row.why;
}

// Texts that differ from a listed item only in separators, letter case or band give 0.
class LookAlikeItem : public testing::TestWithParam<LookAlike> {};

TEST_P(LookAlikeItem, HasNoLargestPayload) {
    const LookAlike& c = GetParam();
    EXPECT_EQ(Find_Max_PayLoad(QString::fromLatin1(c.band), QString::fromLatin1(c.text)), 0)
        << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Exactness, LookAlikeItem,
    testing::Values(
        LookAlike{"US915", "0  - LoRa: SF10/125kHz 980 [bit/s]", "hybrid separator in US915"},
        LookAlike{"US915-Hybrid", "0  -\tLoRa: SF10/125kHz 980 [bit/s]",
                  "US915 separator in hybrid"},
        LookAlike{"AS923", "6 - LoRa: SF7/250kHz 11000 [bit/s]", "blank instead of TAB"},
        LookAlike{"AS923", "6\t-\tLoRa: SF7/250kHz 11000 [bit/s]", "extra TAB"},
        LookAlike{"EU868", "6 -\tLoRa: SF7/250kHz 11000 [bit/s]", "TAB where EU868 has a blank"},
        LookAlike{"EU868", "0 - LoRa: SF12/125kHz 250 [bit/s]", "blank where EU868 has a TAB"},
        LookAlike{"KR920", "0 -\tLoRa: SF12/125kHz 250 [bit/s]", "TAB in KR920's first item"},
        LookAlike{"AU915", "0 - LoRa: SF12/125kHz 250 [bit/s]", "one blank instead of two"},
        LookAlike{"AS923", "6\t- lora: sf7/250khz 11000 [bit/s]", "letter case differs"},
        LookAlike{"AS923", "6\t- LoRa: SF7/250kHz 11000 [bit/s] ", "trailing blank"},
        LookAlike{"as923", "6\t- LoRa: SF7/250kHz 11000 [bit/s]", "band in lower case"},
        LookAlike{"EU868", "7\t- FSK: 50kbps 50000 [bit/s]", "item of another band"},
        LookAlike{"", "", "no band, no data rate"}, LookAlike{"AS923", "", "no data rate"}));

TEST(RegionalPlan, ChangeDataRateRefillsAndSelectsTheFirstItem) {
    ChoiceList dataRates;
    Change_LoRa_DataRate("AU915", dataRates);
    dataRates.selected = 5; // "5  - ..." of AU915
    Change_LoRa_DataRate("EU868", dataRates);
    EXPECT_EQ(dataRates.items.size(), 8);
    EXPECT_EQ(dataRates.text(), "0 -\tLoRa: SF12/125kHz 250 [bit/s]");
    EXPECT_EQ(Find_Max_PayLoad("EU868", dataRates.text()), 51);

    // The data rate of the previous band is not carried over, even when it exists.
    dataRates.selected = 6;
    Change_LoRa_DataRate("AS923", dataRates);
    EXPECT_EQ(dataRates.selected, 0);
}

TEST(RegionalPlan, UnknownBandLeavesTheDataRateListEmpty) {
    for (const char* band : {"", "eu868", "EU868 ", "US915-HYBRID"}) {
        ChoiceList dataRates;
        Change_LoRa_DataRate("AS923", dataRates);
        Change_LoRa_DataRate(band, dataRates);
        EXPECT_TRUE(dataRates.items.isEmpty()) << band;
        EXPECT_EQ(dataRates.selected, -1) << band;
        EXPECT_EQ(dataRates.text(), "") << band;
        QString payloadBox = "230";
        Set_Max_Payload_Size(band, dataRates.text(), payloadBox);
        EXPECT_EQ(payloadBox, "0") << band;
    }
}
