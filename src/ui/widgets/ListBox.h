#pragma once

#include <QComboBox>

namespace qv::ui {

// A drop-down list that takes only its own items. currentText is the selected item's text, empty
// when nothing is selected. Drawn flat like the other fields, its button scaling with the field. closeUp()
// follows every closing of the list, once the choice made in it (if any) has become the current item.
class ListBox : public QComboBox {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    // Selects the item whose text equals text exactly; with none equal, selects nothing.
    bool selectText(const QString& text);

    void showPopup() override;
    void hidePopup() override;

signals:
    void closeUp();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void popupClosed();

    bool popupOpen_ = false;
};

} // namespace qv::ui
