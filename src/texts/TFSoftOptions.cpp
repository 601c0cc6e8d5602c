#include "texts/TFSoftOptions.h"

#include "app/AppContext.h"
#include "app/AppState.h"
#include "app/MessageBoxes.h"
#include "app/TitlePanel.h"
#include "app/UrlOpener.h"
#include "texts/ClickableLabel.h"
#include "texts/LanguageFile.h"
#include "texts/LanguageList.h"
#include "texts/TextTable.h"
#include "texts/VersionCheck.h"

#include <QBitmap>
#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vaduvizu {

namespace {

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A flag picture drawn transparent: the colour of its bottom-left pixel is left out.
QPixmap transparentPicture(const QString& path) {
    QPixmap picture(path);
    if (picture.isNull())
        return picture;
    const QImage image = picture.toImage();
    const QColor background = image.pixelColor(0, image.height() - 1);
    picture.setMask(picture.createMaskFromColor(background, Qt::MaskInColor));
    return picture;
}

} // namespace

TFSoftOptions::TFSoftOptions(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context) {
    FormCreate();
}

void TFSoftOptions::FormCreate() {
    setObjectName(QStringLiteral("TFSoftOptions"));
    resize(509, 373);

    const TitlePanel title = makeTitlePanel(this);
    L_SW_Code = title.code;
    L_SW_Desc = title.description;

    PC_Options = named(new QTabWidget(this), "PC_Options");

    // Language page: six slots in two columns of three, paging buttons below.
    TS_Language = named(new QWidget, "TS_Language");
    auto* languageLayout = new QVBoxLayout(TS_Language);
    L_Sel_Lang = named(new QLabel(TS_Language), "L_Sel_Lang");
    languageLayout->addWidget(L_Sel_Lang);
    auto* slotGrid = new QGridLayout;
    for (int k = 0; k < LanguageSlotsPerPage; ++k) {
        const QString number = QString::number(k + 1);
        I_L[k] = new ClickableLabel(TS_Language);
        I_L[k]->setObjectName(QStringLiteral("I_L") + number);
        I_L[k]->setFixedSize(48, 48);
        I_L[k]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        L_L[k] = new ClickableLabel(TS_Language);
        L_L[k]->setObjectName(QStringLiteral("L_L") + number);
        const int row = k % 3;
        const int column = (k / 3) * 2;
        slotGrid->addWidget(I_L[k], row, column);
        slotGrid->addWidget(L_L[k], row, column + 1);
        connect(I_L[k], &ClickableLabel::clicked, this, [this, k] { LangClick(k + 1); });
        connect(L_L[k], &ClickableLabel::clicked, this, [this, k] { LangClick(k + 1); });
    }
    slotGrid->setColumnStretch(1, 1);
    slotGrid->setColumnStretch(3, 1);
    languageLayout->addLayout(slotGrid);
    languageLayout->addStretch();
    auto* paging = new QHBoxLayout;
    Btn_Prev = named(new QPushButton(TS_Language), "Btn_Prev");
    L_Page_Lang = named(new QLabel(TS_Language), "L_Page_Lang");
    L_Page_Lang->setAlignment(Qt::AlignCenter);
    Btn_Next = named(new QPushButton(TS_Language), "Btn_Next");
    paging->addWidget(Btn_Prev);
    paging->addWidget(L_Page_Lang, 1);
    paging->addWidget(Btn_Next);
    languageLayout->addLayout(paging);
    connect(Btn_Prev, &QPushButton::clicked, this, [this] { Btn_NextClick(false); });
    connect(Btn_Next, &QPushButton::clicked, this, [this] { Btn_NextClick(true); });

    // Connection options page.
    TS_Con_Options = named(new QWidget, "TS_Con_Options");
    auto* connectionLayout = new QVBoxLayout(TS_Con_Options);
    CB_En_Con = named(new QCheckBox(TS_Con_Options), "CB_En_Con");
    CB_Update = named(new QCheckBox(TS_Con_Options), "CB_Update");
    Btn_Check_Update = named(new QPushButton(TS_Con_Options), "Btn_Check_Update");
    LL_Check_Update = named(new QLabel(TS_Con_Options), "LL_Check_Update");
    LL_Check_Update->setOpenExternalLinks(false);
    LL_Check_Update->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                             Qt::LinksAccessibleByKeyboard);
    connectionLayout->addWidget(CB_En_Con);
    auto* indented = new QHBoxLayout;
    indented->addSpacing(20);
    indented->addWidget(CB_Update);
    connectionLayout->addLayout(indented);
    auto* checkRow = new QHBoxLayout;
    checkRow->addWidget(Btn_Check_Update);
    checkRow->addStretch();
    connectionLayout->addLayout(checkRow);
    connectionLayout->addWidget(LL_Check_Update);
    connectionLayout->addStretch();
    connect(Btn_Check_Update, &QPushButton::clicked, this, [this] { Btn_Check_UpdateClick(); });
    connect(LL_Check_Update, &QLabel::linkActivated, this,
            [this](const QString& link) { LL_Check_UpdateLinkClick(link); });

    // Software settings page.
    TS_Soft_Settings = named(new QWidget, "TS_Soft_Settings");
    auto* settingsLayout = new QVBoxLayout(TS_Soft_Settings);
    CB_Soft_Set_Jump_Table = named(new QCheckBox(TS_Soft_Settings), "CB_Soft_Set_Jump_Table");
    CB_DoubleClick_Auto_Size = named(new QCheckBox(TS_Soft_Settings), "CB_DoubleClick_Auto_Size");
    settingsLayout->addWidget(CB_Soft_Set_Jump_Table);
    settingsLayout->addWidget(CB_DoubleClick_Auto_Size);
    settingsLayout->addStretch();

    PC_Options->addTab(TS_Language, QString());
    PC_Options->addTab(TS_Con_Options, QString());
    PC_Options->addTab(TS_Soft_Settings, QString());

    for (QCheckBox* box : {CB_En_Con, CB_Update, CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
        connect(box, &QCheckBox::toggled, this, [this] { CB_En_ConClick(); });

    // Bottom panel.
    Btn_OK = named(new QPushButton(this), "Btn_OK");
    Btn_Cancel = named(new QPushButton(this), "Btn_Cancel");
    Btn_OK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Btn_OK);
    buttons->addWidget(Btn_Cancel);
    connect(Btn_OK, &QPushButton::clicked, this, [this] { Btn_OKClick(); });
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title.panel);
    layout->addWidget(PC_Options, 1);
    layout->addLayout(buttons);

    Set_Lang();
}

void TFSoftOptions::Set_Lang() {
    const TextTable& t = m_context.texts;
    setWindowTitle(t[300]);
    L_SW_Desc->setText(t[301]);
    PC_Options->setTabText(PC_Options->indexOf(TS_Language), t[302]);
    PC_Options->setTabText(PC_Options->indexOf(TS_Con_Options), t[303]);
    Btn_Prev->setText(t[307]);
    Btn_Next->setText(t[308]);
    CB_En_Con->setText(t[309]);
    CB_Update->setText(t[310]);
    Btn_Check_Update->setText(t[311]);
    Btn_OK->setText(t[312]);
    Btn_Cancel->setText(t[313]);
    PC_Options->setTabText(PC_Options->indexOf(TS_Soft_Settings), t[319]);
    CB_Soft_Set_Jump_Table->setText(t[320]);
    CB_DoubleClick_Auto_Size->setText(t[321]);
    Update_Lang_Labels();
}

void TFSoftOptions::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFSoftOptions::FormShow() {
    Language_In_Use = m_context.state.currentLanguage;
    Create_Lang_List();
    Update_CheckBox();
    LL_Check_Update->hide();
    PC_Options->setCurrentWidget(TS_Language);
    CB_En_Con->setChecked(m_context.state.enableInternet);
    CB_Update->setChecked(m_context.state.enableUpdate);
    CB_Soft_Set_Jump_Table->setChecked(m_context.state.enableJumpFieldTables);
    CB_DoubleClick_Auto_Size->setChecked(m_context.state.doubleClickAutoSize);
}

void TFSoftOptions::Create_Lang_List() {
    SL_Languages = vaduvizu::Create_Lang_List(m_context.state.languageFolder);
    Show_Page = 1;
    Update_Lang_Page();
}

void TFSoftOptions::Update_Lang_Labels() {
    const TextTable& t = m_context.texts;
    L_Sel_Lang->setText(t[304] + Language_In_Use);
    L_Page_Lang->setText(t[305] + QString::number(Show_Page) + t[306] +
                         QString::number(languagePageCount(SL_Languages.size())));
}

void TFSoftOptions::Update_Lang_Page() {
    const int pages = languagePageCount(SL_Languages.size());
    Update_Lang_Labels();
    Btn_Prev->setVisible(Show_Page != 1);
    // With no language file at all there is no further page either.
    Btn_Next->setVisible(Show_Page < pages);

    const QStringList names = languagesOnPage(SL_Languages, Show_Page);
    for (int k = 0; k < LanguageSlotsPerPage; ++k) {
        if (k >= names.size()) {
            I_L[k]->hide();
            L_L[k]->hide();
            continue;
        }
        L_L[k]->setText(names.at(k));
        L_L[k]->show();
        const QString flag = flagPicturePath(m_context.state.languageFolder, names.at(k));
        const QPixmap picture = flag.isEmpty() ? QPixmap() : transparentPicture(flag);
        I_L[k]->setPixmap(picture);
        I_L[k]->setVisible(!picture.isNull());
    }
}

void TFSoftOptions::Btn_NextClick(bool forward) {
    const int pages = languagePageCount(SL_Languages.size());
    if (forward && Show_Page + 1 <= pages)
        ++Show_Page;
    else if (!forward && Show_Page - 1 > 0)
        --Show_Page;
    Update_Lang_Page();
}

void TFSoftOptions::LangClick(int slot) {
    const qsizetype entry = qsizetype(Show_Page - 1) * LanguageSlotsPerPage + slot - 1;
    if (entry < 0 || entry >= SL_Languages.size())
        return;
    const QString newLanguage = languageName(SL_Languages.at(entry));

    const TextTable& t = m_context.texts;
    if (!m_context.boxes.confirm(this, t[316] + Language_In_Use + t[317] + newLanguage + t[318]))
        return;
    Language_In_Use = newLanguage;

    // The texts follow the new language at once; the current language changes only on OK.
    const QString remembered = m_context.state.currentLanguage;
    m_context.state.currentLanguage = newLanguage;
    Load_Texts(m_context.texts, m_context.state);
    m_context.state.currentLanguage = remembered;

    if (m_context.changeLanguage)
        m_context.changeLanguage();
    else
        Set_Lang();
    Update_Lang_Labels();
}

void TFSoftOptions::Update_CheckBox() {
    CB_Update->setEnabled(CB_En_Con->isChecked());
    Btn_Check_Update->setEnabled(CB_Update->isEnabled() && CB_Update->isChecked());
}

void TFSoftOptions::CB_En_ConClick() {
    Update_CheckBox();
}

bool TFSoftOptions::Check_Version() {
    return vaduvizu::Check_Version(m_context.http);
}

int TFSoftOptions::Conv_Version(const QString& text) {
    return vaduvizu::Conv_Version(text);
}

void TFSoftOptions::Btn_Check_UpdateClick() {
    // The request blocks this window until the answer or the time-out.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool newer = Check_Version();
    QGuiApplication::restoreOverrideCursor();

    const TextTable& t = m_context.texts;
    if (newer) {
        LL_Check_Update->setTextFormat(Qt::RichText);
        LL_Check_Update->setText(
            QStringLiteral("<a href=\"%1\">%2</a>")
                .arg(downloadPageUrl().toHtmlEscaped(), t[314].toHtmlEscaped()));
    } else {
        LL_Check_Update->setTextFormat(Qt::PlainText);
        LL_Check_Update->setText(t[315]);
    }
    LL_Check_Update->show();
}

void TFSoftOptions::LL_Check_UpdateLinkClick(const QString& link) {
    m_context.urls.open(link);
}

void TFSoftOptions::Btn_OKClick() {
    AppState& state = m_context.state;
    state.currentLanguage = Language_In_Use;
    state.enableInternet = CB_En_Con->isChecked();
    state.enableUpdate = CB_Update->isChecked(); // also when the box is disabled
    // The main window arms or stops its timer from these two after OK.
    state.enableJumpFieldTables = CB_Soft_Set_Jump_Table->isChecked();
    state.doubleClickAutoSize = CB_DoubleClick_Auto_Size->isChecked();
    accept();
}

} // namespace vaduvizu
