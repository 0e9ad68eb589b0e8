// The side view opened from the natal window: its boxes, redrawing and lifetime.
#include <QApplication>
#include <algorithm>
#include <QCheckBox>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "../sample_persons.h"
#include "../sample_places.h"
#include "gui/frm_astro_dat.h"
#include "gui/frm_horoskop.h"
#include "gui/frm_prostor.h"
#include "gui/view_canvas.h"
#include "gui_fixture.h"
#include "list_clicks.h"

using namespace sidora::test;

namespace {

// Lines of the drawing whose names start so.
int lines(const TFrmProstor& w, const std::string& prefix) {
    int n = 0;
    for (const auto& i : w.canvas()->drawing().items) n += i.name.rfind(prefix, 0) == 0;
    return n;
}

// Pairs of drawn bodies whose aspect code is one of `codes`, both directions.
int aspect_pairs(const TFrmProstor& w, const sidora::horoscope::NatalChart& chart, std::initializer_list<int> codes) {
    int n = 0;
    for (const auto& a : w.view().placed.bodies) {
        for (const auto& b : w.view().placed.bodies) {
            const int k = chart.aspect_table[static_cast<std::size_t>(a.body)][static_cast<std::size_t>(b.body)].kod;
            n += a.body != b.body && std::find(codes.begin(), codes.end(), k) != codes.end();
        }
    }
    return n;
}

}  // namespace

class SideViewTest : public QObject {
    Q_OBJECT

private slots:
    void openedFromTheNatalWindowRedrawsAndClosesWithIt() {
        GuiFixture f;
        f.write("osoby.dat", persons_file_of({kJan}));
        f.write("mista.dat", file_of({kPraha}));
        f.start();
        TfrmHoroskop* natal = open_natal(f, "Jan Novák");
        QVERIFY(natal);
        // The natal window's options as they are ticked when the view opens: Sextil and
        // Trigon, no houses.
        for (std::size_t i = 0; i < natal->options.size(); ++i) natal->options[i]->setChecked(i == 0 || i == 2);

        QApplication::setActiveWindow(natal);
        QTest::keyClick(natal, Qt::Key_B, Qt::ControlModifier);
        QPointer<TFrmProstor> side = natal->prostor();
        QVERIFY(side && side->isVisible());
        QCOMPARE(side->windowTitle(), QString("Horoskop: Jan Novák"));
        QCOMPARE(side->size(), QSize(630, 450));
        QVERIFY(side->RadioSirka->isChecked());
        for (std::size_t i = 0; i < sidora::models::kSideBoxes; ++i) {
            QCOMPARE(side->box(i)->isChecked(), i == 0 || i == 2);
        }
        const auto& chart = natal->chart();
        const int sextile_trine = aspect_pairs(*side, chart, {2, 4});
        QVERIFY(sextile_trine > 0);
        QCOMPARE(lines(*side, "aspect:"), sextile_trine);
        QCOMPARE(lines(*side, "house:"), 0);
        const auto asteroids = std::count(chart.asteroid_present.begin() + 1, chart.asteroid_present.end(), true);
        QCOMPARE(side->view().placed.bodies.size(), static_cast<std::size_t>(10 + asteroids));

        // Every box redraws at once.
        QTest::mouseClick(side->box(1), Qt::LeftButton);  // Kvadratura
        QCOMPARE(lines(*side, "aspect:"), aspect_pairs(*side, chart, {2, 3, 4}));
        QTest::mouseClick(side->box(sidora::models::kSideHouses), Qt::LeftButton);
        QCOMPARE(lines(*side, "house:"), 12);
        int lat = 0, decl = 0;
        for (const auto& a : side->view().placed.bodies) {
            for (const auto& b : side->view().placed.bodies) {
                const auto i = static_cast<std::size_t>(a.body), j = static_cast<std::size_t>(b.body);
                lat += chart.lat_parallel_table[i][j].kod != 0;
                decl += chart.decl_parallel_table[i][j].kod != 0;
            }
        }
        QTest::mouseClick(side->box(sidora::models::kSideParallel), Qt::LeftButton);
        QTest::mouseClick(side->box(sidora::models::kSideContraparallel), Qt::LeftButton);
        QCOMPARE(lines(*side, "parallel:"), lat);
        QTest::mouseClick(side->RadioDeklinace, Qt::LeftButton);
        QCOMPARE(lines(*side, "parallel:"), decl);
        const auto* middle = side->canvas()->drawing().find("scale_middle");
        QVERIFY(middle);
        QCOMPARE(middle->text, std::string("Rovník"));

        // A wider window draws a wider strip, the house lines kept; never below 630 × 400.
        side->resize(900, 500);
        QCOMPARE(side->canvas()->drawing().width, 890);
        QCOMPARE(lines(*side, "house:"), 12);
        QCOMPARE(side->minimumSize(), QSize(630, 400));

        // A glyph held down hides until released.
        const auto& sun = side->view().placed.bodies.front();
        QTest::mousePress(side->canvas(), Qt::LeftButton, {}, QPoint(sun.x, sun.y));
        QCOMPARE(side->canvas()->held(), std::string("Slunce"));
        QTest::mouseRelease(side->canvas(), Qt::LeftButton, {}, QPoint(sun.x, sun.y));
        QVERIFY(side->canvas()->held().empty());

        // At most one; it goes with its natal window.
        QTest::mouseClick(natal->BitZboku, Qt::LeftButton);
        QCOMPARE(natal->prostor(), side.data());
        natal->close();
        QTRY_VERIFY(side.isNull());
    }

    void closedAloneItOpensAgain() {
        GuiFixture f;
        f.write("osoby.dat", persons_file_of({kJan}));
        f.start();
        f.main->horoscope_of_now();
        TfrmHoroskop* natal = f.main->horoscope_window();
        QVERIFY(natal);
        natal->BitZbokuClick();
        QPointer<TFrmProstor> side = natal->prostor();
        QVERIFY(side);
        side->findChild<QPushButton*>("BitOpust")->click();
        QTRY_VERIFY(side.isNull());
        QCOMPARE(natal->prostor(), nullptr);
        natal->BitZbokuClick();
        QVERIFY(natal->prostor() && natal->prostor()->isVisible());
    }
};

QTEST_MAIN(SideViewTest)
#include "side_view_test.moc"
