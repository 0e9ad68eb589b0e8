#include "gui/frm_numero.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/dialog_parts.h"
#include "gui/frm_osoby.h"
#include "gui/frm_pozor.h"
#include "models/person_chooser.h"
#include "gui/frm_texty.h"

// ---- The editor.

TFrmNumEdit::TFrmNumEdit(const std::filesystem::path& numera, int max_count, Shell& shell, QWidget* parent)
    : QDialog(parent), shell_(shell), model_(numera, max_count) {
    setObjectName("TFrmNumEdit");
    setWindowTitle("Editace numerologických výkladů");
    setModal(true);

    auto* group = new QGroupBox("Editovat výklady k ...", this);
    RadioVibracni = new QRadioButton("vibračním číslicím", group);
    RadioVibracni->setObjectName("RadioVibracni");
    RadioMrizka = new QRadioButton("k číslicím v num. mřížce", group);
    RadioMrizka->setObjectName("RadioMrizka");
    RadioVibracni->setChecked(true);
    auto* radios = new QVBoxLayout(group);
    radios->addWidget(RadioVibracni);
    radios->addWidget(RadioMrizka);

    ComboCislice = new QComboBox(this);
    ComboCislice->setObjectName("ComboCislice");
    for (int d = 1; d <= 9; ++d) ComboCislice->addItem("Číslice " + QString::number(d));
    ComboKolikrat = new QComboBox(this);
    ComboKolikrat->setObjectName("ComboKolikrat");
    for (const auto& item : model_.count_items()) ComboKolikrat->addItem(QString::fromStdString(item));
    ComboKolikrat->setEnabled(false);
    connect(RadioMrizka, &QRadioButton::toggled, this, [this](bool on) {
        model_.grid = on;
        ComboKolikrat->setEnabled(on);
    });
    connect(ComboCislice, &QComboBox::currentIndexChanged, this, [this](int i) { model_.digit = i + 1; });
    connect(ComboKolikrat, &QComboBox::currentIndexChanged, this, [this](int i) { model_.count_index = i; });

    BitOK = push_button("O&K", "BitOK", this);
    BitOK->setDefault(true);
    BitUloz = push_button("&Ulož", "BitUloz", this);
    BitFont = push_button("&Font", "BitFont", this);
    BitSmaz = push_button("&Smaž", "BitSmaz", this);
    BitOpust = push_button("&Opusť", "BitOpust", this);
    LabelNenalezen = new QLabel("Výklad nenalezen", this);
    LabelNenalezen->setObjectName("LabelNenalezen");
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName("Memo");
    connect(BitOK, &QPushButton::clicked, this, &TFrmNumEdit::BitOKClick);
    connect(BitUloz, &QPushButton::clicked, this, &TFrmNumEdit::BitUlozClick);
    connect(BitSmaz, &QPushButton::clicked, this, &TFrmNumEdit::BitSmazClick);
    connect(BitOpust, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitFont, &QPushButton::clicked, this, [this] {
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, Memo->font(), this);
        if (ok) Memo->setFont(f);
    });
    connect(Memo, &QPlainTextEdit::textChanged, this, [this] {
        model_.edit(Memo->toPlainText().toStdString());
        BitUloz->setEnabled(model_.save_enabled());
    });

    auto* choices = new QFormLayout;
    choices->addRow("Číslice:", ComboCislice);
    choices->addRow("kolikrát?", ComboKolikrat);
    auto* top = new QHBoxLayout;
    top->addWidget(group);
    top->addLayout(choices);
    top->addWidget(BitOK);
    top->addWidget(LabelNenalezen);
    top->addStretch(1);
    auto* top_area = new QWidget(this);
    top_area->setFixedHeight(190);
    auto* top_layout = new QVBoxLayout(top_area);
    top_layout->addLayout(top);
    top_layout->addStretch(1);
    top_layout->addLayout(button_row(help_button(shell_, 47, "HelpNumEdit", this), {BitUloz, BitFont, BitSmaz, BitOpust}));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(top_area);
    layout->addWidget(Memo, 1);
    resize(560, 520);
    sync();
}

bool TFrmNumEdit::question(const QString& text) {
    if (ask) return ask(text);
    return QMessageBox::question(this, "Potvrzení", text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TFrmNumEdit::sync() {
    {
        const QSignalBlocker block(Memo);
        if (Memo->toPlainText().toStdString() != model_.text()) Memo->setPlainText(QString::fromStdString(model_.text()));
    }
    Memo->setReadOnly(!model_.editable());
    LabelNenalezen->setVisible(model_.not_found_visible());
    BitSmaz->setEnabled(model_.delete_enabled());
    BitUloz->setEnabled(model_.save_enabled());
}

void TFrmNumEdit::BitOKClick() {
    if (model_.unsaved() && question(sidora::models::kAskSavePrevious)) BitUlozClick();
    if (auto why = model_.load()) shell_.pozor.show_warning(QString::fromStdString(*why));
    sync();
}

void TFrmNumEdit::BitUlozClick() {
    if (auto why = model_.save()) shell_.pozor.show_warning(QString::fromStdString(*why));
    sync();
}

void TFrmNumEdit::BitSmazClick() {
    if (!question(sidora::models::kAskDelete)) return;
    if (auto why = model_.remove()) shell_.pozor.show_warning(QString::fromStdString(*why));
    sync();
}

void TFrmNumEdit::done(int result) {
    if (model_.unsaved() && question(sidora::models::kAskSaveOnClose)) BitUlozClick();
    QDialog::done(result);
}

void open_numerology_editor(sidora::data::AppState& state, Shell& shell, QWidget* parent) {
    TFrmNumEdit editor(state.program_dir / sidora::models::kNumeraDir, state.num.numerology_digits, shell, parent);
    editor.exec();
}

// ---- The numerology window.

TFrmNumero::TFrmNumero(sidora::data::AppState& state, Shell& shell, QWidget* main_window)
    : QWidget(nullptr, Qt::Window), state_(state), shell_(shell), main_window_(main_window), model_(state) {
    setObjectName("TFrmNumero");
    setWindowTitle("Numerologie");

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setMinimumWidth(180);
    connect(ListBox1, &QListWidget::itemClicked, this, &TFrmNumero::ListBox1Click);
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TFrmNumero::ListBox1Click);
    ListBox1->installEventFilter(this);

    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        return l;
    };
    LabelJmeno = label("LabelJmeno");
    LabelDatum = label("LabelDatum");
    LabelMisto = label("LabelMisto");
    LabelCas = label("LabelCas");
    LabelPasmo = label("LabelPasmo");
    LabelCislice = label("LabelCislice");
    LabelMezisoucet = label("LabelMezisoucet");
    LabelDen = label("LabelDen");
    LabelDenCislice = label("LabelDenCislice");
    LabelDenVladce = label("LabelDenVladce");
    LabelHodina = label("LabelHodina");
    LabelHodinaVladce = label("LabelHodinaVladce");

    auto* grid = new QGridLayout;
    for (int d = 1; d <= 9; ++d) {
        auto* b = new QPushButton(this);
        b->setObjectName("Num" + QString::number(d));
        b->setToolTip("Číslice " + QString::number(d));
        b->setFixedSize(48, 48);
        connect(b, &QPushButton::clicked, this, [this, d] { NumClick(d); });
        Num[static_cast<std::size_t>(d)] = b;
        // 1 4 7 / 2 5 8 / 3 6 9, the grid's columns.
        grid->addWidget(b, (d - 1) % 3, (d - 1) / 3);
    }
    Num[0] = nullptr;
    BitVibrace = new QPushButton(this);
    BitVibrace->setObjectName("BitVibrace");
    BitVibrace->setFixedSize(48, 48);
    connect(BitVibrace, &QPushButton::clicked, this, [this] { NumClick(0); });

    auto* lines = new QFormLayout;
    const char* captions[8] = {"Dětství a mládí:", "Střední věk:", "Stáří:", "Duchovní úroveň:",
                               "Psychická úroveň:", "Fyzická úroveň:", "Sestup:", "Vzestup:"};
    for (std::size_t k = 0; k < 8; ++k) {
        Linie[k] = new QLabel(this);
        Linie[k]->setObjectName("Linie" + QString::number(k + 1));
        lines->addRow(QString::fromUtf8(captions[k]), Linie[k]);
    }

    BitNova = push_button("&Nová", "BitNova", this);
    BitSmaz = push_button("&Smaž", "BitSmaz", this);
    BitOprav = push_button("O&prav", "BitOprav", this);
    BitEditace = push_button("&Editace výkladů", "BitEditace", this);
    BitVyklad = push_button("&Výklad", "BitVyklad", this);
    BitOpust = push_button("&Opusť", "BitOpust", this);
    connect(BitNova, &QPushButton::clicked, this, [this] { open_editor({}); });
    connect(BitOprav, &QPushButton::clicked, this, &TFrmNumero::BitOpravClick);
    connect(BitSmaz, &QPushButton::clicked, this, &TFrmNumero::BitSmazClick);
    connect(BitEditace, &QPushButton::clicked, this, &TFrmNumero::BitEditaceClick);
    connect(BitVyklad, &QPushButton::clicked, this, &TFrmNumero::BitVykladClick);
    connect(BitOpust, &QPushButton::clicked, this, &QWidget::close);

    auto* details = new QFormLayout;
    details->addRow("Jméno:", LabelJmeno);
    details->addRow(new QLabel("Datum, čas a místo narození:", this));
    details->addRow("", LabelDatum);
    details->addRow("", LabelMisto);
    details->addRow("", LabelCas);
    details->addRow("", LabelPasmo);
    auto* numbers = new QFormLayout;
    numbers->addRow("Vibrační číslice:", BitVibrace);
    numbers->addRow("Mezisoučet:", LabelMezisoucet);
    auto* day = new QHBoxLayout;
    day->addWidget(new QLabel("Den v týdnu:", this));
    day->addWidget(LabelDen);
    day->addWidget(new QLabel("číslice:", this));
    day->addWidget(LabelDenCislice);
    day->addWidget(new QLabel("vládce:", this));
    day->addWidget(LabelDenVladce);
    day->addStretch(1);
    auto* hour = new QHBoxLayout;
    hour->addWidget(new QLabel("Planetární hodina:", this));
    hour->addWidget(LabelHodina);
    hour->addWidget(new QLabel("vládce:", this));
    hour->addWidget(LabelHodinaVladce);
    hour->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel("Vyber osobu:", this));
    left->addWidget(ListBox1, 1);
    auto* person_buttons = new QHBoxLayout;
    person_buttons->addWidget(BitNova);
    person_buttons->addWidget(BitSmaz);
    person_buttons->addWidget(BitOprav);
    left->addLayout(person_buttons);
    auto* grid_row = new QHBoxLayout;
    grid_row->addLayout(grid);
    grid_row->addWidget(LabelCislice);
    grid_row->addLayout(numbers);
    grid_row->addLayout(lines);
    auto* right = new QVBoxLayout;
    right->addLayout(details);
    right->addLayout(grid_row);
    right->addLayout(day);
    right->addLayout(hour);
    right->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(button_row(help_button(shell_, 48, "HelpNumero", this), {BitEditace, BitVyklad, BitOpust}));
}

void TFrmNumero::warn(const std::string& text) { shell_.pozor.show_warning(QString::fromStdString(text)); }

void TFrmNumero::open_window() {
    if (auto error = model_.show()) warn(*error);
    fill_list({});
    show_view();
    if (main_window_) main_window_->setEnabled(false);
    show();
    raise();
    activateWindow();
    ListBox1->setFocus();
}

void TFrmNumero::show_view() {
    const auto& v = model_.view();
    const auto q = [](const std::string& s) { return QString::fromStdString(s); };
    LabelJmeno->setText(v ? q(v->name) : QString());
    LabelDatum->setText(v ? q(v->date) : QString());
    LabelMisto->setText(v ? q(v->place) : QString());
    LabelCas->setText(v ? q(v->time) : QString());
    LabelPasmo->setText(v ? q(v->zone) : QString());
    for (std::size_t d = 1; d <= 9; ++d) Num[d]->setText(v ? q(v->cells[d]) : QString());
    BitVibrace->setText(v ? QString::number(v->grid.vibration) : QString());
    LabelMezisoucet->setText(v ? QString::number(v->grid.subtotal) : QString());
    for (std::size_t k = 0; k < 8; ++k) {
        Linie[k]->setText(v ? QString::number(v->grid.lines[k].value) : QString());
        Linie[k]->setToolTip(v ? QString::fromUtf8(v->grid.lines[k].hint) : QString());
    }
    LabelDen->setText(v ? q(v->weekday_name) : QString());
    LabelDenCislice->setText(v ? QString::number(v->weekday) : QString());
    LabelDenVladce->setText(v ? q(v->weekday_ruler) : QString());
    LabelHodina->setText(v ? q(v->hour.text) : QString());
    LabelHodinaVladce->setText(v ? q(v->hour.ruler) : QString());
}

void TFrmNumero::ListBox1Click() {
    const int row = ListBox1->currentRow();
    if (row < 0) return;
    if (auto why = model_.click(static_cast<std::size_t>(row))) warn(*why);
    show_view();
}

void TFrmNumero::NumClick(int digit) {
    if (!model_.view()) return;
    if (digit) LabelCislice->setText("Číslice " + QString::number(digit));
    sidora::models::StyledDocument doc;
    if (auto why = model_.digit_text(doc, digit)) warn(*why);
    if (!doc.empty()) texts_window().add(doc);
}

void TFrmNumero::BitVykladClick() {
    sidora::models::StyledDocument doc;
    const auto why = model_.reading(doc);
    if (why) warn(*why);
    if (!doc.empty()) texts_window().add(doc);
}

void TFrmNumero::BitEditaceClick() {
    TFrmNumEdit editor(model_.numera(), state_.num.numerology_digits, shell_, this);
    emit editorOpened(&editor);
    editor.exec();
}

void TFrmNumero::fill_list(const std::string& select) {
    const QSignalBlocker block(ListBox1);
    ListBox1->clear();
    for (const auto& item : model_.items()) ListBox1->addItem(QString::fromStdString(item.name));
    const auto found = ListBox1->findItems(QString::fromStdString(select), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!select.empty() && !found.isEmpty()) ListBox1->setCurrentItem(found.first());
}

std::optional<std::size_t> TFrmNumero::shown_selection() {
    const int row = ListBox1->currentRow();
    if (model_.items().empty() || row < 0) {
        warn(sidora::models::kNoPersonSelected);
        return std::nullopt;
    }
    const auto& item = model_.items()[static_cast<std::size_t>(row)];
    if (!model_.person() || !(*model_.person() == item.person)) {
        warn(sidora::models::kNotFromFile);
        return std::nullopt;
    }
    return static_cast<std::size_t>(row);
}

void TFrmNumero::open_editor(const std::string& name) {
    // The editor works on slot 1; the window's own person is put there for it.
    state_.person_slot = 1;
    state_.edited_person = name;
    state_.editor_caller = sidora::data::AppState::EditorCaller::Numerology;
    if (model_.person() && !name.empty()) state_.person_slots[1] = *model_.person();
    if (!editor_) {
        editor_ = new TFrmOsoby(state_, shell_, this);
        connect(editor_, &TFrmOsoby::personSaved, this, [this](const QString& saved) {
            if (auto error = model_.show()) warn(*error);
            fill_list(saved.toStdString());
            if (auto why = model_.set_person(state_.person_slots[1])) warn(*why);
            show_view();
        });
        connect(editor_, &TFrmOsoby::personSet, this, [this] {
            if (auto why = model_.set_person(state_.person_slots[1])) warn(*why);
            show_view();
        });
    }
    editor_->open_editor();
}

void TFrmNumero::BitOpravClick() {
    if (const auto row = shown_selection()) open_editor(model_.items()[*row].name);
}

void TFrmNumero::BitSmazClick() {
    const auto row = shown_selection();
    if (!row) return;
    const std::string name = model_.items()[*row].name;
    QMessageBox box(QMessageBox::Question, "Potvrzení", QString::fromStdString("Opravdu chceš smazat " + name + "?"),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setObjectName("ConfirmDelete");
    if (box.exec() != QMessageBox::Ok) return;
    try {
        sidora::data::PersonsStore(state_.program_dir / sidora::data::kPersonsFile).remove(name);
    } catch (const sidora::data::PersonsError& e) {
        warn(e.message());
    }
    if (auto error = model_.show()) warn(*error);
    fill_list({});
    show_view();
}

bool TFrmNumero::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        BitSmazClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TFrmNumero::closeEvent(QCloseEvent* event) {
    state_.set_without_saving = false;
    if (main_window_) main_window_->setEnabled(true);
    QWidget::closeEvent(event);
}
