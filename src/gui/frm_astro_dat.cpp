#include "gui/frm_astro_dat.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/dialog_parts.h"
#include "gui/frm_osoby.h"
#include "gui/frm_pozor.h"

TFrmAstroDat::TFrmAstroDat(sidora::data::AppState& state, Shell& shell, QWidget* main_window)
    : QDialog(main_window), state_(state), shell_(shell), model_(state) {
    setObjectName("TFrmAstroDat");
    setWindowTitle(QString::fromStdString(model_.caption()));
    // The main window waits while a person is chosen; the editor opens above this window.
    setWindowModality(Qt::ApplicationModal);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setMinimumWidth(200);
    ListBox1->installEventFilter(this);
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { BitNastavClick(); });

    auto value = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->setMinimumWidth(240);
        return l;
    };
    LabelJmeno = value("LabelJmeno");
    LabelPohlavi = value("LabelPohlavi");
    LabelDatum = value("LabelDatum");
    LabelMisto = value("LabelMisto");
    LabelCas = value("LabelCas");
    LabelSystem = value("LabelSystem");
    LabelPasmo = value("LabelPasmo");
    LabelLetni = value("LabelLetni");
    auto* details = new QFormLayout;
    details->addRow("Jméno:", LabelJmeno);
    details->addRow("Pohlaví:", LabelPohlavi);
    details->addRow("Datum narození:", LabelDatum);
    details->addRow("Místo narození:", LabelMisto);
    details->addRow("Čas narození:", LabelCas);
    details->addRow("Systém domů:", LabelSystem);
    details->addRow("Časové pásmo:", LabelPasmo);
    details->addRow("Letní čas:", LabelLetni);

    BitNova = push_button("&Nová", "BitNova", this);
    BitSmaz = push_button("&Smaž", "BitSmaz", this);
    BitDomov = push_button("O&prav", "BitDomov", this);
    BitNastav = push_button("&Vypočítej horoskop", "BitNastav", this);
    BitOpust = push_button("&Opusť", "BitOpust", this);
    BitNastav->setDefault(true);
    connect(BitNova, &QPushButton::clicked, this, &TFrmAstroDat::BitNovaClick);
    connect(BitSmaz, &QPushButton::clicked, this, &TFrmAstroDat::BitSmazClick);
    connect(BitDomov, &QPushButton::clicked, this, &TFrmAstroDat::BitDomovClick);
    connect(BitNastav, &QPushButton::clicked, this, &TFrmAstroDat::BitNastavClick);
    connect(BitOpust, &QPushButton::clicked, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel("Vyber osobu:", this));
    left->addWidget(ListBox1, 1);
    auto* edit_buttons = new QHBoxLayout;
    edit_buttons->addWidget(BitNova);
    edit_buttons->addWidget(BitSmaz);
    edit_buttons->addWidget(BitDomov);
    edit_buttons->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addLayout(details);
    right->addStretch(1);
    right->addLayout(edit_buttons);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(button_row(help_button(shell_, 16, "HelpAstroDat", this), {BitNastav, BitOpust}));

    editor_ = new TFrmOsoby(state_, shell_, this);
    connect(editor_, &TFrmOsoby::personSaved, this, &TFrmAstroDat::person_saved);
    connect(editor_, &TFrmOsoby::personSet, this, &TFrmAstroDat::FormActivate);
}

void TFrmAstroDat::open_for(int slot) {
    if (auto error = model_.show(slot)) warn(*error);
    setWindowTitle(QString::fromStdString(model_.caption()));
    fill_list({});
    show_details();
    emit shownChanged(true);
    show();
    raise();
    activateWindow();
    FormActivate();
}

bool TFrmAstroDat::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return QDialog::event(e);
}

void TFrmAstroDat::FormActivate() {
    ListBox1->setFocus();
    model_.activate();
    show_details();
}

void TFrmAstroDat::fill_list(const QString& select) {
    const QSignalBlocker block(ListBox1);
    ListBox1->clear();
    for (const auto& name : model_.names()) ListBox1->addItem(QString::fromStdString(name));
    const auto found = ListBox1->findItems(select, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!select.isEmpty() && !found.isEmpty()) ListBox1->setCurrentItem(found.first());
}

void TFrmAstroDat::show_details() {
    const auto& d = model_.details();
    const auto text = [&d](std::string sidora::models::PersonDetails::*field) {
        return d ? QString::fromStdString((*d).*field) : QString();
    };
    LabelJmeno->setText(text(&sidora::models::PersonDetails::name));
    LabelPohlavi->setText(text(&sidora::models::PersonDetails::sex));
    LabelDatum->setText(text(&sidora::models::PersonDetails::date));
    LabelMisto->setText(text(&sidora::models::PersonDetails::place));
    LabelCas->setText(text(&sidora::models::PersonDetails::time));
    LabelSystem->setText(text(&sidora::models::PersonDetails::house_system));
    LabelPasmo->setText(text(&sidora::models::PersonDetails::zone));
    LabelLetni->setText(text(&sidora::models::PersonDetails::summer));
}

std::optional<std::string> TFrmAstroDat::selected_name() const {
    const QListWidgetItem* item = ListBox1->currentItem();
    if (!item || !item->isSelected()) return std::nullopt;
    return item->text().toStdString();
}

void TFrmAstroDat::warn(const std::string& text) { shell_.pozor.show_warning(QString::fromStdString(text)); }

void TFrmAstroDat::ListBox1Click() {
    const auto name = selected_name();
    if (!name) return;
    try {
        model_.click(*name);
    } catch (const sidora::data::PersonsError& e) {
        warn(e.message());
        if (auto error = model_.refill()) warn(*error);
        fill_list({});
    }
    show_details();
}

void TFrmAstroDat::BitNastavClick() {
    if (auto refusal = model_.check_compute()) {
        warn(*refusal);
        return;
    }
    const int slot = state_.person_slot;
    accept();
    emit computeRequested(slot);
}

void TFrmAstroDat::BitNovaClick() {
    model_.start_new();
    editor_->open_editor();
}

void TFrmAstroDat::BitDomovClick() {
    if (auto refusal = model_.check_edit(selected_name())) {
        warn(*refusal);
        return;
    }
    editor_->open_editor();
}

void TFrmAstroDat::BitSmazClick() {
    const auto name = selected_name();
    const auto check = model_.check_delete(name);
    if (check.refused) {
        warn(check.text);
        return;
    }
    QMessageBox box(QMessageBox::Question, "Potvrzení", QString::fromStdString(check.text),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setObjectName("ConfirmDelete");
    if (box.exec() != QMessageBox::Ok) return;
    try {
        model_.delete_person(*name);
    } catch (const sidora::data::PersonsError& e) {
        warn(e.message());
        if (auto error = model_.refill()) warn(*error);
    }
    fill_list({});
    show_details();
    ListBox1->setFocus();
}

void TFrmAstroDat::person_saved(const QString& name) {
    if (auto error = model_.refill()) warn(*error);
    fill_list(name);
    ListBox1Click();
}

bool TFrmAstroDat::eventFilter(QObject* watched, QEvent* e) {
    if (watched == ListBox1 && e->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent*>(e)->key() == Qt::Key_Delete) {
        BitSmazClick();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

// Every way of leaving ends here.
void TFrmAstroDat::done(int result) {
    if (isVisible()) {
        editor_->close();
        model_.close();
        emit shownChanged(false);
    }
    QDialog::done(result);
}
