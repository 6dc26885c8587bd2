#pragma once

#include <string>
#include <string_view>

namespace qv {

// How core code reaches the user: a beep and message boxes. The window shows real boxes, the
// command line writes to standard error, the tests record what was said. Texts are UTF-8.
class Notices {
public:
    enum class Buttons { YesNo, YesNoCancel };
    enum class Answer { Yes, No, Cancel };

    virtual ~Notices() = default;
    virtual void Beep() = 0;
    // A message box with the error icon and an OK button.
    virtual void Error(std::string_view text) = 0;
    // A message box with the information icon and an OK button.
    virtual void Information(std::string_view text) = 0;
    // A message box with the confirmation icon.
    virtual Answer Question(std::string_view text, Buttons buttons) = 0;
};

} // namespace qv
