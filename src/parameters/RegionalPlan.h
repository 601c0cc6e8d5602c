#pragma once

#include "parameters/ChoiceList.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace vaduvizu {

// One entry of a band's data-rate list.
struct DataRateItem {
    QString text;   // exactly as listed and stored, TABs and runs of blanks included
    int number;     // the data-rate number before the first "-" of the text
    int maxPayload; // largest application payload in bytes
};

struct RegionalBand {
    QString name;
    std::vector<DataRateItem> dataRates; // in list order
};

// The seven bands in list order; the first is the default.
const std::vector<RegionalBand>& regionalPlan();

// The band names in list order (the items of the band list).
QStringList bandNames();

// The band whose name equals bandText exactly, letter case included; nullptr when none.
const RegionalBand* findBand(const QString& bandText);

// The data-rate item texts of the band named bandText exactly; empty for an unknown band.
QStringList dataRateTexts(const QString& bandText);

// Refills dataRates with the items of the band named bandText (exact match) and selects
// the first one; for an unknown band the list stays empty without a selection.
void Change_LoRa_DataRate(const QString& bandText, ChoiceList& dataRates);

// Largest payload for the band and data-rate texts, both compared exactly;
// 0 when the band is unknown or the data rate is not an item of that band.
int Find_Max_PayLoad(const QString& bandText, const QString& dataRateText);

// Puts the decimal text of Find_Max_PayLoad into payloadBox.
void Set_Max_Payload_Size(const QString& bandText, const QString& dataRateText,
                          QString& payloadBox);

} // namespace vaduvizu
