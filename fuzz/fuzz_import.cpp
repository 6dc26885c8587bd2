// Feeds arbitrary bytes through the import dispatch, as a user's file of any edition would arrive:
// the version check, the readers of the 2004-2009 editions with their conversion, and the
// current-format loader.
#include "Error.h"
#include "ImportReturn.h"
#include "Notices.h"
#include "Settings.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {
class SilentNotices : public qv::Notices {
public:
    void Beep() override {}
    void Error(std::string_view) override {}
    void Information(std::string_view) override {}
    Answer Question(std::string_view, Buttons) override { return Answer::Cancel; }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/qv-fuzz-import-" + std::to_string(::getpid()) + ".fti";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    qv::Tdm dm;
    SilentNotices notices;
    qv::MemorySettings settings;
    qv::Services services{dm, notices, settings, qv::RegionalSettings::UnitedStates()};
    qv::Franchise doc(2010, services);
    try {
        qv::ImportReturn(doc, path);
    } catch (const qv::Error&) {
    }
    return 0;
}
