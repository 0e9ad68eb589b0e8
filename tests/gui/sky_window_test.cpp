// The sky calendar window driven through its widgets under the offscreen platform.
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>

#include "data/data_dir.h"
#include "gui/grid_view.h"
#include "gui/moon_picture.h"
#include "gui_fixture.h"

namespace {

// Started and frozen at noon of 5 January 2004 in Prague, first tick done.
TFrmHlavni& start_frozen(GuiFixture& f) {
    TFrmHlavni& main = f.start();
    f.state.clock_running = false;
    f.state.current_moment = {5, 1, 2004, 12, 0, 0};
    QSignalSpy ticked(&main, &TFrmHlavni::ticked);
    ticked.wait(3000);
    return main;
}

}  // namespace

class SkyWindowTest : public QObject {
    Q_OBJECT

private slots:
    void firstTickFillsEveryTab() {
        GuiFixture f;
        TFrmHlavni& main = start_frozen(f);
        QCOMPARE(main.findChild<QLabel*>("Label1")->text(), QString("5. ledna 2004, pondělí"));
        QCOMPARE(main.findChild<QLabel*>("Label25")->text(), QString("Praha"));
        QCOMPARE(main.findChild<QLabel*>("Label3")->text(), QString(" UTC+1"));
        QCOMPARE(main.time_picker()->time(), QTime(12, 0, 0));
        QVERIFY(main.start_clock_button()->isEnabled());

        struct Probe {
            const char* grid;
            int col, row;
        };
        for (const Probe& p : {Probe{"Tab3", 1, 0}, Probe{"Tab4", 1, 0}, Probe{"Tab5", 1, 0}, Probe{"Tab6", 1, 1},
                               Probe{"tab7", 4, 0}, Probe{"Tab8", 1, 1}, Probe{"Tab9", 1, 0}, Probe{"Tab2", 7, 10},
                               Probe{"Tab10", 2, 12}, Probe{"Tab11", 1, 11}, Probe{"Tab12", 4, 1},
                               Probe{"Tab1", 12, 5}}) {
            QVERIFY2(!main.grid(p.grid)->cell(p.col, p.row).isEmpty(), p.grid);
        }
        QCOMPARE(main.grid("Tab3")->cell(1, 0), QString("2453009.95833"));
        QCOMPARE(main.grid("Tab5")->cell(1, 0), QString("8:01"));
        // Symbols are drawn as their glyphs.
        QCOMPARE(main.grid("Tab10")->cell(0, 1), QString("☉"));
        QCOMPARE(main.grid("Tab10")->cell(3, 1), QString("♑"));
        QCOMPARE(main.grid("Tab10")->cell(4, 3), QString("℞"));
        QCOMPARE(main.grid("Tab1")->cell(1, 0), QString("♈"));
        QVERIFY(QFontMetrics(main.grid("Tab10")->item(1, 0)->font()).inFont(QChar(0x2609)));
        QCOMPARE(main.findChild<QLabel*>("PhaseCaption")->text(), QString("Nejbližší fáze Měsíce (UTC+1):"));
        QCOMPARE(main.findChild<QLabel*>("Clock3")->text(), QString("16:30:0"));

        // The Moon at 156° from the Sun, waxing: yellow on the right, navy at the left edge.
        const QImage moon = main.moon_picture()->grab().toImage();
        QCOMPARE(QColor(moon.pixel(48, 26)), QColor(Qt::yellow));
        QCOMPARE(QColor(moon.pixel(3, 26)), QColor(0, 0, 128));
    }

    void houseSystemChangeShowsAtTheNextTick() {
        GuiFixture f;
        TFrmHlavni& main = start_frozen(f);
        main.page_control()->setCurrentIndex(5);
        const QString placidus = main.grid("Tab11")->cell(1, 1);
        auto* natural = qobject_cast<QRadioButton*>(main.house_systems()->button(4));
        QCOMPARE(natural->text(), QString("Ekv. \"přirozený\""));
        QTest::mouseClick(natural, Qt::LeftButton, {}, QPoint(5, natural->height() / 2));
        QCOMPARE(f.state.astro.current_house_system, 5);
        QCOMPARE(main.grid("Tab11")->cell(1, 1), placidus);  // not before the tick
        main.Timer1Timer();
        QVERIFY(main.grid("Tab11")->cell(1, 1) != placidus);
    }

    void freezingByTheTimePickerKeepsTheDayValues() {
        GuiFixture f;
        TFrmHlavni& main = f.start();
        QSignalSpy ticked(&main, &TFrmHlavni::ticked);
        QVERIFY(ticked.wait(3000));
        QVERIFY(f.state.clock_running);
        QVERIFY(!main.start_clock_button()->isEnabled());
        const QString sunrise = main.grid("Tab5")->cell(1, 0);
        const QString phases = main.grid("Tab9")->cell(1, 0);

        QTest::mouseClick(main.time_picker(), Qt::LeftButton);
        QVERIFY(!f.state.clock_running);
        QTime t = main.time_picker()->time();
        t = QTime(t.hour() == 3 ? 4 : 3, 33, 0);
        main.time_picker()->setTime(t);
        QCOMPARE(f.state.current_moment.hour, static_cast<std::uint16_t>(t.hour()));
        main.Timer1Timer();
        QVERIFY(!main.view().day_refreshed);
        QCOMPARE(main.time_picker()->time(), t);
        QCOMPARE(main.grid("Tab5")->cell(1, 0), sunrise);
        QCOMPARE(main.grid("Tab9")->cell(1, 0), phases);
        QVERIFY(main.start_clock_button()->isEnabled());

        QTest::mouseClick(main.start_clock_button(), Qt::LeftButton);
        QVERIFY(f.state.clock_running);
    }

    void helpButtonsOpenTheirTopicsPages() {
        GuiFixture f;
        TFrmHlavni& main = f.start();
        const auto shipped = sidora::data::shipped_data_dir();
        QVERIFY(shipped.has_value());
        QList<int> topics;
        for (QToolButton* b : main.findChildren<QToolButton*>()) {
            const QVariant topic = b->property("helpTopic");
            if (!topic.isValid()) continue;
            topics << topic.toInt();
            b->click();
            QCOMPARE(f.help.topic(), topic.toInt());
            QVERIFY(f.help.isVisible());
            const auto page = *shipped / "help" / (std::to_string(topic.toInt()) + ".html");
            QVERIFY2(std::filesystem::exists(page), page.c_str());
        }
        std::sort(topics.begin(), topics.end());
        QCOMPARE(topics, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 15, 16, 17, 58, 59, 60}));
    }

    void tattvaChoicesRepaintAndClosingWritesTheSettings() {
        GuiFixture f;
        TFrmHlavni& main = start_frozen(f);
        main.first_tattva_box()->setCurrentIndex(2);
        QCOMPARE(main.grid("Tab1")->cell(0, 1), QString("Prthiví"));
        QCOMPARE(main.grid("Tab1")->item(1, 1)->background().color(), QColor(128, 128, 0));
        const QString before = main.grid("Tab1")->cell(1, 1);
        main.tattva_systems()->button(1)->click();
        QCOMPARE(f.state.tattvy.tattva_system, 1);
        QVERIFY(main.grid("Tab1")->cell(2, 1) != QString("10:07"));  // new times at once
        QCOMPARE(main.grid("Tab1")->cell(1, 1), before);           // both systems start at sunrise
        main.house_systems()->button(3)->click();
        main.close();
        QCOMPARE(f.read("tattvy.set"), std::string("\x02\x01\x03", 3));
    }

    void gridsSelectAndCopyAndGrowWithTheWindow() {
        GuiFixture f;
        TFrmHlavni& main = start_frozen(f);
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        GridView* g = main.grid("Tab3");
        // The Julian day and the cell beside it, dragged over with the mouse.
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualItemRect(g->item(0, 1)).center());
        QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::ShiftModifier, g->visualItemRect(g->item(1, 1)).center());
        QTest::keyClick(g, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), g->cell(1, 0) + "\n" + g->cell(1, 1).trimmed());
        QVERIFY(QApplication::clipboard()->text().startsWith("2453009.95833\n"));
        // The next ticks keep the selection.
        main.Timer1Timer();
        QCOMPARE(g->selected_text(), QApplication::clipboard()->text());

        auto columns = [g] {
            int w = 0;
            for (int c = 0; c < g->columnCount(); ++c) w += g->columnWidth(c);
            return w;
        };
        main.resize(900, 700);
        QTest::qWait(20);
        const int narrow = g->width();
        QCOMPARE(columns(), g->viewport()->width());
        main.resize(1300, 700);
        QTest::qWait(20);
        QVERIFY(g->width() > narrow + 300);
        QCOMPARE(columns(), g->viewport()->width());
    }

    void ctrlTabTurnsTheTabsFromAnyField() {
        GuiFixture f;
        TFrmHlavni& main = start_frozen(f);
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        main.page_control()->setCurrentIndex(0);
        main.time_picker()->setFocus();
        QTest::keyClick(main.time_picker(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(main.page_control()->currentIndex(), 1);
        QTest::keyClick(main.time_picker(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(main.page_control()->currentIndex(), 0);
        QTest::keyClick(main.time_picker(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(main.page_control()->currentIndex(), 6);
    }
};

QTEST_MAIN(SkyWindowTest)
#include "sky_window_test.moc"
