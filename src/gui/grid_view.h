#pragma once
// A read-only grid that shows a model's grid, writing a cell only when it changed. The user
// may select cells and copy them (Ctrl+C or the context menu) as tab-separated lines.
#include <QTableWidget>

#include "models/grid.h"

class GridView : public QTableWidget {
    Q_OBJECT
public:
    GridView(const QString& name, int rows, int cols, QWidget* parent = nullptr);
    void render(const sidora::models::Grid& grid);
    // Text of a cell as shown (symbols as their glyphs).
    QString cell(int col, int row) const;
    // Fits the widget to its rows and columns so the grid needs no scrolling.
    void fit();
    // Columns as wide as their contents, sharing the width the window gives beyond that.
    void set_growing(bool growing);
    // The selected cells, rows by lines and columns by tabs.
    QString selected_text() const;
    void copy_selection() const;
    int symbol_pixels = 16;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    void layout_columns();

    bool growing_ = false;
    int content_width_ = 0;  // the columns' widths their contents need, together
};
