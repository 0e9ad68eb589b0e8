// The main window's commands, the date dialog, printing and the settings editors, driven
// through their widgets under the offscreen platform.
#include <QButtonGroup>
#include <QCheckBox>
#include <QStandardPaths>
#include <QTimer>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>
#include <QPrinter>

#include "data/data_dir.h"
#include "io/files.h"
#include "gui/frm_datum.h"
#include "gui/frm_letni.h"
#include "gui/frm_mista.h"
#include "gui/frm_nastav.h"
#include "gui/frm_orbis2.h"
#include "gui/frm_orbit.h"
#include "gui/grid_view.h"
#include "gui/orb_field.h"
#include "gui_fixture.h"
#include "models/summer_editor.h"

namespace {

TFrmHlavni& started(GuiFixture& f) {
    TFrmHlavni& main = f.start();
    QSignalSpy ticked(&main, &TFrmHlavni::ticked);
    ticked.wait(3000);
    main.activateWindow();
    if (!QTest::qWaitForWindowActive(&main)) qWarning("the main window did not become active");
    return main;
}

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void keysStepTheDateAndObeyTheClock() {
        GuiFixture f;
        TFrmHlavni& main = started(f);
        QVERIFY(f.state.clock_running);
        // Ctrl+Y does nothing while the clock runs.
        QVERIFY(!main.tool_button("ToolButton12")->isEnabled());
        f.state.current_place.name = "Jinde";
        QTest::keyClick(&main, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(f.state.clock_running);
        QCOMPARE(f.state.current_place.name, std::string("Jinde"));
        f.state.current_place.name = "Praha";

        const sidora::engine::Moment before = f.state.current_moment;
        QTest::keyClick(&main, Qt::Key_D, Qt::ControlModifier);
        QVERIFY(!f.state.clock_running);
        sidora::engine::Moment next = before;
        sidora::engine::moment_next_day(next);
        QCOMPARE(f.state.current_moment.day, next.day);
        QCOMPARE(f.state.current_moment.hour, before.hour);
        QVERIFY(main.tool_button("ToolButton12")->isEnabled());
        QVERIFY(main.view().day_refreshed);  // the new date shows at once

        // Ctrl+Q does nothing while the clock is frozen.
        QTest::keyClick(&main, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!main.places_window().isVisible());

        f.state.current_moment = {31, 1, 2004, 23, 59, 59};
        QTest::keyClick(&main, Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(f.state.current_moment, (sidora::engine::Moment{29, 2, 2004, 23, 59, 59}));
        QTest::keyClick(&main, Qt::Key_R, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(f.state.current_moment, (sidora::engine::Moment{28, 2, 2003, 23, 59, 59}));

        // Ctrl+Y while frozen: now, running, the home place.
        QTest::keyClick(&main, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(f.state.clock_running);
        QTest::keyClick(&main, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(main.places_window().isVisible());
    }

    void dateDialogWithoutAPlaceWarnsAndStaysOpen() {
        GuiFixture f;
        // The shipped Czech summer-time rules.
        f.write("LC.dat", *sidora::io::read_file(*sidora::data::shipped_data_dir() / "LC.dat"));
        TFrmHlavni& main = started(f);
        main.tool_button("ToolButton13")->click();
        TFrmDatum& d = main.date_dialog();
        QVERIFY(d.isVisible());
        QCOMPARE(d.windowTitle(), QString("Změna data ..."));
        QCOMPARE(d.ComboDomov->currentText(), QString("Praha"));
        QCOMPARE(d.DateTimer1->minimumDate(), QDate(1800, 1, 1));
        QCOMPARE(d.DateTimer1->maximumDate(), QDate(2100, 12, 31));

        // Summer time follows the date.
        d.DateTimer1->setDate(QDate(2004, 7, 1));
        QVERIFY(d.CheckLetni->isChecked());
        QVERIFY(!d.Label10->text().isEmpty());
        d.DateTimer1->setDate(QDate(2004, 1, 10));
        QVERIFY(!d.CheckLetni->isChecked());

        d.ComboDomov->setCurrentIndex(-1);
        QTest::mouseClick(d.BitNastav, Qt::LeftButton);
        QVERIFY(d.isVisible());
        QVERIFY(f.pozor.isVisible());
        QCOMPARE(f.pozor.findChild<QLabel*>("Label1")->text(), QString("Není vybráno žádné místo!"));
        QVERIFY(!f.state.clock_running);

        d.ComboDomov->setCurrentText("Praha");
        d.datetimer2->setTime(QTime(6, 30, 15));
        QTest::mouseClick(d.BitNastav, Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(f.state.current_moment, (sidora::engine::Moment{10, 1, 2004, 6, 30, 15}));
        QCOMPARE(f.state.start.auto_summer, 0);
        QCOMPARE(main.findChild<QLabel*>("Label1")->text(), QString("10. ledna 2004, sobota"));
    }

    void settingsSavedUnchangedKeepTheBytes() {
        GuiFixture f;
        TFrmHlavni& main = started(f);
        const std::string start = f.read("start.mem"), astro = f.read("astro.mem"), num = f.read("num.set");
        TFrmNastav& s = main.settings_dialog();
        QTimer::singleShot(0, &s, [&s] {
            QVERIFY(s.CheckBox1->isChecked());
            QVERIFY(!s.CheckLetni->isEnabled());
            QCOMPARE(s.ComboDomov->currentText(), QString("Praha"));
            QTest::mouseClick(s.BitNastav, Qt::LeftButton);
        });
        QVERIFY(s.open_dialog());
        QCOMPARE(f.read("start.mem"), start);
        QCOMPARE(f.read("astro.mem"), astro);
        QCOMPARE(f.read("num.set"), num);

        QTimer::singleShot(0, &s, [&s] {
            s.RadioGroup1->button(6)->click();
            s.CheckBox1->click();
            QVERIFY(s.CheckLetni->isEnabled());
            s.SpinEdit1->setValue(12);  // beyond 9
            QTest::mouseClick(s.BitOpust, Qt::LeftButton);
        });
        QVERIFY(!s.open_dialog());
        QCOMPARE(f.read("start.mem"), start);
        QTimer::singleShot(0, &s, [&s] {
            s.RadioGroup1->button(6)->click();
            s.SpinEdit1->setValue(12);
            QTest::mouseClick(s.BitNastav, Qt::LeftButton);
        });
        QVERIFY(s.open_dialog());
        QCOMPARE(static_cast<int>(f.read("start.mem")[263]), 7);
        QCOMPARE(f.read("num.set"), std::string("\x09"));
    }

    void summerEditorRefusesMissingDaysAndLeavesByTheFile() {
        GuiFixture f;
        f.start();
        TFrmLetni w(f.state, f.shell);
        w.show();
        QCOMPARE(w.SpinEdit1->value(), 1916);
        w.SpinEdit1->setValue(1990);
        w.RadioButton1->click();
        QVERIFY(w.periods[0][0]->isEnabled());
        QVERIFY(!w.periods[1][0]->isEnabled());
        w.periods[0][1]->setValue(4);   // April
        w.periods[0][0]->setValue(31);  // the 31st
        w.SpinEdit1->setValue(1916);
        QTest::mouseClick(w.BitNastav, Qt::LeftButton);
        QVERIFY(w.isVisible());
        QCOMPARE(f.pozor.findChild<QLabel*>("Label1")->text(), QString("Zadáno neexistující datum!"));
        QCOMPARE(w.SpinEdit1->value(), 1990);
        QCOMPARE(w.focusWidget(), w.periods[0][0]);
        const std::string file = f.read("LC.dat");

        QTest::mouseClick(w.BitOpust, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(f.read("LC.dat"), file);
        QVERIFY(!sidora::models::summer_rules_unsaved(f.state.engine, f.state.program_dir.string()));

        // "Zaveden dvakrát" keeps the second period's bytes across "Zaveden".
        TFrmLetni again(f.state, f.shell);
        again.show();
        again.RadioButton4->click();
        again.periods[1][2]->setValue(24);
        again.RadioButton1->click();
        QVERIFY(!again.periods[1][2]->isEnabled());
        again.RadioButton4->click();
        QCOMPARE(again.periods[1][2]->value(), 24);
        QTest::mouseClick(again.BitNastav, Qt::LeftButton);
        QVERIFY(!again.isVisible());
        QVERIFY(f.read("LC.dat") != file);
    }

    void orbEditorsClampTheirFieldsAndSaveSymmetrically() {
        GuiFixture f;
        f.start();
        TFrmOrbit w(f.state, f.shell);
        w.show();
        QVERIFY(w.major(2, 1) == nullptr);  // the lower triangle has no fields
        OrbField* sun_mars = w.major(1, 5);
        QCOMPARE(sun_mars->text(), QString("9"));
        sun_mars->clear();
        QCOMPARE(sun_mars->text(), QString());
        sun_mars->selectAll();
        QTest::keyClicks(sun_mars, "25");
        QCOMPARE(sun_mars->text(), QString("18"));
        sun_mars->selectAll();
        QTest::keyClicks(sun_mars, "1a");  // the letter is refused
        QCOMPARE(sun_mars->text(), QString("1"));
        w.major(3, 11)->setText("4");
        w.major(3, 13)->setText("6");
        w.unused(10)->setChecked(true);
        QVERIFY(!w.minor(10)->isEnabled());
        QTest::mouseClick(w.BitNastav, Qt::LeftButton);
        const auto& m = f.state.orbs.orb_matrix;
        QCOMPARE(m[1][5], 1.0);
        QCOMPARE(m[5][1], 1.0);
        for (int r = 1; r <= 10; ++r) {
            for (int c = 1; c <= 10; ++c) QCOMPARE(m[r][c], m[c][r]);
        }
        QCOMPARE(m[3][12], 4.0);
        QCOMPARE(m[3][16], 6.0);
        QCOMPARE(f.read("orbit1.mem"), sidora::data::encode_orbit1(f.state.orbs));
        QCOMPARE(f.state.orbs.minor_orbs[10].nepouzivat, 1);
        QCOMPARE(f.state.orbs.minor_orbs[10].orbis, 1.0);  // the orb stays with the flag

        TFrmOrbis2 more(f.state, f.shell);
        more.show();
        QCOMPARE(more.orbs[1]->text(), QString("2"));
        more.orbs[3]->setText("5");
        more.exclusions[4]->setChecked(true);
        QTest::mouseClick(more.BitNastav, Qt::LeftButton);
        QCOMPARE(f.read("orbit3.mem"), std::string("\x02\x02\x05", 3));
        QCOMPARE(f.read("aster.mem"), std::string("\0\0\0\x01\0\0\0", 7));
    }

    void everyHelpTopicHasItsPage() {
        GuiFixture f;
        TFrmHlavni& main = f.start();
        TFrmLetni letni(f.state, f.shell);
        TFrmOrbit orbit(f.state, f.shell);
        TFrmOrbis2 orbis2(f.state, f.shell);
        const auto shipped = sidora::data::shipped_data_dir();
        QVERIFY(shipped.has_value());
        QSet<int> topics;
        for (QObject* w : std::initializer_list<QObject*>{&main, &letni, &orbit, &orbis2}) {
            for (QToolButton* b : w->findChildren<QToolButton*>()) {
                if (b->property("helpTopic").isValid()) topics << b->property("helpTopic").toInt();
            }
        }
        topics << 9 << 11;  // the places windows
        topics << 36;       // the sphere, created by its command
        QCOMPARE(topics.size(), 20);
        for (int t : topics) {
            const auto page = *shipped / "help" / (std::to_string(t) + ".html");
            QVERIFY2(std::filesystem::exists(page), page.c_str());
            // Buttons are named as the user sees them, without their accelerator signs.
            QFile file(QString::fromStdString(page.string()));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            QVERIFY2(!html.contains(QRegularExpression("&amp;\\w")), page.c_str());
        }
    }

    void printingToAPdfGivesTheWindowOnWhite() {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) QSKIP("pdftoppm missing");
        GuiFixture f;
        TFrmHlavni& main = f.start();
        f.state.clock_running = false;
        f.state.current_moment = {9, 1, 2004, 21, 30, 0};  // a moon nearly full, no phase today
        QSignalSpy ticked(&main, &TFrmHlavni::ticked);
        QVERIFY(ticked.wait(3000));
        main.page_control()->setCurrentIndex(2);
        const QString pdf = f.dir.filePath("okno.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        main.print_on(printer, 2, 1);
        QVERIFY(QFile::exists(pdf));
        QVERIFY(main.palette().color(QPalette::Window) != QColor(Qt::white) ||
                QApplication::palette().color(QPalette::Window) == QColor(Qt::white));

        QProcess p;
        p.start("pdftoppm", {"-png", "-r", "60", "-singlefile", pdf, f.dir.filePath("strana")});
        QVERIFY(p.waitForFinished(30000));
        const QImage page(f.dir.filePath("strana.png"));
        QVERIFY(!page.isNull());
        // SIDORA_KEEP_PAGE=FILE keeps the page for a look by eye.
        if (qEnvironmentVariableIsSet("SIDORA_KEEP_PAGE")) page.save(qEnvironmentVariable("SIDORA_KEEP_PAGE"));
        QCOMPARE(QColor(page.pixel(page.width() - 3, page.height() - 3)), QColor(Qt::white));
        // The window's content: dark text and the black Moon on the navy panel.
        int dark = 0, yellow = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QColor c(page.pixel(x, y));
                if (c.lightness() < 60) ++dark;
                if (c.red() > 200 && c.green() > 200 && c.blue() < 80) ++yellow;
            }
        }
        QVERIFY(dark > 500);
        QVERIFY2(yellow < 50, "the Moon prints black");
    }
};

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
