#pragma once

// What the print tests share: notices that remember what was said, a return with its data module
// and settings, a PDF writer and a print run, and a template of nine letter pages written byte by
// byte, so nothing of our own writer is in the pages the run copies.

#include "Notices.h"
#include "PdfReadBack.h"
#include "PdfWriter.h"
#include "PrintRun.h"
#include "Settings.h"
#include "TestSupport.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace qv::test {

// The label each page of the test template carries at (50, 30) from the top-left corner, in
// Helvetica 10: "Template page 3".
std::string TemplateLabel(int page);

// Writes a PDF of `pages` letter pages with their labels. The content of every page ends with a
// y-flipping matrix still in force (as a template written by Qt leaves it), which stamps must not
// inherit. Padding adds that many bytes of comment to every page's content.
void WriteTestTemplate(const std::filesystem::path& path, int pages = 9, size_t padding = 0);

// A return, its services and a print run set up on the test template.
class PrintFixture : public ::testing::Test {
protected:
    PrintFixture();

    // A run with the template loaded and the output document started.
    void StartRun();
    // Finishes the run into out.pdf and reads it back.
    PdfText FinishRun();

    TempFolder Folder;
    std::filesystem::path TemplatePath;
    std::filesystem::path PdfPath;
    // The shared test environment, under the names the print tests use.
    TestEnv Test;
    Tdm& Dm = Test.dm;
    RecordingNotices& Notes = Test.notices;
    MemorySettings& Store = Test.settings;
    Services& Env = Test.services;
    std::unique_ptr<Franchise> Doc;
    PdfWriter Pdf;
    std::unique_ptr<PrintRun> Run;
};

// Rows for the schedule tables.
void AddOtherAsset(ScheduleTable& table, std::string_view description, std::string_view everywhere,
                   std::string_view oklahoma);
void AddSubsidiary(ScheduleTable& table, std::string_view name, std::string_view fein, double pct,
                   std::string_view investment);
void AddAffiliate(ScheduleTable& table, std::string_view name, std::string_view fein, std::string_view how);
void AddDebt(ScheduleTable& table, std::string_view name, std::string_view issue, std::string_view maturity,
             std::string_view original, std::string_view due);

} // namespace qv::test
