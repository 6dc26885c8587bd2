#include "FontMetrics.h"
#include "FormPageScroll.h"
#include "FormPageView.h"
#include "PainterCanvas.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace qv::ui {
namespace {

using form::Rect;

QRect Scaled(const Rect& r, double zoom) {
    const double s = FormPageView::kPixelsPerPoint * zoom;
    const int left = int(std::lround(r.Left * s)), top = int(std::lround(r.Top * s));
    return {left, top, int(std::lround(r.Right * s)) - left, int(std::lround(r.Bottom * s)) - top};
}

QLineEdit* EditWithFont(double pointSize) {
    auto* edit = new QLineEdit;
    QFont font = edit->font();
    font.setPointSizeF(pointSize);
    edit->setFont(font);
    return edit;
}

// ---------------------------------------------------------------------------------------------
// Placing controls and zooming.

struct ZoomCase {
    std::string Name;
    double Zoom;
};
void PrintTo(const ZoomCase& c, std::ostream* os) {
    *os << c.Name;
}

class PlacedControlTest : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(PlacedControlTest, LandsOnTheScaledRectWithAScaledFont) {
    const double zoom = GetParam().Zoom;
    FormPageView view(form::page::BalanceSheet);
    const Rect r{312.4, 171.0, 401.3, 187.6};
    QLineEdit* edit = EditWithFont(8);
    view.place(edit, r);
    view.setZoom(zoom);
    EXPECT_EQ(edit->parentWidget(), &view);
    EXPECT_EQ(edit->geometry(), Scaled(r, zoom));
    EXPECT_EQ(view.pixelRect(r), Scaled(r, zoom));
    EXPECT_DOUBLE_EQ(edit->font().pointSizeF(), 8 * zoom);
    EXPECT_EQ(view.size(), QSize(int(std::lround(612 * FormPageView::kPixelsPerPoint * zoom)),
                                 int(std::lround(792 * FormPageView::kPixelsPerPoint * zoom))));
}

INSTANTIATE_TEST_SUITE_P(Zooms, PlacedControlTest,
                         ::testing::Values(ZoomCase{"One", 1}, ZoomCase{"Two", 2}, ZoomCase{"Half", 0.5},
                                           ZoomCase{"OneAndAQuarter", 1.25}),
                         [](const ::testing::TestParamInfo<ZoomCase>& param) { return param.param.Name; });

TEST(FormPageView, PageIs834PixelsWideAtZoomOne) {
    FormPageView view(form::page::Form200);
    EXPECT_EQ(view.zoom(), 1);
    EXPECT_EQ(view.width(), 834);
    EXPECT_EQ(view.height(), 1079);
    EXPECT_EQ(view.sizeHint(), view.size());
}

TEST(FormPageView, ControlPlacedAtAZoomIsScaledFromZoomOne) {
    FormPageView view(form::page::Form200);
    view.setZoom(2);
    QLineEdit* edit = EditWithFont(8);
    const Rect r{100, 200, 220, 215};
    view.place(edit, r);
    EXPECT_EQ(edit->geometry(), Scaled(r, 2));
    EXPECT_DOUBLE_EQ(edit->font().pointSizeF(), 16);
    view.setZoom(1);
    EXPECT_EQ(edit->geometry(), Scaled(r, 1));
    EXPECT_DOUBLE_EQ(edit->font().pointSizeF(), 8);
}

TEST(FormPageView, IgnoresAZoomOfZeroOrLess) {
    FormPageView view(form::page::Form200);
    view.setZoom(0);
    view.setZoom(-1);
    EXPECT_EQ(view.zoom(), 1);
}

TEST(FormPageScroll, ZoomStepsScalePictureAndControlsTogether) {
    FormPageScroll scroll(form::page::Form200);
    scroll.resize(600, 400);
    std::vector<double> reported;
    QObject::connect(&scroll, &FormPageScroll::zoomChanged, [&](double z) { reported.push_back(z); });
    QLineEdit* edit = EditWithFont(8);
    const Rect r{300, 500, 420, 515};
    scroll.page()->place(edit, r);

    scroll.zoomIn();
    EXPECT_DOUBLE_EQ(scroll.zoom(), 1.25);
    EXPECT_EQ(edit->geometry(), Scaled(r, 1.25));
    EXPECT_EQ(scroll.page()->size(), QSize(int(std::lround(834 * 1.25)), int(std::lround(1079.29 * 1.25))));
    scroll.zoomOut();
    EXPECT_DOUBLE_EQ(scroll.zoom(), 1);
    EXPECT_EQ(edit->geometry(), Scaled(r, 1));
    scroll.zoomOut();
    EXPECT_DOUBLE_EQ(scroll.zoom(), 0.8);
    EXPECT_EQ(edit->geometry(), Scaled(r, 0.8));
    scroll.resetZoom();
    EXPECT_DOUBLE_EQ(scroll.zoom(), 1);
    EXPECT_EQ(reported, (std::vector<double>{1.25, 1, 0.8, 1}));
}

TEST(FormPageScroll, ZoomStaysWithinItsRange) {
    FormPageScroll scroll(form::page::Form200);
    for (int i = 0; i < 20; ++i)
        scroll.zoomIn();
    EXPECT_DOUBLE_EQ(scroll.zoom(), FormPageScroll::kMaxZoom);
    for (int i = 0; i < 20; ++i)
        scroll.zoomOut();
    EXPECT_DOUBLE_EQ(scroll.zoom(), FormPageScroll::kMinZoom);
    std::vector<double> reported;
    QObject::connect(&scroll, &FormPageScroll::zoomChanged, [&](double z) { reported.push_back(z); });
    scroll.zoomOut();
    EXPECT_TRUE(reported.empty()) << "no change, no signal";
}

TEST(FormPageScroll, ZoomingKeepsTheFocusedControlInSight) {
    FormPageScroll scroll(form::page::Form200);
    scroll.resize(500, 400);
    QLineEdit* low = EditWithFont(8);
    const Rect r{450, 740, 570, 760};
    scroll.page()->place(low, r);
    scroll.show();
    low->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(scroll.focusWidget(), low);
    scroll.zoomIn();
    const QRect visible(QPoint(scroll.horizontalScrollBar()->value(), scroll.verticalScrollBar()->value()),
                        scroll.viewport()->size());
    // Where one types: the edit's text cursor, at its left end.
    const QPoint caret = low->geometry().topLeft() + QPoint(2, low->height() / 2);
    EXPECT_TRUE(visible.contains(caret)) << "visible from " << visible.x() << "," << visible.y();
}

// ---------------------------------------------------------------------------------------------
// The screen's fonts.

struct FaceCase {
    std::string Name;
    form::Face Face;
    QString Family;
};
void PrintTo(const FaceCase& c, std::ostream* os) {
    *os << c.Name;
}

class ScreenFontTest : public ::testing::TestWithParam<FaceCase> {};

TEST_P(ScreenFontTest, IsTheMetricCompatibleFontAndMeasuresAsPrint) {
    const FaceCase& c = GetParam();
    EXPECT_EQ(PainterCanvas::ScreenFont(c.Face, 10).familyName(), c.Family);
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    // Wrapping, centring and leaders are worked out from these widths, on screen as on paper.
    const std::string text = "Total Net Assets in Oklahoma \x95 $1,250.00 (\xE9)";
    for (const double size : {5.5, 7.0, 12.5}) {
        canvas.SetFont(c.Face, size);
        EXPECT_DOUBLE_EQ(canvas.TextWidth(text),
                         TextWidth(MetricsForStandardFont(static_cast<int>(c.Face)), text, size));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faces, ScreenFontTest,
    ::testing::Values(FaceCase{"Courier", form::Face::Courier, QStringLiteral("Nimbus Mono PS")},
                      FaceCase{"Helvetica", form::Face::Helvetica, QStringLiteral("Nimbus Sans")},
                      FaceCase{"HelveticaBold", form::Face::HelveticaBold, QStringLiteral("Nimbus Sans")},
                      FaceCase{"HelveticaOblique", form::Face::HelveticaOblique,
                               QStringLiteral("Nimbus Sans")},
                      FaceCase{"TimesRoman", form::Face::TimesRoman, QStringLiteral("Nimbus Roman")}),
    [](const ::testing::TestParamInfo<FaceCase>& param) { return param.param.Name; });

TEST(ScreenFont, BoldAndObliqueAreTheirStyles) {
    EXPECT_EQ(PainterCanvas::ScreenFont(form::Face::HelveticaBold, 8).weight(), QFont::Bold);
    EXPECT_EQ(PainterCanvas::ScreenFont(form::Face::HelveticaOblique, 8).style(), QFont::StyleItalic);
    EXPECT_EQ(PainterCanvas::ScreenFont(form::Face::Helvetica, 8).style(), QFont::StyleNormal);
}

// ---------------------------------------------------------------------------------------------
// The screen drawing against the printed template.

constexpr int kDpi = 100;
constexpr int kDark = 160; // a pixel darker than this is ink

// The view drawn into an image of ratio device pixels per pixel, as on a high-density screen.
QImage ScreenPicture(int page, double zoom, int ratio = 1) {
    FormPageView view(page);
    view.setZoom(zoom);
    QImage image(view.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    view.render(&image);
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_Grayscale8);
}

// The page as poppler renders base.ftb.
QImage PrintedPicture(int page, const QString& folder, int dpi = kDpi) {
    const QString prefix = QDir(folder).filePath(QStringLiteral("page%1").arg(page));
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QString::number(page),
                    QStringLiteral("-l"), QString::number(page), QStringLiteral("-gray"),
                    QStringLiteral("-singlefile"), QStringLiteral(QV_FORM_TEMPLATE), prefix});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0)
        return {};
    return QImage(prefix + QStringLiteral(".pgm")).convertToFormat(QImage::Format_Grayscale8);
}

bool Dark(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() && qGray(image.pixel(x, y)) < kDark;
}

// Ink of a that has no ink of b within one pixel.
QImage Unmatched(const QImage& a, const QImage& b) {
    QImage out(a.size(), QImage::Format_Grayscale8);
    out.fill(0);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (!Dark(a, x, y))
                continue;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = Dark(b, x + dx, y + dy);
            if (!near)
                out.setPixel(x, y, 255);
        }
    }
    return out;
}

// The pictures agree when, in every square of the page, hardly any ink of one lacks ink of the
// other nearby: anti-aliasing moves an edge by a pixel, a missing or misplaced caption, rule or box
// leaves a square full of unmatched ink.
constexpr int kSquare = 40;
constexpr int kMostUnmatchedPerSquare = 24;

struct Disagreement {
    int Worst = 0;
    QPoint At;
};

Disagreement Compare(const QImage& screen, const QImage& printed) {
    const QImage a = Unmatched(screen, printed), b = Unmatched(printed, screen);
    Disagreement d;
    for (int top = 0; top < a.height(); top += kSquare / 2) {
        for (int left = 0; left < a.width(); left += kSquare / 2) {
            int count = 0;
            for (int y = top; y < std::min(top + kSquare, a.height()); ++y)
                for (int x = left; x < std::min(left + kSquare, a.width()); ++x)
                    count += (qGray(a.pixel(x, y)) > 0) + (qGray(b.pixel(x, y)) > 0);
            if (count > d.Worst)
                d = {count, {left, top}};
        }
    }
    return d;
}

// With QV_PAGE_PICTURES naming a folder, the pictures compared are left there as PNG files to look
// at beside each other.
void SaveToLookAt(const QImage& image, const QString& name) {
    const QByteArray folder = qgetenv("QV_PAGE_PICTURES");
    if (!folder.isEmpty())
        image.save(QDir(QString::fromLocal8Bit(folder)).filePath(name + QStringLiteral(".png")));
}

struct PageCase {
    std::string Name;
    int Page;
};
void PrintTo(const PageCase& c, std::ostream* os) {
    *os << c.Name;
}

class ScreenMatchesPrintTest : public ::testing::TestWithParam<PageCase> {
protected:
    static double ZoomForDpi() { return kDpi / 72.0 / FormPageView::kPixelsPerPoint; }
    QTemporaryDir folder_;
};

TEST_P(ScreenMatchesPrintTest, PageDrawsAsItPrints) {
    const int page = GetParam().Page;
    const QImage printed = PrintedPicture(page, folder_.path());
    ASSERT_FALSE(printed.isNull()) << "pdftoppm did not render page " << page;
    const QImage screen = ScreenPicture(page, ZoomForDpi());
    ASSERT_EQ(screen.size(), printed.size());
    const Disagreement d = Compare(screen, printed);
    EXPECT_LE(d.Worst, kMostUnmatchedPerSquare)
        << "around pixel " << d.At.x() << "," << d.At.y() << " of page " << page;

    SaveToLookAt(printed, QStringLiteral("page%1-print").arg(page));
    SaveToLookAt(screen, QStringLiteral("page%1-screen").arg(page));
    SaveToLookAt(ScreenPicture(page, 1), QStringLiteral("page%1-zoom1").arg(page));
    SaveToLookAt(ScreenPicture(page, 2), QStringLiteral("page%1-zoom2").arg(page));
}

TEST_P(ScreenMatchesPrintTest, PageDrawsAsItPrintsOnAHighDensityScreen) {
    const int page = GetParam().Page;
    const QImage printed = PrintedPicture(page, folder_.path(), 2 * kDpi);
    ASSERT_FALSE(printed.isNull()) << "pdftoppm did not render page " << page;
    const QImage screen = ScreenPicture(page, ZoomForDpi(), 2);
    ASSERT_EQ(screen.size(), printed.size());
    const Disagreement d = Compare(screen, printed);
    EXPECT_LE(d.Worst, kMostUnmatchedPerSquare)
        << "around device pixel " << d.At.x() << "," << d.At.y() << " of page " << page;
    SaveToLookAt(screen, QStringLiteral("page%1-screen-ratio2").arg(page));
    SaveToLookAt(printed, QStringLiteral("page%1-print-200dpi").arg(page));
}

TEST_P(ScreenMatchesPrintTest, ComparisonCatchesAPageMovedByThreePixels) {
    const int page = GetParam().Page;
    const QImage printed = PrintedPicture(page, folder_.path());
    ASSERT_FALSE(printed.isNull());
    const QImage screen = ScreenPicture(page, ZoomForDpi());
    QImage moved(screen.size(), screen.format());
    moved.fill(Qt::white);
    for (int y = 0; y + 3 < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            moved.setPixel(x, y + 3, screen.pixel(x, y));
    EXPECT_GT(Compare(moved, printed).Worst, kMostUnmatchedPerSquare);
}

TEST(ScreenMatchesPrint, ComparisonCatchesASmallCaptionMissing) {
    QTemporaryDir folder;
    const QImage printed = PrintedPicture(form::page::Form200, folder.path());
    ASSERT_FALSE(printed.isNull());
    QImage screen = ScreenPicture(form::page::Form200, kDpi / 72.0 / FormPageView::kPixelsPerPoint);
    // "FOR OFFICE USE ONLY", six-point capitals centred at 486 points, baseline at 73.
    const double px = kDpi / 72.0;
    QPainter blank(&screen);
    blank.fillRect(QRectF(446 * px, 66 * px, 80 * px, 8 * px), Qt::white);
    blank.end();
    EXPECT_GT(Compare(screen, printed).Worst, kMostUnmatchedPerSquare);
}

INSTANTIATE_TEST_SUITE_P(TemplatePages, ScreenMatchesPrintTest,
                         ::testing::Values(PageCase{"Form200", form::page::Form200},
                                           PageCase{"ScheduleA", form::page::ScheduleA},
                                           PageCase{"ScheduleBCD", form::page::ScheduleBCD},
                                           PageCase{"BalanceSheet", form::page::BalanceSheet},
                                           PageCase{"Form200F", form::page::Form200F},
                                           PageCase{"MinMax", form::page::MinMax},
                                           PageCase{"MinMaxBack", form::page::MinMaxBack}),
                         [](const ::testing::TestParamInfo<PageCase>& param) { return param.param.Name; });

} // namespace
} // namespace qv::ui

int main(int argc, char** argv) {
    // The window's tests need no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
