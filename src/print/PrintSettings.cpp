// The per-user settings the print runs read.

#include "PrintRuns.h"
#include "uFranchise.h"

namespace qv {

void ReadWholeDollars(Franchise& doc) {
    doc.WholeDollars = doc.Env().settings.ReadBool("WholeDollars", false);
}

bool ReadCombineSchedules(const Franchise& doc) {
    return doc.Env().settings.ReadBool("CombineSchedules", true);
}

} // namespace qv
