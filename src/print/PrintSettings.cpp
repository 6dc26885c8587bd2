// The per-user settings the print runs read.

#include "uFranchise.h"

namespace qv {

void Franchise::ReadWholeDollars() {
    WholeDollars = Env().settings.ReadBool("WholeDollars", false);
}

bool Franchise::ReadCombineSchedules() const {
    return Env().settings.ReadBool("CombineSchedules", true);
}

} // namespace qv
