#include "PrintRun.h"

#include "AtomicFile.h"
#include "ValueFormats.h"
#include "uFranchise.h"

namespace qv {

namespace {

// What an untouched masked edit leaves in the record: the literal characters of the mask with a
// space in every place. Such a text prints as nothing; a partly filled one prints as it is.
constexpr std::string_view kEmptyMasks[] = {
    "  -       ",     // employer identification number
    "(   )    -    ", // phone number
    "   -  -    ",    // social security number
};

// Where the baseline of a stamped text lies: 3 points above the point the page tables give, which
// is the bottom of the box or line the value goes on.
constexpr int kBaselineLift = 3;

// Standard font numbers of the writer.
constexpr int kCourier = 0;
constexpr int kHelveticaBold = 5;
constexpr int kTimesRoman = 8;

// Document information keys of the writer.
constexpr int kInfoAuthor = 1;
constexpr int kInfoTitle = 2;
constexpr int kInfoCreator = 5;

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
    Pdf.SetInformation(kInfoAuthor, kPdfAuthor);
    Pdf.SetInformation(kInfoTitle, kPdfTitle);
    Pdf.SetInformation(kInfoCreator, PdfCreator());
    OutputDocument = Pdf.SelectedDocument();
    Pdf.SelectDocument(OutputDocument);
    HelveticaBoldFont = Pdf.AddStandardFont(kHelveticaBold);
    CourierFont = Pdf.AddStandardFont(kCourier);
    TimesRomanFont = Pdf.AddStandardFont(kTimesRoman);
    Pdf.SetOrigin(1);
}

bool PrintRun::Finish(const std::string& pdfPath) {
    Pdf.SelectDocument(OutputDocument);
    // The page the new document was made with; the forms start on the page after it.
    Pdf.DeletePages(1, 1);
    Pdf.CombineLayers();
    const bool written = Pdf.SaveToFile(pdfPath) == 1;
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
    Pdf.DrawText(x, y - kBaselineLift, text);
}

void PrintRun::StampChar(int x, int y, std::string_view text, int position) {
    if (position < 1 || static_cast<size_t>(position) > text.size())
        return;
    Pdf.DrawText(x, y - kBaselineLift, text.substr(static_cast<size_t>(position - 1), 1));
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
    Pdf.SelectPage(1);
    const int count = Pdf.PageCount();
    if (Pdf.CopyPageRanges(TemplateDocument, std::to_string(page)) == 0) {
        Doc.Env().notices.Error(msg::CouldNotCopyPage);
        Pdf.NewPage();
    }
    Pdf.SelectPage(count + 1);
}

} // namespace qv
