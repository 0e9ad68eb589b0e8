#include "gui/frm_najdi.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "engine/angles.h"
#include "gui/dialog_parts.h"
#include "gui/frm_pozor.h"
#include "gui/number_field.h"
#include "gui/table_parts.h"

namespace tables = sidora::tables;

TFrmNajdi::TFrmNajdi(sidora::data::AppState& state, Shell& shell, tables::SharedSpan& span, QWidget* parent)
    : QDialog(parent), state_(state), shell_(shell), span_(span) {
    setObjectName("TFrmNajdi");
    setWindowTitle("Najdi");

    auto* span_group = new QGroupBox("Počítej", this);
    Span = new SpanBoxes(span_group);
    (new QVBoxLayout(span_group))->addWidget(Span);
    Span->set_span(span_.shown(state_.current_moment.year));
    QGroupBox* bodies = moving_body_group("Planeta", "RadioGroup1", 2, RadioGroup1, this);

    RadioButton1 = new QRadioButton(this);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton1->setChecked(true);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    for (int s = 1; s <= 12; ++s) ComboBox1->addItem(QString::fromStdString(sidora::engine::sign_name_locative(s)));
    Edit1 = new NumberField("Edit1", 3, this);
    Edit1->setText("0");
    Edit2 = new NumberField("Edit2", 3, this);
    Edit2->setText("30");
    auto* range = new QGridLayout;
    range->addWidget(RadioButton1, 0, 0);
    range->addWidget(new QLabel("Ve znamení:", this), 0, 1);
    range->addWidget(ComboBox1, 0, 2, 1, 4);
    range->addWidget(new QLabel("Od:", this), 1, 1);
    auto* from_row = new QHBoxLayout;
    from_row->addWidget(Edit1);
    from_row->addWidget(new QLabel("°", this));
    from_row->addSpacing(12);
    from_row->addWidget(new QLabel("Do:", this));
    from_row->addWidget(Edit2);
    from_row->addWidget(new QLabel("°", this));
    from_row->addStretch(1);
    range->addLayout(from_row, 1, 2, 1, 4);

    RadioButton2 = new QRadioButton(this);
    RadioButton2->setObjectName("RadioButton2");
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName("ComboBox2");
    for (int code = 1; code <= 14; ++code) {
        ComboBox2->addItem(QString::fromStdString(state_.aspect_defs[static_cast<std::size_t>(code)].name));
    }
    ComboBox3 = new QComboBox(this);
    ComboBox3->setObjectName("ComboBox3");
    for (int i = 0; i < tables::kMovingBodies; ++i) ComboBox3->addItem(QString::fromStdString(tables::body_name(i)));
    range->addWidget(RadioButton2, 2, 0);
    range->addWidget(new QLabel("V aspektu:", this), 2, 1);
    range->addWidget(ComboBox2, 2, 2);
    range->addWidget(new QLabel("s planetou:", this), 2, 3);
    range->addWidget(ComboBox3, 2, 4);
    range->setColumnStretch(5, 1);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this](int k) {
        const QSignalBlocker b1(Edit1), b2(Edit2);
        Edit1->setText(QString::number(30 * k));
        Edit2->setText(QString::number(30 * k + 30));
        RadioButton1->setChecked(true);
    });
    for (NumberField* e : {Edit1, Edit2}) {
        connect(e, &QLineEdit::textEdited, this, [this] { RadioButton1->setChecked(true); });
    }
    for (QComboBox* c : {ComboBox2, ComboBox3}) {
        connect(c, &QComboBox::currentIndexChanged, this, [this] { RadioButton2->setChecked(true); });
    }

    BitNajdi = push_button("&Najdi", "BitNajdi", this);
    BitNajdi->setDefault(true);
    BitOpust = push_button("&Opusť", "BitOpust", this);
    connect(BitNajdi, &QPushButton::clicked, this, &TFrmNajdi::BitNajdiClick);
    connect(BitOpust, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(span_group);
    layout->addWidget(bodies);
    layout->addLayout(range);
    layout->addLayout(button_row(help_button(shell_, 45, "BitPomoc", this), {BitNajdi, BitOpust}));
}

void TFrmNajdi::BitNajdiClick() {
    tables::SkyQuery q;
    q.span = Span->span();
    q.body = std::max(RadioGroup1->checkedId(), 0);
    auto refuse = [this](const std::string& why, QWidget* focus) {
        shell_.pozor.show_warning(QString::fromStdString(why));
        if (focus) focus->setFocus();
    };
    if (const std::string why = tables::span_problem(q.span); !why.empty()) return refuse(why, nullptr);
    if (RadioButton1->isChecked()) {
        const auto problem = tables::range_problem(Edit1->text().toStdString(), Edit2->text().toStdString());
        if (!problem.message.empty()) return refuse(problem.message, problem.focus == 2 ? Edit2 : Edit1);
        q.from = Edit1->text().toInt();
        q.to = Edit2->text().toInt();
    } else {
        q.mode = tables::SkyQuery::Mode::Aspect;
        const int code = ComboBox2->currentIndex() + 1;
        q.aspect_name = state_.aspect_defs[static_cast<std::size_t>(code)].name;
        q.angle = state_.aspect_defs[static_cast<std::size_t>(code)].uhel;
        q.with = ComboBox3->currentIndex();
    }
    if (const std::string why = tables::sky_query_problem(q); !why.empty()) return refuse(why, nullptr);
    span_.used(q.span);
    const tables::TableContext x = table_context_of(state_);
    if (!search_into_texts(shell_, state_.engine, tables::day_count(q.span),
                           [q, x](sidora::engine::Engine& e, const tables::Progress& p) {
                               return tables::search_sky(e, q, x, p);
                           }))
        return;
    accept();
}
