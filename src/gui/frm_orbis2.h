#pragma once
// The editor "Další orbisy a omezení": orbs of aspects with the Black Moon, the Vertex and the
// asteroids, and which of these points are not used.
#include <QDialog>
#include <array>

#include "data/app_state.h"
#include "gui/shell.h"

class OrbField;
class QCheckBox;
class QPushButton;

class TFrmOrbis2 : public QDialog {
    Q_OBJECT
public:
    TFrmOrbis2(sidora::data::AppState& state, Shell& shell, QWidget* parent = nullptr);

    std::array<OrbField*, 4> orbs{};         // 1 Černá Luna, 2 Vertex, 3 asteroids
    std::array<QCheckBox*, 8> exclusions{};  // 1..7: Černá Luna, Vertex, Chiron, Ceres, Pallas, Juno, Vesta
    QPushButton* BitOpust;
    QPushButton* BitNastav;

private:
    void BitNastavClick();

    sidora::data::AppState& state_;
    Shell& shell_;
};
