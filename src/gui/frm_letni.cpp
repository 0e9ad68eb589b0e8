#include "gui/frm_letni.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/dialog_parts.h"
#include "gui/frm_pozor.h"
#include "gui/help_viewer.h"
#include "models/summer_editor.h"

namespace {

using Rule = sidora::engine::TLetniRok;
// The period fields by row (start, second start, end, second end) and column (day, month, hour).
std::uint8_t Rule::* const kFields[4][3] = {{&Rule::od_den, &Rule::od_mesic, &Rule::od_hodina},
                                           {&Rule::od2_den, &Rule::od2_mesic, &Rule::od2_hodina},
                                           {&Rule::do_den, &Rule::do_mesic, &Rule::do_hodina},
                                           {&Rule::do2_den, &Rule::do2_mesic, &Rule::do2_hodina}};
const char* const kBoxNames[4][3] = {{"SpinEdit3", "SpinEdit2", "SpinEdit4"},
                                     {"SpinEdit9", "SpinEdit8", "SpinEdit10"},
                                     {"SpinEdit6", "SpinEdit5", "SpinEdit7"},
                                     {"SpinEdit12", "SpinEdit11", "SpinEdit13"}};

}  // namespace

TFrmLetni::TFrmLetni(sidora::data::AppState& state, Shell& shell, QWidget* parent)
    : QDialog(parent), state_(state), shell_(shell) {
    setObjectName("TFrmLetni");
    setWindowTitle("Letní časy");

    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName("SpinEdit1");
    SpinEdit1->setRange(sidora::engine::kSummerFirstYear, sidora::engine::kSummerFileLastYear);
    auto* year = new QHBoxLayout;
    year->addWidget(new QLabel("Rok:", this));
    year->addWidget(SpinEdit1);
    year->addStretch(1);

    auto* kinds = new QGroupBox("Letní čas", this);
    auto* kl = new QVBoxLayout(kinds);
    RadioButton1 = new QRadioButton("Zaveden", kinds);
    RadioButton2 = new QRadioButton("Nezaveden", kinds);
    RadioButton3 = new QRadioButton("Zaveden po celý rok", kinds);
    RadioButton4 = new QRadioButton("Zaveden dvakrát", kinds);
    int n = 1;
    for (QRadioButton* r : {RadioButton1, RadioButton2, RadioButton3, RadioButton4}) {
        r->setObjectName(QString("RadioButton%1").arg(n++));
        kl->addWidget(r);
        connect(r, &QRadioButton::clicked, this, [this, r] { radio_clicked(r); });
    }

    auto* grid = new QGridLayout;
    const char* rows[4] = {"Zaveden od:", "Podruhé od:", "Zaveden do:", "Podruhé do:"};
    const char* units[4] = {"SEČ", "SEČ", "SELČ", "SELČ"};
    const int ranges[3][2] = {{1, 31}, {1, 12}, {0, 24}};
    for (int r = 0; r < 4; ++r) {
        const int line = r * 2;
        labels_[r][0] = new QLabel(QString::fromUtf8(rows[r]), this);
        grid->addWidget(labels_[r][0], line + 1, 0);
        int c = 0;
        for (const char* head : {"Dne", "Měsíce", "Hodiny"}) {
            labels_[r][c + 1] = new QLabel(QString::fromUtf8(head), this);
            grid->addWidget(labels_[r][c + 1], line, c + 1);
            auto* box = new QSpinBox(this);
            box->setObjectName(kBoxNames[r][c]);
            box->setRange(ranges[c][0], ranges[c][1]);
            periods[r][c] = box;
            grid->addWidget(box, line + 1, c + 1);
            connect(box, &QSpinBox::valueChanged, this, [this, r, c](int v) {
                sidora::models::summer_rule(state_.engine, SpinEdit1->value()).*kFields[r][c] = static_cast<std::uint8_t>(v);
            });
            ++c;
        }
        labels_[r][4] = new QLabel(QString::fromUtf8(units[r]), this);
        grid->addWidget(labels_[r][4], line + 1, 4);
    }

    BitOpust = push_button("&Opusť", "BitOpust", this);
    BitNastav = push_button("&Ulož", "BitNastav", this);
    auto* buttons = button_row(help_button(shell_, 10, "HelpLetni", this), {BitOpust, BitNastav});

    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(year);
    left->addWidget(kinds);
    left->addStretch(1);
    top->addLayout(left);
    top->addLayout(grid);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(SpinEdit1, &QSpinBox::valueChanged, this, [this] { SpinEdit1Change(); });
    connect(BitOpust, &QPushButton::clicked, this, &TFrmLetni::BitOpustClick);
    connect(BitNastav, &QPushButton::clicked, this, &TFrmLetni::BitNastavClick);
}

void TFrmLetni::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    {
        const QSignalBlocker b(SpinEdit1);
        SpinEdit1->setValue(2000);
    }
    SpinEdit1->setValue(sidora::engine::kSummerFirstYear);
    SpinEdit1Change();
    SpinEdit1->setFocus();
}

void TFrmLetni::SpinEdit1Change() {
    const Rule rule = sidora::models::summer_rule(state_.engine, SpinEdit1->value());
    // A year without any flag keeps the previous check mark.
    const std::pair<std::uint8_t, QRadioButton*> kinds[] = {
        {rule.zaveden, RadioButton1}, {rule.nezaveden, RadioButton2}, {rule.cely_rok, RadioButton3},
        {rule.dvakrat, RadioButton4}};
    for (const auto& [flag, radio] : kinds) {
        if (flag == 1) radio->setChecked(true);
    }
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 3; ++c) {
            const QSignalBlocker b(periods[r][c]);
            periods[r][c]->setValue(rule.*kFields[r][c]);
        }
    }
    // The checked kind is written back as the record's flags only by a click.
    zmena();
}

void TFrmLetni::radio_clicked(QRadioButton* which) {
    zmena();
    Rule& rule = sidora::models::summer_rule(state_.engine, SpinEdit1->value());
    rule.zaveden = which == RadioButton1;
    rule.nezaveden = which == RadioButton2;
    rule.cely_rok = which == RadioButton3;
    rule.dvakrat = which == RadioButton4;
}

void TFrmLetni::zmena() {
    const bool first = RadioButton1->isChecked() || RadioButton4->isChecked();
    const bool second = RadioButton4->isChecked();
    for (int r = 0; r < 4; ++r) {
        const bool on = (r == 0 || r == 2) ? first : second;
        for (QSpinBox* box : periods[r]) box->setEnabled(on);
        for (QLabel* label : labels_[r]) label->setEnabled(on);
    }
}

void TFrmLetni::BitNastavClick() {
    if (const auto fault = sidora::models::find_summer_fault(state_.engine)) {
        shell_.pozor.show_warning("Zadáno neexistující datum!");
        SpinEdit1->setValue(fault->year);
        constexpr int kRowOf[4] = {0, 2, 1, 3};  // the grid shows both starts above both ends
        periods[kRowOf[static_cast<int>(fault->box)]][0]->setFocus();
        return;
    }
    if (const auto problem = sidora::models::save_summer_rules(state_.engine, state_.program_dir.string())) {
        shell_.pozor.show_warning(QString::fromStdString(*problem));
        return;
    }
    leaving_ = true;
    accept();
}

void TFrmLetni::BitOpustClick() {
    if (const auto problem = sidora::models::reload_summer_rules(state_.engine, state_.program_dir.string())) {
        shell_.pozor.show_warning(QString::fromStdString(*problem));
    }
    leaving_ = true;
    reject();
}

void TFrmLetni::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        BitOpustClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFrmLetni::closeEvent(QCloseEvent* event) {
    // Closed by the title bar: unsaved rules must not stay in force unnoticed.
    if (!leaving_ && sidora::models::summer_rules_unsaved(state_.engine, state_.program_dir.string())) {
        const auto answer = QMessageBox::question(this, "Letní časy", "Uložit změny letních časů?",
                                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel) {
            event->ignore();
            return;
        }
        event->ignore();
        if (answer == QMessageBox::Yes) BitNastavClick();
        else BitOpustClick();
        return;
    }
    QDialog::closeEvent(event);
}
