// The main window's tool bar, its menus and shortcuts, and the commands on the moment.
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "gui/frm_astro_dat.h"
#include "gui/frm_datum.h"
#include "gui/frm_hlavni.h"
#include "gui/window_print.h"
#include "gui/frm_letni.h"
#include "gui/frm_mista.h"
#include "gui/frm_nastav.h"
#include "gui/frm_orbis2.h"
#include "gui/frm_orbit.h"
#include "gui/frm_pozor.h"
#include "gui/frm_start.h"
#include "gui/help_viewer.h"
#include "gui/moon_picture.h"

namespace {

// A small picture of a short text, for the buttons that have no standard icon.
QIcon text_icon(const QString& text) {
    QPixmap pix(32, 32);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(32, 48, 96));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(pix.rect().adjusted(1, 1, -1, -1), 5, 5);
    QFont f("DejaVu Sans");
    f.setPixelSize(text.size() > 2 ? 11 : 14);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(240, 230, 176));
    p.drawText(pix.rect(), Qt::AlignCenter, text);
    return QIcon(pix);
}

}  // namespace

QToolButton* TFrmHlavni::add_tool(const QString& name, const QString& icon_text, const QString& hint,
                                  const QString& key, std::function<void()> action,
                                  std::function<bool()> key_allowed) {
    auto* b = new QToolButton(ToolBar1);
    b->setObjectName(name);
    b->setIcon(text_icon(icon_text));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    ToolBar1->addWidget(b);
    connect(b, &QToolButton::clicked, this, action);
    if (!key.isEmpty()) {
        // The keys act only while their button is enabled (and as the command allows).
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setObjectName("Key" + name);
        connect(shortcut, &QShortcut::activated, this, [b, action, key_allowed] {
            if (b->isEnabled() && (!key_allowed || key_allowed())) action();
        });
    }
    return b;
}

QToolButton* TFrmHlavni::tool_button(const QString& name) const { return ToolBar1->findChild<QToolButton*>(name); }

void TFrmHlavni::build_tool_bar() {
    using sidora::models::Step;
    ToolBar1 = addToolBar("Nástroje");
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(28, 28));

    QToolButton* settings = add_tool("ToolButton4", "⚙", "", "Ctrl+N", [this] { open_settings(); });
    settings->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    auto* menu = new QMenu(settings);
    menu->addAction("Základní nastavení", this, &TFrmHlavni::open_settings);
    menu->addAction("Nastavení orbisů", this, &TFrmHlavni::open_orbit);
    menu->addAction("Další orbisy a omezení", this, &TFrmHlavni::open_orbis2);
    menu->addAction("Nastavení letních časů", this, &TFrmHlavni::open_letni);
    settings->setMenu(menu);
    settings->setPopupMode(QToolButton::MenuButtonPopup);
    settings->setProperty("disabledByPlaces", true);

    ToolButton1 = add_tool("ToolButton1", "", "Nastavení místa (CTRL-Q)", "Ctrl+Q", [this] { ToolButton1Click(); },
                           [this] { return state_.clock_running; });
    ToolButton1->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
    add_tool("ToolButton22", "☉", "Zobraz polohu planet (CTRL-A)", "Ctrl+A", [this] { ToolButton22Click(); });
    add_tool("ToolButton25", "♁", "Zobraz heliocentrickou polohu planet (CTRL-ALT-C]", "Ctrl+Alt+C",
             [this] { ToolButton25Click(); });
    ToolBar1->addSeparator();

    QToolButton* date = add_tool("ToolButton13", "D", "Nastav datum, čas a místo (CTRL-K)", "Ctrl+K",
                                 [this] { ToolButton13Click(); });
    date->setProperty("disabledByPlaces", true);
    QToolButton* horoscope = add_tool("ToolButton15", "H", "Vypočítej horskop (CTRL-H)", "Ctrl+H",
                                      [this] { ToolButton15Click(); });
    horoscope->setProperty("disabledByPlaces", true);
    auto* horoscope_menu = new QMenu(horoscope);
    QAction* now_chart = horoscope_menu->addAction("Horoskop pro \"tady a teď\"", this, &TFrmHlavni::horoscope_of_now);
    now_chart->setToolTip("CTRL-ALT-H");
    horoscope_menu->setToolTipsVisible(true);
    horoscope->setMenu(horoscope_menu);
    horoscope->setPopupMode(QToolButton::MenuButtonPopup);
    auto* now_key = new QShortcut(QKeySequence("Ctrl+Alt+H"), this);
    now_key->setObjectName("KeyToolButton15Now");
    connect(now_key, &QShortcut::activated, this, &TFrmHlavni::horoscope_of_now);
    add_tool("ToolButton26", "▶", "Animace (CTRL-ALT-A]", "Ctrl+Alt+A", [this] { ToolButton26Click(); });
    add_cycle_tools();
    add_table_tools();
    add_tool("ToolButton8", "+D", "Přidej den (CTRL-D)", "Ctrl+D", [this] { step(Step::NextDay); });
    add_tool("ToolButton18", "+M", "Přidej měsíc (CTRL-M)", "Ctrl+M", [this] { step(Step::NextMonth); });
    add_tool("ToolButton10", "+R", "Přidej rok (CTRL-R)", "Ctrl+R", [this] { step(Step::NextYear); });
    QToolButton* now = add_tool("ToolButton12", "Nyní", "Nastav \"nyní\" a počáteční hodnoty (CTRL-Y)", "Ctrl+Y",
                                [this] { ToolButton12Click(); }, [this] { return !state_.clock_running; });
    now->setEnabled(false);
    add_tool("ToolButton9", "−D", "Uber den (CTRL-ALT-D)", "Ctrl+Alt+D", [this] { step(Step::PrevDay); });
    add_tool("ToolButton19", "−M", "Uber měsíc (CTRL-ALT-M)", "Ctrl+Alt+M", [this] { step(Step::PrevMonth); });
    add_tool("ToolButton11", "−R", "Uber rok (CTRL-ALT-R)", "Ctrl+Alt+R", [this] { step(Step::PrevYear); });
    ToolBar1->addSeparator();

    QToolButton* print = add_tool("ToolButton6", "", "Tisk obrazovky (CTRL-P)", "Ctrl+P", [this] {
        state_.print_size = 1;
        print_window();
    });
    print->setIcon(text_icon("Tisk"));
    auto* sizes = new QMenu(print);
    int size = 0;
    for (const char* label : {"Malá velikost", "Střední velikost", "Maximální velikost"}) {
        sizes->addAction(QString::fromUtf8(label), this, [this, size] {
            state_.print_size = static_cast<std::uint8_t>(size);
            print_window();
        });
        ++size;
    }
    print->setMenu(sizes);
    print->setPopupMode(QToolButton::MenuButtonPopup);
    QToolButton* help = add_tool("ToolButton5", "?", "Nápověda", "", [this] { shell_.help.show_topic(1, this); });
    help->setProperty("helpTopic", 1);
    add_tool("ToolButton3", "i", "O programu (CTRL-I)", "Ctrl+I", [this] { splash_.show_about(); });
    QToolButton* quit = add_tool("ToolButton24", "", "Konec (ALT-F4)", "", [this] { close(); });
    quit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
}

void TFrmHlavni::ToolButton1Click() {
    mista_->show();
    mista_->raise();
    mista_->activateWindow();
}

void TFrmHlavni::step(sidora::models::Step s) {
    sidora::models::step_moment(state_, s);
    refresh_now(false);
}

void TFrmHlavni::ToolButton12Click() {
    if (const auto warning = sidora::models::set_now(state_)) shell_.pozor.show_warning(QString::fromStdString(*warning));
    // The house system and tattva choices of this window stay as they are selected.
    state_.tattvy.first_tattva = static_cast<std::uint8_t>(ComboBox1->currentIndex());
    state_.tattvy.tattva_system = static_cast<std::uint8_t>(std::max(0, tattva_group_->checkedId()));
    state_.astro.current_house_system = std::max(0, house_group_->checkedId()) + 1;
    refresh_now(false);
}

void TFrmHlavni::ToolButton13Click() { datum_->open_dialog(); }

void TFrmHlavni::ToolButton15Click() {
    state_.person_slot = 1;
    astro_dat_->open_for(1);
}

void TFrmHlavni::refresh_now(bool new_day) {
    if (new_day) sky_.force_day_refresh();
    Timer1Timer();
}

void TFrmHlavni::open_settings() {
    if (nastav_->open_dialog()) refresh_now(true);
}

void TFrmHlavni::open_orbit() {
    TFrmOrbit dialog(state_, shell_, this);
    dialog.exec();
}

void TFrmHlavni::open_orbis2() {
    TFrmOrbis2 dialog(state_, shell_, this);
    dialog.exec();
}

void TFrmHlavni::open_letni() {
    TFrmLetni dialog(state_, shell_, this);
    dialog.exec();
    refresh_now(true);  // the rules may have changed the zone offset of the moment
}

void TFrmHlavni::print_window() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(1);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle("Tisk obrazovky");
    if (dialog.exec() != QDialog::Accepted) return;
    print_on(printer, state_.print_size, printer.copyCount());
}

void TFrmHlavni::print_on(QPrinter& printer, int size, int copies) {
    print_window_image(*this, printer, size, copies, nullptr, [this](bool on) { Paint1->set_printing(on); });
}
