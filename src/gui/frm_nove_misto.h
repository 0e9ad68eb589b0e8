#pragma once
// The new-place dialog: adds a place, or edits the place named edited_place.
#include <QDialog>

#include "data/app_state.h"
#include "gui/shell.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

class TFrmNoveMisto : public QDialog {
    Q_OBJECT
public:
    TFrmNoveMisto(sidora::data::AppState& state, Shell& shell, std::string edited_place,
                  QWidget* parent = nullptr);

    QLineEdit* Edit1;  // name
    QLineEdit* Edit2;  // latitude degrees
    QLineEdit* Edit3;  // latitude minutes
    QLineEdit* Edit4;  // longitude minutes
    QLineEdit* Edit5;  // longitude degrees
    QRadioButton* RadioSever;
    QRadioButton* RadioJih;
    QRadioButton* RadioVychod;
    QRadioButton* RadioZapad;
    QPushButton* BitBtn1;  // "&Ulož"
    QPushButton* BitBtn2;  // "&Opusť"

public slots:
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();

    sidora::data::AppState& state_;
    Shell& shell_;
    std::string edited_place_;
};
