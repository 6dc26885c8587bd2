#pragma once

#include "Notices.h"
#include "RegionalSettings.h"
#include "Settings.h"

namespace qv {

class Tdm;

// What a return document needs from the program around it: the data module with the schedule
// tables, a way to tell the user things, the per-user settings and the regional settings. The
// window, the command line and the tests each make one and keep it for the documents' lifetime.
struct Services {
    Tdm& dm;
    Notices& notices;
    Settings& settings;
    RegionalSettings regional;
};

} // namespace qv
