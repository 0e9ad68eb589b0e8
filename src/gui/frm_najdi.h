#pragma once
// The sky search "Najdi": a body in a sign or a band of longitude, or an exact aspect of two
// bodies, over the shared span. The results go to the texts window and the dialog closes;
// a stopped search appends nothing and the dialog stays.
#include <QDialog>

#include "data/app_state.h"
#include "gui/shell.h"
#include "tables/search.h"

class NumberField;
class QButtonGroup;
class QComboBox;
class QPushButton;
class QRadioButton;
class SpanBoxes;

class TFrmNajdi : public QDialog {
    Q_OBJECT
public:
    TFrmNajdi(sidora::data::AppState& state, Shell& shell, sidora::tables::SharedSpan& span, QWidget* parent);

    SpanBoxes* Span;
    QButtonGroup* RadioGroup1;  // "Planeta"
    QRadioButton* RadioButton1;
    QComboBox* ComboBox1;  // the signs
    NumberField* Edit1;
    NumberField* Edit2;
    QRadioButton* RadioButton2;
    QComboBox* ComboBox2;  // the aspects
    QComboBox* ComboBox3;  // the second body
    QPushButton* BitNajdi;
    QPushButton* BitOpust;

public slots:
    void BitNajdiClick();

private:
    sidora::data::AppState& state_;
    Shell& shell_;
    sidora::tables::SharedSpan& span_;
};
