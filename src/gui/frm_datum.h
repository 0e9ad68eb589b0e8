#pragma once
// The date dialog "Změna data ...": date, time, summer time, zone and place of the moment.
#include <QDialog>

#include "data/app_state.h"
#include "gui/shell.h"
#include "models/date_dialog.h"

class PlaceChooser;
class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTimeEdit;

class TFrmDatum : public QDialog {
    Q_OBJECT
public:
    TFrmDatum(sidora::data::AppState& state, Shell& shell, QWidget* main_window);
    // Shows the dialog over the main window, which keeps ticking meanwhile.
    void open_dialog();

    QDateEdit* DateTimer1;
    QTimeEdit* datetimer2;
    QCalendarWidget* Monthcalendar1;
    QCheckBox* CheckLetni;
    QLabel* Label10;
    QComboBox* ComboPasmo;
    PlaceChooser* ComboDomov;
    QPushButton* BitNove;
    QPushButton* BitOpust;
    QPushButton* BitNastav;

signals:
    // "N&astav" took a new moment.
    void momentSet();

private:
    void follow_rule();
    void BitNastavClick();
    sidora::models::DateForm form() const;

    sidora::data::AppState& state_;
    Shell& shell_;
    QString zone_text_;   // remembered between openings
    QString place_text_;  // remembered between openings
};
