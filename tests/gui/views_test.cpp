// The heliocentric view, the animation and the celestial sphere driven through their widgets.
#include <QButtonGroup>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>

#include "../sample_places.h"
#include "gui/frm_anim.h"
#include "gui/frm_helio.h"
#include "gui/frm_pozor.h"
#include "gui/frm_sfera.h"
#include "gui/view_canvas.h"
#include "gui_fixture.h"
#include "models/symbols.h"
#include "render/painter.h"
#include "render/symbol_font.h"

namespace {

// Started and frozen at noon of 5 January 2004 in Prague, first tick done.
TFrmHlavni& start_frozen(GuiFixture& f) {
    f.write("mista.dat", sidora::test::file_of({sidora::test::kPraha, sidora::test::kBrno, sidora::test::kCheb}));
    TFrmHlavni& main = f.start();
    f.state.clock_running = false;
    f.state.current_moment = {5, 1, 2004, 12, 0, 0};
    QSignalSpy ticked(&main, &TFrmHlavni::ticked);
    ticked.wait(3000);
    return main;
}

QToolButton* key_button(TFrmHlavni& main, const char* name) { return main.tool_button(name); }

}  // namespace

class ViewsTest : public QObject {
    Q_OBJECT

private slots:
    void closingTheAnimationMidRunRestoresTheRates() {
        GuiFixture f;
        TFrmHlavni& main = start_frozen(f);
        TFrmHelio& helio = main.helio_window();
        key_button(main, "ToolButton25")->click();
        QVERIFY(helio.isVisible());
        QVERIFY(helio.timer()->isActive());
        TFrmAnim& anim = main.animation_window();
        key_button(main, "ToolButton26")->click();
        QVERIFY(anim.button("ButDen")->isChecked());
        QVERIFY(anim.button("ButStop")->isChecked());
        QVERIFY(!anim.timer()->isActive());

        anim.button("ButVpred")->click();
        QVERIFY(f.state.animation_running);
        QCOMPARE(main.timer()->interval(), 500);
        QCOMPARE(helio.timer()->interval(), 500);
        QCOMPARE(anim.timer()->interval(), 500);
        // Two steps, each shown by the main window at once.
        anim.Timer1Timer();
        QCOMPARE(main.view().Label1, std::string("6. ledna 2004, úterý"));
        anim.Timer1Timer();
        QCOMPARE(main.view().Label1, std::string("7. ledna 2004, středa"));
        QCOMPARE(helio.windowTitle(), QString("Heliocentrická poloha planet: 7.1.2004, 12:0"));

        anim.close();
        QVERIFY(!f.state.animation_running);
        QVERIFY(!anim.timer()->isActive());
        QCOMPARE(main.timer()->interval(), 1000);
        QVERIFY(main.timer()->isActive());
        QCOMPARE(helio.timer()->interval(), 1000);
        QVERIFY(!f.state.clock_running);
        main.Timer1Timer();
        QCOMPARE(f.state.current_moment, (sidora::engine::Moment{7, 1, 2004, 12, 0, 0}));
        // A restart of the main timer (the time picker) keeps the rate of the state.
        main.time_picker()->setTime(QTime(13, 0, 0));
        QCOMPARE(main.timer()->interval(), 1000);
    }

    void startingTheClockEndsARun() {
        GuiFixture f;
        TFrmHlavni& main = start_frozen(f);
        TFrmAnim& anim = main.animation_window();
        key_button(main, "ToolButton26")->click();
        anim.button("ButRok")->click();
        anim.button("ButZpet")->click();
        anim.Timer1Timer();
        QCOMPARE(f.state.current_moment.year, 2003);
        main.start_clock_button()->click();
        anim.Timer1Timer();
        QVERIFY(!f.state.animation_running);
        QVERIFY(anim.button("ButStop")->isChecked());
        QVERIFY(!anim.timer()->isActive());
        QCOMPARE(main.timer()->interval(), 1000);
        QVERIFY(f.state.clock_running);
        // A run that meets the year limit stops there with the stop button pressed.
        f.state.current_moment = {30, 12, 2100, 8, 0, 0};
        anim.button("ButDen")->click();
        anim.button("ButVpred")->click();
        anim.Timer1Timer();
        anim.Timer1Timer();
        QCOMPARE(f.state.current_moment, (sidora::engine::Moment{31, 12, 2100, 8, 0, 0}));
        QVERIFY(anim.button("ButStop")->isChecked());
        QVERIFY(!f.state.animation_running);
    }

    void theHeliocentricChoicesTakeEffectAtOnce() {
        GuiFixture f;
        TFrmHlavni& main = start_frozen(f);
        TFrmHelio& helio = main.helio_window();
        helio.fix_stars(3);
        key_button(main, "ToolButton25")->click();
        QCOMPARE(helio.size(), QSize(400, 475));
        QCOMPARE(helio.view().planets[8].radius, 153);
        QVERIFY(!helio.horoscope_box()->isEnabled());

        helio.distances()->button(1)->click();
        QVERIFY(helio.horoscope_box()->isEnabled());
        helio.horoscope_box()->click();
        QVERIFY(helio.view().horoscope_drawn);
        helio.shown_planets()->button(1)->click();
        QCOMPARE(helio.view().scale, 100);
        QVERIFY(helio.canvas()->drawing().find("Ipluto") == nullptr);
        // Back to equal rings: the wheel goes and the box is unticked and disabled.
        helio.distances()->button(0)->click();
        QVERIFY(!helio.horoscope_box()->isChecked());
        QVERIFY(!helio.horoscope_box()->isEnabled());
        QVERIFY(!helio.view().horoscope_drawn);

        // A taller window gives a larger square with a star field of its size, kept by the refreshes.
        helio.resize(600, 675);
        QCOMPARE(helio.view().view_size, 600);
        const auto stars = sidora::models::star_field(600, 3);
        QCOMPARE(helio.canvas()->drawing().items[1], stars[0]);
        helio.Timer1Timer();
        QCOMPARE(helio.canvas()->drawing().items[90], stars[89]);
        helio.resize(300, 675);  // the width follows the height
        QCOMPARE(helio.width(), 600);
        helio.close();
        QVERIFY(!helio.timer()->isActive());
    }

    void theSphereChangesThePlaceAndFreesItsButton() {
        GuiFixture f;
        TFrmHlavni& main = start_frozen(f);
        QToolButton* button = key_button(main, "ToolButton22");
        button->click();
        QPointer<TFrmSfera> sfera = main.sphere_window();
        QVERIFY(sfera);
        QVERIFY(!button->isEnabled());
        QCOMPARE(sfera->windowTitle(), QString("5.1.2004, 12:0:0 UTC+1, Praha"));
        QStringList names;
        for (int i = 0; i < sfera->places()->count(); ++i) names << sfera->places()->item(i)->text();
        QCOMPARE(names, QStringList({"Brno", "Cheb", "Praha"}));
        QCOMPARE(sfera->places()->currentItem()->text(), QString("Praha"));

        sfera->places()->setCurrentRow(0);
        sfera->Listbox1Click();
        QCOMPARE(f.state.current_place, sidora::test::kBrno);
        QCOMPARE(main.findChild<QLabel*>("Label25")->text(), QString("Brno"));
        QCOMPARE(sfera->windowTitle(), QString("5.1.2004, 12:0:0 UTC+1, Brno"));

        // Cheb deleted from the file behind the window's back: a warning, the place kept.
        f.write("mista.dat", sidora::test::file_of({sidora::test::kPraha, sidora::test::kBrno}));
        sfera->places()->setCurrentRow(1);
        sfera->Listbox1Click();
        QCOMPARE(f.pozor.text(), QString("Místo „Cheb“ v seznamu míst již není!"));
        QCOMPARE(f.state.current_place, sidora::test::kBrno);
        // A saved place refills the list.
        emit f.place_lists.placeSaved("Brno");
        QCOMPARE(sfera->places()->count(), 2);

        sfera->close();
        QTRY_VERIFY(!sfera);
        QVERIFY(button->isEnabled());
    }

    void aRunningAnimationShowsEveryStep() {
        GuiFixture f;
        TFrmHlavni& main = start_frozen(f);
        key_button(main, "ToolButton25")->click();
        key_button(main, "ToolButton26")->click();
        TFrmAnim& anim = main.animation_window();
        anim.button("ButVpred")->click();
        // Frames as fast as they go: the step, the main window's tick and repaint, the view's.
        QElapsedTimer clock;
        clock.start();
        const int frames = 20;
        for (int i = 0; i < frames; ++i) {
            anim.Timer1Timer();
            main.repaint();
            main.helio_window().repaint();
        }
        const double ms = static_cast<double>(clock.elapsed()) / frames;
        qInfo("one animation frame with the main window and the heliocentric view: %.1f ms", ms);
        QVERIFY(ms < 250);
        QCOMPARE(f.state.current_moment, (sidora::engine::Moment{25, 1, 2004, 12, 0, 0}));
        // On the timers: every step reaches the main window, none skipped.
        QList<int> days;
        connect(&main, &TFrmHlavni::ticked, this, [&] {
            const int d = f.state.current_moment.day;
            if (days.isEmpty() || days.back() != d) days << d;
        });
        QTest::qWait(2600);
        anim.close();
        qInfo("steps shown in 2.6 s of a running animation: %lld", static_cast<long long>(days.size()));
        QVERIFY(days.size() >= 4);
        for (qsizetype i = 1; i < days.size(); ++i) QCOMPARE(days[i], days[i - 1] + 1);
    }

    void theGlyphsOfTheViewsAreInTheirFont() {
        const QFontMetrics m(symbol_font(11));
        for (const char* letters : {"QRSTUVWXYZ"}) {
            for (uint code : symbol_qtext(letters).toUcs4()) QVERIFY2(m.inFontUcs4(code), qPrintable(QString::number(code, 16)));
        }
        QVERIFY(m.inFontUcs4(0x2641));  // the Earth
        // A drawn body is more than its disc: the glyph darkens its middle.
        sidora::models::Drawing d;
        d.width = d.height = 30;
        sidora::models::DrawItem body;
        body.kind = sidora::models::DrawItem::Kind::Body;
        body.x = body.y = 0;
        body.w = body.h = 30;
        body.fill = {255, 255, 255};
        body.color = {0, 0, 0};
        body.text = "Q";
        body.symbol = true;
        body.size = 24;
        d.items.push_back(body);
        const QImage img = sidora::render::image(d);
        int dark = 0;
        for (int y = 8; y < 22; ++y) {
            for (int x = 8; x < 22; ++x) dark += qGray(img.pixel(x, y)) < 100;
        }
        QVERIFY(dark > 10);
    }
};

QTEST_MAIN(ViewsTest)
#include "views_test.moc"
