#pragma once
// The table window "Výpočty": one computed table in a view over its cells, saved as the
// semicolon-separated file. Several may be open; each is released when it closes.
#include <QAbstractTableModel>
#include <QWidget>
#include <functional>

#include "gui/shell.h"
#include "tables/ephemeris.h"

class QLabel;
class QTableView;
class QToolButton;

// The table's rows 1..last as the view's rows, row 0 as its header; the view asks only for
// the cells it shows, so a table of millions of cells creates no item per cell.
class EphemerisItemModel : public QAbstractTableModel {
    Q_OBJECT
public:
    EphemerisItemModel(const sidora::tables::EphemerisTable& table, QObject* parent);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const sidora::tables::EphemerisTable& table_;
};

class TFrmEfemeridy : public QWidget {
    Q_OBJECT
public:
    TFrmEfemeridy(sidora::tables::EphemerisTable table, Shell& shell, QWidget* parent);

    const sidora::tables::EphemerisTable& table() const { return table_; }
    // Writes the file; a failure is reported and the table stays.
    bool save_to(const QString& path);
    // The save dialog's answer; tests answer without the dialog.
    std::function<QString()> ask_file;

    QLabel* Label1;
    QLabel* Label2;
    QTableView* Tab;
    QToolButton* ToolButton1;  // "Ulož (CTRL-S)"
    QToolButton* ToolButton2;  // "Nápověda (F1)"
    QToolButton* ToolButton3;  // "Zavřít tabulku"

public slots:
    void ToolButton1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    sidora::tables::EphemerisTable table_;
    Shell& shell_;
    EphemerisItemModel* model_;
    bool placed_ = false;
};
