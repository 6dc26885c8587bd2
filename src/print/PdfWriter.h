#pragma once

#include "FontMetrics.h"
#include "TextStyle.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace qv {

// Where positions are measured from: PDF's own bottom-left corner, or the top-left corner with y
// growing downward, as the forms are laid out.
enum class Origin : uint8_t { BottomLeft, TopLeft };

// The entries of a document's information.
enum class InfoKey : uint8_t { Author = 1, Title, Subject, Keywords, Creator, Producer };

// How a box is drawn.
enum class BoxMode : uint8_t { Outline, Fill, FillAndOutline };

// The PDF operations of the print runs and of the form template generator, over qpdf.
//
// Documents and fonts are small integer ids; one document and one of its pages are "selected", and
// drawing goes to the selected page. Positions are in points. After SetOrigin(Origin::TopLeft) they are
// measured from the top-left corner of the page with y growing downward, as the forms are laid out; the layer
// turns them into PDF coordinates in one place. Texts are Windows-1252 bytes and are shown in the standard
// Type 1 fonts, unembedded, with WinAnsiEncoding, which is the same code page.
//
// Drawing onto a page copied from another document never disturbs its content: that content is
// wrapped in q ... Q, so whatever transformation it leaves behind does not reach the stamps.
//
// Failures are results, not exceptions: false from CopyPageRanges, SelectPage, DrawText and
// SaveToFile, 0 from LoadFromFile and NewPage, as the print runs expect of the writer.
class PdfWriter {
public:
    PdfWriter();
    ~PdfWriter();
    PdfWriter(const PdfWriter&) = delete;
    PdfWriter& operator=(const PdfWriter&) = delete;

    // Documents.
    // Reads a PDF file (UTF-8 path); the loaded document and its first page become selected.
    // 0 when the file is missing or not a PDF; the selection is then unchanged.
    [[nodiscard]] int LoadFromFile(const std::string& path);
    // A new document of one blank letter-size page (612 x 792), selected with that page.
    int NewDocument();
    int SelectedDocument() const { return selected_; }
    void SelectDocument(int id);
    // Frees a document. Pages copied from it into other documents stay intact.
    void RemoveDocument(int id);
    // An entry of the selected document's information. The text is Windows-1252.
    void SetInformation(InfoKey key, std::string_view text);
    // Writes the selected document (UTF-8 path). The file is written under a temporary name in the
    // same folder and renamed over the target only when complete, so a failed save leaves an
    // earlier file as it was. True when written.
    [[nodiscard]] bool SaveToFile(const std::string& path);

    // Pages of the selected document.
    int PageCount() const;
    // Selects a page (1-based); false when there is no such page.
    [[nodiscard]] bool SelectPage(int page);
    int SelectedPage() const;
    // Appends the pages listed in ranges ("3", "1,8,2", "2-4") of another document to the end of
    // the selected document, each keeping its size and content. False when the source or a page is
    // missing (nothing is appended then). The selection stays as it was.
    [[nodiscard]] bool CopyPageRanges(int sourceDocument, std::string_view ranges);
    // Appends a blank page of the selected page's size and selects it; gives its page number, or 0
    // when the selected document has no page to take the size from.
    int NewPage();
    // Removes count pages from first on; gives the number removed. When the selected page goes,
    // the first page that remains is selected.
    int DeletePages(int first, int count);
    // Brings the selected page's content layers together into one content stream.
    void CombineLayers();

    // Text and graphics state.
    // Adds a standard font; gives its font id, which becomes the current font.
    int AddStandardFont(Face face);
    void SelectFont(int fontId);
    void SetTextSize(double points);
    void SetTextAlign(Align alignment);
    // Colours are 0..1 per component.
    void SetTextColor(double r, double g, double b);
    void SetLineColor(double r, double g, double b);
    void SetFillColor(double r, double g, double b);
    void SetLineWidth(double points);
    void SetOrigin(Origin origin);

    // Drawing on the selected page.
    // The text's baseline lies at y, its alignment point at x. False when no page or font is
    // selected.
    [[nodiscard]] bool DrawText(double x, double y, std::string_view text);
    void DrawLine(double x1, double y1, double x2, double y2);
    // (x, y) is the top-left corner of the box whichever origin is in force.
    void DrawBox(double x, double y, double w, double h, BoxMode mode);
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
    Align align_ = Align::Left;
    double textColor_[3] = {0, 0, 0};
    double lineColor_[3] = {0, 0, 0};
    double fillColor_[3] = {0, 0, 0};
    double lineWidth_ = 1;
    Origin origin_ = Origin::BottomLeft;
};

} // namespace qv
