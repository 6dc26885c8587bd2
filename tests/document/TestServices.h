#pragma once

#include "Notices.h"
#include "Services.h"
#include "Settings.h"
#include "uDataMod.h"

#include <string>
#include <vector>

// Notices that remember what was said, for the tests.
class RecordingNotices : public qv::Notices {
public:
    int beeps = 0;
    std::vector<std::string> errors;
    std::vector<std::string> information;

    void Beep() override { ++beeps; }
    void Error(std::string_view text) override { errors.emplace_back(text); }
    void Information(std::string_view text) override { information.emplace_back(text); }
    Answer Question(std::string_view, Buttons) override { return Answer::Cancel; }
};

// A data module, notices, settings and United States regional settings for one test.
struct TestServices {
    qv::Tdm dm;
    RecordingNotices notices;
    qv::MemorySettings settings;
    qv::Services services{dm, notices, settings, qv::RegionalSettings::UnitedStates()};
};
