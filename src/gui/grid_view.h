#pragma once
// A read-only grid that shows a model's grid, writing a cell only when it changed.
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
    int symbol_pixels = 16;

private:
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
};
