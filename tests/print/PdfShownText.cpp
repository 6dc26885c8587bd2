#include "PdfShownText.h"

#include <array>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <stdexcept>

namespace qv::test {

namespace {

using Matrix = std::array<double, 6>;

Matrix Multiply(const Matrix& m, const Matrix& n) {
    // m then n, PDF's row-vector convention.
    return {m[0] * n[0] + m[1] * n[2], m[0] * n[1] + m[1] * n[3],        m[2] * n[0] + m[3] * n[2],
            m[2] * n[1] + m[3] * n[3], m[4] * n[0] + m[5] * n[2] + n[4], m[4] * n[1] + m[5] * n[3] + n[5]};
}

class Collector : public QPDFObjectHandle::ParserCallbacks {
public:
    Collector(QPDFObjectHandle fonts, double pageTop) : fonts_(fonts), pageTop_(pageTop) {}

    void handleObject(QPDFObjectHandle obj, size_t, size_t) override {
        if (!obj.isOperator()) {
            operands_.push_back(obj);
            return;
        }
        const std::string op = obj.getOperatorValue();
        if (op == "q") {
            saved_.push_back(ctm_);
        } else if (op == "Q") {
            if (!saved_.empty()) {
                ctm_ = saved_.back();
                saved_.pop_back();
            }
        } else if (op == "cm" && operands_.size() == 6) {
            ctm_ = Multiply(Numbers(), ctm_);
        } else if (op == "BT") {
            tm_ = {1, 0, 0, 1, 0, 0};
        } else if (op == "Tf" && operands_.size() == 2) {
            QPDFObjectHandle font =
                fonts_.isDictionary() ? fonts_.getKey(operands_[0].getName()) : QPDFObjectHandle::newNull();
            font_ = font.isDictionary() && font.getKey("/BaseFont").isName()
                        ? font.getKey("/BaseFont").getName().substr(1)
                        : operands_[0].getName();
            size_ = operands_[1].getNumericValue();
        } else if (op == "Tm" && operands_.size() == 6) {
            tm_ = Numbers();
        } else if (op == "Td" && operands_.size() == 2) {
            tm_ = Multiply({1, 0, 0, 1, operands_[0].getNumericValue(), operands_[1].getNumericValue()}, tm_);
        } else if (op == "Tj" && operands_.size() == 1) {
            const Matrix at = Multiply(tm_, ctm_);
            Texts.push_back({font_, size_ * at[3], at[4], pageTop_ - at[5], operands_[0].getStringValue()});
        } else if (op == "TJ" || op == "'" || op == "\"") {
            throw std::runtime_error("text operator " + op + " is not read back");
        }
        operands_.clear();
    }
    void handleEOF() override {}

    std::vector<ShownText> Texts;

private:
    Matrix Numbers() {
        Matrix m{};
        for (size_t i = 0; i < 6; ++i)
            m[i] = operands_[i].getNumericValue();
        return m;
    }

    QPDFObjectHandle fonts_;
    double pageTop_;
    std::vector<QPDFObjectHandle> operands_;
    Matrix ctm_{1, 0, 0, 1, 0, 0};
    Matrix tm_{1, 0, 0, 1, 0, 0};
    std::vector<Matrix> saved_;
    std::string font_;
    double size_ = 0;
};

} // namespace

std::vector<std::vector<ShownText>> ReadShownText(const std::filesystem::path& pdf) {
    QPDF doc;
    doc.processFile(pdf.string().c_str());
    std::vector<std::vector<ShownText>> pages;
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(doc).getAllPages()) {
        QPDFObjectHandle resources = page.getAttribute("/Resources", false);
        QPDFObjectHandle fonts =
            resources.isDictionary() ? resources.getKey("/Font") : QPDFObjectHandle::newNull();
        const QPDFObjectHandle::Rectangle box = page.getMediaBox().getArrayAsRectangle();
        Collector collector(fonts, box.ury);
        page.parseContents(&collector);
        pages.push_back(std::move(collector.Texts));
    }
    return pages;
}

} // namespace qv::test
