#include "app/TFVaduvizuFirmWare.h"

#include "app/AppContext.h"
#include "app/AppFolders.h"
#include "app/AppState.h"
#include "app/GeneralErrorHandler.h"
#include "app/MessageBoxes.h"
#include "app/PictureIcons.h"
#include "app/ProductIdentity.h"
#include "app/SettingsFile.h"
#include "app/UrlOpener.h"
#include "image/ImageCompiler.h"
#include "parameters/TFParGen.h"
#include "projects/TFNew_Project.h"
#include "projects/TFOpenConf.h"
#include "rules/TFLoRa_Set_Access.h"
#include "texts/ClickableLabel.h"
#include "texts/LanguageFile.h"
#include "texts/TFAbout.h"
#include "texts/TFSoftOptions.h"
#include "texts/TextTable.h"
#include "texts/VersionCheck.h"
#include "update/TFBoot.h"
#include "update/UpdateCommand.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace vaduvizu {

namespace {

// Layout of the step rows: labels 44 pixels apart, each button row 16 pixels above its label.
constexpr int FirstStepTop = 128;
constexpr int StepDistance = 44;
constexpr int ButtonAboveLabel = 16;
constexpr int StepButtonLeft = 80;
constexpr QSize StepButtonSize(170, 36);
constexpr QSize PictureButtonSize(50, 50);

int stepTop(int step) {
    return FirstStepTop + (step - 1) * StepDistance;
}

QLabel* makeLabel(QWidget* parent, const char* name, QPoint at, int pointSize, bool bold,
                  bool grey) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->move(at);
    QFont font = label->font();
    if (pointSize > 0)
        font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    if (grey) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::gray);
        label->setPalette(palette);
    }
    return label;
}

void setLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

QPushButton* makeButton(QWidget* parent, const char* name, QPoint at, QSize size) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(QRect(at, size));
    button->setAutoDefault(false);
    return button;
}

QPushButton* makePictureButton(QWidget* parent, const char* name, int left, const QIcon& icon) {
    QPushButton* button = makeButton(parent, name, QPoint(left, 8), PictureButtonSize);
    button->setIcon(icon);
    button->setIconSize(QSize(32, 32));
    return button;
}

QFrame* makeShape(QWidget* parent, const char* name, QRect geometry, QFrame::Shape shape) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    frame->setFrameShape(shape);
    frame->setFrameShadow(QFrame::Plain);
    QPalette palette = frame->palette(); // a plain frame is drawn in the text colour
    palette.setColor(QPalette::WindowText, QColor(0xc0, 0xc0, 0xc0));
    frame->setPalette(palette);
    return frame;
}

} // namespace

TFVaduvizuFirmWare::TFVaduvizuFirmWare(AppContext& context, const QString& applicationFolder,
                                       QWidget* parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("TFVaduvizuFirmWare"));
    FormCreate(applicationFolder);
}

TFVaduvizuFirmWare::~TFVaduvizuFirmWare() = default;

void TFVaduvizuFirmWare::FormCreate(const QString& applicationFolder) {
    AppState& state = m_context.state;
    createControls();

    setUpFolders(state, applicationFolder);
    state.activeProjectName.clear();
    state.activeProjectFolder.clear();
    state.readBack = true;
    state.updateOption = 0;
    readSettings(state, state.applicationFolder + QLatin1Char('/') + SettingsFileName);

    Timer_Update = new QTimer(this);
    Timer_Update->setObjectName(QStringLiteral("Timer_Update"));
    Timer_Update->setInterval(FirstTimerInterval);
    connect(Timer_Update, &QTimer::timeout, this, &TFVaduvizuFirmWare::Timer_UpdateTimer);
    Update_Timer();

    setWindowTitle(QString::fromUtf8(product::MainWindowCaption));
    setLabelText(L_SW_Code, QString::fromUtf8(product::SoftwareCode));
    setLabelText(L_SW_Desc, QString::fromUtf8(product::Description));

    Load_Texts(m_context.texts, state);
    resolveActiveProject(state);
    Set_Lang(); // also shows the active project by the labels' rule
    Set_Files();
}

void TFVaduvizuFirmWare::createControls() {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(ClientWidth, ClientHeight);

    L_SW_Code = makeLabel(this, "L_SW_Code", {16, 8}, 20, true, true);
    L_SW_Desc = makeLabel(this, "L_SW_Desc", {16, 42}, 0, true, true);

    LL_Update = makeLabel(this, "LL_Update", {208, 19}, 0, false, false);
    LL_Update->setTextFormat(Qt::RichText);
    LL_Update->setOpenExternalLinks(false);
    LL_Update->hide();
    connect(LL_Update, &QLabel::linkActivated, this, &TFVaduvizuFirmWare::LL_UpdateLinkClick);

    Btn_Info = makePictureButton(this, "Btn_Info", 516, informationIcon());
    Btn_Opz = makePictureButton(this, "Btn_Opz", 574, optionsIcon());
    Btn_Close = makePictureButton(this, "Btn_Close", 632, closeIcon());

    L_Begin = makeLabel(this, "L_Begin", {16, 84}, 0, true, true);
    Shape2 = makeShape(this, "Shape2", QRect(80, 70, 348, 36), QFrame::Box);
    L_Name_Conf = makeLabel(this, "L_Name_Conf", {87, 75}, 0, false, false);
    L_Name_Conf_L2 = makeLabel(this, "L_Name_Conf_L2", {87, 88}, 0, false, false);

    static const char* const stepNames[8] = {"L_Step_1", "L_Step_2", "L_Step_3", "L_Step_4",
                                             "L_Step_5", "L_Step_6", "L_Step_7", "L_Step_8"};
    for (int step = 1; step <= 8; ++step) {
        L_Step[step - 1] = makeLabel(this, stepNames[step - 1], {16, stepTop(step)}, 0, true, true);
        // Steps 5 to 8 belong to the further protocol editors, not offered in this product.
        L_Step[step - 1]->setVisible(step <= 4);
    }

    auto stepButton = [this](const char* name, int step, int left) {
        return makeButton(this, name, {left, stepTop(step) - ButtonAboveLabel}, StepButtonSize);
    };
    Btn_New = stepButton("Btn_New", 1, StepButtonLeft);
    Btn_Open = stepButton("Btn_Open", 1, 258);
    Btn_Prm_Gen = stepButton("Btn_Prm_Gen", 2, StepButtonLeft);
    Btn_LoRaWAN_Access = stepButton("Btn_LoRaWAN_Access", 3, StepButtonLeft);
    Btn_CreateBin = stepButton("Btn_CreateBin", 4, StepButtonLeft);

    L_Maker_Link = new ClickableLabel(this);
    L_Maker_Link->setObjectName(QStringLiteral("L_Maker_Link"));
    L_Maker_Link->move(565, stepTop(4));
    QFont font = L_Maker_Link->font();
    font.setBold(true);
    L_Maker_Link->setFont(font);
    QPalette palette = L_Maker_Link->palette();
    palette.setColor(QPalette::WindowText, Qt::gray);
    L_Maker_Link->setPalette(palette);
    setLabelText(L_Maker_Link, makerHost());
    connect(L_Maker_Link, &ClickableLabel::clicked, this, &TFVaduvizuFirmWare::Maker_LinkClick);

    const int lastButtonTop = stepTop(4) - ButtonAboveLabel;
    Shape1 = makeShape(this, "Shape1", QRect(10, lastButtonTop + 51, 674, 1), QFrame::HLine);

    for (QPushButton* button : {Btn_New, Btn_Open, Btn_Close, Btn_Info, Btn_Opz, Btn_Prm_Gen,
                                Btn_LoRaWAN_Access, Btn_CreateBin})
        connect(button, &QPushButton::clicked, this, &TFVaduvizuFirmWare::Btn_Click);

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFVaduvizuFirmWare::Create_Windows() {
    m_newProject = new TFNew_Project(m_context, this);
    m_openConf = new TFOpenConf(m_context, this);
    m_about = new TFAbout(m_context, this);
    m_options = new TFSoftOptions(m_context, this);
    m_parGen = new TFParGen(m_context, this);
    m_boot = new TFBoot(m_context, this);
    m_loraAccess = new TFLoRa_Set_Access(m_context, this);
}

void TFVaduvizuFirmWare::Set_Lang() {
    const TextTable& texts = m_context.texts;
    setLabelText(L_Begin, texts[0]);
    for (int step = 1; step <= 8; ++step)
        setLabelText(L_Step[step - 1], texts[step]);
    Btn_Info->setToolTip(texts[12]);
    Btn_Opz->setToolTip(texts[13]);
    Btn_Close->setToolTip(texts[14]);
    Btn_New->setText(texts[15]);
    Btn_Open->setText(texts[16]);
    Btn_CreateBin->setText(texts[17]);
    Btn_Prm_Gen->setText(texts[20]);
    Btn_LoRaWAN_Access->setText(texts[21]);
    Show_Active_Project();
    Btn_New->setToolTip(texts[22]);
    Btn_Open->setToolTip(texts[23]);
    Btn_Prm_Gen->setToolTip(texts[24]);
    Btn_LoRaWAN_Access->setToolTip(texts[25]);
    Btn_CreateBin->setToolTip(texts[26]);
    // A link already announced follows the language too.
    if (!m_updateLink.isEmpty())
        setLabelText(LL_Update, QStringLiteral("<a href=\"%1\">%2</a>")
                                    .arg(m_updateLink.toHtmlEscaped(), texts[19].toHtmlEscaped()));
}

void TFVaduvizuFirmWare::Show_Active_Project() {
    const AppState& state = m_context.state;
    const TextTable& texts = m_context.texts;
    if (state.hasActiveProject()) {
        setLabelText(L_Name_Conf, texts[11]);
        setLabelText(L_Name_Conf_L2, state.activeProjectName);
    } else {
        setLabelText(L_Name_Conf, texts[9]);
        setLabelText(L_Name_Conf_L2, texts[10]);
    }
}

void TFVaduvizuFirmWare::Change_Language() {
    Set_Lang();
    if (m_newProject)
        m_newProject->Set_Lang();
    if (m_openConf)
        m_openConf->Set_Lang();
    if (m_options)
        m_options->Set_Lang();
    if (m_boot)
        m_boot->Set_Lang();
    if (m_parGen)
        m_parGen->Set_Lang();
    if (m_loraAccess)
        m_loraAccess->Set_Lang();
}

void TFVaduvizuFirmWare::Save_Setting() {
    writeSettings(m_context.state,
                  m_context.state.applicationFolder + QLatin1Char('/') + SettingsFileName);
}

void TFVaduvizuFirmWare::Set_Files() {
    m_files = vaduvizu::Set_Files(m_context.state);
}

void TFVaduvizuFirmWare::Update_Timer() {
    if (!(m_context.state.enableInternet && m_context.state.enableUpdate))
        Timer_Update->stop();
    else if (!Timer_Update->isActive()) // a running timer keeps its interval going
        Timer_Update->start();
}

void TFVaduvizuFirmWare::Timer_UpdateTimer() {
    Timer_Update->stop();
    guarded(this, m_context.boxes, [this] {
        if (m_options && m_options->Check_Version()) {
            m_updateLink = downloadPageUrl();
            Set_Lang();
            LL_Update->show();
        } else {
            m_updateLink.clear();
            LL_Update->hide();
        }
    });
    Timer_Update->setInterval(RepeatTimerInterval);
    Update_Timer();
}

void TFVaduvizuFirmWare::Btn_Click() {
    const QObject* button = sender();
    guarded(this, m_context.boxes, [this, button] {
        if (button == Btn_New) {
            Create_New_Project();
        } else if (button == Btn_Open) {
            Open_Project();
        } else if (button == Btn_Close) {
            close();
        } else if (button == Btn_Info) {
            m_about->exec();
        } else if (button == Btn_Opz) {
            if (m_options->exec() == QDialog::Accepted) {
                // The options hold in memory even when the file cannot be written.
                guarded(this, m_context.boxes, [this] { Save_Setting(); });
                Update_Timer();
            }
        } else if (!m_context.state.hasActiveProject()) {
            m_context.boxes.error(this, m_context.texts[18]);
        } else if (button == Btn_Prm_Gen) {
            m_parGen->exec();
        } else if (button == Btn_LoRaWAN_Access) {
            m_loraAccess->exec();
        } else if (button == Btn_CreateBin) {
            Update_Device();
        }
    });
}

void TFVaduvizuFirmWare::Create_New_Project() {
    if (m_newProject->exec() != QDialog::Accepted)
        return;
    Show_Active_Project();
    Set_Files();
}

void TFVaduvizuFirmWare::Open_Project() {
    if (m_openConf->exec() != QDialog::Accepted)
        return;
    setActiveProject(m_context.state, m_openConf->Name_Conf());
    Show_Active_Project();
    Set_Files();
}

void TFVaduvizuFirmWare::Update_Device() {
    // Made at the first build, not at start-up: its output buffers are large, and every
    // build starts from the defaults anyway.
    if (!m_compiler)
        m_compiler = std::make_unique<image::ImageCompiler>();
    const UpdateDeviceResult result =
        vaduvizu::Update_Device(*m_compiler, m_context.state.activeProjectFolder);
    switch (result.outcome) {
    case UpdateDeviceResult::Outcome::PayloadCheckFailed:
        m_context.boxes.error(this, m_context.texts[PayloadCheckFailedText]);
        return;
    case UpdateDeviceResult::Outcome::Failed:
        // No stale image may reach the device: the update dialog stays closed.
        m_context.boxes.error(this, result.message);
        return;
    case UpdateDeviceResult::Outcome::ImagesWritten:
        m_boot->exec();
        return;
    }
}

void TFVaduvizuFirmWare::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept(); // the application ends even when the settings could not be written
}

void TFVaduvizuFirmWare::FormClose() {
    guarded(this, m_context.boxes, [this] { Save_Setting(); });
}

void TFVaduvizuFirmWare::LL_UpdateLinkClick(const QString& link) {
    m_context.urls.open(link);
}

void TFVaduvizuFirmWare::Maker_LinkClick() {
    m_context.urls.open(homePageUrl());
}

} // namespace vaduvizu
