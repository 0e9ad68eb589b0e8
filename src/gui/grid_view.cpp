#include "gui/grid_view.h"

#include <QHeaderView>

#include "gui/symbol_font.h"

namespace {

QColor qcolor(const sidora::models::Rgb& c) { return QColor(c.r, c.g, c.b); }

}  // namespace

GridView::GridView(const QString& name, int rows, int cols, QWidget* parent) : QTableWidget(rows, cols, parent) {
    setObjectName(name);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
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
    for (int c = 0; c < columnCount(); ++c) w += columnWidth(c);
    for (int r = 0; r < rowCount(); ++r) h += rowHeight(r);
    return {w, h};
}
