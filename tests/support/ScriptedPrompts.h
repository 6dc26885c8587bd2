#pragma once

// Prompts that answer from a script and remember what the user was asked, so window and dialog
// tests run without a screen and without waiting.

#include "Prompts.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace qv::test {

class ScriptedPrompts : public ui::Prompts {
public:
    // What was shown, in order, as "error: text", "information: text", "question: text",
    // "warning: text", "open: folder|name", "save: folder|name", "url: address", "beep".
    std::vector<std::string> Log;

    // Answers for the next questions and warnings; when none is left the answer is Cancel (No for
    // a Yes/No box), which never discards anything.
    std::deque<Answer> Answers;
    // Files for the next open and save dialogs; nullopt cancels the dialog. When none is left the
    // dialog is cancelled.
    std::deque<std::optional<std::string>> OpenFiles;
    std::deque<std::optional<std::string>> SaveFiles;
    // The last dialogs shown.
    std::optional<FileDialog> LastOpen, LastSave;

    std::vector<std::string> Shown(std::string_view kind) const {
        std::vector<std::string> out;
        const std::string prefix = std::string(kind) + ": ";
        for (const std::string& line : Log)
            if (line.rfind(prefix, 0) == 0)
                out.push_back(line.substr(prefix.size()));
        return out;
    }

    void Beep() override { Log.emplace_back("beep"); }
    void Error(std::string_view text) override { Log.push_back("error: " + std::string(text)); }
    void Information(std::string_view text) override { Log.push_back("information: " + std::string(text)); }
    Answer Question(std::string_view text, Buttons buttons) override {
        Log.push_back("question: " + std::string(text));
        return Next(buttons);
    }
    Answer Warning(std::string_view text, Buttons buttons) override {
        Log.push_back("warning: " + std::string(text));
        return Next(buttons);
    }
    std::optional<std::string> OpenFileName(const FileDialog& dialog) override {
        Log.push_back("open: " + dialog.Folder + "|" + dialog.FileName);
        LastOpen = dialog;
        return Take(OpenFiles);
    }
    std::optional<std::string> SaveFileName(const FileDialog& dialog) override {
        Log.push_back("save: " + dialog.Folder + "|" + dialog.FileName);
        LastSave = dialog;
        return Take(SaveFiles);
    }
    void OpenUrl(std::string_view url) override { Log.push_back("url: " + std::string(url)); }

private:
    Answer Next(Buttons buttons) {
        if (Answers.empty())
            return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
        const Answer a = Answers.front();
        Answers.pop_front();
        return a;
    }
    static std::optional<std::string> Take(std::deque<std::optional<std::string>>& queue) {
        if (queue.empty())
            return std::nullopt;
        std::optional<std::string> f = queue.front();
        queue.pop_front();
        return f;
    }
};

} // namespace qv::test
