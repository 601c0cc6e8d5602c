#include "projects/TFNew_Project.h"

#include "app/AppContext.h"
#include "app/MessageBoxes.h"
#include "app/TitlePanel.h"
#include "projects/ProjectStore.h"
#include "texts/TextTable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vaduvizu {

TFNew_Project::TFNew_Project(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context) {
    setObjectName(QStringLiteral("TFNew_Project"));
    const TitlePanel title = makeTitlePanel(this);
    L_SW_Desc = title.description;

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    E_New_Proj = new QLineEdit(this);
    E_New_Proj->setObjectName(QStringLiteral("E_New_Proj"));
    Btn_OK = new QPushButton(this);
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
    Btn_Cancel = new QPushButton(this);
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    // Enter in the name box is handled by the box itself: no button is the dialog's default.
    for (QPushButton* button : {Btn_OK, Btn_Cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Btn_OK);
    buttons->addWidget(Btn_Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title.panel);
    layout->addWidget(Label1);
    layout->addWidget(E_New_Proj);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(Btn_OK, &QPushButton::clicked, this, &TFNew_Project::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(E_New_Proj, &QLineEdit::returnPressed, this, &TFNew_Project::E_New_ProjKeyPress);

    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(ClientWidth, ClientHeight);
    Set_Lang();
}

void TFNew_Project::Set_Lang() {
    const TextTable& texts = m_context.texts;
    setWindowTitle(texts[100]);
    L_SW_Desc->setText(texts[101]);
    Label1->setText(texts[102]);
    Btn_OK->setText(texts[103]);
    Btn_Cancel->setText(texts[104]);
    E_New_Proj->setToolTip(texts[108]);
    Btn_OK->setToolTip(texts[109]);
    Btn_Cancel->setToolTip(texts[110]);
}

void TFNew_Project::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window coming back from minimised keeps what the user typed.
    if (event->spontaneous())
        return;
    E_New_Proj->clear();
    E_New_Proj->setFocus();
}

void TFNew_Project::Btn_OKClick() {
    // The name is taken exactly as typed.
    const int message = createProject(m_context.state, E_New_Proj->text());
    if (message != 0) {
        m_context.boxes.error(this, m_context.texts[message]);
        return;
    }
    accept();
}

void TFNew_Project::E_New_ProjKeyPress() {
    Btn_OKClick();
}

} // namespace vaduvizu
