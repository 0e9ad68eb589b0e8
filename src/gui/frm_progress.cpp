#include "gui/frm_progress.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

TFrmProgress::TFrmProgress(QWidget* parent) : QDialog(parent) {
    setObjectName("TFrmProgress");
    setWindowTitle("Sidora");
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setMinimumWidth(360);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ProgressBar1);
}

void TFrmProgress::begin(const QString& caption, int maximum) {
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

void TFrmProgress::finish() { hide(); }

int TFrmProgress::position() const { return ProgressBar1->value(); }
int TFrmProgress::maximum() const { return ProgressBar1->maximum(); }
QString TFrmProgress::caption() const { return Label1->text(); }
