#pragma once

#include <QScrollArea>

namespace qv::ui {

class FormPageView;

// A scroll area over one page picture, with the zoom steps of the window's View commands.
class FormPageScroll : public QScrollArea {
    Q_OBJECT
public:
    static constexpr double kZoomStep = 1.25;
    static constexpr double kMinZoom = 0.5;
    static constexpr double kMaxZoom = 3.0;

    explicit FormPageScroll(int templatePage, QWidget* parent = nullptr);

    FormPageView* page() const { return page_; }
    double zoom() const;

public slots:
    void zoomIn();
    void zoomOut();
    void resetZoom();
    // Any zoom, held within kMinZoom..kMaxZoom.
    void setZoom(double zoom);

signals:
    void zoomChanged(double zoom);

private:
    FormPageView* page_;
};

} // namespace qv::ui
