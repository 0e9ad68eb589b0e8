#pragma once
// "Výběr": the sections of the natal report. "N&astav" stores them in stav.mem and writes
// the report into the texts window; "&Opusť" (Esc) closes.
#include <QDialog>
#include <array>

#include "data/app_state.h"
#include "gui/shell.h"
#include "horoscope/chart.h"

class QCheckBox;
class QPushButton;

class TFrmvyber : public QDialog {
    Q_OBJECT
public:
    TFrmvyber(sidora::data::AppState& state, Shell& shell, const sidora::horoscope::NatalChart& chart,
              QWidget* parent = nullptr);

    std::array<QCheckBox*, 10> boxes{};
    QPushButton* BitNastav;
    QPushButton* BitOpust;

public slots:
    void BitNastavClick();

private:
    sidora::data::AppState& state_;
    Shell& shell_;
    const sidora::horoscope::NatalChart& chart_;
};
