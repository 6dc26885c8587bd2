#pragma once

namespace qv {

class Franchise;

// Derives every computed line of the return from the entered ones: the balance-sheet totals, the
// Schedule B book values, Form 200 lines 1 to 12, 14 and 18 and minimum/maximum lines 3 and 7. It
// reads the record and the current-debt rows and writes derived fields only, so a second run changes
// nothing. A line whose value does not fit stops it with an error naming the line.
void ComputeReturn(Franchise& doc);

} // namespace qv
