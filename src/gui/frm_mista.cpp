#include "gui/frm_mista.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/frm_nove_misto.h"
#include "gui/frm_pozor.h"
#include "gui/help_viewer.h"
#include "gui/place_lists.h"

TFrmMista::TFrmMista(sidora::data::AppState& state, Shell& shell, QWidget* main_window)
    : QDialog(main_window), state_(state), shell_(shell), main_window_(main_window), model_(state) {
    setObjectName("TFrmMista");
    setWindowTitle("Místa");
    // Above the main window only, as its own window (not above every other program).
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setModal(false);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setMinimumWidth(220);
    ListBox1->installEventFilter(this);
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });

    auto value_label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->setMinimumWidth(200);
        return l;
    };
    LabelMisto = value_label("LabelMisto");
    LabelSirka = value_label("LabelSirka");
    LabelDelka = value_label("LabelDelka");

    auto button = [this](const char* text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        return b;
    };
    BitNove = button("&Nové", "BitNove");
    BitSmaz = button("&Smaž", "BitSmaz");
    BitDomov = button("O&prav", "BitDomov");
    BitNastav = button("N&astav", "BitNastav");
    BitOpust = button("&Opusť", "BitOpust");
    auto* help = button("Nápověda", "BitHelp");
    BitNastav->setDefault(true);
    connect(BitNove, &QPushButton::clicked, this, &TFrmMista::BitNoveClick);
    connect(BitSmaz, &QPushButton::clicked, this, &TFrmMista::BitSmazClick);
    connect(BitDomov, &QPushButton::clicked, this, &TFrmMista::BitDomovClick);
    connect(BitNastav, &QPushButton::clicked, this, &TFrmMista::BitNastavClick);
    connect(BitOpust, &QPushButton::clicked, this, &QDialog::close);
    connect(help, &QPushButton::clicked, this, [this] { shell_.help.show_topic(11, this); });
    connect(&shell_.place_lists, &PlaceLists::placeSaved, this, [this](const QString& name) {
        if (!isVisible()) return;
        fill_list(name);
        ListBox1Click();
    });

    auto* values = new QGridLayout;
    values->addWidget(new QLabel("Místo:", this), 0, 0);
    values->addWidget(LabelMisto, 0, 1);
    values->addWidget(new QLabel("Zeměpisná šířka:", this), 1, 0);
    values->addWidget(LabelSirka, 1, 1);
    values->addWidget(new QLabel("Zeměpisná délka:", this), 2, 0);
    values->addWidget(LabelDelka, 2, 1);
    auto* edit_buttons = new QHBoxLayout;
    edit_buttons->addWidget(BitNove);
    edit_buttons->addWidget(BitSmaz);
    edit_buttons->addWidget(BitDomov);
    auto* right = new QVBoxLayout;
    right->addLayout(values);
    right->addStretch();
    right->addLayout(edit_buttons);
    auto* close_buttons = new QHBoxLayout;
    close_buttons->addWidget(BitNastav);
    close_buttons->addWidget(BitOpust);
    close_buttons->addWidget(help);
    right->addLayout(close_buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(ListBox1);
    layout->addLayout(right);
}

void TFrmMista::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
    FormActivate();
}

bool TFrmMista::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return QDialog::event(e);
}

void TFrmMista::FormShow() {
    // Below the middle of the main window, but never past the bottom of the screen.
    if (main_window_) {
        const QRect main = main_window_->frameGeometry();
        int top = main.top() + main.height() / 2;
        if (const QScreen* screen = main_window_->screen()) {
            top = std::min(top, screen->availableGeometry().bottom() - frameGeometry().height());
        }
        move(main.left(), std::max(0, top));
    }
    if (auto error = model_.show()) warn(*error);
    fill_list({});
    emit shownChanged(true);
}

void TFrmMista::FormActivate() {
    LabelMisto->clear();
    LabelSirka->clear();
    LabelDelka->clear();
    ListBox1->setFocus();
    // Back from "Nové místo" or "O&prav": the saved place, selected, shows its values at once.
    if (selected_name()) ListBox1Click();
}

void TFrmMista::fill_list(const QString& select) {
    if (!select.isNull()) {
        if (auto error = model_.refill()) warn(*error);
    }
    const QSignalBlocker block(ListBox1);
    ListBox1->clear();
    for (const auto& name : model_.names()) ListBox1->addItem(QString::fromStdString(name));
    const auto found = ListBox1->findItems(select, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!select.isNull() && !found.isEmpty()) ListBox1->setCurrentItem(found.first());
}

std::optional<std::string> TFrmMista::selected_name() const {
    const QListWidgetItem* item = ListBox1->currentItem();
    if (!item || !item->isSelected()) return std::nullopt;
    return item->text().toStdString();
}

void TFrmMista::warn(const std::string& text) { shell_.pozor.show_warning(QString::fromStdString(text)); }

void TFrmMista::ListBox1Click() {
    const auto name = selected_name();
    if (!name) return;
    try {
        if (const auto shown = model_.click(*name)) {
            LabelMisto->setText(QString::fromStdString(shown->name));
            LabelSirka->setText(QString::fromStdString(shown->latitude));
            LabelDelka->setText(QString::fromStdString(shown->longitude));
        }
    } catch (const sidora::data::PlacesError& e) {
        warn(e.message());
    }
}

void TFrmMista::BitNastavClick() {
    try {
        if (auto refusal = model_.choose(selected_name())) {
            warn(*refusal);
            return;
        }
    } catch (const sidora::data::PlacesError& e) {
        warn(e.message());
        return;
    }
    close();
}

void TFrmMista::BitNoveClick() {
    TFrmNoveMisto dialog(state_, shell_, "", this);
    dialog.exec();
}

void TFrmMista::BitDomovClick() {
    const auto name = selected_name();
    if (auto refusal = model_.check_edit(name)) {
        warn(*refusal);
        return;
    }
    TFrmNoveMisto dialog(state_, shell_, *name, this);
    dialog.exec();
}

void TFrmMista::BitSmazClick() {
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
        model_.delete_place(*name);
    } catch (const sidora::data::PlacesError& e) {
        warn(e.message());
    }
    fill_list({});
    FormActivate();
}

bool TFrmMista::eventFilter(QObject* watched, QEvent* e) {
    if (watched == ListBox1 && e->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent*>(e)->key() == Qt::Key_Delete) {
        BitSmazClick();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

// Every way of leaving ("N&astav", "&Opusť", Esc, the title bar) ends here.
void TFrmMista::done(int result) {
    if (isVisible()) {
        for (const auto& w : model_.close()) warn(w);
        emit shownChanged(false);
    }
    QDialog::done(result);
}
