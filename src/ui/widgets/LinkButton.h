#pragma once

#include <QPushButton>

namespace qv::ui {

// A link on the form page ("Add More", "(Please attach schedule)"): blue underlined text, purple once
// visited, the pointing hand over it. It takes the focus with Tab; Space and Enter click it.
class LinkButton : public QPushButton {
    Q_OBJECT
public:
    explicit LinkButton(const QString& text, QWidget* parent = nullptr);
    explicit LinkButton(QWidget* parent = nullptr);

    void setVisited(bool visited = true);
    bool isVisited() const { return visited_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool visited_ = false;
};

} // namespace qv::ui
