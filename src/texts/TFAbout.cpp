#include "texts/TFAbout.h"

#include "app/AppContext.h"
#include "app/ProductIdentity.h"
#include "app/UrlOpener.h"
#include "texts/ClickableLabel.h"
#include "texts/VersionCheck.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>

namespace vaduvizu {

namespace {

QLabel* placedLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(left, top);
    return label;
}

} // namespace

TFAbout::TFAbout(AppContext& context, QWidget* parent) : QDialog(parent), m_context(context) {
    setObjectName(QStringLiteral("TFAbout"));
    setWindowTitle(QStringLiteral("About..."));
    setFixedSize(425, 148);

    I_Logo = new ClickableLabel(this);
    I_Logo->setObjectName(QStringLiteral("I_Logo"));
    I_Logo->setGeometry(8, 8, 81, 81);
    I_Logo->setScaledContents(true);
    connect(I_Logo, &ClickableLabel::clicked, this, [this] { Label4Click(); });

    L_Software = placedLabel(this, "L_Software", QStringLiteral("Software Vaduvizu "), 104, 8);
    QFont titleFont = L_Software->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 2);
    L_Software->setFont(titleFont);
    L_SW_Desc = placedLabel(this, "L_SW_Desc", QString(), 104, 32);

    placedLabel(this, "L_Caption_SW_Code", QStringLiteral("Software Code : "), 104, 56);
    placedLabel(this, "L_Caption_Version", QStringLiteral("Version :"), 104, 74);
    placedLabel(this, "L_Caption_Doc_Code", QStringLiteral("Document Code :"), 104, 92);
    L_SW_Code = placedLabel(this, "L_SW_Code", QString(), 214, 56);
    L_Version = placedLabel(this, "L_Version", QString(), 214, 74);
    L_Doc_Code = placedLabel(this, "L_Doc_Code", QString(), 214, 92);

    Label4 = new ClickableLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setText(makerHost());
    Label4->adjustSize();
    Label4->move(width() - 8 - Label4->width(), height() - 8 - Label4->height());
    connect(Label4, &ClickableLabel::clicked, this, [this] { Label4Click(); });

    Btn_OK = new QPushButton(QStringLiteral("OK"), this);
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
    Btn_OK->setGeometry(8, 114, 81, 26);
    Btn_OK->setDefault(true);
    connect(Btn_OK, &QPushButton::clicked, this, &QDialog::accept);
}

void TFAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // Loaded at the first showing: the style's picture pulls in the image plugins, which
    // would otherwise slow down the start of the application.
    if (I_Logo->pixmap().isNull())
        I_Logo->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(81, 81));
    L_SW_Desc->setText(QString::fromLatin1(product::Description));
    L_SW_Code->setText(QString::fromLatin1(product::SoftwareCode));
    L_Version->setText(QString::fromLatin1(product::SoftwareVersion));
    L_Doc_Code->setText(QString::fromLatin1(product::ManualCode));
    for (QLabel* label : {L_SW_Desc, L_SW_Code, L_Version, L_Doc_Code})
        label->adjustSize();
}

void TFAbout::Label4Click() {
    m_context.urls.open(homePageUrl());
}

} // namespace vaduvizu
