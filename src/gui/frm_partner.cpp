#include "gui/frm_partner.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QShortcut>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/frm_hlavni.h"
#include "gui/frm_legenda.h"
#include "gui/frm_pozor.h"
#include "gui/frm_texty.h"
#include "gui/frm_vyberpar.h"
#include "gui/grid_view.h"
#include "gui/help_viewer.h"
#include "gui/text_command.h"
#include "gui/window_print.h"
#include "horoscope/interpretation.h"
#include "io/files.h"
#include "models/partner_report.h"

namespace models = sidora::models;

TFrmPartner* TFrmPartner::open_window(const QWidget& main) {
    // A closed window is hidden before it is released, so only a visible one counts.
    for (auto* w : main.findChildren<TFrmPartner*>(Qt::FindDirectChildrenOnly))
        if (w->isVisible()) return w;
    return nullptr;
}

bool TFrmPartner::is_open(const QWidget& main) { return open_window(main) != nullptr; }

TFrmPartner::TFrmPartner(sidora::data::AppState& state, Shell& shell, sidora::horoscope::NatalChart first,
                         const sidora::data::TOsoba& second, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), shell_(shell), first_(std::move(first)),
      partner_(sidora::horoscope::compute_partner(state, first_, second)) {
    setObjectName("TFrmPartner");
    setWindowTitle(models::kPartnerTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(models::kPartnerWidth, models::kPartnerHeight);

    ToolBar1 = new QWidget(this);
    ToolBar1->setObjectName("ToolBar1");
    auto* tools = new QHBoxLayout(ToolBar1);
    tools->setContentsMargins(0, 0, 0, 0);
    BitVyklad = text_command("Výklad", "BitVyklad", "Napiš výklad (CTRL-K)", ToolBar1, "Ctrl+K", this);
    BitEditace = text_command("Editace", "BitEditace", "Editace výkladů (CTRL-L)", ToolBar1, "Ctrl+L", this);
    connect(BitEditace, &QToolButton::clicked, this, [this] {
        if (auto* main = qobject_cast<TFrmHlavni*>(parentWidget())) main->open_partner_editor();
    });
    BitTisk = text_command("Tisk okna", "BitTisk", "Vytiskni obrazovku (CTRL-P)", ToolBar1, "Ctrl+P", this);
    auto* sizes = new QMenu(BitTisk);
    const char* size_names[3] = {"Malá velikost", "Střední velikost", "Maximální velikost"};
    for (int size = 0; size < 3; ++size) {
        sizes->addAction(size_names[size], this, [this, size] {
            state_.print_size = static_cast<std::uint8_t>(size);
            print_window(*this, "Tisk okna", state_.print_size, ToolBar1);
        });
    }
    BitTisk->setMenu(sizes);
    BitTisk->setPopupMode(QToolButton::MenuButtonPopup);
    BitNapoveda = text_command("Nápověda", "BitNapoveda", "Nápověda", ToolBar1);
    BitZavri = text_command("Zavři", "BitZavri", "Zavři (ALT-F4)", ToolBar1);
    for (QToolButton* b : {BitVyklad, BitEditace, BitTisk, BitNapoveda, BitZavri}) tools->addWidget(b);
    tools->addStretch(1);
    connect(BitVyklad, &QToolButton::clicked, this, &TFrmPartner::BitVykladClick);
    connect(BitTisk, &QToolButton::clicked, this, &TFrmPartner::BitTiskClick);
    connect(BitNapoveda, &QToolButton::clicked, this, [this] { shell_.help.show_topic(53, this); });
    connect(BitZavri, &QToolButton::clicked, this, &QWidget::close);

    LabelOsoba1 = new QLabel("Osoba 1: " + QString::fromStdString(first_.person.name), this);
    LabelOsoba1->setObjectName("LabelOsoba1");
    LabelOsoba2 = new QLabel("Osoba 2: " + QString::fromStdString(partner_.second.person.name), this);
    LabelOsoba2->setObjectName("LabelOsoba2");

    // "Sumář"
    auto* summary = new QWidget(this);
    auto* sv = new QVBoxLayout(summary);
    auto* total = new QHBoxLayout;
    total->addWidget(new QLabel("Celková shoda:", summary));
    LabelShoda = new QLabel(summary);
    LabelShoda->setObjectName("LabelShoda");
    total->addWidget(LabelShoda);
    total->addStretch(1);
    sv->addLayout(total);
    auto* counts = new QGridLayout;
    counts->addWidget(new QLabel("Kvalita", summary), 0, 0);
    counts->addWidget(add_grid("kvalita", view_.kvalita, models::PartnerGrid::Aspects), 1, 0);
    counts->addWidget(new QLabel("Polarita", summary), 0, 1);
    counts->addWidget(add_grid("polarita", view_.polarita, models::PartnerGrid::Aspects), 1, 1);
    counts->addWidget(new QLabel("Živel", summary), 2, 0);
    counts->addWidget(add_grid("zivel", view_.zivel, models::PartnerGrid::Aspects), 3, 0);
    counts->addWidget(new QLabel("Východ/Západ", summary), 2, 1);
    counts->addWidget(add_grid("vychod_zapad", view_.vychod_zapad, models::PartnerGrid::Aspects), 3, 1,
                      Qt::AlignTop | Qt::AlignLeft);
    sv->addLayout(counts);
    sv->addStretch(1);

    // "Aspekty"
    auto* controls = new QWidget(this);
    auto* ch = new QHBoxLayout(controls);
    ch->addWidget(new QLabel("Jen aspekty s orbisem menším než:", controls));
    TrackBar1 = new QSlider(Qt::Horizontal, controls);
    TrackBar1->setObjectName("TrackBar1");
    TrackBar1->setRange(0, models::kSliderMax);
    LabelOrbis = new QLabel(controls);
    LabelOrbis->setObjectName("LabelOrbis");
    CheckHlavni = new QCheckBox("Jen hlavní aspekty", controls);
    CheckHlavni->setObjectName("CheckHlavni");
    auto* legend = text_command("?", "BitLegenda", "popis použitých zkratek", controls);
    connect(legend, &QToolButton::clicked, this, [this] {
        auto* l = new TFrmlegenda(state_.aspect_defs, this);
        l->show();
    });
    for (QWidget* w : std::initializer_list<QWidget*>{TrackBar1, LabelOrbis, CheckHlavni, legend}) ch->addWidget(w);
    ch->addStretch(1);
    connect(TrackBar1, &QSlider::valueChanged, this, &TFrmPartner::zobraz_aspekty);
    connect(CheckHlavni, &QCheckBox::toggled, this, &TFrmPartner::zobraz_aspekty);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->addTab(page({summary}, 54), "Sumář");
    PageControl1->addTab(page({add_grid("planets", view_.planets, models::PartnerGrid::Planets),
                               add_grid("asteroids", view_.asteroids, models::PartnerGrid::Asteroids)},
                              55),
                         "Planety a planetky");
    PageControl1->addTab(page({add_grid("houses", view_.houses, models::PartnerGrid::Houses),
                               add_grid("angles", view_.angles, models::PartnerGrid::Angles)},
                              56),
                         "Domy");
    PageControl1->addTab(page({controls, add_grid("aspects", view_.aspects, models::PartnerGrid::Aspects)}, 57),
                         "Aspekty");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ToolBar1);
    layout->addWidget(LabelOsoba1);
    layout->addWidget(LabelOsoba2);
    layout->addWidget(PageControl1, 1);
    render();
    PageControl1->setCurrentIndex(0);
}

TFrmPartner::~TFrmPartner() = default;

GridView* TFrmPartner::add_grid(const QString& name, const models::Grid& shape, models::PartnerGrid kind) {
    auto* g = new GridView(name, shape.rows(), shape.cols(), this);
    grids_.insert(name, g);
    const bool counts = name == "kvalita" || name == "polarita" || name == "zivel" || name == "vychod_zapad";
    if (!counts) {
        connect(g, &QTableWidget::cellDoubleClicked, this,
                [this, kind](int row, int col) { GridDblClick(kind, col, row); });
        connect(g, &QTableWidget::cellActivated, this, [this, kind](int row, int col) { GridDblClick(kind, col, row); });
    }
    return g;
}

QWidget* TFrmPartner::page(std::initializer_list<QWidget*> widgets, int help_topic) {
    auto* p = new QWidget(this);
    auto* v = new QVBoxLayout(p);
    auto* row = new QHBoxLayout;
    for (QWidget* w : widgets) {
        if (qobject_cast<GridView*>(w)) row->addWidget(w, 0, Qt::AlignTop);
        else v->addWidget(w);
    }
    row->addStretch(1);
    v->addLayout(row);
    v->addStretch(1);
    auto* help = text_command("Nápověda", QString("BitHelp%1").arg(help_topic), "Nápověda", p);
    connect(help, &QToolButton::clicked, this, [this, help_topic] { shell_.help.show_topic(help_topic, this); });
    v->addWidget(help, 0, Qt::AlignRight);
    // The grids keep their full size; the window keeps its own and scrolls them.
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(p);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    return scroll;
}

void TFrmPartner::render() {
    const models::AspectFilter filter{TrackBar1->value(), CheckHlavni->isChecked()};
    view_ = models::partner_view(first_, partner_, state_.aspect_defs, state_.astro.zodiacal_notation != 0, filter);
    for (const auto& [name, g] : view_.grids()) grids_.value(QString::fromStdString(name))->render(*g);
    LabelShoda->setText(QString::fromStdString(view_.celkova_shoda));
    LabelOrbis->setText(QString::fromStdString(view_.slider_label));
    for (GridView* g : grids_) g->fit();
}

void TFrmPartner::zobraz_aspekty() {
    const models::AspectFilter filter{TrackBar1->value(), CheckHlavni->isChecked()};
    view_.aspects = models::partner_aspect_grid(partner_, state_.aspect_defs, filter);
    view_.slider_label = models::slider_label(filter.slider);
    grids_.value("aspects")->render(view_.aspects);
    LabelOrbis->setText(QString::fromStdString(view_.slider_label));
}

void TFrmPartner::GridDblClick(models::PartnerGrid grid, int col, int row) {
    models::PartnerReport report(first_, partner_,
                                 sidora::horoscope::text_directory(state_.program_dir, sidora::horoscope::kPartnerTextDir),
                                 state_.aspect_defs, state_.orbs, state_.astro.zodiacal_notation != 0);
    if (!models::partner_double_click(report, partner_, grid, col, row)) return;
    for (const auto& w : report.warnings()) shell_.pozor.show_warning(QString::fromStdString(w));
    if (!report.doc().empty()) texts_window().add(report.doc());
}

bool TFrmPartner::build_report(const sidora::data::PartnerReportFlags& flags) {
    try {
        sidora::data::save_partner_report_flags(state_.program_dir, flags);
    } catch (const sidora::io::FileError& e) {
        shell_.pozor.show_warning(QString::fromUtf8(e.what()));
        return false;
    }
    models::PartnerReport report(first_, partner_,
                                 sidora::horoscope::text_directory(state_.program_dir, sidora::horoscope::kPartnerTextDir),
                                 state_.aspect_defs, state_.orbs, state_.astro.zodiacal_notation != 0);
    report.build(flags);
    // A missing library is told once; missing texts are skipped silently.
    for (const auto& w : report.warnings()) shell_.pozor.show_warning(QString::fromStdString(w));
    texts_window().add(report.doc());
    return true;
}

void TFrmPartner::BitVykladClick() {
    TVyberpar dialog(state_.program_dir, shell_, *this);
    dialog.exec();
}

void TFrmPartner::BitTiskClick() {
    state_.print_size = 1;
    print_window(*this, "Tisk okna", state_.print_size, ToolBar1);
}
