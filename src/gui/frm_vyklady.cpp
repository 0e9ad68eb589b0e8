#include "gui/frm_vyklady.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/dialog_parts.h"
#include "gui/frm_pozor.h"
#include "models/numerology_window.h"

namespace models = sidora::models;
namespace horoscope = sidora::horoscope;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// A caption over its list, in one column of a row of lists.
void add_column(QGridLayout* grid, int row, int column, const QString& caption, QComboBox* box) {
    grid->addWidget(new QLabel(caption, box->parentWidget()), row * 2, column);
    grid->addWidget(box, row * 2 + 1, column);
}

}  // namespace

TextEditorFrame::TextEditorFrame(Shell& shell, int help_topic, const QString& help_name, QWidget* parent)
    : QWidget(parent, Qt::Window), shell_(shell) {
    setAttribute(Qt::WA_DeleteOnClose);

    BitOK = push_button("O&K", "BitOK", this);
    BitOK->setDefault(true);
    BitUloz = push_button("&Ulož", "BitUloz", this);
    BitSmaz = push_button("&Smaž", "BitSmaz", this);
    BitFont = push_button("&Font", "BitFont", this);
    BitOpust = push_button("&Opusť", "BitOpust", this);
    BitHelp = help_button(shell_, help_topic, help_name, this);
    LabelNenalezen = new QLabel("Výklad nenalezen", this);
    LabelNenalezen->setObjectName("LabelNenalezen");
    QPalette red = LabelNenalezen->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    LabelNenalezen->setPalette(red);
    LabelKonstelace = bold_label("", this);
    LabelKonstelace->setObjectName("LabelKonstelace");
    LabelKonstelace->setWordWrap(true);
    LabelSoubor = new QLabel(this);
    LabelSoubor->setObjectName("LabelSoubor");
    LabelSoubor->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName("Memo");

    connect(BitOK, &QPushButton::clicked, this, &TextEditorFrame::BitOKClick);
    connect(BitUloz, &QPushButton::clicked, this, &TextEditorFrame::BitUlozClick);
    connect(BitSmaz, &QPushButton::clicked, this, &TextEditorFrame::BitSmazClick);
    connect(BitOpust, &QPushButton::clicked, this, &QWidget::close);
    connect(BitFont, &QPushButton::clicked, this, [this] {
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, Memo->font(), this);
        if (ok) Memo->setFont(f);
    });
    connect(Memo, &QPlainTextEdit::textChanged, this, [this] {
        text().edit(Memo->toPlainText().toStdString());
        BitUloz->setEnabled(text().save_enabled());
    });

    auto* bar = new QMenuBar(this);
    QMenu* edit = bar->addMenu("Upravy");
    edit->setObjectName("MenuUpravy");
    QAction* copy = edit->addAction("Kopirovat", QKeySequence("Ctrl+C"), Memo, &QPlainTextEdit::copy);
    copy->setObjectName("ActionKopirovat");
    QAction* paste = edit->addAction("Vlozit", QKeySequence("Ctrl+V"), Memo, &QPlainTextEdit::paste);
    paste->setObjectName("ActionVlozit");
    QAction* cut = edit->addAction("Odstranit", QKeySequence("Ctrl+X"), Memo, &QPlainTextEdit::cut);
    cut->setObjectName("ActionOdstranit");
    // The text field's own keys would take the shortcuts otherwise; both do the same.
    for (QAction* a : {copy, paste, cut}) a->setShortcutContext(Qt::WidgetShortcut);

    choices_ = new QVBoxLayout;
    auto* status = new QHBoxLayout;
    status->addWidget(LabelKonstelace, 1);
    status->addWidget(LabelNenalezen);
    status->addWidget(LabelSoubor);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    auto* top = new QHBoxLayout;
    top->addLayout(choices_, 1);
    top->addWidget(BitOK, 0, Qt::AlignBottom);
    layout->addLayout(top);
    layout->addLayout(status);
    layout->addWidget(Memo, 1);
    layout->addLayout(button_row(BitHelp, {BitUloz, BitSmaz, BitFont, BitOpust}));
    resize(760, 560);
}

QComboBox* TextEditorFrame::add_list(const QString& name, const std::vector<std::string>& items) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->setMaxVisibleItems(16);
    for (const auto& item : items) box->addItem(qs(item));
    return box;
}

bool TextEditorFrame::question(const QString& q) {
    if (ask) return ask(q);
    return QMessageBox::question(this, windowTitle(), q, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TextEditorFrame::sync() {
    auto& t = text();
    {
        const QSignalBlocker block(Memo);
        if (Memo->toPlainText().toStdString() != t.text()) Memo->setPlainText(qs(t.text()));
    }
    Memo->setReadOnly(!t.editable());
    LabelKonstelace->setText(qs(t.caption()));
    LabelSoubor->setText(qs(t.file()));
    LabelNenalezen->setVisible(t.not_found_visible());
    BitSmaz->setEnabled(t.delete_enabled());
    BitUloz->setEnabled(t.save_enabled());
    sync_lists();
}

bool TextEditorFrame::save_or_say() {
    const auto why = text().save();
    if (why) shell_.pozor.show_warning(qs(*why));
    sync();
    return !why;
}

void TextEditorFrame::BitOKClick() {
    if (auto why = check()) {
        shell_.pozor.show_warning(qs(*why));
        return;
    }
    // A text that could not be saved stays, so that nothing is lost by the load.
    if (text().unsaved() && question(models::kAskSavePrevious) && !save_or_say()) return;
    if (auto why = load()) shell_.pozor.show_warning(qs(*why));
    sync();
    Memo->setFocus();
    Memo->moveCursor(QTextCursor::Start);
}

void TextEditorFrame::BitUlozClick() { save_or_say(); }

void TextEditorFrame::BitSmazClick() {
    if (!text().delete_enabled() || !question(models::kAskDelete)) return;
    if (auto why = text().remove()) shell_.pozor.show_warning(qs(*why));
    sync();
}

void TextEditorFrame::closeEvent(QCloseEvent* event) {
    if (text().unsaved() && question(models::kAskSaveOnClose) && !save_or_say()) {
        event->ignore();
        return;
    }
    event->accept();
}

// ---- The natal editor.

TFrmVyklady::TFrmVyklady(sidora::data::AppState& state, Shell& shell, QWidget* parent)
    : TextEditorFrame(shell, 37, "HelpVyklady", parent),
      model_(horoscope::text_directory(state.program_dir, horoscope::kNatalTextDir), state.aspect_defs) {
    setObjectName("TFrmVyklady");
    setWindowTitle("Editace výkladů k nativním horsokopům");

    ComboPlaneta = add_list("ComboPlaneta", model_.planet_entries());
    ComboZnameni = add_list("ComboZnameni", model_.sign_list());
    ComboDum = add_list("ComboDum", model_.house_entries());
    ComboAspekt = add_list("ComboAspekt", model_.aspect_list());
    ComboPlaneta2 = add_list("ComboPlaneta2", model_.body2_entries());
    ComboZnameni2 = add_list("ComboZnameni2", model_.sign_list());
    ComboDum2 = add_list("ComboDum2", model_.house_entries());

    auto* group = new QGroupBox("Zvolte konstelaci:", this);
    auto* grid = new QGridLayout(group);
    add_column(grid, 0, 0, "Planeta", ComboPlaneta);
    add_column(grid, 0, 1, "ve znamení", ComboZnameni);
    add_column(grid, 0, 2, "v domě", ComboDum);
    add_column(grid, 0, 3, "v aspektu", ComboAspekt);
    add_column(grid, 1, 1, "k planetě", ComboPlaneta2);
    add_column(grid, 1, 2, "ve znamení", ComboZnameni2);
    add_column(grid, 1, 3, "v domě", ComboDum2);
    for (QComboBox* box : {ComboPlaneta, ComboZnameni, ComboDum, ComboAspekt, ComboPlaneta2, ComboZnameni2, ComboDum2}) {
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            model_.choice = {ComboPlaneta->currentIndex(),  ComboZnameni->currentIndex(),  ComboDum->currentIndex(),
                             ComboAspekt->currentIndex(),   ComboPlaneta2->currentIndex(), ComboZnameni2->currentIndex(),
                             ComboDum2->currentIndex()};
            sync_lists();
        });
    }
    choices_area()->addWidget(group);
    sync();
}

void TFrmVyklady::sync_lists() {
    ComboDum->setEnabled(model_.house_enabled());
    ComboAspekt->setEnabled(model_.aspect_enabled());
    for (QComboBox* box : {ComboPlaneta2, ComboZnameni2, ComboDum2}) box->setEnabled(model_.second_enabled());
}

// ---- The partner editor.

TFrmVyklady1::TFrmVyklady1(sidora::data::AppState& state, Shell& shell, QWidget* parent)
    : TextEditorFrame(shell, 52, "HelpVyklady1", parent),
      model_(horoscope::text_directory(state.program_dir, horoscope::kPartnerTextDir), state.aspect_defs) {
    setObjectName("TFrmVyklady1");
    setWindowTitle("Editace výkladů k partnerským horoskopům");

    ComboPlaneta2 = add_list("ComboPlaneta2", model_.body_entries());
    ComboZnameni2 = add_list("ComboZnameni2", model_.sign2_entries());
    ComboDum2 = add_list("ComboDum2", model_.house2_entries());
    ComboAspekt = add_list("ComboAspekt", model_.aspect_list());
    ComboPlaneta1 = add_list("ComboPlaneta1", model_.body_entries());
    ComboZnameni1 = add_list("ComboZnameni1", model_.sign1_entries());
    ComboDum1 = add_list("ComboDum1", model_.house1_entries());

    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(bold_label("2. osoba:", group), 1, 0);
    grid->addWidget(bold_label("1. osoba:", group), 3, 0);
    add_column(grid, 0, 1, "Planeta", ComboPlaneta2);
    add_column(grid, 0, 2, "Znamení", ComboZnameni2);
    add_column(grid, 0, 3, "Dům", ComboDum2);
    add_column(grid, 0, 4, "", ComboAspekt);
    add_column(grid, 1, 1, "Planeta", ComboPlaneta1);
    add_column(grid, 1, 2, "Znamení", ComboZnameni1);
    add_column(grid, 1, 3, "Dům", ComboDum1);
    for (QComboBox* box : {ComboPlaneta2, ComboZnameni2, ComboDum2, ComboAspekt, ComboPlaneta1, ComboZnameni1, ComboDum1}) {
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            model_.choice = {ComboPlaneta2->currentIndex(), ComboZnameni2->currentIndex(), ComboDum2->currentIndex(),
                             ComboAspekt->currentIndex(),   ComboPlaneta1->currentIndex(), ComboZnameni1->currentIndex(),
                             ComboDum1->currentIndex()};
        });
    }
    choices_area()->addWidget(group);
    sync();
}
