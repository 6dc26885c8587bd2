#pragma once

#include "RegionalSettings.h"

#include <QLocale>

namespace qv::ui {

// The regional settings of a locale: its short date (with the year always in four digits, so a typed
// or printed date is never ambiguous), date separator, grouping and decimal characters, and currency
// symbol, placement and decimals. Characters the single-byte code page lacks become their nearest
// equivalent (a narrow no-break space groups as a no-break space).
RegionalSettings RegionalSettingsFromLocale(const QLocale& locale);

} // namespace qv::ui
