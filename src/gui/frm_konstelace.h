#pragma once
// The transit search "Hledej konstelaci" over one natal chart: a transiting body in aspect to
// a natal body, in a natal house or in a sign, or the Moon in the birth phase. The person's
// name and sex come from the chart searched, not from a person slot that may have changed.
#include <QDialog>

#include "data/app_state.h"
#include "gui/shell.h"
#include "horoscope/chart.h"
#include "tables/search.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class SpanBoxes;

class TFrmKonstelace : public QDialog {
    Q_OBJECT
public:
    TFrmKonstelace(sidora::data::AppState& state, Shell& shell, sidora::tables::SharedSpan& span,
                   const sidora::horoscope::NatalChart& chart, QWidget* parent);

    SpanBoxes* Span;
    QButtonGroup* RadioGroup1;  // "Tranzitní"
    QRadioButton* RadioButton1;  // aspect
    QComboBox* ComboBox1;        // the aspects
    QComboBox* ComboBox2;        // the natal bodies
    QSpinBox* SpinEdit5;         // orb
    QRadioButton* RadioButton2;  // house
    QComboBox* ComboBox3;
    QRadioButton* RadioButton3;  // sign
    QComboBox* ComboBox4;
    QRadioButton* RadioButton4;  // phase
    QCheckBox* CheckBox1;        // "pro výpočet plodných dní"
    QPushButton* BitNajdi;
    QPushButton* BitOpust;

public slots:
    void BitNajdiClick();

private:
    sidora::tables::TransitQuery::Mode mode() const;
    void mode_changed();

    sidora::data::AppState& state_;
    Shell& shell_;
    sidora::tables::SharedSpan& span_;
    sidora::tables::TransitQuery chart_query_;  // the chart's person, longitudes and cusps
};
