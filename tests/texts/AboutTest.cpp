#include "app/AppContext.h"
#include "app/AppState.h"
#include "support/FakeHttpClient.h"
#include "support/RecordingMessageBoxes.h"
#include "texts/TFAbout.h"
#include "texts/TextTable.h"
#include "texts/VersionCheck.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace vaduvizu;
using namespace vaduvizu::test;

namespace {

TEST(About, ShowsTheFixedIdentityWhateverTheLanguage) {
    AppState state;
    TextTable texts;
    for (int i = 0; i < TextTable::Size; ++i)
        texts.set(i, QStringLiteral("Übersetzt"));
    RecordingMessageBoxes boxes;
    FakeHttpClient http;
    RecordingUrlOpener urls;
    AppContext context{state, texts, boxes, http, urls, {}};
    TFAbout about(context);
    about.show();

    EXPECT_EQ(about.windowTitle(), "About...");
    EXPECT_EQ(about.size(), QSize(425, 148));
    const auto text = [&about](const char* name) {
        auto* label = about.findChild<QLabel*>(QLatin1String(name));
        return label ? label->text() : QStringLiteral("<missing>");
    };
    EXPECT_EQ(text("L_Software"), "Software Vaduvizu ");
    EXPECT_EQ(text("L_SW_Desc"), "Modbus TCP Slave / LoRaWAN - Converter");
    EXPECT_EQ(text("L_SW_Code"), "VUD3O58");
    EXPECT_EQ(text("L_Version"), "1.002");
    EXPECT_EQ(text("L_Doc_Code"), "MNT3K58");
    EXPECT_EQ(text("L_Caption_SW_Code"), "Software Code : ");
    EXPECT_EQ(text("L_Caption_Version"), "Version :");
    EXPECT_EQ(text("L_Caption_Doc_Code"), "Document Code :");
    EXPECT_EQ(text("Label4"), makerHost());

    QTest::mouseClick(about.findChild<QLabel*>("Label4"), Qt::LeftButton);
    QTest::mouseClick(about.findChild<QLabel*>("I_Logo"), Qt::LeftButton);
    EXPECT_EQ(urls.opened, (QStringList{homePageUrl(), homePageUrl()}));

    QTest::mouseClick(about.findChild<QPushButton*>("Btn_OK"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

} // namespace
