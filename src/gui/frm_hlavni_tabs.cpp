// The seven pages of the main window: grids, labels and choices, filled by each tick.
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "engine/engine_state.h"
#include "gui/dialog_parts.h"
#include "gui/frm_hlavni.h"
#include "gui/grid_view.h"
#include "gui/help_viewer.h"
#include "gui/moon_picture.h"
#include "gui/symbol_font.h"

namespace {

// A page whose top row carries the help button at the right.
QVBoxLayout* page_layout(QWidget* page, QToolButton* help) {
    auto* v = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    top->addStretch(1);
    top->addWidget(help);
    v->addLayout(top);
    return v;
}

}  // namespace

GridView* TFrmHlavni::add_grid(const QString& name, int rows, int cols) {
    auto* g = new GridView(name, rows, cols, this);
    g->horizontalHeader()->setMinimumSectionSize(24);
    g->set_growing(true);
    grids_.insert(name, g);
    return g;
}

void TFrmHlavni::build_tabs() {
    const std::pair<const char*, QWidget*> pages[] = {
        {"Čas", time_page()},         {"Slunce", sun_page()},          {"Měsíc", moon_page()},
        {"Planety", planets_page()}, {"Astrologie", astrology_page()}, {"Domy", houses_page()},
        {"Tattvy", tattva_page()}};
    int n = 1;
    for (const auto& [title, page] : pages) {
        page->setObjectName(QString("TabSheet%1").arg(n++));
        PageControl1->addTab(page, QString::fromUtf8(title));
    }
}

QWidget* TFrmHlavni::time_page() {
    auto* page = new QWidget;
    auto* v = page_layout(page, help_button(shell_, 4, "HelpCas", page));
    v->addWidget(add_grid("Tab3", 4, 5));
    v->addWidget(bold_label("Rovnodennosti a slunovraty:", page));
    v->addWidget(add_grid("Tab4", 2, 5));
    auto* clocks = new QGridLayout;
    for (std::size_t i = 0; i < clocks_.size(); ++i) {
        auto* city = new QLabel(QString::fromStdString(sidora::models::world_clock_cities()[i]), page);
        city->setAlignment(Qt::AlignCenter);
        city->setFrameShape(QFrame::StyledPanel);
        city->setMinimumSize(96, 28);
        city->setStyleSheet("background: #203060; color: white; font-weight: bold;");
        clocks_[i] = new QLabel(page);
        clocks_[i]->setObjectName(QString("Clock%1").arg(i + 1));
        clocks_[i]->setAlignment(Qt::AlignCenter);
        const int row = i < 5 ? 0 : 2, col = static_cast<int>(i % 5);
        clocks->addWidget(city, row, col);
        clocks->addWidget(clocks_[i], row + 1, col);
    }
    v->addLayout(clocks);
    v->addStretch(1);
    return page;
}

QWidget* TFrmHlavni::sun_page() {
    auto* page = new QWidget;
    auto* v = page_layout(page, help_button(shell_, 2, "HelpSlunce", page));
    v->addWidget(add_grid("Tab5", 9, 5));
    grids_["Tab5"]->setRowHeight(4, 6);
    grids_["Tab5"]->setRowHeight(6, 6);
    v->addWidget(bold_label("Svítání a soumrak:", page));
    v->addWidget(add_grid("Tab6", 3, 4));
    v->addStretch(1);
    return page;
}

QWidget* TFrmHlavni::moon_page() {
    auto* page = new QWidget;
    auto* v = page_layout(page, help_button(shell_, 3, "HelpMesic", page));
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(add_grid("tab7", 4, 5));
    grids_["tab7"]->setRowHeight(2, 6);
    left->addWidget(add_grid("Tab8", 3, 2));
    top->addLayout(left);
    auto* panel = new QWidget(page);
    panel->setObjectName("MoonPanel");
    panel->setStyleSheet("#MoonPanel { background: #000080; }");
    auto* pl = new QVBoxLayout(panel);
    pl->setContentsMargins(6, 6, 6, 6);
    Paint1 = new MoonPicture(panel);
    pl->addWidget(Paint1);
    top->addWidget(panel, 0, Qt::AlignTop);
    top->addStretch(1);
    v->addLayout(top);
    phase_caption_ = bold_label("", page);
    phase_caption_->setObjectName("PhaseCaption");
    v->addWidget(phase_caption_);
    v->addWidget(add_grid("Tab9", 2, 5));
    v->addStretch(1);
    return page;
}

QWidget* TFrmHlavni::planets_page() {
    auto* page = new QWidget;
    auto* v = page_layout(page, help_button(shell_, 5, "HelpPlanety", page));
    v->addWidget(add_grid("Tab2", 11, 8));
    v->addStretch(1);
    return page;
}

QWidget* TFrmHlavni::astrology_page() {
    auto* page = new QWidget;
    auto* v = page_layout(page, help_button(shell_, 6, "HelpAstrologie", page));
    GridView* g = add_grid("Tab10", 13, 9);
    g->symbol_pixels = 17;
    v->addWidget(g);
    v->addStretch(1);
    return page;
}

QWidget* TFrmHlavni::houses_page() {
    auto* page = new QWidget;
    auto* v = page_layout(page, help_button(shell_, 7, "HelpDomy", page));
    auto* h = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(add_grid("Tab12", 2, 6));
    left->addWidget(add_grid("Tab11", 12, 3));
    left->addStretch(1);
    h->addLayout(left);
    RadioGroup1 = new QGroupBox("Systém domů", page);
    RadioGroup1->setObjectName("RadioGroup1");
    house_group_ = new QButtonGroup(RadioGroup1);
    auto* radios = new QGridLayout(RadioGroup1);
    for (int i = 0; i < 16; ++i) {
        auto* r = new QRadioButton(QString::fromStdString(sidora::engine::house_system_name(i)), RadioGroup1);
        house_group_->addButton(r, i);
        radios->addWidget(r, i % 8, i / 8);
    }
    connect(house_group_, &QButtonGroup::idClicked, this,
            [this](int id) { state_.astro.current_house_system = id + 1; });
    h->addWidget(RadioGroup1, 0, Qt::AlignTop);
    h->addStretch(1);
    v->addLayout(h);
    return page;
}

QWidget* TFrmHlavni::tattva_page() {
    auto* page = new QWidget;
    auto* v = page_layout(page, help_button(shell_, 58, "SpeedButton8", page));
    StaticText1 = new QLabel("Tattvy nelze spočítat!", page);
    StaticText1->setObjectName("StaticText1");
    StaticText1->setStyleSheet("background: red; color: white; font-weight: bold; padding: 2px;");
    StaticText1->hide();
    v->addWidget(StaticText1, 0, Qt::AlignLeft);

    auto* g = new GridView("Tab1", 6, 13, page);
    grids_.insert("Tab1", g);
    g->symbol_pixels = 19;
    QFont f = g->font();
    // Arial's width: the times must fit the narrow two-hour columns unclipped.
    f.setFamilies({"Arial", "Liberation Sans", "DejaVu Sans"});
    f.setPixelSize(14);
    g->setTextElideMode(Qt::ElideNone);
    g->setFont(f);
    g->setColumnWidth(0, 55);
    for (int c = 1; c <= 12; ++c) g->setColumnWidth(c, c == 8 ? 45 : 42);
    for (int r = 0; r < 6; ++r) g->setRowHeight(r, 30);
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 13; ++c) g->item(r, c)->setTextAlignment(Qt::AlignCenter);
    }
    g->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    v->addWidget(g);

    auto* choices = new QHBoxLayout;
    auto* first = new QVBoxLayout;
    auto* label2 = new QLabel("První tattva je:", page);
    label2->setObjectName("Label2");
    ComboBox1 = new QComboBox(page);
    ComboBox1->setObjectName("ComboBox1");
    for (const auto& name : sidora::models::tattva_names()) ComboBox1->addItem(QString::fromStdString(name));
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i < 0) return;
        state_.tattvy.first_tattva = static_cast<std::uint8_t>(i);
        sky_.retabulate_tattvas(state_);
        grids_["Tab1"]->render(sky_.view().Tab1);
    });
    first->addWidget(label2);
    first->addWidget(ComboBox1);
    first->addStretch(1);
    choices->addLayout(first);
    RadioGroup2 = new QGroupBox("Systém tattev", page);
    RadioGroup2->setObjectName("RadioGroup2");
    tattva_group_ = new QButtonGroup(RadioGroup2);
    auto* rl = new QVBoxLayout(RadioGroup2);
    int id = 0;
    for (const char* t : {"Od východu", "Od východu k západu"}) {
        auto* r = new QRadioButton(QString::fromUtf8(t), RadioGroup2);
        tattva_group_->addButton(r, id++);
        rl->addWidget(r);
    }
    connect(tattva_group_, &QButtonGroup::idToggled, this, [this](int i, bool checked) {
        if (!checked) return;
        state_.tattvy.tattva_system = static_cast<std::uint8_t>(i);
        sky_.retabulate_tattvas(state_);
        grids_["Tab1"]->render(sky_.view().Tab1);
        StaticText1->setVisible(sky_.view().tattva_message_visible);
    });
    choices->addWidget(RadioGroup2);
    choices->addStretch(1);
    v->addLayout(choices);
    v->addStretch(1);
    return page;
}
