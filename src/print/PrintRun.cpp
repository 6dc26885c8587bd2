#include "PrintRun.h"

#include "AtomicFile.h"
#include "FormGeometry.h"
#include "ValueFormats.h"
#include "uFranchise.h"

#include <stdexcept>

namespace qv {

namespace {

// What an untouched masked edit leaves in the record: the literal characters of the mask with a
// space in every place. Such a text prints as nothing; a partly filled one prints as it is.
constexpr std::string_view kEmptyMasks[] = {
    "  -       ",     // employer identification number
    "(   )    -    ", // phone number
    "   -  -    ",    // social security number
};

// A run draws only on the page CopyTemplatePage selected, in a font SetUp added, so the writer
// refuses none of its steps; one it did refuse would leave a value off the form without a word.
void Require(bool done, const char* step) {
    if (!done)
        throw std::logic_error(std::string("The print run could not ") + step + ".");
}

} // namespace

std::string PdfCreator() {
    return std::string(kPdfAuthor) + " (" + std::string(ReturnFileHeader::kPublisherAddress) + ")";
}

std::string PdfPathOf(const std::string& returnFileName) {
    std::filesystem::path p = PathFromUtf8(returnFileName);
    p.replace_extension(".pdf");
    return PathToUtf8(p);
}

PrintRun::PrintRun(Franchise& doc, PdfWriter& pdf) : Doc(doc), Pdf(pdf) {}

void PrintRun::SetUp(const std::string& templatePath) {
    if (Pdf.LoadFromFile(templatePath) != 0) {
        Pdf.CombineLayers();
        TemplateDocument = Pdf.SelectedDocument();
    }
    Pdf.NewDocument();
    Pdf.SetInformation(InfoKey::Author, kPdfAuthor);
    Pdf.SetInformation(InfoKey::Title, kPdfTitle);
    Pdf.SetInformation(InfoKey::Creator, PdfCreator());
    OutputDocument = Pdf.SelectedDocument();
    Pdf.SelectDocument(OutputDocument);
    HelveticaBoldFont = Pdf.AddStandardFont(Face::HelveticaBold);
    CourierFont = Pdf.AddStandardFont(Face::Courier);
    TimesRomanFont = Pdf.AddStandardFont(Face::TimesRoman);
    Pdf.SetOrigin(Origin::TopLeft);
}

bool PrintRun::Finish(const std::string& pdfPath) {
    Pdf.SelectDocument(OutputDocument);
    // The page the new document was made with; the forms start on the page after it.
    Pdf.DeletePages(1, 1);
    Pdf.CombineLayers();
    const bool written = Pdf.SaveToFile(pdfPath);
    if (!written)
        Doc.Env().notices.Error(msg::CouldNotCreatePdf);
    if (TemplateDocument != 0)
        Pdf.RemoveDocument(TemplateDocument);
    return written;
}

void PrintRun::StampText(int x, int y, std::string_view text) {
    if (text.empty())
        return;
    for (std::string_view mask : kEmptyMasks) {
        if (text == mask)
            return;
    }
    Require(Pdf.DrawText(x, form::Baseline(y), text), "draw a text");
}

void PrintRun::StampChar(int x, int y, std::string_view text, int position) {
    if (position < 1 || static_cast<size_t>(position) > text.size())
        return;
    Require(Pdf.DrawText(x, form::Baseline(y), text.substr(static_cast<size_t>(position - 1), 1)),
            "draw a text");
}

void PrintRun::StampDate(int x, int y, DateValue date) {
    if (date == 0)
        return;
    StampText(x, y, FormatDateMMDDYYYY(date, Doc.Env().regional));
}

void PrintRun::StampAmount(int x, int y, Money amount) {
    if (amount == Money())
        return;
    StampText(x, y, FormatAmount(amount, Doc.WholeDollars, Doc.Env().regional));
}

void PrintRun::StampDollarAmount(int x, int y, Money amount) {
    if (amount == Money())
        return;
    StampText(x, y, "$" + FormatAmount(amount, Doc.WholeDollars, Doc.Env().regional));
}

void PrintRun::CopyTemplatePage(int page) {
    Pdf.SelectDocument(OutputDocument);
    // The blank first page gives a page that stands in for a missing one its size.
    Require(Pdf.SelectPage(1), "select the first page");
    const int count = Pdf.PageCount();
    if (!Pdf.CopyPageRanges(TemplateDocument, std::to_string(page))) {
        Doc.Env().notices.Error(msg::CouldNotCopyPage);
        Pdf.NewPage();
    }
    Require(Pdf.SelectPage(count + 1), "select the new page");
}

} // namespace qv
