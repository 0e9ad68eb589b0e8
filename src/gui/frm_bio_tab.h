#pragma once
// The 30-day biorhythm table with its curve chart, and its printing.
#include <QDialog>

#include "models/biorhythm_window.h"

class GridView;
class QLabel;
class QPrinter;
class QPushButton;
class Shell;

// The paint box: the model's chart, painted on every paint.
class BioPaint : public QWidget {
    Q_OBJECT
public:
    explicit BioPaint(const sidora::models::BioTable& table, QWidget* parent);
    int selected = 0;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const sidora::models::BioTable& table_;
};

class TFrmBioTab : public QDialog {
    Q_OBJECT
public:
    TFrmBioTab(sidora::models::BioTable table, Shell& shell, QWidget* parent);

    GridView* Tab;
    BioPaint* Paint;
    QLabel* LabelDen;
    QPushButton* BitTisk;
    QPushButton* BitOpust;

    // A grid row 1..30 chosen: the segment and the day label follow.
    void select_row(int row);
    // The print layout on `printer`, once per copy.
    void print_on(QPrinter& printer, int copies) const;

public slots:
    void BitTiskClick();

private:
    sidora::models::BioTable table_;
};
