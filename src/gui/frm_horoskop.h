#pragma once
// The natal horoscope "Horoskop": computes the chart of person slot 1 once, when opened, and
// shows it in seven tabs. Closing keeps the drawing options in hor.set.
#include <QMap>
#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>

#include "data/app_state.h"
#include "gui/shell.h"
#include "horoscope/chart.h"
#include "models/natal_window.h"
#include "horoscope/wheel.h"

class GridView;
class QCheckBox;
class QHBoxLayout;
class QLabel;
class QSlider;
class QTabWidget;
class QToolButton;
class TFrmHlavni;
class TFrmlegenda;

class TfrmHoroskop : public QWidget {
    Q_OBJECT
public:
    TfrmHoroskop(sidora::data::AppState& state, Shell& shell, TFrmHlavni& main);

    // FormShow: the options, then the chart of slot 1, with "Počítám" shown meanwhile.
    void open();

    const sidora::horoscope::NatalChart& chart() const { return *chart_; }
    const sidora::models::NatalView& view() const { return view_; }
    GridView* grid(const QString& name) const;
    TFrmlegenda* legend() const;

    QTabWidget* PageControl1;
    QLabel* LabelJmeno;
    QLabel* LabelDatum;
    QLabel* LabelMisto;
    QLabel* LabelSystem;
    QLabel* LabelDen;
    QLabel* LabelDominant;
    QSlider* TrackBar1;
    QLabel* LabelOrbis;
    QCheckBox* CheckHlavni;
    QToolButton* BitLegenda;
    std::array<QCheckBox*, sidora::data::HorSet::kSize> options{};
    QToolButton* BitPrenes;
    QToolButton* BitPomoc;
    QToolButton* BitZavri;

signals:
    // The window closed (hor.set written); the main window's horoscope command may run again.
    void closed();

public slots:
    void BitPrenesClick();
    void BitLegendaClick();

    // The report: "Výklad" (Ctrl+K) opens the selection "Výběr" modally.
public:
    QToolButton* BitVyklad = nullptr;
    void BitVykladClick();
private:
    QToolButton* add_report_tool();
    // A double-click or Enter in a table: its texts into the texts window.
    void GridDblClick(const QString& grid, int col, int row);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* summary_page();
    QWidget* aspects_page();
    QWidget* options_page();
    QWidget* grid_page(std::initializer_list<GridView*> grids);
    GridView* add_grid(const QString& name, const sidora::models::Grid& shape);
    void compute_natal();
    void render();
    void zobraz_aspekty();
    sidora::models::AspectFilter filter() const;

    // "Partneři": the person chooser for slot 2, then the partner window.
public:
    QToolButton* BitPartneri = nullptr;
    void BitPartneriClick();
private:
    void add_partner_command(QHBoxLayout* tools);
    bool partner_pending_ = false;
    // The "Horoskop" tab: the wheel and "Zobraz" (frm_horoskop_wheel.cpp).
public:
    QWidget* wheel_canvas = nullptr;
    class QButtonGroup* Zobraz = nullptr;
    QLabel* LabelZobraz = nullptr;
    class QTimer* Timer1 = nullptr;
    const sidora::horoscope::WheelView& wheel() const { return wheel_; }
    void ZobrazClick(int item);  // 0 "Tranzity", 1 "Partneři", 2 "Nic"
    void Timer1Timer();
private:
    void build_wheel(QWidget* page, class QGridLayout* grid);
    void umisti_planety();
    void redraw_wheel();
    sidora::horoscope::WheelView wheel_;

    sidora::data::AppState& state_;
    Shell& shell_;
    TFrmHlavni& main_;
    std::optional<sidora::horoscope::NatalChart> chart_;
    sidora::models::NatalView view_;
    QMap<QString, GridView*> grids_;
    // Children that close on their own: the pointers clear themselves.
    QPointer<TFrmlegenda> legend_;

public:
    // "Editace" (Ctrl+L): the natal texts' editor (frm_horoskop_editors.cpp).
    QToolButton* BitEditace = nullptr;
    void BitEditaceClick();

private:
    void add_editor_commands(QHBoxLayout* tools);
    // "Hledej" (CTRL-H): the transit search over this window's chart.
public:
    QToolButton* BitHledej = nullptr;
    void BitHledejClick();
private:
    void add_search_command(QLayout* tools);
    // "Z boku": the side view of this chart, at most one, closed with this window.
public:
    class TFrmProstor* prostor() const;
    void BitZbokuClick();
    QToolButton* BitZboku = nullptr;

private:
    void add_side_command(class QHBoxLayout* tools);
    QPointer<class TFrmProstor> prostor_;
};
