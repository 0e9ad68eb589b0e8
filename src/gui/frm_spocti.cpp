#include "gui/frm_spocti.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/background_work.h"
#include "gui/dialog_parts.h"
#include "gui/frm_efemeridy.h"
#include "gui/frm_pozor.h"
#include "gui/table_parts.h"

namespace tables = sidora::tables;

TFrmSpocti::TFrmSpocti(sidora::data::AppState& state, Shell& shell, tables::SharedSpan& span, QWidget* parent)
    : QDialog(parent), state_(state), shell_(shell), span_(span) {
    setObjectName("TFrmSpocti");
    setWindowTitle("Výpočty");

    auto* kinds = new QGroupBox("Spočítej", this);
    kinds->setObjectName("RadioGroup1");
    RadioGroup1 = new QButtonGroup(kinds);
    auto* kl = new QVBoxLayout(kinds);
    int id = 1;
    for (const char* text : {"Východy a západy planet", "Efemeridy detailní", "Efemeridy jednoduché", "Fáze Měsíce"}) {
        auto* r = new QRadioButton(QString::fromUtf8(text), kinds);
        RadioGroup1->addButton(r, id++);
        kl->addWidget(r);
    }
    RadioGroup1->button(1)->setChecked(true);

    auto* span_group = new QGroupBox("Počítej", this);
    Span = new SpanBoxes(span_group);
    (new QVBoxLayout(span_group))->addWidget(Span);

    RadioGroup2 = moving_body_group("Vyber planetu", "RadioGroup2", 2, planet_buttons, this);

    Label5 = new QLabel("Vyber planety:", this);
    Label5->setObjectName("Label5");
    CheckListBox1 = new QListWidget(this);
    CheckListBox1->setObjectName("CheckListBox1");
    for (int i = 0; i < tables::kListBodies; ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(tables::list_body_name(i)), CheckListBox1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }

    BitNastav = push_button("&Spočítej", "BitNastav", this);
    BitNastav->setDefault(true);
    BitOpust = push_button("&Opusť", "BitOpust", this);
    connect(BitNastav, &QPushButton::clicked, this, &TFrmSpocti::BitNastavClick);
    connect(BitOpust, &QPushButton::clicked, this, &QDialog::reject);
    connect(RadioGroup1, &QButtonGroup::idClicked, this, [this] { show_kind(); });

    auto* left = new QVBoxLayout;
    left->addWidget(kinds);
    left->addWidget(span_group);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(RadioGroup2);
    right->addWidget(Label5);
    right->addWidget(CheckListBox1, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    // Both help buttons of the dialog open the same topic.
    auto* corner = new QHBoxLayout;
    corner->addStretch(1);
    corner->addWidget(help_button(shell_, 44, "BitPomoc2", this));
    layout->addLayout(corner);
    layout->addLayout(top, 1);
    layout->addLayout(button_row(help_button(shell_, 44, "BitPomoc", this), {BitNastav, BitOpust}));
    show_kind();
}

void TFrmSpocti::show_kind() {
    const int kind = RadioGroup1->checkedId();
    RadioGroup2->setVisible(kind == 1 || kind == 2);
    Label5->setVisible(kind == 3);
    CheckListBox1->setVisible(kind == 3);
}

void TFrmSpocti::open_dialog() {
    Span->set_span(span_.shown(state_.current_moment.year));
    exec();
}

tables::TableChoice TFrmSpocti::choice() const {
    tables::TableChoice c;
    c.kind = static_cast<tables::TableKind>(RadioGroup1->checkedId());
    c.span = Span->span();
    c.body = std::max(planet_buttons->checkedId(), 0);
    for (int i = 0; i < tables::kListBodies; ++i) {
        c.bodies[static_cast<std::size_t>(i)] = CheckListBox1->item(i)->checkState() == Qt::Checked;
    }
    return c;
}

void TFrmSpocti::BitNastavClick() {
    const tables::TableChoice c = choice();
    if (const std::string why = tables::table_choice_problem(c); !why.empty()) {
        shell_.pozor.show_warning(QString::fromStdString(why));
        return;
    }
    span_.used(c.span);
    const tables::TableContext x = table_context_of(state_);
    // The work computes on its own engine; the main window keeps reading the shared one.
    auto engine = std::make_shared<sidora::engine::Engine>(state_.engine);
    std::optional<tables::EphemerisTable> table;
    try {
        table = run_beside_interface<tables::EphemerisTable>(
            shell_.progress, "Počítám ...", tables::day_count(c.span),
            [engine, c, x](const tables::Progress& p) { return tables::compute_table(*engine, c, x, p); });
    } catch (const std::exception& e) {
        // A missing or damaged data file (the asteroids' elements) stops the work.
        shell_.pozor.show_warning(QString::fromStdString(e.what()));
        return;
    }
    if (!table) return;
    accept();
    auto* window = new TFrmEfemeridy(std::move(*table), shell_, parentWidget());
    window->show();
    emit tableOpened(window);
}
