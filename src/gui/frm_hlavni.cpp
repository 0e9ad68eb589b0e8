#include "gui/frm_hlavni.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "data/startup.h"
#include "data/window_place.h"
#include "gui/frm_astro_dat.h"
#include "gui/frm_datum.h"
#include "gui/frm_mista.h"
#include "gui/frm_nastav.h"
#include "gui/frm_pozor.h"
#include "gui/frm_progress.h"
#include "gui/frm_start.h"
#include "gui/grid_view.h"
#include "gui/help_viewer.h"
#include "gui/moon_picture.h"
#include "gui/window_stack.h"
#include "io/files.h"
#include "models/moment_args.h"

TFrmHlavni::TFrmHlavni(sidora::data::AppState& state, Shell& shell, TFrmStart& splash, QWidget* parent)
    : QMainWindow(parent), state_(state), shell_(shell), splash_(splash) {
    setObjectName("TFrmHlavni");
    setWindowTitle("Sidora");

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(build_header());
    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName("PageControl1");
    layout->addWidget(PageControl1, 1);
    setCentralWidget(central);
    build_tabs();
    build_tool_bar();

    mista_ = new TFrmMista(state_, shell_, this);
    datum_ = new TFrmDatum(state_, shell_, this);
    nastav_ = new TFrmNastav(state_, shell_, this);
    astro_dat_ = new TFrmAstroDat(state_, shell_, this);
    // The chooser fills slot 1, the biorhythms' person too.
    connect(astro_dat_, &TFrmAstroDat::shownChanged, this,
            [this](bool shown) { tool_button("ToolButton21")->setEnabled(!shown); });
    connect(datum_, &TFrmDatum::momentSet, this, [this] { refresh_now(false); });
    connect(astro_dat_, &TFrmAstroDat::computeRequested, this, [this](int slot) {
        if (slot == 1) open_horoscope();
    });
    connect(mista_, &TFrmMista::shownChanged, this, [this](bool shown) {
        set_place_window_shown(shown);
        show_place();
    });

    // The helpers rise above this window, not above every program, until a dialog asks them.
    stack_above(shell_.pozor, this);
    stack_above(shell_.help, this);
    stack_above(shell_.progress, this);

    restore_place();

    // Ctrl+Tab turns the tabs wherever the focus is, the time picker included.
    auto* next_tab = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(next_tab, &QShortcut::activated, this, [this] {
        PageControl1->setCurrentIndex((PageControl1->currentIndex() + 1) % PageControl1->count());
    });
    auto* previous_tab = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    connect(previous_tab, &QShortcut::activated, this, [this] {
        PageControl1->setCurrentIndex((PageControl1->currentIndex() + PageControl1->count() - 1) % PageControl1->count());
    });

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(sidora::data::timer_interval_ms(state_));
    connect(Timer1, &QTimer::timeout, this, &TFrmHlavni::Timer1Timer);
    build_views();
}

QWidget* TFrmHlavni::build_header() {
    auto* header = new QWidget(this);
    auto* v = new QVBoxLayout(header);
    v->setContentsMargins(0, 0, 0, 0);

    auto* date_row = new QHBoxLayout;
    Label247 = new QLabel(header);
    Label247->setObjectName("Label247");
    Label247->setStyleSheet("color: red; font-weight: bold;");
    Label247->hide();
    Label1 = new QLabel(header);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignCenter);
    QFont big = Label1->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    Label1->setFont(big);
    date_row->addWidget(Label247);
    date_row->addWidget(Label1, 1);
    v->addLayout(date_row);

    auto* row = new QHBoxLayout;
    auto* label18 = new QLabel("Místo: ", header);
    label18->setObjectName("Label18");
    Label25 = new QLabel(header);
    Label25->setObjectName("Label25");
    QFont bold = Label25->font();
    bold.setBold(true);
    Label25->setFont(bold);
    auto* label15 = new QLabel("Pásmový čas:", header);
    label15->setObjectName("Label15");
    datetimer2 = new QTimeEdit(header);
    datetimer2->setObjectName("datetimer2");
    datetimer2->setDisplayFormat("H:mm:ss");
    datetimer2->setToolTip("Ťuknutím lze zastavit a změnit čas");
    datetimer2->installEventFilter(this);
    for (QObject* child : datetimer2->children()) child->installEventFilter(this);
    connect(datetimer2, &QTimeEdit::timeChanged, this, [this] { datetimer2Change(); });
    Label3 = new QLabel(header);
    Label3->setObjectName("Label3");
    SpeedButton7 = new QToolButton(header);
    SpeedButton7->setObjectName("SpeedButton7");
    SpeedButton7->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    SpeedButton7->setToolTip("Spusť čas");
    SpeedButton7->setEnabled(false);
    connect(SpeedButton7, &QToolButton::clicked, this, &TFrmHlavni::SpeedButton7Click);
    row->addWidget(label18);
    row->addWidget(Label25);
    row->addStretch(1);
    row->addWidget(label15);
    row->addWidget(datetimer2);
    row->addWidget(Label3);
    row->addWidget(SpeedButton7);
    v->addLayout(row);
    return header;
}

void TFrmHlavni::SpeedButton7Click() { state_.clock_running = true; }

void TFrmHlavni::set_place_window_shown(bool shown) {
    // The settings, date and horoscope buttons join here as they are built.
    for (QToolButton* b : ToolBar1->findChildren<QToolButton*>()) {
        if (b->property("disabledByPlaces").toBool()) b->setEnabled(!shown);
    }
    // An open horoscope keeps its command disabled.
    if (horoskop_) tool_button("ToolButton15")->setEnabled(false);
}

QString TFrmHlavni::place_text() const { return "Místo: " + Label25->text(); }

void TFrmHlavni::show_place() {
    const QString text = QString::fromStdString(state_.current_place.name);
    if (Label25->text() != text) Label25->setText(text);
}

bool TFrmHlavni::eventFilter(QObject* watched, QEvent* event) {
    // A click on the time picker freezes the clock.
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == datetimer2 || watched->parent() == datetimer2)) {
        state_.clock_running = false;
        SpeedButton7->setEnabled(true);
        tool_button("ToolButton12")->setEnabled(true);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFrmHlavni::datetimer2Change() {
    state_.clock_running = false;
    Timer1->stop();
    const QTime t = datetimer2->time();
    state_.current_moment.hour = static_cast<std::uint16_t>(t.hour());
    state_.current_moment.minute = static_cast<std::uint16_t>(t.minute());
    state_.current_moment.second = static_cast<std::uint16_t>(t.second());
    Timer1->start(sidora::data::timer_interval_ms(state_));
}

void TFrmHlavni::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_once_) {
        shown_once_ = true;
        FormShow();
    }
}

void TFrmHlavni::FormShow() {
    splash_.close();
    PageControl1->setCurrentIndex(state_.start.start_tab - 1);
    {
        const QSignalBlocker b1(ComboBox1), b2(tattva_group_);
        ComboBox1->setCurrentIndex(state_.tattvy.first_tattva);
        tattva_group_->button(state_.tattvy.tattva_system)->setChecked(true);
    }
    house_group_->button(state_.tattvy.house_system_index)->setChecked(true);
    state_.astro.current_house_system = state_.tattvy.house_system_index + 1;
    show_place();
    PageControl1->setFocus();
    Timer1->start();
    // The first values at once rather than a second later.
    QTimer::singleShot(0, this, &TFrmHlavni::Timer1Timer);
    for (const auto& w : state_.startup_warnings) shell_.pozor.show_warning(QString::fromStdString(w));
}

void TFrmHlavni::closeEvent(QCloseEvent* event) {
    // The program ends with this window: every other window closes first, and a window that
    // asks about unsaved work and is told to stay keeps the program running.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == this || !w->isVisible() || w == &shell_.pozor) continue;
        if (!w->close()) {
            event->ignore();
            return;
        }
    }
    const int id = house_group_->checkedId();
    state_.tattvy.house_system_index = static_cast<std::uint8_t>(id < 0 ? 0 : id);
    try {
        sidora::data::save_tattvy_set(state_.program_dir, state_.tattvy);
    } catch (const sidora::io::FileError& e) {
        // Otherwise the tattva and house-system choices would vanish without a word.
        shell_.pozor.show_and_wait(QString::fromStdString(
            "Běhová chyba 101 (" + std::string(sidora::data::TattvySet::kFile) + "): " + e.what()));
    }
    keep_place();
    shell_.pozor.close();
    QMainWindow::closeEvent(event);
    QCoreApplication::quit();
}

void TFrmHlavni::restore_place() {
    const auto place = sidora::data::read_window_place(state_.program_dir);
    if (!place) return;
    const QRect rect(place->x, place->y, place->width, place->height);
    resize(rect.size());
    // A screen unplugged since: the window manager places the window instead.
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(rect)) {
            move(rect.topLeft());
            break;
        }
    }
    if (place->maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void TFrmHlavni::keep_place() {
    const bool maximized = isMaximized();
    const QRect normal = maximized ? normalGeometry() : QRect(pos(), size());
    sidora::data::save_window_place(state_.program_dir,
                                    {normal.x(), normal.y(), normal.width(), normal.height(), maximized});
}

void TFrmHlavni::Timer1Timer() {
    if (state_.first_run) {
        state_.first_run = false;
        if (sidora::data::installation_requested(state_)) install_texts();
    }
    // A horoscope window holds the engine: this tick waits, the next one tries again.
    if (state_.engine_busy) return;
    render(sky_.tick(state_, sidora::models::local_now()));
    emit ticked();
}

void TFrmHlavni::render(const sidora::models::SkyView& v) {
    auto set = [](QLabel* l, const std::string& s) {
        const QString t = QString::fromStdString(s);
        if (l->text() != t) l->setText(t);
    };
    SpeedButton7->setEnabled(v.set_now_enabled);
    tool_button("ToolButton12")->setEnabled(v.set_now_enabled);
    Label1->setVisible(v.label1_visible);
    Label247->setVisible(v.label247_visible);
    set(Label1, v.Label1);
    set(Label247, v.Label247);
    set(Label25, v.Label25);
    set(Label3, v.Label3);
    {
        const QSignalBlocker block(datetimer2);
        const QTime t(static_cast<int>(v.hour), static_cast<int>(v.minute), static_cast<int>(v.second));
        if (datetimer2->time() != t) datetimer2->setTime(t);
    }
    for (const auto& [name, grid] : v.grids()) grids_.value(QString::fromStdString(name))->render(*grid);
    for (std::size_t i = 0; i < clocks_.size(); ++i) set(clocks_[i], v.world_clocks[i]);
    set(phase_caption_, v.phase_caption);
    Paint1->set_spans(v.moon_spans);
    StaticText1->setVisible(v.tattva_message_visible);
}

void TFrmHlavni::install_texts() {
    // The tick does nothing else while the texts are installed.
    Timer1->stop();
    sidora::data::InstallProgress p;
    p.begin = [this](const std::string& caption, int maximum) {
        shell_.progress.begin(QString::fromStdString(caption), maximum);
    };
    p.step = [this](int position) { shell_.progress.set_position(position); };
    p.end = [this] { shell_.progress.finish(); };
    p.warn = [this](const std::string& text) { shell_.pozor.show_warning(QString::fromStdString(text)); };
    sidora::data::install_interpretations(state_, p);
    Timer1->start();
}
