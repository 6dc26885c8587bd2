#pragma once

#include "FontMetrics.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace qv {

// The PDF operations of the print runs and of the form template generator, over qpdf.
//
// Documents and fonts are small integer ids; one document and one of its pages are "selected", and
// drawing goes to the selected page. Positions are in points. After SetOrigin(1) they are measured
// from the top-left corner of the page with y growing downward, as the forms are laid out; the
// layer turns them into PDF coordinates in one place. Texts are Windows-1252 bytes and are shown in
// the standard Type 1 fonts, unembedded, with WinAnsiEncoding, which is the same code page.
//
// Drawing onto a page copied from another document never disturbs its content: that content is
// wrapped in q ... Q, so whatever transformation it leaves behind does not reach the stamps.
//
// Failures are results, not exceptions: 0 from LoadFromFile, CopyPageRanges, SelectPage, NewPage
// and SaveToFile, as the print runs expect of the writer.
class PdfWriter {
public:
    PdfWriter();
    ~PdfWriter();
    PdfWriter(const PdfWriter&) = delete;
    PdfWriter& operator=(const PdfWriter&) = delete;

    // Documents.
    // Reads a PDF file (UTF-8 path); the loaded document and its first page become selected.
    // 0 when the file is missing or not a PDF; the selection is then unchanged.
    int LoadFromFile(const std::string& path);
    // A new document of one blank letter-size page (612 x 792), selected with that page.
    int NewDocument();
    int SelectedDocument() const { return selected_; }
    void SelectDocument(int id);
    // Frees a document. Pages copied from it into other documents stay intact.
    void RemoveDocument(int id);
    // Document information of the selected document: 1 Author, 2 Title, 3 Subject, 4 Keywords,
    // 5 Creator, 6 Producer. The text is Windows-1252.
    void SetInformation(int key, std::string_view text);
    // Writes the selected document (UTF-8 path). The file is written under a temporary name in the
    // same folder and renamed over the target only when complete, so a failed save leaves an
    // earlier file as it was. 1 when written, 0 otherwise.
    int SaveToFile(const std::string& path);

    // Pages of the selected document.
    int PageCount() const;
    // Selects a page (1-based); 0 when there is no such page.
    int SelectPage(int page);
    int SelectedPage() const;
    // Appends the pages listed in ranges ("3", "1,8,2", "2-4") of another document to the end of
    // the selected document, each keeping its size and content. Nonzero on success; 0 when the
    // source or a page is missing (nothing is appended then). The selection stays as it was.
    int CopyPageRanges(int sourceDocument, std::string_view ranges);
    // Appends a blank page of the selected page's size and selects it; gives its page number, or 0
    // when the selected document has no page to take the size from.
    int NewPage();
    // Removes count pages from first on; gives the number removed. When the selected page goes,
    // the first page that remains is selected.
    int DeletePages(int first, int count);
    // Brings the selected page's content layers together into one content stream.
    void CombineLayers();

    // Text and graphics state.
    // Adds one of the fourteen standard fonts by number (0 Courier, 1 Courier-Bold,
    // 2 Courier-BoldOblique, 3 Courier-Oblique, 4 Helvetica, 5 Helvetica-Bold,
    // 6 Helvetica-BoldOblique, 7 Helvetica-Oblique, 8 Times-Roman, 9 Times-Bold, 10 Times-Italic,
    // 11 Times-BoldItalic, 12 Symbol, 13 ZapfDingbats); gives a font id, which becomes the current
    // font. 0 for an unknown number.
    int AddStandardFont(int number);
    void SelectFont(int fontId);
    void SetTextSize(double points);
    // 0 the text begins at x, 1 it is centred on x, 2 it ends at x.
    void SetTextAlign(int alignment);
    // Colours are 0..1 per component.
    void SetTextColor(double r, double g, double b);
    void SetLineColor(double r, double g, double b);
    void SetFillColor(double r, double g, double b);
    void SetLineWidth(double points);
    // 0 bottom-left (PDF's own), 1 top-left.
    void SetOrigin(int origin);

    // Drawing on the selected page.
    // The text's baseline lies at y, its alignment point at x. Gives 1 when drawn, 0 when no page
    // or font is selected.
    int DrawText(double x, double y, std::string_view text);
    void DrawLine(double x1, double y1, double x2, double y2);
    // (x, y) is the top-left corner of the box whichever origin is in force; mode 0 outline,
    // 1 filled, 2 filled and outlined.
    void DrawBox(double x, double y, double w, double h, int mode);
    // Width of a text in the current font and size, in points.
    double GetTextWidth(std::string_view text) const;

    // The writer's own records of a document and of a page; defined where they are used.
    struct Document;
    struct Page;

private:
    Document* Selected() const;
    Page* CurrentPage() const;
    // The page's operators, with the graphics state the text state calls for.
    std::string& PageOps(Page& page);
    void EmitStrokeState(Page& page, std::string& ops);
    void PutPoint(std::string& ops, double x, double y) const;
    void FlushPage(Document& doc, Page& page);
    void FlushAll(Document& doc);

    std::map<int, std::unique_ptr<Document>> documents_;
    int nextDocument_ = 1;
    int selected_ = 0;

    // Font ids stand for standard font numbers: id = number + 1.
    int font_ = 0;
    double textSize_ = 12;
    int align_ = 0;
    double textColor_[3] = {0, 0, 0};
    double lineColor_[3] = {0, 0, 0};
    double fillColor_[3] = {0, 0, 0};
    double lineWidth_ = 1;
    int origin_ = 0;
};

} // namespace qv
