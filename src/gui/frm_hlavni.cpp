#include "gui/frm_hlavni.h"

#include <QAction>
#include <QLabel>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "data/startup.h"
#include "gui/frm_mista.h"
#include "gui/frm_pozor.h"
#include "gui/frm_progress.h"
#include "gui/frm_start.h"

TFrmHlavni::TFrmHlavni(sidora::data::AppState& state, Shell& shell, TFrmStart& splash, QWidget* parent)
    : QMainWindow(parent), state_(state), shell_(shell), splash_(splash) {
    setObjectName("TFrmHlavni");
    setWindowTitle("Sidora");
    resize(820, 560);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    const char* tabs[] = {"Čas", "Slunce", "Měsíc", "Planety", "Astrologie", "Domy", "Tattvy"};
    int n = 1;
    for (const char* title : tabs) {
        auto* page = new QWidget(PageControl1);
        page->setObjectName(QString("TabSheet%1").arg(n++));
        PageControl1->addTab(page, QString::fromUtf8(title));
    }
    setCentralWidget(PageControl1);
    build_tool_bar();
    place_label_ = new QLabel(this);
    place_label_->setObjectName("PlaceLabel");
    statusBar()->addWidget(place_label_);

    mista_ = new TFrmMista(state_, shell_, this);
    connect(mista_, &TFrmMista::shownChanged, this, [this](bool shown) {
        set_place_window_shown(shown);
        show_place();
    });

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TFrmHlavni::Timer1Timer);
}

void TFrmHlavni::build_tool_bar() {
    ToolBar1 = addToolBar("Nástroje");
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolButton1 = new QToolButton(ToolBar1);
    ToolButton1->setObjectName("ToolButton1");
    ToolButton1->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
    ToolButton1->setToolTip("Nastavení místa (CTRL-Q)");
    ToolBar1->addWidget(ToolButton1);
    connect(ToolButton1, &QToolButton::clicked, this, &TFrmHlavni::ToolButton1Click);
    // Ctrl+Q works only while the clock runs.
    auto* places_key = new QShortcut(QKeySequence("Ctrl+Q"), this);
    connect(places_key, &QShortcut::activated, this, [this] {
        if (state_.clock_running && ToolButton1->isEnabled()) ToolButton1Click();
    });
}

void TFrmHlavni::ToolButton1Click() {
    mista_->show();
    mista_->raise();
    mista_->activateWindow();
}

void TFrmHlavni::set_place_window_shown(bool shown) {
    // The settings, date and horoscope buttons join here as they are built.
    for (QToolButton* b : ToolBar1->findChildren<QToolButton*>()) {
        if (b->property("disabledByPlaces").toBool()) b->setEnabled(!shown);
    }
}

QString TFrmHlavni::place_text() const { return place_label_->text(); }

void TFrmHlavni::show_place() {
    const QString text = "Místo: " + QString::fromStdString(state_.current_place.name);
    if (place_label_->text() != text) place_label_->setText(text);
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
    show_place();
    Timer1->start();
    for (const auto& w : state_.startup_warnings) shell_.pozor.show_warning(QString::fromStdString(w));
}

void TFrmHlavni::Timer1Timer() {
    if (state_.first_run) {
        state_.first_run = false;
        if (sidora::data::installation_requested(state_)) install_texts();
    }
    show_place();
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
