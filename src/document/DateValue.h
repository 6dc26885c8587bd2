#pragma once

#include <cstdint>

namespace qv {

// A date as the return file stores it: whole days since 30 December 1899 plus the fraction of the
// day, in a double. 0 means "no date".
using DateValue = double;

struct CivilDate {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// The DateValue of midnight of a calendar day (proleptic Gregorian calendar).
DateValue EncodeDate(int year, int month, int day);
// True when year, month and day name a real day between the years 1 and 9999.
bool IsValidDate(int year, int month, int day);
// The calendar day of a DateValue; the time of day is dropped (toward zero, as the day count is
// stored). Values outside the years 1..9999 are clamped to those ends.
CivilDate DecodeDate(DateValue value);

} // namespace qv
