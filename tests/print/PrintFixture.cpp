#include "PrintFixture.h"

#include "ScheduleTable.h"

#include <fstream>

namespace qv::test {

std::string TemplateLabel(int page) {
    return "Template page " + std::to_string(page);
}

void WriteTestTemplate(const std::filesystem::path& path, int pages, size_t padding) {
    // Objects: 1 catalog, 2 page tree, 3 font, then a page and its content per page.
    std::vector<std::string> objects;
    std::string kids;
    for (int p = 0; p < pages; ++p)
        kids += std::to_string(4 + 2 * p) + " 0 R ";
    objects.push_back("<< /Type /Catalog /Pages 2 0 R >>");
    objects.push_back("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages) + " >>");
    objects.push_back("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
    for (int p = 1; p <= pages; ++p) {
        objects.push_back(
            "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Resources << /Font << /F1 3 0 R >> "
            ">> /Contents " +
            std::to_string(5 + 2 * (p - 1)) + " 0 R >>");
        // Top-down drawing as a page painter does it, with the flip left in force at the end.
        std::string content = "1 0 0 -1 0 792 cm\n0.5 g 20 20 572 1 re f\nBT /F1 10 Tf 1 0 0 -1 50 30 Tm (" +
                              TemplateLabel(p) + ") Tj ET\n";
        if (padding > 0)
            content += "%" + std::string(padding, 'x') + "\n";
        objects.push_back("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content +
                          "endstream");
    }
    std::string pdf = "%PDF-1.4\n";
    std::vector<size_t> offsets;
    for (size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t off : offsets) {
        char line[32];
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", off);
        pdf += line;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
    std::ofstream(path, std::ios::binary) << pdf;
}

PrintFixture::PrintFixture()
    : TemplatePath(Folder / "base.ftb"), PdfPath(Folder / "out.pdf"),
      Doc(std::make_unique<Franchise>(2010, Env)) {
    WriteTestTemplate(TemplatePath);
}

void PrintFixture::StartRun() {
    Run = std::make_unique<PrintRun>(*Doc, Pdf);
    Run->SetUp(TemplatePath.string());
}

PdfText PrintFixture::FinishRun() {
    EXPECT_TRUE(Run->Finish(PdfPath.string()));
    return ReadPdfText(PdfPath);
}

void AddOtherAsset(ScheduleTable& table, std::string_view description, std::string_view everywhere,
                   std::string_view oklahoma) {
    table.Append();
    table.SetText("Description", description);
    table.SetText("TotalEverywhere", everywhere);
    table.SetText("TotalOklahoma", oklahoma);
    table.Post();
}

void AddSubsidiary(ScheduleTable& table, std::string_view name, std::string_view fein, double pct,
                   std::string_view investment) {
    table.Append();
    table.SetText("Name", name);
    table.SetText("FEIN", fein);
    table.SetFloat("PctOwned", pct);
    table.SetText("Investment", investment);
    table.Post();
}

void AddAffiliate(ScheduleTable& table, std::string_view name, std::string_view fein, std::string_view how) {
    table.Append();
    table.SetText("Name", name);
    table.SetText("FEIN", fein);
    table.SetText("HowRelated", how);
    table.Post();
}

void AddDebt(ScheduleTable& table, std::string_view name, std::string_view issue, std::string_view maturity,
             std::string_view original, std::string_view due) {
    table.Append();
    table.SetText("Name", name);
    table.SetText("IssueDate", issue);
    table.SetText("MaturityDate", maturity);
    table.SetText("OriginalAmount", original);
    table.SetText("DueWI3Yrs", due);
    table.Post();
}

} // namespace qv::test
