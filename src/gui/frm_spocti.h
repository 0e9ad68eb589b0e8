#pragma once
// The table dialog "Výpočty": the table kind, the span and the bodies. "&Spočítej" computes
// the table beside the interface and opens it in a new table window; a stopped table opens
// none and the dialog stays. The dialog lives for the run and keeps its choice.
#include <QDialog>

#include "data/app_state.h"
#include "gui/shell.h"
#include "tables/choice.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class SpanBoxes;
class TFrmEfemeridy;

class TFrmSpocti : public QDialog {
    Q_OBJECT
public:
    TFrmSpocti(sidora::data::AppState& state, Shell& shell, sidora::tables::SharedSpan& span, QWidget* parent);

    // Shows the dialog modally with the shared span.
    void open_dialog();
    sidora::tables::TableChoice choice() const;

    QButtonGroup* RadioGroup1;  // "Spočítej"
    SpanBoxes* Span;
    QGroupBox* RadioGroup2;     // "Vyber planetu"
    QButtonGroup* planet_buttons;
    QLabel* Label5;             // "Vyber planety:"
    QListWidget* CheckListBox1;
    QPushButton* BitNastav;
    QPushButton* BitOpust;

signals:
    void tableOpened(TFrmEfemeridy* window);

public slots:
    void BitNastavClick();

private:
    void show_kind();

    sidora::data::AppState& state_;
    Shell& shell_;
    sidora::tables::SharedSpan& span_;
};
