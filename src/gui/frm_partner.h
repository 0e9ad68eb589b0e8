#pragma once
// "Partnerský horoskop": the second person of slot 2 against the natal chart it was opened
// from. Computes once, when created; the slider and the box only redraw the aspect grid.
#include <QMap>
#include <QWidget>

#include "data/app_state.h"
#include "gui/shell.h"
#include "horoscope/chart.h"
#include "horoscope/partner.h"
#include "models/partner_window.h"

class GridView;
class QCheckBox;
class QLabel;
class QSlider;
class QTabWidget;
class QToolButton;
class QWidget;

class TFrmPartner : public QWidget {
    Q_OBJECT
public:
    // Throws std::invalid_argument (Czech) when the second person cannot be computed.
    TFrmPartner(sidora::data::AppState& state, Shell& shell, sidora::horoscope::NatalChart first,
                const sidora::data::TOsoba& second, QWidget* parent);
    ~TFrmPartner() override;

    // One window at a time: true while one of main's is shown.
    static bool is_open(const QWidget& main);
    static TFrmPartner* open_window(const QWidget& main);

    const sidora::horoscope::PartnerChart& partner() const { return partner_; }
    const sidora::models::PartnerView& view() const { return view_; }
    GridView* grid(const QString& name) const { return grids_.value(name); }
    // Runs the double-click of a cell into the texts window.
    void GridDblClick(sidora::models::PartnerGrid grid, int col, int row);
    // "N&astav" of the selection: the report into the texts window; false when stavpar.mem
    // could not be written.
    bool build_report(const sidora::data::PartnerReportFlags& flags);

    QTabWidget* PageControl1;
    QLabel* LabelOsoba1;
    QLabel* LabelOsoba2;
    QLabel* LabelShoda;
    QSlider* TrackBar1;
    QLabel* LabelOrbis;
    QCheckBox* CheckHlavni;
    QWidget* ToolBar1;
    QToolButton* BitVyklad;
    QToolButton* BitEditace;
    QToolButton* BitTisk;
    QToolButton* BitNapoveda;
    QToolButton* BitZavri;

public slots:
    void BitVykladClick();
    void BitTiskClick();
    void zobraz_aspekty();

private:
    GridView* add_grid(const QString& name, const sidora::models::Grid& shape, sidora::models::PartnerGrid kind);
    QWidget* page(std::initializer_list<QWidget*> widgets, int help_topic);
    void render();

    sidora::data::AppState& state_;
    Shell& shell_;
    sidora::horoscope::NatalChart first_;
    sidora::horoscope::PartnerChart partner_;
    sidora::models::PartnerView view_;
    QMap<QString, GridView*> grids_;
};
