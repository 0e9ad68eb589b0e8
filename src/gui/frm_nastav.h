#pragma once
// The settings dialog "Nastaveni": home place, home zone and summer time, start tab,
// numerology digits and the notation of longitudes, saved in start.mem, num.set, astro.mem.
#include <QDialog>

#include "data/app_state.h"
#include "gui/shell.h"

class PlaceChooser;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;

class TFrmNastav : public QDialog {
    Q_OBJECT
public:
    TFrmNastav(sidora::data::AppState& state, Shell& shell, QWidget* main_window);
    // Shows the dialog modally; true when "Ulož" saved the settings.
    bool open_dialog();

    PlaceChooser* ComboDomov;
    QComboBox* ComboPasmo;
    QCheckBox* CheckLetni;
    QCheckBox* CheckBox1;
    QSpinBox* SpinEdit1;
    QCheckBox* CheckBox2;
    QButtonGroup* RadioGroup1;
    QPushButton* BitNastav;
    QPushButton* BitOpust;
    QPushButton* BitNove;
    QPushButton* BitLetni;
    QPushButton* BitBtn1;

private:
    void FormShow();
    void BitNastavClick();

    sidora::data::AppState& state_;
    Shell& shell_;
    QString home_name_;
    QString zone_name_;
};
