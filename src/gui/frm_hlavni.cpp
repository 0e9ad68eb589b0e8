#include "gui/frm_hlavni.h"

#include <QTabWidget>
#include <QTimer>

#include "data/startup.h"
#include "gui/frm_pozor.h"
#include "gui/frm_progress.h"
#include "gui/frm_start.h"

TFrmHlavni::TFrmHlavni(sidora::data::AppState& state, TFrmPozor& pozor, TFrmProgress& progress,
                       TFrmStart& splash, QWidget* parent)
    : QMainWindow(parent), state_(state), pozor_(pozor), progress_(progress), splash_(splash) {
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

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TFrmHlavni::Timer1Timer);
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
    Timer1->start();
    for (const auto& w : state_.startup_warnings) pozor_.show_warning(QString::fromStdString(w));
}

void TFrmHlavni::Timer1Timer() {
    if (state_.first_run) {
        state_.first_run = false;
        if (sidora::data::installation_requested(state_)) install_texts();
    }
}

void TFrmHlavni::install_texts() {
    // The tick does nothing else while the texts are installed.
    Timer1->stop();
    sidora::data::InstallProgress p;
    p.begin = [this](const std::string& caption, int maximum) {
        progress_.begin(QString::fromStdString(caption), maximum);
    };
    p.step = [this](int position) { progress_.set_position(position); };
    p.end = [this] { progress_.finish(); };
    p.warn = [this](const std::string& text) { pozor_.show_warning(QString::fromStdString(text)); };
    sidora::data::install_interpretations(state_, p);
    Timer1->start();
}
