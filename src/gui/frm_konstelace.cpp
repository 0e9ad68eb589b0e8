#include "gui/frm_konstelace.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine/angles.h"
#include "gui/dialog_parts.h"
#include "gui/frm_pozor.h"
#include "gui/table_parts.h"

namespace tables = sidora::tables;
using Mode = tables::TransitQuery::Mode;

TFrmKonstelace::TFrmKonstelace(sidora::data::AppState& state, Shell& shell, tables::SharedSpan& span,
                               const sidora::horoscope::NatalChart& chart, QWidget* parent)
    : QDialog(parent), state_(state), shell_(shell), span_(span) {
    setObjectName("TFrmKonstelace");
    setWindowTitle("Hledej konstelaci");
    tables::use_chart(chart_query_, chart);

    auto* span_group = new QGroupBox("Počítej", this);
    Span = new SpanBoxes(span_group);
    (new QVBoxLayout(span_group))->addWidget(Span);
    Span->set_span(span_.shown(state_.current_moment.year));
    QGroupBox* bodies = moving_body_group("Tranzitní", "RadioGroup1", 2, RadioGroup1, this);

    auto radio = [this](const char* text, const char* name) {
        auto* r = new QRadioButton(QString::fromUtf8(text), this);
        r->setObjectName(name);
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on) mode_changed();
        });
        return r;
    };
    auto combo = [this](const char* name) {
        auto* c = new QComboBox(this);
        c->setObjectName(name);
        return c;
    };
    RadioButton1 = radio("v aspektu:", "RadioButton1");
    ComboBox1 = combo("ComboBox1");
    for (int code = 1; code <= 14; ++code) {
        ComboBox1->addItem(QString::fromStdString(state_.aspect_defs[static_cast<std::size_t>(code)].name));
    }
    ComboBox2 = combo("ComboBox2");
    for (int b = 1; b <= sidora::horoscope::kChartBodies; ++b) {
        ComboBox2->addItem(QString::fromStdString(tables::chart_body_name(b)));
    }
    SpinEdit5 = new QSpinBox(this);
    SpinEdit5->setObjectName("SpinEdit5");
    SpinEdit5->setRange(0, 20);
    RadioButton2 = radio("v domě:", "RadioButton2");
    ComboBox3 = combo("ComboBox3");
    for (int h = 1; h <= 12; ++h) ComboBox3->addItem(QString::number(h) + (h < 10 ? ".  domě" : ".domě"));
    RadioButton3 = radio("ve znamení:", "RadioButton3");
    ComboBox4 = combo("ComboBox4");
    for (int s = 1; s <= 12; ++s) ComboBox4->addItem(QString::fromStdString(sidora::engine::sign_name_locative(s)));
    RadioButton4 = radio("Měsíc ve stejné fázi", "RadioButton4");
    CheckBox1 = new QCheckBox("pro výpočet plodných dní", this);
    CheckBox1->setObjectName("CheckBox1");

    auto* modes = new QGridLayout;
    modes->addWidget(RadioButton1, 0, 0);
    modes->addWidget(ComboBox1, 0, 1);
    modes->addWidget(new QLabel("s nativním:", this), 0, 2);
    modes->addWidget(ComboBox2, 0, 3);
    modes->addWidget(new QLabel("orbis:", this), 0, 4);
    modes->addWidget(SpinEdit5, 0, 5);
    modes->addWidget(new QLabel("°", this), 0, 6);
    modes->addWidget(RadioButton2, 1, 0);
    modes->addWidget(ComboBox3, 1, 1);
    modes->addWidget(RadioButton3, 2, 0);
    modes->addWidget(ComboBox4, 2, 1);
    modes->addWidget(RadioButton4, 3, 0, 1, 2);
    modes->addWidget(CheckBox1, 3, 2, 1, 4);
    modes->setColumnStretch(7, 1);

    // A panel's box chooses its mode.
    for (QComboBox* c : {ComboBox1, ComboBox2}) {
        connect(c, &QComboBox::currentIndexChanged, RadioButton1, [this] { RadioButton1->setChecked(true); });
    }
    connect(SpinEdit5, &QSpinBox::valueChanged, RadioButton1, [this] { RadioButton1->setChecked(true); });
    connect(ComboBox3, &QComboBox::currentIndexChanged, RadioButton2, [this] { RadioButton2->setChecked(true); });
    connect(ComboBox4, &QComboBox::currentIndexChanged, RadioButton3, [this] { RadioButton3->setChecked(true); });

    BitNajdi = push_button("&Najdi", "BitNajdi", this);
    BitNajdi->setDefault(true);
    BitOpust = push_button("&Opusť", "BitOpust", this);
    connect(BitNajdi, &QPushButton::clicked, this, &TFrmKonstelace::BitNajdiClick);
    connect(BitOpust, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(span_group);
    layout->addWidget(bodies);
    layout->addLayout(modes);
    layout->addLayout(button_row(help_button(shell_, 46, "BitPomoc", this), {BitNajdi, BitOpust}));

    RadioButton1->setChecked(true);
    mode_changed();
}

Mode TFrmKonstelace::mode() const {
    if (RadioButton2->isChecked()) return Mode::House;
    if (RadioButton3->isChecked()) return Mode::Sign;
    if (RadioButton4->isChecked()) return Mode::Phase;
    return Mode::Aspect;
}

void TFrmKonstelace::mode_changed() {
    const bool enabled = tables::fertility_enabled(mode(), chart_query_.person_male);
    CheckBox1->setEnabled(enabled);
    if (!enabled) CheckBox1->setChecked(false);
}

void TFrmKonstelace::BitNajdiClick() {
    tables::TransitQuery q = chart_query_;
    q.span = Span->span();
    q.body = std::max(RadioGroup1->checkedId(), 0);
    q.mode = mode();
    q.aspect_code = ComboBox1->currentIndex() + 1;
    q.aspect_name = state_.aspect_defs[static_cast<std::size_t>(q.aspect_code)].name;
    q.angle = state_.aspect_defs[static_cast<std::size_t>(q.aspect_code)].uhel;
    q.natal = ComboBox2->currentIndex() + 1;
    q.orb = SpinEdit5->value();
    q.house = ComboBox3->currentIndex() + 1;
    q.sign = ComboBox4->currentIndex() + 1;
    q.fertility = CheckBox1->isEnabled() && CheckBox1->isChecked();
    if (const std::string why = tables::transit_query_problem(q); !why.empty()) {
        shell_.pozor.show_warning(QString::fromStdString(why));
        return;
    }
    span_.used(q.span);
    const tables::TableContext x = table_context_of(state_);
    if (!search_into_texts(shell_, state_.engine, tables::day_count(q.span),
                           [q, x](sidora::engine::Engine& e, const tables::Progress& p) {
                               return tables::search_transit(e, q, x, p);
                           }))
        return;
    accept();
}
