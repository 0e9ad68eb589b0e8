#include "gui/frm_pozor.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TFrmPozor::TFrmPozor(QWidget* parent) : QDialog(parent) {
    setObjectName("TFrmPozor");
    setWindowTitle("Pozor!");
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setModal(false);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(280);
    BitOK = new QPushButton("&OK", this);
    BitOK->setObjectName("BitOK");
    BitOK->setDefault(true);
    connect(BitOK, &QPushButton::clicked, this, &QDialog::close);

    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(Label1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(BitOK, 0, Qt::AlignHCenter);
}

void TFrmPozor::show_warning(const QString& text) {
    // Over a modal dialog the warning must take input itself, or its "&OK" could not be
    // pressed; elsewhere it blocks nothing.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
        hide();
        setWindowModality(wanted);
    }
    Label1->setText(text);
    adjustSize();
    QApplication::beep();
    show();
    raise();
    activateWindow();
    BitOK->setFocus();
}

QString TFrmPozor::text() const { return Label1->text(); }
