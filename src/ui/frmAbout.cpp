#include "frmAbout.h"

#include "LinkButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::app {

TfAbout::TfAbout(const VersionInfo& version, ui::Prompts& prompts, QWidget* parent)
    : QDialog(parent), version_(version) {
    setWindowTitle("About");
    ProductName =
        new QLabel(QString::fromLatin1(kApplicationTitle.data(), qsizetype(kApplicationTitle.size())), this);
    ProductName->setObjectName("ProductName");
    QFont title = ProductName->font();
    title.setPointSize(title.pointSize() + 6);
    title.setBold(true);
    ProductName->setFont(title);
    Version = new QLabel(this);
    Version->setObjectName("Version");
    Copyright = new QLabel(this);
    Copyright->setObjectName("Copyright");
    urlWebSite = new ui::LinkButton(QString::fromStdString(MakerHost()), this);
    urlWebSite->setObjectName("urlWebSite");
    // The browser is the desktop's, reached through the prompts.
    connect(urlWebSite, &QPushButton::clicked, this, [this, &prompts] {
        urlWebSite->setVisited();
        prompts.OpenUrl(MakerSiteUrl());
    });

    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProductName);
    layout->addWidget(Version);
    layout->addWidget(Copyright);
    layout->addWidget(urlWebSite);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Version->setText(QString::fromStdString(VersionCaption(version_)));
    Copyright->setText(QString::fromStdString(version_.Copyright));
}

void ShowAbout(ui::Prompts& prompts, QWidget* parent) {
    TfAbout about(ProgramVersion(), prompts, parent);
    about.exec();
}

void OpenSupportPage(ui::Prompts& prompts) {
    prompts.OpenUrl(SupportPageUrl());
}

void CheckForUpdates(ui::Prompts& prompts) {
    prompts.OpenUrl(UpdateCheckUrl(ProgramVersion().FileVersion));
}

} // namespace qv::app
