#include "app/AppContext.h"
#include "app/AppState.h"
#include "support/FakeHttpClient.h"
#include "support/LocalHttpServer.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempDir.h"
#include "texts/TFSoftOptions.h"
#include "texts/TextTable.h"
#include "texts/VersionCheck.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace vaduvizu;
using namespace vaduvizu::test;

// Readable QString values in failure messages.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QString ShippedLanguages = QStringLiteral(VADUVIZU_LANGUAGE_FOLDER);

class SoftOptionsTest : public testing::Test {
protected:
    SoftOptionsTest() {
        state.languageFolder = dir.path();
        state.currentLanguage = QStringLiteral("English");
    }

    void writeLanguages(const QStringList& names) {
        for (const QString& name : names)
            dir.write(name + ".lng", "STR0 = " + name.toUtf8() + "\n");
    }
    void writeFlag(const QString& name, int size) {
        QImage flag(size, size, QImage::Format_RGB888);
        flag.fill(Qt::magenta);
        flag.setPixelColor(size / 2, size / 2, Qt::blue);
        ASSERT_TRUE(flag.save(dir.file(name + ".bmp"), "BMP"));
    }
    void copyShipped(const QString& file) {
        ASSERT_TRUE(QFile::copy(ShippedLanguages + u'/' + file, dir.file(file)))
            << file.toStdString();
    }

    TFSoftOptions& open() {
        if (!dialog)
            dialog = std::make_unique<TFSoftOptions>(context);
        dialog->show();
        return *dialog;
    }
    template <typename Widget = QWidget> Widget* control(const char* name) {
        auto* widget = dialog->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLabel* slotLabel(int k) { return control<QLabel>(qPrintable(QStringLiteral("L_L%1").arg(k))); }
    QLabel* slotPicture(int k) {
        return control<QLabel>(qPrintable(QStringLiteral("I_L%1").arg(k)));
    }
    int shownSlots() {
        int shown = 0;
        for (int k = 1; k <= 6; ++k)
            shown += slotLabel(k)->isHidden() ? 0 : 1;
        return shown;
    }
    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }

    TempDir dir;
    AppState state;
    TextTable texts;
    RecordingMessageBoxes boxes;
    FakeHttpClient http;
    RecordingUrlOpener urls;
    int languageChanges = 0;
    AppContext context{state, texts, boxes, http, urls, [this] {
                           ++languageChanges;
                           dialog->Set_Lang();
                       }};
    std::unique_ptr<TFSoftOptions> dialog;
};

TEST_F(SoftOptionsTest, FirstShowingNamesTheCurrentLanguage) {
    open();
    EXPECT_EQ(control<QLabel>("L_Sel_Lang")->text(), "Selected Language : English");
    EXPECT_EQ(dialog->windowTitle(), "Software Options");
    EXPECT_EQ(control<QLabel>("L_SW_Code")->text(), "VUD3O58");
    EXPECT_EQ(control<QTabWidget>("PC_Options")->currentWidget(), control("TS_Language"));
}

// Every caption, tab and label takes its own entry of the text table.
TEST_F(SoftOptionsTest, EachControlShowsItsOwnTextEntry) {
    writeLanguages({"English"});
    open();
    for (int index = 300; index <= 321; ++index)
        texts.set(index, QStringLiteral("T%1|").arg(index));
    dialog->Set_Lang();

    struct Case {
        const char* control; // a tab page: its tab caption
        int index;
    };
    const Case cases[] = {
        {"L_SW_Desc", 301},
        {"TS_Language", 302},
        {"TS_Con_Options", 303},
        {"Btn_Prev", 307},
        {"Btn_Next", 308},
        {"CB_En_Con", 309},
        {"CB_Update", 310},
        {"Btn_Check_Update", 311},
        {"Btn_OK", 312},
        {"Btn_Cancel", 313},
        {"TS_Soft_Settings", 319},
        {"CB_Soft_Set_Jump_Table", 320},
        {"CB_DoubleClick_Auto_Size", 321},
    };
    auto* pages = control<QTabWidget>("PC_Options");
    for (const Case& c : cases) {
        QWidget* widget = control(c.control);
        ASSERT_NE(widget, nullptr);
        const int tab = pages->indexOf(widget);
        const QString shown = tab >= 0 ? pages->tabText(tab) : widget->property("text").toString();
        EXPECT_EQ(shown, texts[c.index]) << c.control;
    }
    EXPECT_EQ(dialog->windowTitle(), "T300|");
    EXPECT_EQ(control<QLabel>("L_Sel_Lang")->text(), "T304|English");
    EXPECT_EQ(control<QLabel>("L_Page_Lang")->text(), "T305|1T306|1");
}

struct PagingCase {
    int files;
    int nextClicks;
    int shown;
    int firstShown; // number of the language in slot 1
    const char* pageLabel;
    bool prevShown;
    bool nextShown;
};

class LanguagePaging : public SoftOptionsTest, public testing::WithParamInterface<PagingCase> {};

TEST_P(LanguagePaging, ShowsSixSlotsToAPage) {
    const PagingCase& c = GetParam();
    QStringList names;
    for (int i = 0; i < c.files; ++i)
        names << QStringLiteral("Lang%1").arg(i, 2, 10, QLatin1Char('0'));
    writeLanguages(names);
    open();
    for (int i = 0; i < c.nextClicks; ++i)
        click("Btn_Next");

    EXPECT_EQ(shownSlots(), c.shown);
    EXPECT_EQ(control<QLabel>("L_Page_Lang")->text(), c.pageLabel);
    EXPECT_EQ(!control("Btn_Prev")->isHidden(), c.prevShown);
    EXPECT_EQ(!control("Btn_Next")->isHidden(), c.nextShown);
    if (c.shown > 0) {
        EXPECT_EQ(slotLabel(1)->text(),
                  QStringLiteral("Lang%1").arg(c.firstShown, 2, 10, QLatin1Char('0')));
    }
    for (int k = c.shown + 1; k <= 6; ++k)
        EXPECT_TRUE(slotPicture(k)->isHidden()) << k;
}

INSTANTIATE_TEST_SUITE_P(Table, LanguagePaging,
                         testing::Values(PagingCase{7, 0, 6, 0, "Page 1 / 2", false, true},
                                         PagingCase{7, 1, 1, 6, "Page 2 / 2", true, false},
                                         PagingCase{7, 2, 1, 6, "Page 2 / 2", true, false},
                                         PagingCase{6, 0, 6, 0, "Page 1 / 1", false, false},
                                         PagingCase{13, 1, 6, 6, "Page 2 / 3", true, true},
                                         PagingCase{13, 2, 1, 12, "Page 3 / 3", true, false},
                                         PagingCase{0, 0, 0, 0, "Page 1 / 0", false, false}),
                         [](const testing::TestParamInfo<PagingCase>& test) {
                             return "Files" + std::to_string(test.param.files) + "Next" +
                                    std::to_string(test.param.nextClicks);
                         });

TEST_F(SoftOptionsTest, PreviousGoesBackAndEachShowingStartsOnPageOne) {
    writeLanguages({"A", "B", "C", "D", "E", "F", "G"});
    open();
    click("Btn_Next");
    click("Btn_Prev");
    EXPECT_EQ(control<QLabel>("L_Page_Lang")->text(), "Page 1 / 2");
    click("Btn_Next");
    dialog->hide();
    open();
    EXPECT_EQ(control<QLabel>("L_Page_Lang")->text(), "Page 1 / 2");
    EXPECT_EQ(slotLabel(1)->text(), "A");
}

TEST_F(SoftOptionsTest, SlotsListLanguagesCaseBlindInOrder) {
    writeLanguages({"English", "deutsch", "Italiano"});
    open();
    EXPECT_EQ(slotLabel(1)->text(), "deutsch");
    EXPECT_EQ(slotLabel(2)->text(), "English");
    EXPECT_EQ(slotLabel(3)->text(), "Italiano");
}

TEST_F(SoftOptionsTest, FlagsFallBackToTheDefaultFlagAndAreDrawnTransparent) {
    writeLanguages({"English", "Klingon"});
    writeFlag("English", 40);
    open();
    EXPECT_FALSE(slotPicture(1)->isHidden());
    EXPECT_TRUE(slotPicture(2)->isHidden()) << "no flag and no default flag";

    writeFlag("DefaultFlag", 30);
    dialog->hide();
    open();
    const QPixmap english = slotPicture(1)->pixmap();
    const QPixmap klingon = slotPicture(2)->pixmap();
    EXPECT_EQ(english.size(), QSize(40, 40));
    EXPECT_EQ(klingon.size(), QSize(30, 30));
    EXPECT_FALSE(slotPicture(2)->isHidden());
    // The colour of the bottom-left pixel is the transparent one.
    const QImage drawn = english.toImage();
    EXPECT_EQ(drawn.pixelColor(0, 39).alpha(), 0);
    EXPECT_EQ(drawn.pixelColor(20, 20).alpha(), 255);
}

struct SwitchCase {
    const char* name;
    bool answerYes;
    const char* closeWith;
    const char* currentLanguageAfter;
    const char* titleAfter; // the windows' texts after the dialog closed
};

class LanguageSwitch : public SoftOptionsTest, public testing::WithParamInterface<SwitchCase> {};

TEST_P(LanguageSwitch, TextsFollowAtOnceTheCurrentLanguageOnlyOnOK) {
    const SwitchCase& c = GetParam();
    copyShipped("English.lng");
    copyShipped("Italiano.lng");
    boxes.nextAnswers.push_back(c.answerYes);
    open();
    ASSERT_EQ(slotLabel(2)->text(), "Italiano");
    QTest::mouseClick(slotLabel(2), Qt::LeftButton);

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, "confirm");
    EXPECT_EQ(boxes.shown[0].text, "Do you want to change the Language from English to Italiano?");
    EXPECT_EQ(languageChanges, c.answerYes ? 1 : 0);
    EXPECT_EQ(state.currentLanguage, "English") << "unchanged until OK";
    EXPECT_EQ(control<QLabel>("L_Sel_Lang")->text(),
              c.answerYes ? "Lingua selezionata : Italiano" : "Selected Language : English");

    click(c.closeWith);
    EXPECT_EQ(state.currentLanguage, c.currentLanguageAfter);
    EXPECT_EQ(texts[300], c.titleAfter);
    EXPECT_EQ(dialog->windowTitle(), c.titleAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LanguageSwitch,
    testing::Values(SwitchCase{"YesThenOK", true, "Btn_OK", "Italiano", "Opzioni software"},
                    SwitchCase{"YesThenCancel", true, "Btn_Cancel", "English", "Opzioni software"},
                    SwitchCase{"NoThenOK", false, "Btn_OK", "English", "Software Options"},
                    SwitchCase{"NoThenCancel", false, "Btn_Cancel", "English", "Software Options"}),
    [](const testing::TestParamInfo<SwitchCase>& param) { return std::string(param.param.name); });

TEST_F(SoftOptionsTest, PickingByPictureOnTheSecondPageAsksInTheNewLanguage) {
    writeLanguages({"A1", "A2", "A3", "A4", "A5", "A6"});
    copyShipped("Deutsch.lng");
    copyShipped("Deutsch.bmp");
    open();
    click("Btn_Next");
    ASSERT_EQ(slotLabel(1)->text(), "Deutsch");
    QTest::mouseClick(slotPicture(1), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>("L_Page_Lang")->text(), "Seite 2 / 2");
    EXPECT_EQ(control<QPushButton>("Btn_Prev")->text(), QString::fromUtf8("Zurück"));

    // A second switch asks in the language now in use.
    QTest::mouseClick(slotLabel(1), Qt::LeftButton);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text,
              QString::fromUtf8("Möchten Sie die Sprache von Deutsch auf Deutsch umstellen?"));
}

TEST_F(SoftOptionsTest, LanguageFileGoneBeforePickingFallsBackWithoutChangingTheCurrentOne) {
    copyShipped("Deutsch.lng");
    copyShipped("English.lng");
    copyShipped("Italiano.lng");
    state.currentLanguage = QStringLiteral("Deutsch");
    open();
    ASSERT_EQ(slotLabel(3)->text(), "Italiano");
    ASSERT_TRUE(QFile::remove(dir.file("Italiano.lng")));
    QTest::mouseClick(slotLabel(3), Qt::LeftButton);

    EXPECT_EQ(languageChanges, 1);
    EXPECT_EQ(texts[300], "Software Options") << "English.lng applies";
    EXPECT_EQ(state.currentLanguage, "Deutsch");
    EXPECT_EQ(dialog->languageInUse(), "Italiano");
}

struct CheckBoxCase {
    bool internet;
    bool update;
    bool updateEnabled;
    bool checkEnabled;
};

class CheckBoxRule : public SoftOptionsTest, public testing::WithParamInterface<CheckBoxCase> {};

TEST_P(CheckBoxRule, UpdateNeedsInternetAndCheckNeedsBoth) {
    const CheckBoxCase& c = GetParam();
    state.enableInternet = c.internet;
    state.enableUpdate = c.update;
    open();
    EXPECT_EQ(control<QCheckBox>("CB_En_Con")->isChecked(), c.internet);
    EXPECT_EQ(control<QCheckBox>("CB_Update")->isChecked(), c.update);
    EXPECT_EQ(control("CB_Update")->isEnabled(), c.updateEnabled);
    EXPECT_EQ(control("Btn_Check_Update")->isEnabled(), c.checkEnabled);
}

INSTANTIATE_TEST_SUITE_P(Table, CheckBoxRule,
                         testing::Values(CheckBoxCase{false, false, false, false},
                                         CheckBoxCase{false, true, false, false},
                                         CheckBoxCase{true, false, true, false},
                                         CheckBoxCase{true, true, true, true}),
                         [](const testing::TestParamInfo<CheckBoxCase>& test) {
                             return std::string(test.param.internet ? "Internet" : "NoInternet") +
                                    (test.param.update ? "Update" : "NoUpdate");
                         });

TEST_F(SoftOptionsTest, UntickingInternetKeepsTheUpdateTickThatOKStores) {
    state.enableInternet = true;
    state.enableUpdate = true;
    open();
    control<QCheckBox>("CB_En_Con")->click();
    EXPECT_FALSE(control("CB_Update")->isEnabled());
    EXPECT_FALSE(control("Btn_Check_Update")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>("CB_Update")->isChecked());
    click("Btn_OK");
    EXPECT_FALSE(state.enableInternet);
    EXPECT_TRUE(state.enableUpdate);
}

TEST_F(SoftOptionsTest, OKStoresTheOptionsAndCancelLeavesThem) {
    open();
    for (const char* name :
         {"CB_En_Con", "CB_Update", "CB_Soft_Set_Jump_Table", "CB_DoubleClick_Auto_Size"})
        control<QCheckBox>(name)->click();
    click("Btn_Cancel");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(state.enableInternet || state.enableUpdate || state.enableJumpFieldTables ||
                 state.doubleClickAutoSize);

    open();
    EXPECT_FALSE(control<QCheckBox>("CB_En_Con")->isChecked()) << "a cancelled choice is gone";
    for (const char* name :
         {"CB_En_Con", "CB_Update", "CB_Soft_Set_Jump_Table", "CB_DoubleClick_Auto_Size"})
        control<QCheckBox>(name)->click();
    click("Btn_OK");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(state.enableInternet && state.enableUpdate && state.enableJumpFieldTables &&
                state.doubleClickAutoSize);
    EXPECT_EQ(state.currentLanguage, "English");
}

TEST_F(SoftOptionsTest, ManualCheckShowsTheDownloadLinkOrNoUpdate) {
    state.enableInternet = true;
    state.enableUpdate = true;
    open();
    auto* result = control<QLabel>("LL_Check_Update");
    EXPECT_TRUE(result->isHidden());

    http.answerWith("VER. 1.003");
    click("Btn_Check_Update");
    EXPECT_EQ(http.requested, QStringList{versionRequestUrl()});
    EXPECT_FALSE(result->isHidden());
    EXPECT_TRUE(result->text().contains(downloadPageUrl()));
    EXPECT_TRUE(result->text().contains("New Version Available. Click Here for more Details"));
    emit result->linkActivated(downloadPageUrl());
    EXPECT_EQ(urls.opened, QStringList{downloadPageUrl()});

    http.answer = {}; // no connection
    click("Btn_Check_Update");
    EXPECT_EQ(result->text(), "No Update Available");
    EXPECT_EQ(result->textFormat(), Qt::PlainText);
    EXPECT_TRUE(boxes.shown.empty()) << "a failed check shows no message";

    dialog->hide();
    open();
    EXPECT_TRUE(result->isHidden());
}

// Sends the requests meant for the maker's server to a local one instead.
class RedirectingHttpClient : public HttpClient {
public:
    explicit RedirectingHttpClient(const LocalHttpServer& server) : m_server(server) {}
    HttpAnswer get(const QString& url) override {
        const QString makerServer = "http://" + makerHost();
        EXPECT_TRUE(url.startsWith(makerServer)) << url.toStdString();
        return m_client.get(m_server.url(url.mid(makerServer.size())));
    }

private:
    const LocalHttpServer& m_server;
    CurlHttpClient m_client{std::chrono::milliseconds(1000), std::chrono::milliseconds(2000)};
};

TEST(SoftOptionsVersion, ManualCheckAsksTheServerOverHttp) {
    LocalHttpServer server(LocalHttpServer::answer("VER. 1.003"));
    RedirectingHttpClient http(server);
    AppState state;
    state.enableInternet = true;
    state.enableUpdate = true;
    TextTable texts;
    RecordingMessageBoxes boxes;
    RecordingUrlOpener urls;
    AppContext context{state, texts, boxes, http, urls, {}};
    TFSoftOptions dialog(context);
    dialog.show();

    EXPECT_TRUE(dialog.Check_Version());
    QTest::mouseClick(dialog.findChild<QPushButton*>("Btn_Check_Update"), Qt::LeftButton);
    EXPECT_TRUE(dialog.findChild<QLabel*>("LL_Check_Update")->text().contains(downloadPageUrl()));
    EXPECT_TRUE(server.lastRequest().startsWith(
        "GET /home/download/GetversionSW.asp?nomesw=VUD3O58 HTTP/1.0\r\n"));
}

TEST(SoftOptionsVersion, ConvVersionReadsTheVersionText) {
    EXPECT_EQ(TFSoftOptions::Conv_Version(QStringLiteral("VER. 1.003")), 1003);
    EXPECT_EQ(TFSoftOptions::Conv_Version(QStringLiteral("VER. 10.02")), -1);
}

TEST(ShippedFlags, FitTheirSlots) {
    for (const char* name : {"English", "Italiano", "Deutsch", "DefaultFlag"}) {
        const QImage flag(ShippedLanguages + u'/' + QLatin1String(name) + ".bmp");
        ASSERT_FALSE(flag.isNull()) << name;
        EXPECT_LE(flag.width(), 48) << name;
        EXPECT_LE(flag.height(), 48) << name;
    }
}

} // namespace
