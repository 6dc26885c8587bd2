// formgen: draws the blank-form template base.ftb, nine letter-size pages, from the form geometry.
//
//     formgen OUT.ftb

#include "FormDrawing.h"
#include "PdfCanvas.h"
#include "PdfWriter.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: formgen OUT.ftb\n";
        return 2;
    }
    qv::PdfWriter pdf;
    pdf.NewDocument();
    pdf.SetInformation(2, "Quorvex 2010 blank forms");
    pdf.SetInformation(5, "Quorvex 2010 formgen");
    for (int page = 1; page <= qv::form::page::Count; ++page) {
        if (page > 1 && pdf.NewPage() == 0) {
            std::cerr << "formgen: could not add page " << page << "\n";
            return 1;
        }
        qv::formgen::PdfCanvas canvas(pdf);
        qv::forms::DrawTemplatePage(canvas, page);
    }
    if (pdf.SaveToFile(argv[1]) != 1) {
        std::cerr << "formgen: could not write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
