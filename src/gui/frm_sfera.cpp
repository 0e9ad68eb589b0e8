#include "gui/frm_sfera.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "data/places_store.h"
#include "gui/dialog_parts.h"
#include "gui/frm_hlavni.h"
#include "gui/frm_pozor.h"
#include "gui/place_lists.h"
#include "gui/view_canvas.h"

TFrmSfera::TFrmSfera(sidora::data::AppState& state, Shell& shell, TFrmHlavni& main)
    : QWidget(&main, Qt::Window), state_(state), shell_(shell), main_(main) {
    setObjectName("TFrmSfera");
    setWindowTitle("Planety");
    setAttribute(Qt::WA_DeleteOnClose);

    auto* h = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    Image1 = new ViewCanvas(this);
    Image1->setObjectName("Image1");
    Image1->setFixedSize(sidora::models::kSphereMapWidth, sidora::models::kSphereHeight);
    // A body held down hides to show what lies below it.
    Image1->set_pressable({"Image38", "Image25", "Image39", "Image40", "Image41", "Image42", "Image43", "Image44",
                           "Image45", "Image46"});
    left->addWidget(Image1);

    auto* legend = new QGridLayout;
    legend->addWidget(new QLabel("Barva pozadí oblasti nad obzorem:", this), 0, 0, 1, 5);
    int col = 0;
    for (const auto& entry : sidora::models::sky_legend()) {
        auto* l = new QLabel(QString::fromStdString(entry.text), this);
        l->setObjectName("Legend" + QString::number(col));
        const QColor bg(entry.colour.r, entry.colour.g, entry.colour.b);
        l->setStyleSheet(QString("background: %1; color: %2; padding: 2px;")
                             .arg(bg.name(), bg.lightness() > 128 ? "black" : "white"));
        legend->addWidget(l, 1, col++);
    }
    left->addLayout(legend);
    h->addLayout(left);

    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel("Změna místa:", this));
    Listbox1 = new QListWidget(this);
    Listbox1->setObjectName("Listbox1");
    right->addWidget(Listbox1, 1);
    auto* close_button = push_button("Opusť", "BitOpust", this);
    right->addLayout(button_row(help_button(shell, 36, "BitHelp", this), {close_button}));
    h->addLayout(right);

    connect(Listbox1, &QListWidget::itemClicked, this, [this] { Listbox1Click(); });
    connect(&shell_.place_lists, &PlaceLists::placeSaved, this, [this] {
        const auto* current = Listbox1->currentItem();
        fill_places(current ? current->text() : QString());
    });
    connect(close_button, &QPushButton::clicked, this, &QWidget::close);
    auto* cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(cancel, &QShortcut::activated, this, &QWidget::close);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    connect(Timer1, &QTimer::timeout, this, &TFrmSfera::Timer1Timer);
    setFixedSize(sizeHint());
}

void TFrmSfera::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (QToolButton* b = main_.tool_button("ToolButton22")) b->setEnabled(false);
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    fill_places(QString::fromStdString(state_.current_place.name));
    Timer1->start(1000);
    refresh();
}

void TFrmSfera::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) refresh();
}

void TFrmSfera::closeEvent(QCloseEvent* event) {
    Timer1->stop();
    if (QToolButton* b = main_.tool_button("ToolButton22")) b->setEnabled(true);
    QWidget::closeEvent(event);
}

void TFrmSfera::fill_places(const QString& selected) {
    Listbox1->clear();
    try {
        sidora::data::PlacesStore store(state_.program_dir / sidora::data::kPlacesFile);
        for (const auto& n : sidora::data::sorted_place_names(store.read_all())) {
            Listbox1->addItem(QString::fromStdString(n));
        }
    } catch (const sidora::data::PlacesError& e) {
        shell_.pozor.show_warning(QString::fromStdString(e.message()));
    }
    const auto found = Listbox1->findItems(selected, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!found.isEmpty()) Listbox1->setCurrentItem(found.first());
}

void TFrmSfera::Listbox1Click() {
    const auto* item = Listbox1->currentItem();
    std::optional<std::string> name;
    if (item) name = item->text().toStdString();
    std::optional<std::string> warning;
    try {
        warning = sidora::models::change_place(state_, name);
    } catch (const sidora::data::PlacesError& e) {
        warning = e.message();
    }
    if (warning) {
        shell_.pozor.show_warning(QString::fromStdString(*warning));
        return;
    }
    // The main window shows the new place at once, and this window with it.
    main_.refresh_now(false);
    refresh();
}

void TFrmSfera::Timer1Timer() { refresh(); }

void TFrmSfera::refresh() {
    view_ = sidora::models::sphere_view(main_.view().bodies);
    Image1->set_drawing(view_.drawing);
    const QString caption = QString::fromStdString(view_.caption);
    if (windowTitle() != caption) setWindowTitle(caption);
}
