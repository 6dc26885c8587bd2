#pragma once

#include "Settings.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The per-user settings store of the program: QSettings under the organisation "Ostrel" and the
// application "BLRX10", which is the registry key HKEY_CURRENT_USER\Software\Ostrel\BLRX10 on
// Windows and a per-user configuration file elsewhere. Every value is a text. Each read or write
// opens the store and closes it again, so the window, the command line and a second copy of the
// program all see the same values.
class SettingsStore : public Settings {
public:
    SettingsStore();
    // A store in an INI file of its own.
    explicit SettingsStore(std::string iniFile);

    // A value stored with a type other than text (possible in the registry) is an error.
    std::optional<std::string> ReadString(std::string_view name) const override;
    void WriteString(std::string_view name, std::string_view value) override;

private:
    std::string iniFile_; // empty: the program's own store
};

} // namespace qv
