#include "projects/TFOpenConf.h"

#include "app/AppContext.h"
#include "app/AppState.h"
#include "app/TitlePanel.h"
#include "projects/ProjectStore.h"
#include "texts/TextTable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vaduvizu {

TFOpenConf::TFOpenConf(AppContext& context, QWidget* parent) : QDialog(parent), m_context(context) {
    setObjectName(QStringLiteral("TFOpenConf"));
    const TitlePanel title = makeTitlePanel(this);
    L_SW_Desc = title.description;

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    Btn_OK = new QPushButton(this);
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
    Btn_OK->setDefault(true); // Enter opens the selected configuration
    Btn_Cancel = new QPushButton(this);
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    Btn_Cancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Btn_OK);
    buttons->addWidget(Btn_Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title.panel);
    layout->addWidget(Label1);
    layout->addWidget(ListBox1, 1); // grows with the dialog
    layout->addLayout(buttons);

    connect(ListBox1, &QListWidget::currentRowChanged, this, &TFOpenConf::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(Btn_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    resize(ClientWidth, ClientHeight);
    Set_Lang();
}

void TFOpenConf::Set_Lang() {
    const TextTable& texts = m_context.texts;
    setWindowTitle(texts[200]);
    L_SW_Desc->setText(texts[201]);
    Label1->setText(texts[202]);
    Btn_OK->setText(texts[203]);
    Btn_Cancel->setText(texts[204]);
    ListBox1->setToolTip(texts[205]);
    Btn_OK->setToolTip(texts[206]);
    Btn_Cancel->setToolTip(texts[207]);
}

void TFOpenConf::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window coming back from minimised keeps the user's choice.
    if (event->spontaneous())
        return;
    Load_Existing_Configuration();
    ListBox1->setFocus();
}

void TFOpenConf::Load_Existing_Configuration() {
    const AppState& state = m_context.state;
    SL = listProjects(state.projectsFolder);
    {
        const QSignalBlocker block(ListBox1);
        ListBox1->clear();
        ListBox1->addItems(SL);
    }
    const int row = preselectedProject(SL, state);
    m_nameConf.clear();
    if (row >= 0)
        ListBox1->setCurrentRow(row); // sets Name_Conf
}

void TFOpenConf::ListBox1Click() {
    const int row = ListBox1->currentRow();
    m_nameConf = row >= 0 ? SL.value(row) : QString();
}

} // namespace vaduvizu
