// The "Horoskop" tab of the natal window: the wheel and the three states of "Zobraz".
#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "gui/frm_astro_dat.h"
#include "gui/frm_horoskop.h"
#include "gui_fixture.h"
#include "list_clicks.h"
#include "../sample_persons.h"
#include "../sample_places.h"

using namespace sidora::test;

class WheelWindowTest : public QObject {
    Q_OBJECT

private slots:
    void zobrazStatesWithTheTimer() {
        GuiFixture f;
        f.write("osoby.dat", persons_file_of({kJan, kJana}));
        f.write("mista.dat", file_of({kPraha, kBrno, kCheb}));
        f.start();
        f.state.clock_running = false;
        f.state.current_moment = {15, 3, 2001, 14, 37, 52};
        f.main->refresh_now(true);

        TfrmHoroskop* w = open_natal(f, "Jana Nováková");
        QVERIFY(w);

        // Placed once with the chart; "Nic" at the start.
        QCOMPARE(w->wheel().glyphs.back().slot, 12);
        QVERIFY(w->Zobraz->button(2)->isChecked());
        QVERIFY(w->wheel().overlay.glyphs.empty());
        QVERIFY(!w->Timer1->isActive());

        w->Zobraz->button(0)->click();
        QVERIFY(w->Timer1->isActive());
        QCOMPARE(w->Timer1->interval(), 500);
        QCOMPARE(w->LabelZobraz->text(), QString("15.3.2001,14:37"));
        QCOMPARE(static_cast<int>(w->wheel().overlay.glyphs.size()), 10);
        const double sun = w->wheel().overlay.glyphs[0].longitude;
        // A step of the main window's moment: the glyphs follow at the next tick.
        f.state.current_moment = {15, 9, 2001, 14, 37, 52};
        f.main->refresh_now(true);
        QTRY_COMPARE_WITH_TIMEOUT(w->LabelZobraz->text(), QString("15.9.2001,14:37"), 2000);
        QVERIFY(std::abs(w->wheel().overlay.glyphs[0].longitude - sun) > 150);

        // No partner horoscope open: back to "Nic".
        w->Zobraz->button(1)->click();
        QVERIFY(w->Zobraz->button(2)->isChecked());
        QVERIFY(!w->Timer1->isActive());
        QVERIFY(w->LabelZobraz->text().isEmpty());
        QVERIFY(w->wheel().overlay.glyphs.empty());

        w->Zobraz->button(0)->click();
        w->Zobraz->button(2)->click();
        QVERIFY(!w->Timer1->isActive());
        QVERIFY(w->LabelZobraz->text().isEmpty());
        w->close();
    }
};

QTEST_MAIN(WheelWindowTest)
#include "wheel_window_test.moc"
