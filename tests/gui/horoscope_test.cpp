// The natal horoscope window, opened from the person chooser and for the shown moment.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "data/hor_set.h"
#include "gui/frm_astro_dat.h"
#include "gui/frm_horoskop.h"
#include "gui/frm_legenda.h"
#include "gui/grid_view.h"
#include "gui_fixture.h"
#include "list_clicks.h"
#include "models/natal_window.h"
#include "../sample_persons.h"
#include "../sample_places.h"

using namespace sidora::test;

namespace {

// Every grid of the main window, as text.
QStringList main_grids(const TFrmHlavni& main) {
    QStringList out;
    for (const auto& [name, grid] : main.view().grids()) {
        for (int r = 0; r < grid->rows(); ++r) {
            for (int c = 0; c < grid->cols(); ++c) out << QString::fromStdString(grid->at(c, r).text);
        }
    }
    return out;
}

int filled(const GridView* g, int col) {
    int n = 0;
    for (int r = 1; r < g->rowCount(); ++r) n += !g->cell(col, r).trimmed().isEmpty() && g->cell(col, r) != "------";
    return n;
}

}  // namespace

class HoroscopeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiFixture> f;

    void start() {
        f = std::make_unique<GuiFixture>();
        f->write("osoby.dat", persons_file_of({kJan, kJana}));
        f->write("mista.dat", file_of({kPraha, kBrno, kCheb}));
        f->start();
        // A frozen moment far from the births, so a tick showing a birth would be seen.
        f->state.clock_running = false;
        f->state.current_moment = {15, 3, 2001, 14, 37, 52};
        f->main->refresh_now(true);
    }

    // The chooser's "&Vypočítej horoskop" for a stored person.
    TfrmHoroskop* compute(const QString& name) {
        QTest::mouseClick(f->main->tool_button("ToolButton15"), Qt::LeftButton);
        TFrmAstroDat& chooser = f->main->person_chooser();
        select_item(chooser.ListBox1, name);
        QTest::mouseClick(chooser.BitNastav, Qt::LeftButton);
        return f->main->horoscope_window();
    }

private slots:
    void cleanup() { f.reset(); }

    void aStoredPersonFillsTheTablesAndTheMainWindowKeepsItsMoment() {
        start();
        const QStringList before = main_grids(*f->main);
        TfrmHoroskop* w = compute("Jan Novák");
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QString("Horoskop"));
        QCOMPARE(w->LabelJmeno->text(), QString("Jan Novák"));
        QVERIFY(w->LabelDatum->text().startsWith("5.března 1970, 8:5 hod. UTC+1"));
        QCOMPARE(w->LabelSystem->text(), QString("Placidus"));
        QCOMPARE(w->PageControl1->count(), 7);
        QCOMPARE(w->PageControl1->tabText(0), QString("Sumář"));
        QCOMPARE(w->PageControl1->currentIndex(), 0);
        QVERIFY(!f->state.engine_busy);
        QVERIFY(f->main->timer()->isActive());

        QCOMPARE(filled(w->grid("planets"), 2), 13);  // every longitude
        QCOMPARE(filled(w->grid("planets"), 8), 13);  // and house, at Prague
        QCOMPARE(filled(w->grid("houses"), 1), 14);   // cusps, Vertex, Antivertex
        QCOMPARE(filled(w->grid("houses"), 3), 12);   // every house has a ruler
        QVERIFY(!w->grid("angles")->cell(1, 0).isEmpty());
        QCOMPARE(w->grid("asteroids")->cell(0, 1), QString("Ceres"));
        QCOMPARE(filled(w->grid("points"), 1), 19);
        QVERIFY(!w->grid("summary")->cell(1, 2).isEmpty());  // the chart ruler
        QVERIFY(!w->LabelDominant->text().isEmpty());
        int aspects = 0;
        const GridView* a = w->grid("aspects");
        for (int c = 1; c <= 10; ++c) {
            for (int r = c; r <= 12; ++r) aspects += !a->cell(c, r).isEmpty();
        }
        QVERIFY(aspects > 5);

        // The main window's next tick shows its own moment again.
        f->main->Timer1Timer();
        QCOMPARE(main_grids(*f->main), before);

        // While the window is open Ctrl+H does nothing.
        QVERIFY(!f->main->tool_button("ToolButton15")->isEnabled());
        QApplication::setActiveWindow(f->main.get());
        QTest::keyClick(f->main.get(), Qt::Key_H, Qt::ControlModifier);
        QVERIFY(!f->main->person_chooser().isVisible());

        // "Přenes" makes the birth the main window's moment and place, the clock frozen.
        QTest::mouseClick(w->BitPrenes, Qt::LeftButton);
        QCOMPARE(f->state.current_moment, (sidora::engine::Moment{5, 3, 1970, 8, 5, 0}));
        QVERIFY(!f->state.clock_running);
        QCOMPARE(f->main->place_text(), QString("Místo: Praha"));
    }

    void theSliderHidesOrbsFromItsValueOn() {
        start();
        TfrmHoroskop* w = compute("Jana Nováková");
        QVERIFY(w);
        QCOMPARE(w->LabelOrbis->text(), QString("všechny"));
        w->TrackBar1->setValue(3);
        QCOMPARE(w->LabelOrbis->text(), QString("3 °"));
        const auto& table = w->chart().aspect_table;
        const GridView* g = w->grid("aspects");
        int shown = 0, hidden = 0;
        for (int c = 1; c <= 10; ++c) {
            for (int r = c; r <= 12; ++r) {
                const int other = r <= 10 ? r + 1 : r == 11 ? 13 : 15;
                const auto& cell = table[static_cast<std::size_t>(c)][static_cast<std::size_t>(other)];
                const bool visible = !g->cell(c, r).isEmpty();
                QCOMPARE(visible, cell.kod != 0 && cell.odchylka < 3);
                shown += visible;
                hidden += cell.kod != 0 && !visible;
                if (!visible) QCOMPARE(g->item(r, c)->background().color(), QColor(128, 128, 128));
            }
        }
        QVERIFY(shown > 0 && hidden > 0);
        w->CheckHlavni->setChecked(true);
        for (int c = 1; c <= 10; ++c) {
            for (int r = c; r <= 12; ++r) {
                const int other = r <= 10 ? r + 1 : r == 11 ? 13 : 15;
                if (table[static_cast<std::size_t>(c)][static_cast<std::size_t>(other)].kod > 5) {
                    QVERIFY(g->cell(c, r).isEmpty());
                }
            }
        }
    }

    void theLegendOpensAtTheTopLeftAndEscClosesIt() {
        start();
        TfrmHoroskop* w = compute("Jan Novák");
        QVERIFY(w);
        QCOMPARE(w->BitLegenda->toolTip(), QString("popis použitých zkratek"));
        QTest::mouseClick(w->BitLegenda, Qt::LeftButton);
        QPointer<TFrmlegenda> legend = w->legend();
        QVERIFY(legend && legend->isVisible());
        QCOMPARE(legend->windowTitle(), QString("Legenda aspektů"));
        QCOMPARE(legend->grid()->cell(0, 0), QString("Zkratka"));
        QCOMPARE(legend->grid()->cell(1, 14), QString("kvinkunx"));
        QCOMPARE(legend->pos(), QGuiApplication::primaryScreen()->availableGeometry().topLeft());
        QTest::keyClick(legend, Qt::Key_Escape);
        QTRY_VERIFY(legend.isNull());
    }

    void closingWritesTheOptionsAndEnablesTheCommand() {
        start();
        TfrmHoroskop* w = compute("Jan Novák");
        QVERIFY(w);
        // Reading the missing file wrote nothing; the defaults draw the houses.
        QCOMPARE(f->read("hor.set"), std::string());
        QVERIFY(w->options[13]->isChecked());
        QCOMPARE(w->options[13]->text(), QString("Kreslit domy"));
        w->options[0]->setChecked(true);
        QPointer<TfrmHoroskop> guard = w;
        QTest::mouseClick(w->BitZavri, Qt::LeftButton);
        QTRY_VERIFY(guard.isNull());
        std::string expected(15, '\0');
        expected[0] = expected[13] = '\1';
        QCOMPARE(f->read("hor.set"), expected);
        QVERIFY(f->main->tool_button("ToolButton15")->isEnabled());
        QVERIFY(!f->main->horoscope_window());
        // And the next window starts from them.
        w = compute("Jan Novák");
        QVERIFY(w && w->options[0]->isChecked());
    }

    void ctrlAltHOnAFrozenClockIsTheHoroscopeOfTheMoment() {
        start();
        QApplication::setActiveWindow(f->main.get());
        QTest::keyClick(f->main.get(), Qt::Key_H, Qt::ControlModifier | Qt::AltModifier);
        TfrmHoroskop* w = f->main->horoscope_window();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->LabelJmeno->text(), QString("Horoskop okamžiku"));
        const auto& p = f->state.person_slots[1];
        QCOMPARE(std::tuple(int(p.day), int(p.month), int(p.year), int(p.hour), int(p.minute)),
                 std::tuple(15, 3, 2001, 14, 37));
        QCOMPARE(QString::fromStdString(p.place), QString("Praha"));
        QVERIFY(w->LabelDatum->text().startsWith("15.března 2001, 14:37 hod."));
        // A second Ctrl+Alt+H while it is open does nothing.
        QApplication::setActiveWindow(f->main.get());
        QTest::keyClick(f->main.get(), Qt::Key_H, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(f->main->horoscope_window(), w);
    }
};

QTEST_MAIN(HoroscopeTest)
#include "horoscope_test.moc"
