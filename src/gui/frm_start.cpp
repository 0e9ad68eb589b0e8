#include "gui/frm_start.h"

#include <QFont>
#include <QLabel>
#include <QVBoxLayout>

TFrmStart::TFrmStart(QWidget* parent) : QDialog(parent) {
    setObjectName("TFrmStart");
    setWindowTitle("O programu");
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setStyleSheet("TFrmStart { background: #10204a; } QLabel { color: #f0e6b0; }");

    auto* title = new QLabel("Sidora", this);
    QFont big = title->font();
    big.setPointSize(32);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    auto* subtitle = new QLabel("Astronomický a astrologický kalendář", this);
    subtitle->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel("Verze " SIDORA_VERSION, this);
    version->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addSpacing(12);
    layout->addWidget(version);
}

void TFrmStart::show_about() { exec(); }

void TFrmStart::mousePressEvent(QMouseEvent*) { accept(); }
