#include "gui/grid_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

#include "gui/symbol_font.h"

namespace {

QColor qcolor(const sidora::models::Rgb& c) { return QColor(c.r, c.g, c.b); }

}  // namespace

GridView::GridView(const QString& name, int rows, int cols, QWidget* parent) : QTableWidget(rows, cols, parent) {
    setObjectName(name);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setFocusPolicy(Qt::ClickFocus);
    auto* copy = new QAction("Kopírovat", this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &GridView::copy_selection);
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    setShowGrid(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->setMinimumSectionSize(4);  // thin separator rows
    verticalHeader()->setDefaultSectionSize(22);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) setItem(r, c, new QTableWidgetItem);
    }
}

void GridView::render(const sidora::models::Grid& g) {
    for (int r = 0; r < g.rows() && r < rowCount(); ++r) {
        for (int c = 0; c < g.cols() && c < columnCount(); ++c) {
            const auto& cell = g.at(c, r);
            QTableWidgetItem* it = item(r, c);
            const QString text = cell.symbol ? symbol_qtext(cell.text) : QString::fromStdString(cell.text);
            if (it->text() != text) it->setText(text);
            const QString hint = QString::fromStdString(cell.hint);
            if (it->toolTip() != hint) it->setToolTip(hint);
            const QBrush bg = cell.background ? QBrush(qcolor(*cell.background)) : QBrush();
            if (it->background() != bg) it->setBackground(bg);
            const QBrush fg = cell.color ? QBrush(qcolor(*cell.color)) : QBrush();
            if (it->foreground() != fg) it->setForeground(fg);
            QFont f = cell.symbol ? symbol_font(symbol_pixels) : font();
            f.setBold(cell.bold);
            if (it->font() != f) it->setFont(f);
        }
    }
    if (growing_) layout_columns();
}

void GridView::set_growing(bool growing) {
    growing_ = growing;
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSizePolicy(growing ? QSizePolicy::Expanding : QSizePolicy::Fixed, QSizePolicy::Fixed);
    layout_columns();
}

void GridView::layout_columns() {
    constexpr int kNarrowest = 24;
    std::vector<int> wanted(static_cast<std::size_t>(columnCount()));
    int total = 0;
    // Every row, not only those the viewport shows yet.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    for (int c = 0; c < columnCount(); ++c) {
        int w = kNarrowest;
        for (int r = 0; r < rowCount(); ++r) {
            const QModelIndex index = model()->index(r, c);
            w = std::max(w, itemDelegateForIndex(index)->sizeHint(option, index).width() + (showGrid() ? 1 : 0));
        }
        wanted[static_cast<std::size_t>(c)] = w;
        total += w;
    }
    if (total != content_width_) {
        content_width_ = total;
        updateGeometry();
    }
    const int extra = std::max(0, viewport()->width() - total);
    for (int c = 0; c < columnCount(); ++c) {
        // The last column takes what the division leaves, so the grid ends at the frame.
        const int share = c + 1 < columnCount() ? extra / columnCount() : extra - extra / columnCount() * (columnCount() - 1);
        const int width = wanted[static_cast<std::size_t>(c)] + share;
        if (columnWidth(c) != width) setColumnWidth(c, width);
    }
}

void GridView::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    if (growing_) layout_columns();
}

QString GridView::selected_text() const {
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    if (ranges.isEmpty()) return {};
    const QTableWidgetSelectionRange& r = ranges.first();
    QStringList lines;
    for (int row = r.topRow(); row <= r.bottomRow(); ++row) {
        QStringList cells;
        for (int col = r.leftColumn(); col <= r.rightColumn(); ++col) cells << cell(col, row).trimmed();
        lines << cells.join('\t');
    }
    return lines.join('\n');
}

void GridView::copy_selection() const {
    const QString text = selected_text();
    if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

void GridView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copy_selection();
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

QString GridView::cell(int col, int row) const {
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void GridView::fit() {
    resizeColumnsToContents();
    for (int c = 0; c < columnCount(); ++c) setColumnWidth(c, columnWidth(c) + 8);
    updateGeometry();
}

QSize GridView::sizeHint() const {
    int w = 2 * frameWidth(), h = 2 * frameWidth();
    if (growing_) {
        w += content_width_;
    } else {
        for (int c = 0; c < columnCount(); ++c) w += columnWidth(c);
    }
    for (int r = 0; r < rowCount(); ++r) h += rowHeight(r);
    return {w, h};
}
