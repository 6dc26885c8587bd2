#pragma once

namespace qv {
class Franchise;

// Fills a new return with the figures of the bundled example corporation: identification,
// officers, Schedules B to D, a filled balance sheet and a few rows in the schedule tables; the
// derived lines are left to ComputeReturn.
void FillExampleReturn(Franchise& doc);
} // namespace qv
