#include "gui/frm_bio.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/date_field.h"
#include "gui/dialog_parts.h"
#include "gui/frm_bio_tab.h"
#include "gui/frm_osoby.h"
#include "gui/frm_pozor.h"
#include "models/person_chooser.h"

using sidora::models::BioWindow;

TFrmBio::TFrmBio(sidora::data::AppState& state, Shell& shell, QWidget* main_window)
    : QWidget(nullptr, Qt::Window), state_(state), shell_(shell), main_window_(main_window), model_(state) {
    setObjectName("TFrmBio");
    setWindowTitle("Biorytmy");
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto make_list = [this](const char* name, int list) {
        auto* l = new QListWidget(this);
        l->setObjectName(name);
        l->setMinimumWidth(180);
        l->installEventFilter(this);
        connect(l, &QListWidget::itemClicked, this, [this, list] { ListClick(list); });
        connect(l, &QListWidget::currentRowChanged, this, [this, list] { ListClick(list); });
        connect(l, &QListWidget::itemDoubleClicked, this, [this, list] { BitBioClick(list); });
        return l;
    };
    ListBox1 = make_list("ListBox1", 1);
    ListBox2 = make_list("ListBox2", 2);

    auto person_box = [this](const char* title, QListWidget* list, std::array<QLabel*, 3>& labels, const char* prefix) {
        auto* box = new QVBoxLayout;
        box->addWidget(bold_label(QString::fromUtf8(title), this));
        box->addWidget(list, 1);
        auto* form = new QFormLayout;
        const char* captions[3] = {"Jméno:", "Pohlaví:", "Narozen:"};
        for (int k = 0; k < 3; ++k) {
            labels[static_cast<std::size_t>(k)] = new QLabel(this);
            labels[static_cast<std::size_t>(k)]->setObjectName(QString(prefix) + QString::number(k + 1));
            form->addRow(QString::fromUtf8(captions[k]), labels[static_cast<std::size_t>(k)]);
        }
        box->addLayout(form);
        return box;
    };

    DateOd = new DateField("DateOd", this);
    DateOd->setDateRange(QDate(1800, 1, 1), QDate(2100, 12, 31));
    connect(DateOd, &QDateEdit::dateChanged, this, [this](const QDate& d) { model_.start = {d.year(), d.month(), d.day()}; });
    connect(DateOd, &DateField::refused, this, [this](const QString& t) { warn(t.toStdString()); });

    BitNova = push_button("&Nová", "BitNova", this);
    BitSmaz = push_button("&Smaž", "BitSmaz", this);
    BitOprav = push_button("O&prav", "BitOprav", this);
    BitBio1 = push_button("Biorytmy &1", "BitBio1", this);
    BitBio2 = push_button("Biorytmy &2", "BitBio2", this);
    BitOpust = push_button("&Opusť", "BitOpust", this);
    connect(BitNova, &QPushButton::clicked, this, &TFrmBio::BitNovaClick);
    connect(BitSmaz, &QPushButton::clicked, this, &TFrmBio::BitSmazClick);
    connect(BitOprav, &QPushButton::clicked, this, &TFrmBio::BitOpravClick);
    connect(BitBio1, &QPushButton::clicked, this, [this] { BitBioClick(1); });
    connect(BitBio2, &QPushButton::clicked, this, [this] { BitBioClick(2); });
    connect(BitOpust, &QPushButton::clicked, this, &QWidget::close);

    auto* group = new QGroupBox("Partnerské porovnání biorytmů", this);
    group->setObjectName("GroupPorovnani");
    auto* g = new QGridLayout(group);
    g->addWidget(bold_label("Cyklus", this), 0, 0);
    g->addWidget(bold_label("Harmonie [%]", this), 0, 1);
    const char* rows[4] = {"Fyzický", "Emocionální", "Intelektuální", "Průměr"};
    for (int k = 0; k < 4; ++k) {
        g->addWidget(new QLabel(QString::fromUtf8(rows[k]), group), k + 1, 0);
        Harmonie[static_cast<std::size_t>(k)] = new QLabel(group);
        Harmonie[static_cast<std::size_t>(k)]->setObjectName("Harmonie" + QString::number(k + 1));
        Harmonie[static_cast<std::size_t>(k)]->setFont(QFont("Monospace"));
        g->addWidget(Harmonie[static_cast<std::size_t>(k)], k + 1, 1);
    }

    auto* persons = new QHBoxLayout;
    persons->addLayout(person_box("1. člověk:", ListBox1, Person1, "LabelOsoba1_"));
    persons->addLayout(person_box("2. člověk:", ListBox2, Person2, "LabelOsoba2_"));
    auto* from = new QHBoxLayout;
    from->addWidget(new QLabel("Počítej od:", this));
    from->addWidget(DateOd);
    from->addStretch(1);
    from->addWidget(BitNova);
    from->addWidget(BitSmaz);
    from->addWidget(BitOprav);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(persons, 1);
    layout->addLayout(from);
    layout->addWidget(group);
    layout->addLayout(button_row(help_button(shell_, 33, "HelpBio", this), {BitBio1, BitBio2, BitOpust}));
}

void TFrmBio::warn(const std::string& text) { shell_.pozor.show_warning(QString::fromStdString(text)); }

void TFrmBio::open_window() {
    if (auto error = model_.show()) warn(*error);
    const auto& s = model_.start;
    {
        const QSignalBlocker block(DateOd);
        DateOd->setDate(QDate(s.year, s.month, s.day));
    }
    fill_lists();
    for (int list : {1, 2}) show_person(list);
    show_comparison();
    if (main_window_) main_window_->setEnabled(false);
    show();
    raise();
    activateWindow();
    // A person the editor set without saving is shown as person 1.
    if (state_.set_without_saving) {
        if (auto why = model_.show_slot(1)) warn(*why);
        show_person(1);
        show_comparison();
    }
}

void TFrmBio::fill_lists() {
    for (QListWidget* l : {ListBox1, ListBox2}) {
        const QSignalBlocker block(l);
        l->clear();
        for (const auto& item : model_.items()) l->addItem(QString::fromStdString(item.name));
    }
}

std::optional<std::size_t> TFrmBio::selected(int list) const {
    const QListWidget* l = list == 1 ? ListBox1 : ListBox2;
    if (l->currentRow() < 0 || !l->currentItem() || !l->currentItem()->isSelected()) return std::nullopt;
    return static_cast<std::size_t>(l->currentRow());
}

void TFrmBio::show_person(int list) {
    auto& labels = list == 1 ? Person1 : Person2;
    const auto& shown = model_.shown(list);
    labels[0]->setText(shown ? QString::fromStdString(shown->name) : QString());
    labels[1]->setText(shown ? QString::fromStdString(shown->sex) : QString());
    labels[2]->setText(shown ? QString::fromStdString(shown->born) : QString());
}

void TFrmBio::show_comparison() {
    const auto c = model_.comparison();
    for (std::size_t k = 0; k < 4; ++k) Harmonie[k]->setText(c ? QString::fromStdString(c->rows[k].text) : QString());
}

void TFrmBio::ListClick(int list) {
    const auto index = selected(list);
    if (!index) return;
    if (auto why = model_.click(list, *index)) warn(*why);
    show_person(list);
    show_comparison();
}

void TFrmBio::BitBioClick(int list) {
    if (auto why = model_.check_table(list)) {
        warn(*why);
        return;
    }
    auto table = sidora::models::bio_table(model_.person(list), model_.start);
    if (!table) return;
    TFrmBioTab window(std::move(*table), shell_, this);
    emit tableOpened(&window);
    window.exec();
}

void TFrmBio::BitSmazClick() {
    const auto index = selected(1);
    if (!index || model_.items().empty()) {
        warn(sidora::models::kNoPersonSelected);
        return;
    }
    const auto& item = model_.items()[*index];
    if (!model_.shown(1) || model_.shown(1)->name != item.name) {
        warn(sidora::models::kNotFromFile);
        return;
    }
    QMessageBox box(QMessageBox::Question, "Potvrzení",
                    QString::fromStdString("Opravdu chceš smazat " + item.name + "?"),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setObjectName("ConfirmDelete");
    if (box.exec() != QMessageBox::Ok) return;
    try {
        sidora::data::PersonsStore(state_.program_dir / sidora::data::kPersonsFile).remove(item.name);
    } catch (const sidora::data::PersonsError& e) {
        warn(e.message());
    }
    if (auto error = model_.show()) warn(*error);
    fill_lists();
    for (int list : {1, 2}) show_person(list);
    show_comparison();
}

void TFrmBio::BitNovaClick() { open_editor({}); }

void TFrmBio::open_editor(const std::string& name) {
    state_.person_slot = 1;
    state_.edited_person = name;
    state_.editor_caller = sidora::data::AppState::EditorCaller::Chooser;
    if (!editor_) {
        editor_ = new TFrmOsoby(state_, shell_, this);
        connect(editor_, &TFrmOsoby::personSaved, this, [this] {
            if (auto error = model_.show()) warn(*error);
            fill_lists();
        });
    }
    editor_->open_editor();
}

void TFrmBio::BitOpravClick() {
    const auto index = selected(1);
    if (!index) {
        warn(sidora::models::kNoPersonSelected);
        return;
    }
    if (!model_.shown(1) || model_.shown(1)->name != model_.items()[*index].name) {
        warn(sidora::models::kNotFromFile);
        return;
    }
    open_editor(model_.items()[*index].name);
}

bool TFrmBio::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int list = watched == ListBox1 ? 1 : watched == ListBox2 ? 2 : 0;
        if (list && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            BitBioClick(list);
            return true;
        }
        if (list == 1 && key->key() == Qt::Key_Delete) {
            BitSmazClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFrmBio::closeEvent(QCloseEvent* event) {
    if (main_window_) main_window_->setEnabled(true);
    QWidget::closeEvent(event);
}
