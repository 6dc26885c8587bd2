#include "PainterCanvas.h"

#include "Codepage1252.h"
#include "FontMetrics.h"

#include <QCoreApplication>
#include <QFont>
#include <QGlyphRun>
#include <QPainter>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace qv::ui {

namespace {

QColor Gray(double gray) {
    return QColor::fromRgbF(float(gray), float(gray), float(gray));
}

StandardFontMetrics Metrics(form::Face face) {
    return MetricsForStandardFont(static_cast<int>(face));
}

QFont FontFor(form::Face face) {
    QFont font;
    switch (face) {
    case form::Face::Courier:
        font.setFamily(QStringLiteral("Nimbus Mono PS"));
        font.setStyleHint(QFont::Courier);
        break;
    case form::Face::Helvetica:
    case form::Face::HelveticaBold:
    case form::Face::HelveticaOblique:
        font.setFamily(QStringLiteral("Nimbus Sans"));
        font.setStyleHint(QFont::Helvetica);
        break;
    case form::Face::TimesRoman:
        font.setFamily(QStringLiteral("Nimbus Roman"));
        font.setStyleHint(QFont::Times);
        break;
    }
    font.setBold(face == form::Face::HelveticaBold);
    font.setItalic(face == form::Face::HelveticaOblique);
    font.setKerning(false);
    // The glyphs are scaled by the painter; hinting at the unscaled size would distort them.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(100);
    return font;
}

// Rules are laid on whole device pixels, at least one pixel wide, as a PDF viewer's stroke
// adjustment does: both edges of the stroke go to the nearest pixel edge, so a half-point rule stays
// a sharp line at every zoom instead of a gray blur across two pixels, and a fill that ends on a
// rule's middle leaves the same half of it that the printed page shows.
struct Stroke {
    double Centre;
    int Pixels;
};
Stroke SnapToPixels(double centre, double width) {
    const double from = std::round(centre - width / 2);
    double to = std::round(centre + width / 2);
    if (to <= from)
        to = from + 1;
    return {(from + to) / 2, int(to - from)};
}

} // namespace

// Draws in device pixels for the life of the object.
class PainterCanvas::DevicePixels {
public:
    explicit DevicePixels(QPainter& painter) : painter_(painter), map_(painter.deviceTransform()) {
        painter_.save();
        // The device transform is the world transform followed by whatever the paint device adds
        // (its pixel ratio, a redirection); undo all of it, so that coordinates are device pixels.
        painter_.setWorldTransform(map_.inverted() * painter_.worldTransform());
    }
    ~DevicePixels() { painter_.restore(); }
    DevicePixels(const DevicePixels&) = delete;
    DevicePixels& operator=(const DevicePixels&) = delete;

    double X(double x) const { return map_.m11() * x + map_.dx(); }
    double Y(double y) const { return map_.m22() * y + map_.dy(); }
    double ScaleX() const { return map_.m11(); }
    double ScaleY() const { return map_.m22(); }

private:
    QPainter& painter_;
    QTransform map_;
};

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter) {
    SetFont(face_, size_);
}

namespace {

// Looked up once per face and size: the font database is slow to ask, and a page uses a dozen. The
// fonts go with the application, before the font database they come from.
std::map<std::pair<form::Face, double>, QRawFont>& ScreenFonts() {
    static std::map<std::pair<form::Face, double>, QRawFont> fonts;
    static const bool cleared = [] {
        qAddPostRoutine([] { ScreenFonts().clear(); });
        return true;
    }();
    (void)cleared;
    return fonts;
}

} // namespace

QRawFont PainterCanvas::ScreenFont(form::Face face, double size) {
    auto& fonts = ScreenFonts();
    auto it = fonts.find({face, size});
    if (it == fonts.end()) {
        QRawFont font = QRawFont::fromFont(FontFor(face));
        font.setPixelSize(size);
        it = fonts.emplace(std::pair{face, size}, font).first;
    }
    return it->second;
}

void PainterCanvas::SetFont(form::Face face, double size) {
    face_ = face;
    size_ = size;
    font_ = ScreenFont(face, size);
}

double PainterCanvas::TextWidth(std::string_view text) const {
    return qv::TextWidth(Metrics(face_), text, size_);
}

void PainterCanvas::Text(double x, double y, form::Align align, std::string_view text, double gray) {
    if (text.empty())
        return;
    if (align != form::Align::Left) {
        const double width = TextWidth(text);
        x -= align == form::Align::Centre ? width / 2 : width;
    }
    QString unicode;
    unicode.reserve(qsizetype(text.size()));
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        unicode.append(code < 32 ? QChar(u' ') : QChar(char16_t(Cp1252ToUnicode(code))));
    }
    const QList<quint32> glyphs = font_.glyphIndexesForString(unicode);
    // Each glyph at the advance the printed font gives it.
    QList<QPointF> positions;
    positions.reserve(glyphs.size());
    double pen = 0;
    const StandardFontMetrics metrics = Metrics(face_);
    for (qsizetype i = 0; i < glyphs.size() && i < qsizetype(text.size()); ++i) {
        positions.append(QPointF(pen, 0));
        pen += GlyphWidth(metrics, static_cast<unsigned char>(text[size_t(i)])) * size_ / 1000.0;
    }
    QGlyphRun run;
    run.setRawFont(font_);
    run.setGlyphIndexes(glyphs.first(positions.size()));
    run.setPositions(positions);
    painter_.setPen(Gray(gray));
    painter_.drawGlyphRun(QPointF(x, y), run);
}

bool PainterCanvas::Axial() const {
    const QTransform& t = painter_.deviceTransform();
    return t.type() <= QTransform::TxScale && t.m11() > 0 && t.m22() > 0;
}

void PainterCanvas::Line(double x1, double y1, double x2, double y2, double width, double gray) {
    if (!Axial() || (x1 != x2 && y1 != y2)) {
        painter_.setPen(QPen(Gray(gray), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
        return;
    }
    const DevicePixels px(painter_);
    QLineF line;
    Stroke stroke;
    if (y1 == y2) {
        stroke = SnapToPixels(px.Y(y1), width * px.ScaleY());
        line = QLineF(std::round(px.X(x1)), stroke.Centre, std::round(px.X(x2)), stroke.Centre);
    } else {
        stroke = SnapToPixels(px.X(x1), width * px.ScaleX());
        line = QLineF(stroke.Centre, std::round(px.Y(y1)), stroke.Centre, std::round(px.Y(y2)));
    }
    painter_.setPen(QPen(Gray(gray), stroke.Pixels, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawLine(line);
}

void PainterCanvas::Box(const form::Rect& r, double lineWidth, double fillGray) {
    if (!Axial()) {
        const QRectF rect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
        if (fillGray >= 0)
            painter_.fillRect(rect, Gray(fillGray));
        if (lineWidth > 0) {
            painter_.setPen(QPen(Qt::black, lineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            painter_.setBrush(Qt::NoBrush);
            painter_.drawRect(rect);
        }
        return;
    }
    const DevicePixels px(painter_);
    if (fillGray >= 0) {
        const double left = std::round(px.X(r.Left)), top = std::round(px.Y(r.Top));
        painter_.fillRect(
            QRectF(left, top, std::round(px.X(r.Right)) - left, std::round(px.Y(r.Bottom)) - top),
            Gray(fillGray));
    }
    if (lineWidth > 0) {
        // One pen for the four sides: the width as the smaller scale gives it.
        const double width = lineWidth * std::min(px.ScaleX(), px.ScaleY());
        const Stroke left = SnapToPixels(px.X(r.Left), width), right = SnapToPixels(px.X(r.Right), width);
        const Stroke top = SnapToPixels(px.Y(r.Top), width), bottom = SnapToPixels(px.Y(r.Bottom), width);
        painter_.setPen(QPen(Qt::black, left.Pixels, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(
            QRectF(left.Centre, top.Centre, right.Centre - left.Centre, bottom.Centre - top.Centre));
    }
}

} // namespace qv::ui
