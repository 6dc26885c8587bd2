#include "DiagnosticsPanel.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <algorithm>
#include <utility>

namespace qv::ui {

namespace {

enum Column { SeverityColumn, MessageColumn, CodeColumn, ColumnCount };

// The position of a row's finding in the list, kept on the row.
constexpr int kFindingRole = Qt::UserRole;

QString Q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A list a few rows high: the panel takes little from the pages.
class FindingList : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;
    QSize sizeHint() const override {
        const int row = fontMetrics().height() + 6;
        return {QTreeWidget::sizeHint().width(), header()->sizeHint().height() + 5 * row + 2 * frameWidth()};
    }
};

// Messages wrap within their column: a row is as tall as its message is at the column's width.
class WrappingDelegate : public QStyledItemDelegate {
public:
    explicit WrappingDelegate(QTreeView* view) : QStyledItemDelegate(view), view_(view) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (index.column() != MessageColumn)
            return size;
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        // The item's own margins, as the style draws them.
        const int margin = 2 * (view_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &opt, view_) + 1);
        const int width = std::max(40, view_->columnWidth(MessageColumn) - margin);
        const QRect text =
            opt.fontMetrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, opt.text);
        size.setHeight(std::max(size.height(), text.height() + 4));
        return size;
    }

private:
    QTreeView* view_;
};

QString Plural(size_t n, const char* one, const char* many) {
    return QString::number(n) + ' ' + QString::fromLatin1(n == 1 ? one : many);
}

} // namespace

DiagnosticsPanel::DiagnosticsPanel(QWidget* parent) : QDockWidget(QStringLiteral("Diagnostics"), parent) {
    setObjectName("dockDiagnostics");
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);

    list_ = new FindingList(this);
    list_->setObjectName("tvDiagnostics");
    list_->setColumnCount(ColumnCount);
    list_->setHeaderLabels({QStringLiteral("Severity"), QStringLiteral("Message"), QStringLiteral("Code")});
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(false);
    list_->setWordWrap(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setAllColumnsShowFocus(true);
    list_->setTextElideMode(Qt::ElideNone);
    QHeaderView* header = list_->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(SeverityColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(MessageColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(CodeColumn, QHeaderView::ResizeToContents);
    list_->setItemDelegate(new WrappingDelegate(list_));
    setWidget(list_);
    // Long messages wrap: the rows are measured again whenever the message column changes width.
    connect(header, &QHeaderView::sectionResized, list_, [this](int column) {
        if (column == MessageColumn)
            list_->doItemsLayout();
    });

    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item, int) {
        const QVariant at = item->data(SeverityColumn, kFindingRole);
        if (!at.isValid())
            return;
        const auto i = static_cast<size_t>(at.toULongLong());
        if (i < findings_.size())
            emit findingActivated(findings_[i]);
    });
    Fill();
    hide();
}

size_t DiagnosticsPanel::errorCount() const {
    return static_cast<size_t>(std::count_if(findings_.begin(), findings_.end(), [](const Finding& f) {
        return f.Level == Finding::Severity::Error;
    }));
}

size_t DiagnosticsPanel::warningCount() const {
    return findings_.size() - errorCount();
}

QString DiagnosticsPanel::CountText(size_t errors, size_t warnings) {
    if (errors == 0 && warnings == 0)
        return QStringLiteral("No errors or warnings");
    if (warnings == 0)
        return Plural(errors, "error", "errors");
    if (errors == 0)
        return Plural(warnings, "warning", "warnings");
    return Plural(errors, "error", "errors") + ", " + Plural(warnings, "warning", "warnings");
}

void DiagnosticsPanel::setFindings(std::vector<Finding> findings) {
    // Most cycles change nothing the list shows: the rows stay as they are, current row, scroll
    // position and all.
    const auto sameRow = [](const Finding& a, const Finding& b) {
        return a.Level == b.Level && a.Code == b.Code && a.Message == b.Message;
    };
    if (std::equal(findings.begin(), findings.end(), findings_.begin(), findings_.end(), sameRow)) {
        findings_ = std::move(findings);
        UpdateVisibility(false);
        return;
    }
    // The row the user was on, by what it says.
    QString currentCode, currentMessage;
    if (const QTreeWidgetItem* current = list_->currentItem()) {
        currentCode = current->text(CodeColumn);
        currentMessage = current->text(MessageColumn);
    }
    findings_ = std::move(findings);
    Fill();
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(i);
        if (!currentCode.isEmpty() && item->text(CodeColumn) == currentCode &&
            item->text(MessageColumn) == currentMessage) {
            list_->setCurrentItem(item);
            break;
        }
    }
    UpdateVisibility(false);
}

void DiagnosticsPanel::Fill() {
    list_->clear();
    QStyle* st = style();
    const QIcon errorIcon = st->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = st->standardIcon(QStyle::SP_MessageBoxWarning);
    QList<QTreeWidgetItem*> items;
    for (size_t i = 0; i < findings_.size(); ++i) {
        const Finding& f = findings_[i];
        const bool error = f.Level == Finding::Severity::Error;
        auto* item = new QTreeWidgetItem();
        item->setIcon(SeverityColumn, error ? errorIcon : warningIcon);
        item->setText(SeverityColumn, error ? QStringLiteral("Error") : QStringLiteral("Warning"));
        item->setData(SeverityColumn, kFindingRole, QVariant::fromValue<qulonglong>(i));
        item->setText(MessageColumn, Q(f.Message));
        item->setToolTip(MessageColumn, Q(f.Message));
        item->setText(CodeColumn, Q(f.Code));
        items.push_back(item);
    }
    if (items.empty()) {
        auto* item = new QTreeWidgetItem();
        item->setText(MessageColumn, CountText(0, 0));
        item->setFlags(Qt::NoItemFlags);
        items.push_back(item);
    }
    list_->addTopLevelItems(items);
}

void DiagnosticsPanel::setWanted(bool wanted) {
    const bool turnedOn = wanted && !wanted_;
    wanted_ = wanted;
    UpdateVisibility(turnedOn);
}

void DiagnosticsPanel::UpdateVisibility(bool showEmpty) {
    const bool show = wanted_ && (!findings_.empty() || showEmpty);
    if (show == isHidden())
        setVisible(show);
}

void DiagnosticsPanel::closeEvent(QCloseEvent* event) {
    QDockWidget::closeEvent(event);
    if (!event->isAccepted())
        return;
    wanted_ = false;
    emit wantedChanged(false);
}

void DiagnosticsPanel::activateNext() {
    if (findings_.empty())
        return;
    QTreeWidgetItem* current = list_->currentItem();
    const int at = current == nullptr ? -1 : list_->indexOfTopLevelItem(current);
    QTreeWidgetItem* next = list_->topLevelItem((at + 1) % list_->topLevelItemCount());
    list_->setCurrentItem(next);
    list_->scrollToItem(next);
    emit findingActivated(findings_[static_cast<size_t>(next->data(SeverityColumn, kFindingRole).toULongLong())]);
}

} // namespace qv::ui
