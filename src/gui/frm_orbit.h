#pragma once
// The orb editor "Nastavení orbisů": the orbs of the major aspects between Slunce .. Pluto,
// the lunar nodes and the angles, and the rows of the further aspects.
#include <QDialog>
#include <array>

#include "data/app_state.h"
#include "gui/shell.h"

class OrbField;
class QCheckBox;
class QPushButton;

class TFrmOrbit : public QDialog {
    Q_OBJECT
public:
    TFrmOrbit(sidora::data::AppState& state, Shell& shell, QWidget* parent = nullptr);

    // [row 1..10][column 1..13]: the fields of the triangle, "Uzly" (11) and "Asc,Mc" (13).
    OrbField* major(int row, int col) const { return major_[row][col]; }
    // Rows 1..12 of the further aspects.
    OrbField* minor(int row) const { return minor_[row]; }
    QCheckBox* unused(int row) const { return unused_[row]; }
    QPushButton* BitOpust;
    QPushButton* BitNastav;
    QPushButton* BitDalsi;

private:
    void BitNastavClick();

    sidora::data::AppState& state_;
    Shell& shell_;
    std::array<std::array<OrbField*, 14>, 11> major_{};
    std::array<OrbField*, 13> minor_{};
    std::array<QCheckBox*, 13> unused_{};
};
