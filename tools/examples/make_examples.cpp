// Writes the bundled example return: make_examples OUT.fti
#include "ComputeReturn.h"
#include "ExampleReturn.h"
#include "Notices.h"
#include "Settings.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <iostream>

namespace {
class StderrNotices : public qv::Notices {
public:
    void Beep() override {}
    void Error(std::string_view text) override { std::cerr << text << '\n'; }
    void Information(std::string_view text) override { std::cerr << text << '\n'; }
    Answer Question(std::string_view, Buttons) override { return Answer::Cancel; }
};
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_examples OUT.fti\n";
        return 2;
    }
    try {
        qv::Tdm dm;
        StderrNotices notices;
        qv::MemorySettings settings;
        qv::Services services{dm, notices, settings, qv::RegionalSettings::UnitedStates()};
        qv::Franchise doc(2010, services);
        qv::FillExampleReturn(doc);
        ComputeReturn(doc);
        doc.SaveToFile(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
