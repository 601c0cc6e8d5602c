#pragma once

#include "projects/ProjectStore.h"

#include <QWidget>
#include <memory>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace vaduvizu {

struct AppContext;
class ClickableLabel;
class TFNew_Project;
class TFOpenConf;
class TFAbout;
class TFSoftOptions;
class TFParGen;
class TFBoot;
class TFLoRa_Set_Access;
namespace image {
class ImageCompiler;
}

// The main window: the product, the active configuration and the four steps from a project
// to an updated device. Closing it writes the settings file and ends the application.
class TFVaduvizuFirmWare : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 694;
    static constexpr int ClientHeight = 396;
    static constexpr int FirstTimerInterval = 60000;    // ms until the first version check
    static constexpr int RepeatTimerInterval = 7200000; // ms between later checks

    // Runs FormCreate: folders below applicationFolder, settings, timer, texts, active project.
    TFVaduvizuFirmWare(AppContext& context, const QString& applicationFolder,
                       QWidget* parent = nullptr);
    ~TFVaduvizuFirmWare() override;

    // Creates every other window once, in the start-up order; they live as long as this one.
    void Create_Windows();

    void Set_Lang();
    // Every window takes its texts from the (already reloaded) text table again.
    void Change_Language();
    // Writes the settings file from the application state; throws FileError on failure.
    void Save_Setting();
    void Set_Files();
    const ProjectFiles& projectFiles() const { return m_files; }

    // Enables Timer_Update when internet access and the update check are both allowed.
    void Update_Timer();
    void Timer_UpdateTimer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate(const QString& applicationFolder);
    void createControls();
    void Btn_Click();
    void Create_New_Project();
    void Open_Project();
    // Step 4: payload check, images compiled into the project's bin folder, update dialog.
    void Update_Device();
    void Show_Active_Project();
    void FormClose();
    void LL_UpdateLinkClick(const QString& link);
    void Maker_LinkClick();

    AppContext& m_context;
    ProjectFiles m_files;
    QString m_updateLink; // download page while LL_Update announces a newer version
    // Owns the image records from the first build to the end of the run; every build starts
    // from their defaults.
    std::unique_ptr<image::ImageCompiler> m_compiler;

    QLabel* L_SW_Code = nullptr;
    QLabel* L_SW_Desc = nullptr;
    QLabel* LL_Update = nullptr;
    QPushButton* Btn_Info = nullptr;
    QPushButton* Btn_Opz = nullptr;
    QPushButton* Btn_Close = nullptr;
    QLabel* L_Begin = nullptr;
    QFrame* Shape2 = nullptr;
    QLabel* L_Name_Conf = nullptr;
    QLabel* L_Name_Conf_L2 = nullptr;
    QLabel* L_Step[8] = {};
    QPushButton* Btn_New = nullptr;
    QPushButton* Btn_Open = nullptr;
    QPushButton* Btn_Prm_Gen = nullptr;
    QPushButton* Btn_LoRaWAN_Access = nullptr;
    QPushButton* Btn_CreateBin = nullptr;
    ClickableLabel* L_Maker_Link = nullptr;
    QFrame* Shape1 = nullptr;
    QTimer* Timer_Update = nullptr;

    TFNew_Project* m_newProject = nullptr;
    TFOpenConf* m_openConf = nullptr;
    TFAbout* m_about = nullptr;
    TFSoftOptions* m_options = nullptr;
    TFParGen* m_parGen = nullptr;
    TFBoot* m_boot = nullptr;
    TFLoRa_Set_Access* m_loraAccess = nullptr;
};

} // namespace vaduvizu
