#pragma once
// "Legenda aspektů": the abbreviations of the aspect tables, at the top left of the screen.
// Esc closes it, and closing releases it.
#include <QDialog>

#include "data/orbs.h"

class GridView;

class TFrmlegenda : public QDialog {
    Q_OBJECT
public:
    TFrmlegenda(const sidora::data::AspectDefs& defs, QWidget* parent);
    GridView* grid() const { return StringGrid1; }

private:
    GridView* StringGrid1;
};
