// The window shell driven as a user would: real widgets under the offscreen platform.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fstream>

#include "data/startup.h"
#include "gui/frm_hlavni.h"
#include "gui/frm_pozor.h"
#include "gui/frm_progress.h"
#include "gui/frm_start.h"

namespace {
void write(const QString& path, const std::string& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}
}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void warningWindowIsOnTopNotBlockingAndClosesWithOk() {
        TFrmPozor pozor;
        pozor.show_warning("Není vybráno žádné místo!");
        QVERIFY(pozor.isVisible());
        QVERIFY(!pozor.isModal());
        QVERIFY(pozor.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(pozor.findChild<QLabel*>("Label1")->text(), QString("Není vybráno žádné místo!"));
        auto* ok = pozor.findChild<QPushButton*>("BitOK");
        QCOMPARE(ok->text(), QString("&OK"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!pozor.isVisible());
    }

    void mainWindowShowsItsTabsAndClosesTheSplash() {
        QTemporaryDir dir;
        sidora::data::StartMem start;
        start.start_tab = 3;
        write(dir.filePath("start.mem"), encode(start));
        sidora::data::AppState state;
        sidora::data::start_up(state, {dir.path().toStdString(), std::nullopt});

        TFrmStart splash;
        splash.show();
        TFrmPozor pozor;
        TFrmProgress progress;
        TFrmHlavni main(state, pozor, progress, splash);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
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
        QTemporaryDir dir;
        sidora::data::AppState state;
        sidora::data::start_up(state, {dir.path().toStdString(), std::nullopt});
        QDir(dir.path()).mkdir("numera");
        write(dir.filePath("numera/Nsuma.dat"), "@a.txt\r\njedna\r\n@b.txt\r\ndva\r\n");
        write(dir.filePath("prvni.dat"), "");

        TFrmStart splash;
        TFrmPozor pozor;
        TFrmProgress progress;
        TFrmHlavni main(state, pozor, progress, splash);
        main.show();
        main.Timer1Timer();

        QVERIFY(QFile::exists(dir.filePath("numera/a.txt")));
        QVERIFY(QFile::exists(dir.filePath("numera/b.txt")));
        QVERIFY(!QFile::exists(dir.filePath("prvni.dat")));
        QCOMPARE(progress.caption(), QString("Instalace numerologických výkladů"));
        QCOMPARE(progress.maximum(), 63);
        QCOMPARE(progress.position(), 2);
        QVERIFY(!progress.isVisible());
        // No "texty" nor sum file in "Partner": the last warning stays on screen.
        QVERIFY(pozor.isVisible());
        QCOMPARE(pozor.text(), QString("Soubor s výklady nenalezen! Nelze provést instalaci výkladů!"));
        QVERIFY(!state.first_run);

        // Later ticks do not install again.
        write(dir.filePath("prvni.dat"), "");
        main.Timer1Timer();
        QVERIFY(QFile::exists(dir.filePath("prvni.dat")));
    }

    void startupWarningsAreShownWithTheMainWindow() {
        QTemporaryDir dir;
        sidora::data::StartMem start;
        start.zone_index = 99;
        write(dir.filePath("start.mem"), encode(start));
        sidora::data::AppState state;
        sidora::data::start_up(state, {dir.path().toStdString(), std::nullopt});
        TFrmStart splash;
        TFrmPozor pozor;
        TFrmProgress progress;
        TFrmHlavni main(state, pozor, progress, splash);
        main.show();
        QVERIFY(pozor.isVisible());
        QVERIFY(pozor.text().contains("start.mem"));
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
