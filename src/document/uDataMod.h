#pragma once

// uDataMod: Tdm, the data module that holds the five schedule tables of the open return.

#include "ByteStream.h"
#include "ScheduleTable.h"

#include <array>

namespace qv {

// The data module: the schedule tables of the open return, created once and kept for the whole run.
// They belong to whatever return is open; New empties them and loading a return file replaces them.
class Tdm {
public:
    Tdm();
    Tdm(const Tdm&) = delete;
    Tdm& operator=(const Tdm&) = delete;

    ScheduleTable tblOthCurrAssets; // other current assets, balance-sheet line 5
    ScheduleTable tblOthInvest;     // other investments, balance-sheet line 8
    ScheduleTable tblSubsidiaries;  // Schedule C subsidiaries beyond the five rows of the page
    ScheduleTable tblAffiliates;    // Schedule C affiliates beyond the four rows of the page
    ScheduleTable tblCurrDebt;      // Schedule D current debts beyond the nine rows of the page
    // The 2005 edition's current-debt columns, with date-typed dates; read by the conversion of
    // 2005 returns and never stored in a return file.
    ScheduleTable tblCurrDebt2005;

    // The five tables of a return file, in the order the file stores them.
    std::array<ScheduleTable*, 5> FileTables();
    // Empties the five tables of a return.
    void EmptyAll();

    // The one stream format through which every table is saved and loaded.
    static void SaveTableStream(const ScheduleTable& table, ByteWriter& stream);
    static void LoadTableStream(ScheduleTable& table, ByteReader& stream);
};

} // namespace qv
