#include "gui/frm_datum.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/date_field.h"
#include "gui/dialog_parts.h"
#include "gui/frm_nove_misto.h"
#include "gui/frm_pozor.h"
#include "gui/help_viewer.h"
#include "gui/place_lists.h"
#include "models/sky_calendar.h"

TFrmDatum::TFrmDatum(sidora::data::AppState& state, Shell& shell, QWidget* main_window)
    : QDialog(main_window), state_(state), shell_(shell) {
    setObjectName("TFrmDatum");
    setWindowTitle("Změna data ...");
    // The main window is disabled while the dialog is up; its timer keeps ticking.
    setWindowModality(Qt::ApplicationModal);

    auto* left = new QWidget(this);
    auto* form = new QFormLayout(left);
    auto* date = new DateField("DateTimer1", left);
    connect(date, &DateField::refused, this, [this](const QString& why) { shell_.pozor.show_warning(why); });
    DateTimer1 = date;
    DateTimer1->setDateRange(QDate(sidora::models::kLowestYear, 1, 1), QDate(sidora::models::kHighestYear, 12, 31));
    datetimer2 = new QTimeEdit(left);
    datetimer2->setObjectName("datetimer2");
    datetimer2->setDisplayFormat("H:mm:ss");
    CheckLetni = new QCheckBox("Letní čas", left);
    CheckLetni->setObjectName("CheckLetni");
    Label10 = new QLabel(left);
    Label10->setObjectName("Label10");
    Label10->setWordWrap(true);
    ComboPasmo = zone_box(left);
    ComboDomov = new PlaceChooser(state_, shell_.place_lists, left);
    form->addRow("Datum:", DateTimer1);
    form->addRow("Čas:", datetimer2);
    form->addRow(CheckLetni);
    form->addRow(Label10);
    form->addRow("Místní časové pásmo:", ComboPasmo);
    form->addRow("Místo:", ComboDomov);
    BitNove = push_button("&Nové místo", "BitNove", left);
    form->addRow(BitNove);

    Monthcalendar1 = new QCalendarWidget(this);
    Monthcalendar1->setObjectName("Monthcalendar1");
    Monthcalendar1->setDateRange(DateTimer1->minimumDate(), DateTimer1->maximumDate());
    Monthcalendar1->setGridVisible(true);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(Monthcalendar1);

    BitOpust = push_button("&Opusť", "BitOpust", this);
    BitNastav = push_button("N&astav", "BitNastav", this);
    BitNastav->setDefault(true);
    auto* buttons = button_row(help_button(shell_, 15, "HelpDatum", this), {BitOpust, BitNastav});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    // The two calendars follow each other; the summer tick follows the date and hour.
    connect(Monthcalendar1, &QCalendarWidget::clicked, this, [this](QDate d) {
        DateTimer1->setDate(d);
        follow_rule();
    });
    connect(DateTimer1, &QDateEdit::dateChanged, this, [this](QDate d) {
        const QSignalBlocker b(Monthcalendar1);
        Monthcalendar1->setSelectedDate(d);
        follow_rule();
    });
    connect(datetimer2, &QTimeEdit::timeChanged, this, [this] { follow_rule(); });
    connect(ComboPasmo, &QComboBox::currentTextChanged, this, [this](const QString& t) { zone_text_ = t; });
    connect(ComboDomov, &QComboBox::currentTextChanged, this, [this](const QString& t) { place_text_ = t; });
    connect(BitNove, &QPushButton::clicked, this, [this] {
        TFrmNoveMisto dialog(state_, shell_, "", this);
        dialog.exec();
    });
    connect(BitOpust, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitNastav, &QPushButton::clicked, this, &TFrmDatum::BitNastavClick);
}

void TFrmDatum::open_dialog() {
    // On a small screen the dialog takes a size that still fits.
    if (const QScreen* screen = this->screen(); screen && screen->geometry().width() <= 640) resize(537, 470);
    const sidora::models::DateForm f = sidora::models::date_form_of(state_);
    {
        const QSignalBlocker b1(DateTimer1), b2(datetimer2), b3(Monthcalendar1);
        const auto& m = f.moment;
        DateTimer1->setDate(QDate(m.year, m.month, m.day));
        Monthcalendar1->setSelectedDate(DateTimer1->date());
        datetimer2->setTime(QTime(m.hour, m.minute, m.second));
    }
    if (const auto problem = ComboDomov->fill(QString::fromStdString(f.place_name))) {
        shell_.pozor.show_warning(QString::fromStdString(*problem));
    }
    place_text_ = ComboDomov->currentText();
    ComboPasmo->setCurrentText(QString::fromStdString(f.zone_name));
    zone_text_ = ComboPasmo->currentText();
    CheckLetni->setChecked(f.summer);
    Label10->setText(QString::fromStdString(f.summer_text));
    show();
    raise();
    activateWindow();
}

sidora::models::DateForm TFrmDatum::form() const {
    sidora::models::DateForm f;
    const QDate d = DateTimer1->date();
    const QTime t = datetimer2->time();
    f.moment = {static_cast<std::uint16_t>(d.day()),   static_cast<std::uint16_t>(d.month()),
                static_cast<std::uint16_t>(d.year()),  static_cast<std::uint16_t>(t.hour()),
                static_cast<std::uint16_t>(t.minute()), static_cast<std::uint16_t>(t.second())};
    f.summer = CheckLetni->isChecked();
    f.zone_name = ComboPasmo->currentText().toStdString();
    f.place_name = ComboDomov->currentIndex() < 0 ? std::string() : place_text_.toStdString();
    return f;
}

void TFrmDatum::follow_rule() {
    sidora::models::DateForm f = form();
    sidora::models::follow_summer_rule(state_, f);
    CheckLetni->setChecked(f.summer);
    Label10->setText(QString::fromStdString(f.summer_text));
}

void TFrmDatum::BitNastavClick() {
    if (const auto warning = sidora::models::apply_date_form(state_, form())) {
        shell_.pozor.show_warning(QString::fromStdString(*warning));
        return;
    }
    accept();
    emit momentSet();
}
