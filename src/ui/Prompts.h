#pragma once

#include "Notices.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv::ui {

// Everything the window and its dialogs ask of the user or hand to the desktop: message boxes, the
// open and save file dialogs, and opening a PDF or a web page in the desktop's viewer. The program
// shows real boxes (QtPrompts); tests answer from a script and record what was asked.
class Prompts : public Notices {
public:
    // A message box with the warning icon.
    virtual Answer Warning(std::string_view text, Buttons buttons) = 0;

    struct FileDialog {
        std::string Folder;        // folder the dialog starts in
        std::string FileName;      // proposed file name
        std::string Filter;        // "Franchise Files (*.fti)|*.fti|All Files (*.*)|*.*"
        std::string DefaultSuffix; // "fti": added to a name typed without an extension
    };
    // The chosen file (UTF-8 path), or nullopt when the dialog was cancelled. The open dialog does
    // not require the file to exist; the save dialog does not ask about overwriting.
    virtual std::optional<std::string> OpenFileName(const FileDialog& dialog) = 0;
    virtual std::optional<std::string> SaveFileName(const FileDialog& dialog) = 0;

    // Opens a local file (the printed PDF) or a web address with the desktop's viewer or browser.
    // The desktop reports nothing back.
    virtual void OpenUrl(std::string_view url) = 0;
};

} // namespace qv::ui
