#include "gui/frm_horoskop.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <stdexcept>

#include "gui/frm_hlavni.h"
#include "gui/frm_legenda.h"
#include "gui/frm_pozor.h"
#include "gui/grid_view.h"
#include "gui/text_command.h"
#include "gui/help_viewer.h"
#include "horoscope/natal.h"
#include "io/files.h"

namespace models = sidora::models;

namespace {

QLabel* caption(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

}  // namespace

TfrmHoroskop::TfrmHoroskop(sidora::data::AppState& state, Shell& shell, TFrmHlavni& main)
    : QWidget(&main, Qt::Window), state_(state), shell_(shell), main_(main) {
    setObjectName("TfrmHoroskop");
    setWindowTitle("Horoskop");
    setAttribute(Qt::WA_DeleteOnClose);

    auto* tools = new QHBoxLayout;
    add_editor_commands(tools);
    BitPrenes = text_command("Přenes", "BitPrenes", "Přenes datum, čas a místo do hlavního okna (CTRL-E)", this,
                             "Ctrl+E", this);
    BitPomoc = text_command("Pomoc", "BitPomoc", "Nápověda", this);
    BitPomoc->setProperty("helpTopic", 18);
    BitZavri = text_command("Zavři", "BitZavri", "Zavři okno", this);
    connect(BitPrenes, &QToolButton::clicked, this, &TfrmHoroskop::BitPrenesClick);
    connect(BitPomoc, &QToolButton::clicked, this, [this] { shell_.help.show_topic(18, this); });
    connect(BitZavri, &QToolButton::clicked, this, &QWidget::close);
    add_search_command(tools);
    add_side_command(tools);
    for (QToolButton* b : {BitPrenes, BitPomoc, BitZavri}) tools->addWidget(b);
    tools->insertWidget(0, add_report_tool());
    add_partner_command(tools);
    tools->addStretch(1);

    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return l;
    };
    LabelJmeno = label("LabelJmeno");
    QFont big = LabelJmeno->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.2);
    LabelJmeno->setFont(big);
    LabelDatum = label("LabelDatum");
    LabelMisto = label("LabelMisto");
    LabelSystem = label("LabelSystem");
    LabelDen = label("LabelDen");
    auto* header = new QGridLayout;
    header->addWidget(LabelJmeno, 0, 0, 1, 2);
    header->addWidget(LabelDatum, 1, 0);
    header->addWidget(LabelDen, 1, 1);
    header->addWidget(LabelMisto, 2, 0);
    header->addWidget(LabelSystem, 2, 1);
    header->setColumnStretch(0, 1);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->addTab(summary_page(), "Sumář");
    PageControl1->addTab(grid_page({add_grid("planets", view_.planets)}), "Planety");
    PageControl1->addTab(grid_page({add_grid("houses", view_.houses), add_grid("angles", view_.angles)}), "Domy");
    PageControl1->addTab(aspects_page(), "Aspekty");
    PageControl1->addTab(grid_page({add_grid("asteroids", view_.asteroids)}), "Planetky");
    PageControl1->addTab(grid_page({add_grid("points", view_.points)}), "Body");
    PageControl1->addTab(options_page(), "Horoskop");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addLayout(header);
    layout->addWidget(PageControl1, 1);
}

GridView* TfrmHoroskop::add_grid(const QString& name, const models::Grid& shape) {
    auto* g = new GridView(name, shape.rows(), shape.cols(), this);
    grids_.insert(name, g);
    // activated comes of a double-click and of Enter alike.
    if (name == "planets" || name == "houses" || name == "angles" || name == "asteroids" || name == "aspects")
        connect(g, &QAbstractItemView::activated, this,
                [this, name](const QModelIndex& i) { GridDblClick(name, i.column(), i.row()); });
    return g;
}

GridView* TfrmHoroskop::grid(const QString& name) const { return grids_.value(name); }

QWidget* TfrmHoroskop::grid_page(std::initializer_list<GridView*> grids) {
    auto* page = new QWidget(this);
    auto* row = new QHBoxLayout(page);
    for (GridView* g : grids) row->addWidget(g, 0, Qt::AlignTop);
    row->addStretch(1);
    return page;
}

QWidget* TfrmHoroskop::summary_page() {
    auto* page = new QWidget(this);
    auto* v = new QVBoxLayout(page);
    auto* tables = new QHBoxLayout;
    tables->addWidget(add_grid("summary", view_.summary), 0, Qt::AlignTop);
    auto* counts = new QGridLayout;
    counts->addWidget(add_grid("kvalita", view_.kvalita), 0, 0);
    counts->addWidget(add_grid("zivel", view_.zivel), 0, 1);
    counts->addWidget(add_grid("polarita", view_.polarita), 1, 0);
    counts->addWidget(add_grid("vychod_zapad", view_.vychod_zapad), 1, 1, Qt::AlignTop | Qt::AlignLeft);
    tables->addLayout(counts);
    tables->addStretch(1);
    v->addLayout(tables);
    v->addWidget(caption("Dominantní rysy", page));
    LabelDominant = new QLabel(page);
    LabelDominant->setObjectName("LabelDominant");
    LabelDominant->setWordWrap(true);
    LabelDominant->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    v->addWidget(LabelDominant, 1);
    return page;
}

QWidget* TfrmHoroskop::aspects_page() {
    auto* page = new QWidget(this);
    auto* v = new QVBoxLayout(page);
    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel("Jen aspekty s orbisem menším než:", page));
    TrackBar1 = new QSlider(Qt::Horizontal, page);
    TrackBar1->setObjectName("TrackBar1");
    TrackBar1->setRange(0, models::kSliderMax);
    TrackBar1->setPageStep(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setMinimumWidth(160);
    LabelOrbis = new QLabel(QString::fromStdString(models::slider_label(0)), page);
    LabelOrbis->setObjectName("LabelOrbis");
    LabelOrbis->setMinimumWidth(60);
    CheckHlavni = new QCheckBox("Jen hlavní aspekty", page);
    CheckHlavni->setObjectName("CheckHlavni");
    BitLegenda = new QToolButton(page);
    BitLegenda->setObjectName("BitLegenda");
    BitLegenda->setText("?");
    BitLegenda->setToolTip("popis použitých zkratek");
    connect(TrackBar1, &QSlider::valueChanged, this, [this] { zobraz_aspekty(); });
    connect(CheckHlavni, &QCheckBox::toggled, this, [this] { zobraz_aspekty(); });
    connect(BitLegenda, &QToolButton::clicked, this, &TfrmHoroskop::BitLegendaClick);
    controls->addWidget(TrackBar1);
    controls->addWidget(LabelOrbis);
    controls->addSpacing(16);
    controls->addWidget(CheckHlavni);
    controls->addWidget(BitLegenda);
    controls->addStretch(1);
    v->addLayout(controls);
    auto* grid_row = new QHBoxLayout;
    grid_row->addWidget(add_grid("aspects", view_.aspects), 0, Qt::AlignTop);
    grid_row->addStretch(1);
    v->addLayout(grid_row, 1);
    return page;
}

QWidget* TfrmHoroskop::options_page() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    for (std::size_t i = 0; i < options.size(); ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(sidora::data::hor_set_labels[i]), page);
        box->setObjectName(QString("CheckBox%1").arg(i + 1));
        options[i] = box;
        const int n = static_cast<int>(i);
        grid->addWidget(box, n % 8, n / 8);
    }
    grid->setRowStretch(8, 1);
    grid->setColumnStretch(2, 1);
    build_wheel(page, grid);
    return page;
}

void TfrmHoroskop::open() {
    // Steps 1 and 2: the boxes from hor.set, the minor aspects switched off left unchecked.
    const auto boxes = models::option_boxes(sidora::data::read_hor_set(state_.program_dir), state_.orbs);
    for (std::size_t i = 0; i < options.size(); ++i) {
        options[i]->setEnabled(boxes[i].enabled);
        options[i]->setChecked(boxes[i].checked);
    }
    resize(900, 600);
    show();
    compute_natal();
    PageControl1->setCurrentIndex(0);
    raise();
    activateWindow();
}

void TfrmHoroskop::compute_natal() {
    QLabel pocitam("Počítám", nullptr, Qt::Dialog | Qt::FramelessWindowHint);
    pocitam.setObjectName("Pocitam");
    pocitam.setAlignment(Qt::AlignCenter);
    pocitam.setMargin(24);
    pocitam.setFrameStyle(QFrame::Box);
    pocitam.show();
    pocitam.raise();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    // The main window waits: the computation holds the shared engine tables.
    main_.timer()->stop();
    try {
        chart_ = sidora::horoscope::compute_natal(state_, state_.person_slots[1]);
    } catch (const std::invalid_argument& e) {
        // A person no check refused (the moment's own place, say): said, and nothing shown.
        main_.timer()->start(sidora::data::timer_interval_ms(state_));
        shell_.pozor.show_warning(QString::fromStdString(e.what()));
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    main_.timer()->start(sidora::data::timer_interval_ms(state_));
    render();
    // The engine now holds the birth moment: the sky calendar computes its own again at once,
    // its day values included.
    main_.refresh_now(true);
}

models::AspectFilter TfrmHoroskop::filter() const { return {TrackBar1->value(), CheckHlavni->isChecked()}; }

void TfrmHoroskop::render() {
    view_ = models::natal_view(*chart_, state_.aspect_defs, state_.orbs, state_.astro.zodiacal_notation != 0, filter());
    LabelJmeno->setText(QString::fromStdString(view_.name));
    LabelDatum->setText(QString::fromStdString(view_.date_line));
    LabelMisto->setText(QString::fromStdString(view_.place_line));
    LabelSystem->setText(QString::fromStdString(view_.house_system));
    LabelDen->setText(QString::fromStdString(view_.weekday));
    LabelDominant->setText(QString::fromStdString(view_.dominant_traits));
    LabelOrbis->setText(QString::fromStdString(view_.slider_label));
    for (const auto& [name, g] : view_.grids()) {
        GridView* w = grids_.value(QString::fromStdString(name));
        w->render(*g);
        w->fit();
    }
    umisti_planety();
}

void TfrmHoroskop::zobraz_aspekty() {
    LabelOrbis->setText(QString::fromStdString(models::slider_label(TrackBar1->value())));
    if (!chart_) return;
    view_.aspects = models::aspect_grid(*chart_, state_.aspect_defs, filter());
    view_.slider_label = models::slider_label(TrackBar1->value());
    grids_.value("aspects")->render(view_.aspects);
}

void TfrmHoroskop::BitPrenesClick() {
    if (!chart_) return;
    models::transfer_birth(state_, chart_->person);
    main_.refresh_now(true);
    main_.show();
    main_.raise();
    main_.activateWindow();
}

TFrmlegenda* TfrmHoroskop::legend() const { return legend_; }

void TfrmHoroskop::BitLegendaClick() {
    if (!legend_) {
        legend_ = new TFrmlegenda(state_.aspect_defs, this);
    }
    legend_->show();
    legend_->raise();
    legend_->activateWindow();
}

void TfrmHoroskop::closeEvent(QCloseEvent* event) {
    ZobrazClick(2);
    std::array<models::OptionBox, sidora::data::HorSet::kSize> boxes;
    for (std::size_t i = 0; i < options.size(); ++i) boxes[i].checked = options[i]->isChecked();
    try {
        sidora::data::save_hor_set(state_.program_dir, models::hor_set_of(boxes));
    } catch (const sidora::io::FileError& e) {
        shell_.pozor.show_warning(QString::fromStdString(e.what()));
    }
    if (legend_) legend_->close();
    emit closed();
    QWidget::closeEvent(event);
}
