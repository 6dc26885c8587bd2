#pragma once

#include "Prompts.h"
#include "ShellInfo.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace qv::ui {
class LinkButton;
}

namespace qv::app {

// The about box: the program's version and copyright, and a link to the maker's web site that opens
// in the browser.
class TfAbout : public QDialog {
public:
    TfAbout(const VersionInfo& version, ui::Prompts& prompts, QWidget* parent = nullptr);

    QLabel* ProductName;
    QLabel* Version;
    QLabel* Copyright;
    ui::LinkButton* urlWebSite;
    QPushButton* OKButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    VersionInfo version_;
};

// Help > About: shows the about box modally, owned by parent.
void ShowAbout(ui::Prompts& prompts, QWidget* parent);
// Help > Support: the maker's support page in the browser.
void OpenSupportPage(ui::Prompts& prompts);
// Help > Check for Updates: the maker's update page for this version in the browser, which shows
// what the page answers.
void CheckForUpdates(ui::Prompts& prompts);

} // namespace qv::app
