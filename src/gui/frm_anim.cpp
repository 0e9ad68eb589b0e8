#include "gui/frm_anim.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/dialog_parts.h"
#include "gui/frm_helio.h"
#include "gui/frm_hlavni.h"

using sidora::models::AnimationTick;
using sidora::models::AnimationUnit;

TFrmAnim::TFrmAnim(sidora::data::AppState& state, Shell& shell, TFrmHlavni& main, TFrmHelio& helio, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), state_(state), main_(main), helio_(helio) {
    setObjectName("TFrmAnim");
    setWindowTitle("Animace");

    auto* v = new QVBoxLayout(this);
    auto* step_row = new QHBoxLayout;
    step_row->addWidget(new QLabel("Krok:", this));
    steps_ = new QButtonGroup(this);
    const std::pair<const char*, const char*> steps[] = {
        {"ButMin", "Minuta"}, {"ButHod", "Hodina"}, {"ButDen", "Den"}, {"ButMes", "Měsíc"}, {"ButRok", "Rok"}};
    int id = 0;
    for (const auto& [name, text] : steps) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setText(QString::fromUtf8(text));
        b->setCheckable(true);
        steps_->addButton(b, id++);
        step_row->addWidget(b);
    }
    v->addLayout(step_row);

    auto* direction_row = new QHBoxLayout;
    directions_ = new QButtonGroup(this);
    const struct {
        const char* name;
        const char* hint;
        QStyle::StandardPixmap icon;
    } directions[] = {{"ButZpet", "Animuj do minulosti", QStyle::SP_MediaSeekBackward},
                      {"ButStop", "Zastav animaci", QStyle::SP_MediaStop},
                      {"ButVpred", "Animuj do budoucnosti", QStyle::SP_MediaSeekForward}};
    id = 0;
    for (const auto& d : directions) {
        auto* b = new QToolButton(this);
        b->setObjectName(d.name);
        b->setToolTip(QString::fromUtf8(d.hint));
        b->setIcon(style()->standardIcon(d.icon));
        b->setCheckable(true);
        directions_->addButton(b, id++);
        direction_row->addWidget(b);
    }
    direction_row->addStretch(1);
    direction_row->addWidget(help_button(shell, 60, "BitHelp", this));
    auto* close_button = new QToolButton(this);
    close_button->setObjectName("BitOpust");
    close_button->setToolTip("Zavři");
    close_button->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    direction_row->addWidget(close_button);
    v->addLayout(direction_row);

    connect(steps_, &QButtonGroup::idClicked, this,
            [this](int unit) { animation_.unit = static_cast<AnimationUnit>(unit); });
    connect(directions_, &QButtonGroup::idClicked, this, [this](int d) {
        if (d == 1) {
            stop();
        } else {
            start(d == 0);
        }
    });
    connect(close_button, &QToolButton::clicked, this, &QWidget::close);
    auto* cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(cancel, &QShortcut::activated, this, &QWidget::close);

    // Stopped until the animation starts.
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    connect(Timer1, &QTimer::timeout, this, &TFrmAnim::Timer1Timer);
}

QToolButton* TFrmAnim::button(const QString& name) const { return findChild<QToolButton*>(name); }

void TFrmAnim::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    adjustSize();
    if (const QScreen* s = screen()) move(s->availableGeometry().right() - frameGeometry().width() + 1, s->availableGeometry().top());
    steps_->button(2)->setChecked(true);
    animation_.unit = AnimationUnit::Day;
    directions_->button(1)->setChecked(true);
}

void TFrmAnim::closeEvent(QCloseEvent* event) {
    stop();
    QWidget::closeEvent(event);
}

void TFrmAnim::apply_rate() {
    const int ms = sidora::data::timer_interval_ms(state_);
    main_.timer()->setInterval(ms);
    // A stopped view stays stopped; a running one keeps the new rate.
    helio_.timer()->setInterval(ms);
}

void TFrmAnim::start(bool back) {
    animation_.start(state_, back);
    Timer1->start(500);
    apply_rate();
}

void TFrmAnim::stop() {
    animation_.stop(state_);
    Timer1->stop();
    directions_->button(1)->setChecked(true);
    apply_rate();
}

void TFrmAnim::Timer1Timer() {
    const AnimationTick t = animation_.tick(state_);
    if (t == AnimationTick::Stepped || t == AnimationTick::Limit) {
        // Every step shown at once, not at the next tick of the main window.
        main_.refresh_now(false);
        if (helio_.isVisible()) helio_.Timer1Timer();
    }
    if (t != AnimationTick::Stepped) stop();
}
