#pragma once

#include "Prompts.h"

class QString;
class QWidget;

namespace qv::ui {

// Prompts of the running program: QMessageBox, QFileDialog and QDesktopServices, parented to the
// window that asks.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Beep() override;
    void Error(std::string_view text) override;
    void Information(std::string_view text) override;
    Answer Question(std::string_view text, Buttons buttons) override;
    Answer Warning(std::string_view text, Buttons buttons) override;
    std::optional<std::string> OpenFileName(const FileDialog& dialog) override;
    std::optional<std::string> SaveFileName(const FileDialog& dialog) override;
    void OpenUrl(std::string_view url) override;

private:
    QWidget* parent_;
};

// "Franchise Files (*.fti)|*.fti|All Files (*.*)|*.*" as a QFileDialog name filter list.
QString QtFileFilter(std::string_view filter);

} // namespace qv::ui
