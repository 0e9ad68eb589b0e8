#pragma once
// The summer-time editor "Letní časy": the rule of each year 1916..2030, edited in the table
// in force, saved to LC.dat by "&Ulož" and taken back from it by "&Opusť".
#include <QDialog>
#include <array>

#include "data/app_state.h"
#include "gui/shell.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TFrmLetni : public QDialog {
    Q_OBJECT
public:
    TFrmLetni(sidora::data::AppState& state, Shell& shell, QWidget* parent = nullptr);

    QSpinBox* SpinEdit1;  // year
    QRadioButton* RadioButton1;  // Zaveden
    QRadioButton* RadioButton2;  // Nezaveden
    QRadioButton* RadioButton3;  // Zaveden po celý rok
    QRadioButton* RadioButton4;  // Zaveden dvakrát
    // Day, month, hour of: start, second start, end, second end.
    std::array<std::array<QSpinBox*, 3>, 4> periods{};
    QPushButton* BitOpust;
    QPushButton* BitNastav;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SpinEdit1Change();
    void radio_clicked(QRadioButton* which);
    void zmena();
    void BitNastavClick();
    void BitOpustClick();

    sidora::data::AppState& state_;
    Shell& shell_;
    std::array<std::array<QLabel*, 5>, 4> labels_{};  // row label, three headings, unit
    bool leaving_ = false;
};
