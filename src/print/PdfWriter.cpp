#include "PdfWriter.h"

#include "AtomicFile.h"
#include "Codepage1252.h"
#include "InputFile.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <exception>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <vector>

namespace qv {

namespace {

constexpr int kStandardFontCount = 14;

constexpr std::string_view kBaseFontNames[kStandardFontCount] = {
    "Courier",     "Courier-Bold",   "Courier-BoldOblique",   "Courier-Oblique",
    "Helvetica",   "Helvetica-Bold", "Helvetica-BoldOblique", "Helvetica-Oblique",
    "Times-Roman", "Times-Bold",     "Times-Italic",          "Times-BoldItalic",
    "Symbol",      "ZapfDingbats",
};

// The fonts whose widths we carry exactly (the Courier and Helvetica families and Times-Roman); their
// font dictionaries list the widths, so every viewer places our texts alike.
bool HasExactMetrics(int number) {
    return number <= 8;
}

// The resource name a standard font goes by on our pages.
std::string FontResourceName(int number) {
    return "/QvF" + std::to_string(number);
}

constexpr std::string_view kInfoKeys[] = {"",          "/Author",  "/Title",   "/Subject",
                                          "/Keywords", "/Creator", "/Producer"};

// A number as a content stream operand: at most three decimals, no exponent, no trailing zeros.
void AppendNumber(std::string& out, double value) {
    long long thousandths = std::llround(value * 1000.0);
    if (thousandths < 0) {
        out += '-';
        thousandths = -thousandths;
    }
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, thousandths / 1000);
    out.append(buf, r.ptr);
    int frac = static_cast<int>(thousandths % 1000);
    if (frac != 0) {
        char digits[4] = {static_cast<char>('0' + frac / 100), static_cast<char>('0' + frac / 10 % 10),
                          static_cast<char>('0' + frac % 10), 0};
        int n = 3;
        while (digits[n - 1] == '0')
            --n;
        out += '.';
        out.append(digits, n);
    }
}

// A PDF literal string of single-byte text: the delimiters and the backslash are escaped, and so
// are the line-end bytes, which a reader would otherwise normalise.
void AppendLiteralString(std::string& out, std::string_view text) {
    out += '(';
    for (char c : text) {
        switch (c) {
        case '(':
        case ')':
        case '\\':
            out += '\\';
            out += c;
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    out += ')';
}

struct Color {
    double r = 0, g = 0, b = 0;
    friend bool operator==(const Color& x, const Color& y) { return x.r == y.r && x.g == y.g && x.b == y.b; }
    friend bool operator!=(const Color& x, const Color& y) { return !(x == y); }
};

void AppendColor(std::string& out, const Color& c, std::string_view op) {
    AppendNumber(out, c.r);
    out += ' ';
    AppendNumber(out, c.g);
    out += ' ';
    AppendNumber(out, c.b);
    out += ' ';
    out += op;
    out += '\n';
}

// Parses a page range text ("3", "1,8,2", "2-4") into 1-based page numbers; false when a part is
// not a number or names a page outside 1..count.
bool ParseRanges(std::string_view ranges, int count, std::vector<int>& pages) {
    auto number = [](std::string_view s, int& v) {
        while (!s.empty() && s.front() == ' ')
            s.remove_prefix(1);
        while (!s.empty() && s.back() == ' ')
            s.remove_suffix(1);
        if (s.empty())
            return false;
        auto r = std::from_chars(s.data(), s.data() + s.size(), v);
        return r.ec == std::errc() && r.ptr == s.data() + s.size();
    };
    while (true) {
        size_t comma = ranges.find(',');
        std::string_view part = ranges.substr(0, comma);
        size_t dash = part.find('-');
        int first = 0;
        int last = 0;
        if (dash == std::string_view::npos) {
            if (!number(part, first))
                return false;
            last = first;
        } else if (!number(part.substr(0, dash), first) || !number(part.substr(dash + 1), last)) {
            return false;
        }
        if (first < 1 || last < 1 || first > count || last > count)
            return false;
        for (int p = first; first <= last ? p <= last : p >= last; p += first <= last ? 1 : -1)
            pages.push_back(p);
        if (comma == std::string_view::npos)
            return true;
        ranges.remove_prefix(comma + 1);
    }
}

} // namespace

struct PdfWriter::Page {
    QPDFObjectHandle Object;
    // The media box: where the page's PDF coordinates lie.
    double Llx = 0, Lly = 0, Urx = 612, Ury = 792;
    // Content that came with the page (a copied or loaded page): it is wrapped in q ... Q before the
    // first of our operators follows it.
    bool HasForeignContent = false;
    bool Wrapped = false;
    // Our operators not yet stored in the page's content.
    std::string Ops;
    // Fonts drawn with, and fonts already named in the page's resources: one bit per font number.
    uint16_t FontsUsed = 0;
    uint16_t FontsInResources = 0;
    // The graphics state our operators have set so far on this page (content streams of a page run
    // as one, so it carries over from one flush to the next).
    bool InText = false;
    int EmittedFont = -1;
    double EmittedSize = -1;
    bool FillKnown = false;
    Color EmittedFill;
    bool StrokeKnown = false;
    Color EmittedStroke;
    double EmittedLineWidth = -1;
};

struct PdfWriter::Document {
    std::shared_ptr<QPDF> Pdf;
    std::vector<std::unique_ptr<Page>> Pages;
    int SelectedPage = -1; // 0-based, -1 when there is none
    // Documents this one copied pages from: copied content may still read its data from them.
    std::vector<std::shared_ptr<QPDF>> Sources;
    std::array<QPDFObjectHandle, kStandardFontCount> Fonts;
    QPDFObjectHandle SaveStateStream; // "q", shared by every wrapped page

    QPDFObjectHandle Font(int number) {
        QPDFObjectHandle& f = Fonts[static_cast<size_t>(number)];
        if (!f.isInitialized()) {
            QPDFObjectHandle dict = QPDFObjectHandle::newDictionary();
            dict.replaceKey("/Type", QPDFObjectHandle::newName("/Font"));
            dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Type1"));
            dict.replaceKey("/BaseFont",
                            QPDFObjectHandle::newName("/" + std::string(kBaseFontNames[number])));
            // Symbol and ZapfDingbats have encodings of their own.
            if (number < 12)
                dict.replaceKey("/Encoding", QPDFObjectHandle::newName("/WinAnsiEncoding"));
            if (HasExactMetrics(number)) {
                StandardFontMetrics metrics = MetricsForStandardFont(number);
                std::vector<QPDFObjectHandle> widths;
                widths.reserve(224);
                for (int code = 32; code <= 255; ++code)
                    widths.push_back(
                        QPDFObjectHandle::newInteger(GlyphWidth(metrics, static_cast<unsigned char>(code))));
                dict.replaceKey("/FirstChar", QPDFObjectHandle::newInteger(32));
                dict.replaceKey("/LastChar", QPDFObjectHandle::newInteger(255));
                dict.replaceKey("/Widths", QPDFObjectHandle::newArray(widths));
            }
            f = Pdf->makeIndirectObject(dict);
        }
        return f;
    }

    QPDFObjectHandle SaveState() {
        if (!SaveStateStream.isInitialized())
            SaveStateStream = QPDFObjectHandle::newStream(Pdf.get(), "q\n");
        return SaveStateStream;
    }
};

namespace {

std::unique_ptr<PdfWriter::Page> MakePage(QPDFObjectHandle object, bool foreignContent);

} // namespace

PdfWriter::PdfWriter() = default;
PdfWriter::~PdfWriter() = default;

PdfWriter::Document* PdfWriter::Selected() const {
    auto it = documents_.find(selected_);
    return it == documents_.end() ? nullptr : it->second.get();
}

PdfWriter::Page* PdfWriter::CurrentPage() const {
    Document* doc = Selected();
    if (doc == nullptr || doc->SelectedPage < 0)
        return nullptr;
    return doc->Pages[static_cast<size_t>(doc->SelectedPage)].get();
}

namespace {

std::unique_ptr<PdfWriter::Page> MakePage(QPDFObjectHandle object, bool foreignContent) {
    auto page = std::make_unique<PdfWriter::Page>();
    page->Object = object;
    page->HasForeignContent = foreignContent;
    QPDFObjectHandle::Rectangle box = QPDFPageObjectHelper(object).getMediaBox().getArrayAsRectangle();
    if (box.urx > box.llx && box.ury > box.lly) {
        page->Llx = box.llx;
        page->Lly = box.lly;
        page->Urx = box.urx;
        page->Ury = box.ury;
    }
    return page;
}

QPDFObjectHandle NewPageObject(QPDF& pdf, double llx, double lly, double urx, double ury) {
    QPDFObjectHandle page = QPDFObjectHandle::newDictionary();
    page.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
    page.replaceKey("/MediaBox", QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(llx, lly, urx, ury)));
    page.replaceKey("/Resources", QPDFObjectHandle::newDictionary());
    return pdf.makeIndirectObject(page);
}

} // namespace

int PdfWriter::LoadFromFile(const std::string& path) {
    try {
        auto pdf = std::make_shared<QPDF>();
        pdf->setSuppressWarnings(true);
        // Pages copied from this document take their content along at once, so the output never
        // depends on the file after the copy.
        pdf->setImmediateCopyFrom(true);
        // Opened as every input is: a pipe or a device named as the template is refused at once
        // instead of holding the print up.
        std::optional<InputFile> in = OpenInputFile(path);
        if (!in)
            return 0;
        pdf->processFile(path.c_str(), in->File.release(), true);
        // Resources and boxes that pages inherit from the page tree move onto the pages, so that a
        // page keeps them when it is copied on its own.
        pdf->pushInheritedAttributesToPage();
        auto doc = std::make_unique<Document>();
        doc->Pdf = pdf;
        for (const QPDFObjectHandle& p : pdf->getAllPages())
            doc->Pages.push_back(MakePage(p, true));
        doc->SelectedPage = doc->Pages.empty() ? -1 : 0;
        int id = nextDocument_++;
        documents_[id] = std::move(doc);
        selected_ = id;
        return id;
    } catch (const std::exception&) {
        return 0;
    }
}

int PdfWriter::NewDocument() {
    auto doc = std::make_unique<Document>();
    doc->Pdf = std::make_shared<QPDF>();
    doc->Pdf->setSuppressWarnings(true);
    doc->Pdf->setImmediateCopyFrom(true);
    doc->Pdf->emptyPDF();
    QPDFObjectHandle page = NewPageObject(*doc->Pdf, 0, 0, 612, 792);
    doc->Pdf->addPage(page, false);
    doc->Pages.push_back(MakePage(doc->Pdf->getAllPages().back(), false));
    doc->SelectedPage = 0;
    int id = nextDocument_++;
    documents_[id] = std::move(doc);
    selected_ = id;
    return id;
}

void PdfWriter::SelectDocument(int id) {
    if (documents_.count(id) != 0)
        selected_ = id;
}

void PdfWriter::RemoveDocument(int id) {
    documents_.erase(id);
    if (selected_ == id)
        selected_ = 0;
}

void PdfWriter::SetInformation(InfoKey key, std::string_view text) {
    Document* doc = Selected();
    if (doc == nullptr)
        return;
    QPDFObjectHandle trailer = doc->Pdf->getTrailer();
    QPDFObjectHandle info = trailer.getKey("/Info");
    if (!info.isDictionary()) {
        info = doc->Pdf->makeIndirectObject(QPDFObjectHandle::newDictionary());
        trailer.replaceKey("/Info", info);
    }
    info.replaceKey(std::string(kInfoKeys[static_cast<size_t>(key)]),
                    QPDFObjectHandle::newUnicodeString(Cp1252ToUtf8(text)));
}

bool PdfWriter::SaveToFile(const std::string& path) {
    Document* doc = Selected();
    if (doc == nullptr)
        return false;
    try {
        FlushAll(*doc);
        AtomicFileWriter file(path);
        // qpdf writes a stream it cannot read as an empty one and only warns; such a file would
        // show blank pages, so a warning during the write fails the save.
        const size_t warnings = doc->Pdf->numWarnings();
        QPDFWriter writer(*doc->Pdf);
        writer.setOutputFile(path.c_str(), file.File(), false);
        // The same document gives the same bytes, on every run and in every build.
        writer.setDeterministicID(true);
        writer.write();
        if (doc->Pdf->numWarnings() != warnings)
            return false;
        file.Commit();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

int PdfWriter::PageCount() const {
    Document* doc = Selected();
    return doc == nullptr ? 0 : static_cast<int>(doc->Pages.size());
}

bool PdfWriter::SelectPage(int page) {
    Document* doc = Selected();
    if (doc == nullptr || page < 1 || page > static_cast<int>(doc->Pages.size()))
        return false;
    doc->SelectedPage = page - 1;
    return true;
}

int PdfWriter::SelectedPage() const {
    Document* doc = Selected();
    return doc == nullptr ? 0 : doc->SelectedPage + 1;
}

bool PdfWriter::CopyPageRanges(int sourceDocument, std::string_view ranges) {
    Document* dest = Selected();
    auto it = documents_.find(sourceDocument);
    if (dest == nullptr || it == documents_.end())
        return false;
    Document& source = *it->second;
    std::vector<int> pages;
    if (!ParseRanges(ranges, static_cast<int>(source.Pages.size()), pages))
        return false;
    try {
        for (int p : pages) {
            Page& from = *source.Pages[static_cast<size_t>(p - 1)];
            if (&source != dest)
                FlushPage(source, from);
            else
                FlushPage(*dest, from);
            dest->Pdf->addPage(from.Object, false);
            // qpdf may add a copy of the object passed (always for a page of another document,
            // and for a page already present), so the page to draw on is the one now last.
            dest->Pages.push_back(MakePage(dest->Pdf->getAllPages().back(), true));
        }
        if (&source != dest) {
            bool known = false;
            for (const auto& s : dest->Sources)
                known = known || s == source.Pdf;
            if (!known)
                dest->Sources.push_back(source.Pdf);
        }
        if (dest->SelectedPage < 0)
            dest->SelectedPage = 0;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

int PdfWriter::NewPage() {
    Document* doc = Selected();
    Page* current = CurrentPage();
    if (doc == nullptr || current == nullptr)
        return 0;
    QPDFObjectHandle page = NewPageObject(*doc->Pdf, current->Llx, current->Lly, current->Urx, current->Ury);
    doc->Pdf->addPage(page, false);
    doc->Pages.push_back(MakePage(doc->Pdf->getAllPages().back(), false));
    doc->SelectedPage = static_cast<int>(doc->Pages.size()) - 1;
    return doc->SelectedPage + 1;
}

int PdfWriter::DeletePages(int first, int count) {
    Document* doc = Selected();
    if (doc == nullptr || count < 1 || first < 1 || first > static_cast<int>(doc->Pages.size()))
        return 0;
    int last = std::min(first + count - 1, static_cast<int>(doc->Pages.size()));
    for (int p = first; p <= last; ++p)
        doc->Pdf->removePage(doc->Pages[static_cast<size_t>(p - 1)]->Object);
    doc->Pages.erase(doc->Pages.begin() + (first - 1), doc->Pages.begin() + last);
    int selected = doc->SelectedPage + 1;
    if (selected > last)
        doc->SelectedPage -= last - first + 1;
    else if (selected >= first)
        doc->SelectedPage = doc->Pages.empty() ? -1 : 0;
    return last - first + 1;
}

void PdfWriter::CombineLayers() {
    Document* doc = Selected();
    Page* page = CurrentPage();
    if (doc == nullptr || page == nullptr)
        return;
    try {
        FlushPage(*doc, *page);
        // A page of one stream has nothing to merge; leaving it alone also spares decoding it.
        QPDFObjectHandle contents = page->Object.getKey("/Contents");
        if (contents.isArray() && contents.getArrayNItems() > 1)
            QPDFPageObjectHelper(page->Object).coalesceContentStreams();
    } catch (const std::exception&) {
        // A page whose content cannot be read keeps its layers; it shows as it would have.
    }
}

int PdfWriter::AddStandardFont(Face face) {
    font_ = static_cast<int>(face) + 1;
    return font_;
}

void PdfWriter::SelectFont(int fontId) {
    if (fontId >= 1 && fontId <= kStandardFontCount)
        font_ = fontId;
}

void PdfWriter::SetTextSize(double points) {
    textSize_ = points;
}
void PdfWriter::SetTextAlign(Align alignment) {
    align_ = alignment;
}

void PdfWriter::SetTextColor(double r, double g, double b) {
    textColor_[0] = r;
    textColor_[1] = g;
    textColor_[2] = b;
}

void PdfWriter::SetLineColor(double r, double g, double b) {
    lineColor_[0] = r;
    lineColor_[1] = g;
    lineColor_[2] = b;
}

void PdfWriter::SetFillColor(double r, double g, double b) {
    fillColor_[0] = r;
    fillColor_[1] = g;
    fillColor_[2] = b;
}

void PdfWriter::SetLineWidth(double points) {
    lineWidth_ = points;
}
void PdfWriter::SetOrigin(Origin origin) {
    origin_ = origin;
}

// The one place where positions become PDF coordinates.
void PdfWriter::PutPoint(std::string& ops, double x, double y) const {
    const Page* page = CurrentPage();
    double px = page->Llx + x;
    double py = origin_ == Origin::TopLeft ? page->Ury - y : page->Lly + y;
    AppendNumber(ops, px);
    ops += ' ';
    AppendNumber(ops, py);
}

std::string& PdfWriter::PageOps(Page& page) {
    if (page.InText) {
        page.Ops += "ET\n";
        page.InText = false;
    }
    return page.Ops;
}

bool PdfWriter::DrawText(double x, double y, std::string_view text) {
    Page* page = CurrentPage();
    if (page == nullptr || font_ == 0)
        return false;
    const int number = font_ - 1;
    double width = 0;
    if (align_ != Align::Left) {
        width = TextWidth(MetricsForStandardFont(number), text, textSize_);
        x -= align_ == Align::Centre ? width / 2 : width;
    }
    std::string& ops = page->Ops;
    if (!page->InText) {
        ops += "BT\n";
        page->InText = true;
    }
    if (page->EmittedFont != number || page->EmittedSize != textSize_) {
        ops += FontResourceName(number);
        ops += ' ';
        AppendNumber(ops, textSize_);
        ops += " Tf\n";
        page->EmittedFont = number;
        page->EmittedSize = textSize_;
        page->FontsUsed = static_cast<uint16_t>(page->FontsUsed | (1u << number));
    }
    Color color{textColor_[0], textColor_[1], textColor_[2]};
    if (!page->FillKnown || page->EmittedFill != color) {
        AppendColor(ops, color, "rg");
        page->FillKnown = true;
        page->EmittedFill = color;
    }
    ops += "1 0 0 1 ";
    PutPoint(ops, x, y);
    ops += " Tm ";
    AppendLiteralString(ops, text);
    ops += " Tj\n";
    return true;
}

// The stroke colour and line width, written only when they differ from what the page has in force.
void PdfWriter::EmitStrokeState(Page& page, std::string& ops) {
    const Color color{lineColor_[0], lineColor_[1], lineColor_[2]};
    if (!page.StrokeKnown || page.EmittedStroke != color) {
        AppendColor(ops, color, "RG");
        page.StrokeKnown = true;
        page.EmittedStroke = color;
    }
    if (page.EmittedLineWidth != lineWidth_) {
        AppendNumber(ops, lineWidth_);
        ops += " w\n";
        page.EmittedLineWidth = lineWidth_;
    }
}

void PdfWriter::DrawLine(double x1, double y1, double x2, double y2) {
    Page* page = CurrentPage();
    if (page == nullptr)
        return;
    std::string& ops = PageOps(*page);
    EmitStrokeState(*page, ops);
    PutPoint(ops, x1, y1);
    ops += " m ";
    PutPoint(ops, x2, y2);
    ops += " l S\n";
}

void PdfWriter::DrawBox(double x, double y, double w, double h, BoxMode mode) {
    Page* page = CurrentPage();
    if (page == nullptr)
        return;
    std::string& ops = PageOps(*page);
    if (mode != BoxMode::Outline) {
        Color color{fillColor_[0], fillColor_[1], fillColor_[2]};
        if (!page->FillKnown || page->EmittedFill != color) {
            AppendColor(ops, color, "rg");
            page->FillKnown = true;
            page->EmittedFill = color;
        }
    }
    if (mode != BoxMode::Fill)
        EmitStrokeState(*page, ops);
    // The lower-left corner in PDF terms: below the top edge in either origin.
    PutPoint(ops, x, origin_ == Origin::TopLeft ? y + h : y - h);
    ops += ' ';
    AppendNumber(ops, w);
    ops += ' ';
    AppendNumber(ops, h);
    ops += mode == BoxMode::Outline ? " re S\n" : mode == BoxMode::Fill ? " re f\n" : " re B\n";
}

double PdfWriter::GetTextWidth(std::string_view text) const {
    return TextWidth(MetricsForStandardFont(font_ == 0 ? 4 : font_ - 1), text, textSize_);
}

void PdfWriter::FlushPage(Document& doc, Page& page) {
    if (page.InText) {
        page.Ops += "ET\n";
        page.InText = false;
    }
    uint16_t missing = static_cast<uint16_t>(page.FontsUsed & ~page.FontsInResources);
    if (missing != 0) {
        // The page's own copies of its resource dictionaries, which a copied page may share with
        // other pages.
        QPDFObjectHandle resources = page.Object.getKey("/Resources");
        resources = resources.isDictionary() ? resources.shallowCopy() : QPDFObjectHandle::newDictionary();
        QPDFObjectHandle fonts = resources.getKey("/Font");
        fonts = fonts.isDictionary() ? fonts.shallowCopy() : QPDFObjectHandle::newDictionary();
        for (int n = 0; n < kStandardFontCount; ++n) {
            if ((missing & (1u << n)) != 0)
                fonts.replaceKey(FontResourceName(n), doc.Font(n));
        }
        resources.replaceKey("/Font", fonts);
        page.Object.replaceKey("/Resources", resources);
        page.FontsInResources = static_cast<uint16_t>(page.FontsInResources | missing);
    }
    if (page.Ops.empty())
        return;
    std::vector<QPDFObjectHandle> streams;
    const bool wrap = page.HasForeignContent && !page.Wrapped;
    if (wrap)
        streams.push_back(doc.SaveState());
    QPDFObjectHandle contents = page.Object.getKey("/Contents");
    if (contents.isArray()) {
        for (int i = 0; i < contents.getArrayNItems(); ++i)
            streams.push_back(contents.getArrayItem(i));
    } else if (contents.isStream()) {
        streams.push_back(contents);
    }
    if (wrap) {
        page.Ops.insert(0, "Q\n");
        page.Wrapped = true;
    }
    streams.push_back(QPDFObjectHandle::newStream(doc.Pdf.get(), page.Ops));
    page.Object.replaceKey("/Contents", QPDFObjectHandle::newArray(streams));
    page.Ops.clear();
}

void PdfWriter::FlushAll(Document& doc) {
    for (auto& page : doc.Pages)
        FlushPage(doc, *page);
}

} // namespace qv
