#pragma once
// The main window: the sky calendar with its seven tabs and its one-second timer.
#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <array>
#include <functional>

#include "data/app_state.h"
#include "gui/shell.h"
#include "models/commands.h"
#include "models/sky_calendar.h"
#include "tables/choice.h"

class GridView;
class MoonPicture;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QTabWidget;
class QTimeEdit;
class QTimer;
class QToolBar;
class QToolButton;
class TFrmAnim;
class TFrmAstroDat;
class TFrmHelio;
class TFrmSfera;
class TFrmBio;
class TFrmNumero;
class TFrmDatum;
class TFrmMista;
class TFrmNastav;
class TFrmStart;
class TfrmHoroskop;
class TFrmVyklady;
class TFrmVyklady1;
class QPrinter;

class TFrmHlavni : public QMainWindow {
    Q_OBJECT
public:
    TFrmHlavni(sidora::data::AppState& state, Shell& shell, TFrmStart& splash, QWidget* parent = nullptr);

    QTabWidget* page_control() const { return PageControl1; }
    QTimer* timer() const { return Timer1; }
    QToolButton* place_button() const { return ToolButton1; }
    TFrmMista& places_window() const { return *mista_; }
    QString place_text() const;
    GridView* grid(const QString& name) const { return grids_.value(name); }
    QTimeEdit* time_picker() const { return datetimer2; }
    QToolButton* start_clock_button() const { return SpeedButton7; }
    QButtonGroup* house_systems() const { return house_group_; }
    QButtonGroup* tattva_systems() const { return tattva_group_; }
    QComboBox* first_tattva_box() const { return ComboBox1; }
    MoonPicture* moon_picture() const { return Paint1; }
    const sidora::models::SkyView& view() const { return sky_.view(); }
    const sidora::models::SkyCalendar& sky() const { return sky_; }
    QToolButton* tool_button(const QString& name) const;
    TFrmDatum& date_dialog() const { return *datum_; }
    TFrmNastav& settings_dialog() const { return *nastav_; }
    TFrmAstroDat& person_chooser() const { return *astro_dat_; }
    TfrmHoroskop* horoscope_window() const { return horoskop_; }
    // Prints the window `copies` times at a size 0..2 (pixel for pixel, as on screen, the
    // whole page), white and with the Moon in black.
    void print_on(QPrinter& printer, int size, int copies);
    // The views: created at start (heliocentric, animation) or anew (sphere, while open).
    TFrmHelio& helio_window() const { return *helio_; }
    TFrmAnim& animation_window() const { return *anim_; }
    TFrmSfera* sphere_window() const;
    // Shows the view "helio", "sphere", "side" or "anim" after its first refresh; null for another name.
    QWidget* show_view(const QString& name);

public slots:
    void Timer1Timer();
    void ToolButton1Click();
    void SpeedButton7Click();
    void ToolButton12Click();  // "now" and the stored settings
    void ToolButton13Click();  // the date dialog
    void ToolButton15Click();  // the person chooser for a natal horoscope
    // The natal horoscope of person slot 1; the horoscope command waits until it closes.
    void open_horoscope();
    // "Horoskop pro \"tady a teď\"" (Ctrl+Alt+H), while the horoscope command is enabled.
    void horoscope_of_now();
    void ToolButton22Click();  // the celestial sphere
    void ToolButton25Click();  // the heliocentric view
    void ToolButton26Click();  // the animation
    void ToolButton21Click();  // biorhythms
    void ToolButton2Click();   // numerology
    void open_num_edit();      // the numerology texts' editor
    void step(sidora::models::Step step);
    void print_window();
    void open_settings();
    void open_orbit();
    void open_orbis2();
    void open_letni();
    // After the date dialog or the settings: show the new moment at once.
    void refresh_now(bool new_day);

signals:
    // A tick computed and showed the sky (not sent while the engine is busy).
    void ticked();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void install_texts();
    void build_tool_bar();
    void build_views();
    QToolButton* add_tool(const QString& name, const QString& icon_text, const QString& hint,
                          const QString& key, std::function<void()> action,
                          std::function<bool()> key_allowed = nullptr);
    QWidget* build_header();
    void build_tabs();
    QWidget* time_page();
    QWidget* sun_page();
    QWidget* moon_page();
    QWidget* planets_page();
    QWidget* astrology_page();
    QWidget* houses_page();
    QWidget* tattva_page();
    GridView* add_grid(const QString& name, int rows, int cols);
    void render(const sidora::models::SkyView& v);
    void datetimer2Change();
    void show_place();
    // Size and position of the last session (okno.txt), and keeping them for the next one.
    void restore_place();
    void keep_place();
    // The places window disables these while it is shown.
    void set_place_window_shown(bool shown);

    sidora::data::AppState& state_;
    Shell& shell_;
    TFrmStart& splash_;
    sidora::models::SkyCalendar sky_;

    QTabWidget* PageControl1;
    QTimer* Timer1;
    QToolBar* ToolBar1;
    QToolButton* ToolButton1;
    QLabel* Label1;
    QLabel* Label247;
    QLabel* Label25;
    QLabel* Label3;
    QTimeEdit* datetimer2;
    QToolButton* SpeedButton7;
    QLabel* phase_caption_;
    std::array<QLabel*, 10> clocks_{};
    MoonPicture* Paint1;
    QGroupBox* RadioGroup1;
    QButtonGroup* house_group_;
    QComboBox* ComboBox1;
    QGroupBox* RadioGroup2;
    QButtonGroup* tattva_group_;
    QLabel* StaticText1;
    QMap<QString, GridView*> grids_;
    TFrmMista* mista_;
    TFrmDatum* datum_;
    TFrmNastav* nastav_;
    TFrmAstroDat* astro_dat_;
    TfrmHoroskop* horoskop_ = nullptr;
    TFrmHelio* helio_ = nullptr;
    TFrmAnim* anim_ = nullptr;
    QPointer<TFrmSfera> sfera_;
    TFrmBio* bio_ = nullptr;
    TFrmNumero* numero_ = nullptr;
    void add_cycle_tools();
    bool shown_once_ = false;

public:
    // The interpretation editors (frm_hlavni_editors.cpp): one of each, shown not modal with
    // every list at its first entry, or raised as it is while open.
    void open_natal_editor();
    void open_partner_editor();
    TFrmVyklady* natal_editor() const;
    TFrmVyklady1* partner_editor() const;

private:
    QPointer<TFrmVyklady> vyklady_;
    QPointer<TFrmVyklady1> vyklady1_;
    // Tables and searches: their three dialogs share one span for the run.
public:
    sidora::tables::SharedSpan& table_span() { return table_span_; }
    void ToolButton23Click();  // the tables dialog
    void ToolButton17Click();  // the sky search
private:
    void add_table_tools();
    sidora::tables::SharedSpan table_span_;
    class TFrmSpocti* spocti_ = nullptr;
};
