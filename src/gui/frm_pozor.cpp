#include "gui/frm_pozor.h"

#include <QApplication>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/window_stack.h"

TFrmPozor::TFrmPozor(QWidget* parent) : QDialog(parent) {
    setObjectName("TFrmPozor");
    setWindowTitle("Pozor!");
    setModal(false);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setTextFormat(Qt::PlainText);
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
    // The window takes the size of each message anew, however many lines the last one had.
    layout->setSizeConstraint(QLayout::SetFixedSize);
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
    if (QWidget* above = modal && modal != this ? modal : asking_window()) stack_above(*this, above);
    fit_text(text);
    QApplication::beep();
    show();
    raise();
    activateWindow();
    BitOK->setFocus();
}

void TFrmPozor::fit_text(const QString& text) {
    constexpr int kNarrowest = 280;
    constexpr int kWidest = 560;  // longer lines wrap at this width
    const QFontMetrics metrics(Label1->font());
    int widest = 0;
    for (const QString& line : text.split('\n')) widest = std::max(widest, metrics.horizontalAdvance(line));
    const bool wrap = widest > kWidest;
    Label1->setWordWrap(wrap);
    Label1->setText(text);
    const int width = std::clamp(widest + 2, kNarrowest, kWidest);
    const int flags = Qt::AlignLeft | (wrap ? Qt::TextWordWrap : 0);
    Label1->setFixedSize(width, metrics.boundingRect(QRect(0, 0, width, 100000), flags, text).height() + 2);
}

void TFrmPozor::show_and_wait(const QString& text) {
    show_warning(text);
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    if (isVisible()) loop.exec();
}

QString TFrmPozor::text() const { return Label1->text(); }
