// The window shell driven as a user would: real widgets under the offscreen platform.
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "gui_fixture.h"

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void warningWindowIsNotBlockingAndClosesWithOk() {
        TFrmPozor pozor;
        pozor.show_warning("Není vybráno žádné místo!");
        QVERIFY(pozor.isVisible());
        QVERIFY(!pozor.isModal());
        QCOMPARE(pozor.findChild<QLabel*>("Label1")->text(), QString("Není vybráno žádné místo!"));
        auto* ok = pozor.findChild<QPushButton*>("BitOK");
        QCOMPARE(ok->text(), QString("&OK"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!pozor.isVisible());
    }

    void mainWindowShowsItsTabsAndClosesTheSplash() {
        GuiFixture f;
        sidora::data::StartMem start;
        start.start_tab = 3;
        f.write("start.mem", encode(start));
        f.splash.show();
        TFrmHlavni& main = f.start();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        auto& splash = f.splash;
        auto& pozor = f.pozor;
        QCOMPARE(main.windowTitle(), QString("Sidora"));
        QVERIFY(!splash.isVisible());
        auto* tabs = main.page_control();
        QStringList titles;
        for (int i = 0; i < tabs->count(); ++i) titles << tabs->tabText(i);
        QCOMPARE(titles, QStringList({"Čas", "Slunce", "Měsíc", "Planety", "Astrologie", "Domy", "Tattvy"}));
        QCOMPARE(tabs->currentIndex(), 2);
        QVERIFY(main.timer()->isActive());
        QCOMPARE(main.timer()->interval(), 1000);
        QVERIFY(!pozor.isVisible());
    }

    void firstTickInstallsTextsWithProgressAndWarnings() {
        GuiFixture f;
        QDir(f.dir.path()).mkdir("numera");
        f.write("numera/Nsuma.dat", "@a.txt\r\njedna\r\n@b.txt\r\ndva\r\n");
        f.write("prvni.dat", "");
        TFrmHlavni& main = f.start();
        main.Timer1Timer();
        auto& dir = f.dir;
        auto& progress = f.progress;
        auto& pozor = f.pozor;
        auto& state = f.state;

        QVERIFY(QFile::exists(dir.filePath("numera/a.txt")));
        QVERIFY(QFile::exists(dir.filePath("numera/b.txt")));
        QVERIFY(!QFile::exists(dir.filePath("prvni.dat")));
        QCOMPARE(progress.caption(), QString("Instalace numerologických výkladů"));
        QCOMPARE(progress.maximum(), 2);  // one step per text of the package
        QCOMPARE(progress.position(), 2);
        QVERIFY(!progress.isVisible());
        // No "texty" nor sum file in "Partner": the last warning stays on screen.
        QVERIFY(pozor.isVisible());
        QCOMPARE(pozor.text(), QString("Soubor s výklady nenalezen! Nelze provést instalaci výkladů!"));
        QVERIFY(!state.first_run);

        // Later ticks do not install again.
        f.write("prvni.dat", "");
        main.Timer1Timer();
        QVERIFY(QFile::exists(dir.filePath("prvni.dat")));
    }

    void startupWarningsAreShownWithTheMainWindow() {
        GuiFixture f;
        sidora::data::StartMem start;
        start.zone_index = 99;
        f.write("start.mem", encode(start));
        f.start();
        QVERIFY(f.pozor.isVisible());
        QVERIFY(f.pozor.text().contains("start.mem"));
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
