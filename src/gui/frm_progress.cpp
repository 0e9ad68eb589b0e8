#include "gui/frm_progress.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TFrmProgress::TFrmProgress(QWidget* parent) : QDialog(parent) {
    setObjectName("TFrmProgress");
    setWindowTitle("Sidora");
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setMinimumWidth(360);
    BitPrerusit = new QPushButton("Přerušit", this);
    BitPrerusit->setObjectName("BitPrerusit");
    BitPrerusit->setAutoDefault(false);
    BitPrerusit->hide();
    connect(BitPrerusit, &QPushButton::clicked, this, &TFrmProgress::request_stop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ProgressBar1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitPrerusit);
    layout->addLayout(buttons);
}

void TFrmProgress::begin(const QString& caption, int maximum) {
    BitPrerusit->hide();
    Label1->setText(caption);
    ProgressBar1->setRange(0, maximum);
    ProgressBar1->setValue(0);
    show();
    raise();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFrmProgress::set_position(int position) {
    // The installer may meet more files than the bar expects; keep the bar full then.
    ProgressBar1->setValue(std::min(position, ProgressBar1->maximum()));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFrmProgress::finish() {
    hide();
    setWindowTitle("Sidora");
    setWindowModality(Qt::NonModal);
    BitPrerusit->hide();
}

void TFrmProgress::begin_stoppable(const QString& caption, int maximum) {
    stop_asked_ = false;
    BitPrerusit->setEnabled(true);
    BitPrerusit->show();
    Label1->setText(caption);
    setWindowTitle(caption);
    ProgressBar1->setRange(0, std::max(maximum, 0));
    ProgressBar1->setValue(0);
    // Modality can only change while the window is hidden.
    hide();
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
}

void TFrmProgress::show_state(int position, int maximum, const QString& caption) {
    if (maximum != ProgressBar1->maximum()) ProgressBar1->setRange(0, std::max(maximum, 0));
    ProgressBar1->setValue(std::clamp(position, 0, ProgressBar1->maximum()));
    if (caption != Label1->text()) {
        Label1->setText(caption);
        setWindowTitle(caption);
    }
}

void TFrmProgress::request_stop() {
    if (stop_asked_ || BitPrerusit->isHidden()) return;
    stop_asked_ = true;
    BitPrerusit->setEnabled(false);
    emit stop_requested();
}

void TFrmProgress::reject() { request_stop(); }

int TFrmProgress::position() const { return ProgressBar1->value(); }
int TFrmProgress::maximum() const { return ProgressBar1->maximum(); }
QString TFrmProgress::caption() const { return Label1->text(); }
