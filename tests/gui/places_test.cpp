// The places window and the new-place dialog, driven through their widgets.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>

#include "data/places_store.h"
#include "io/cp1250.h"
#include "gui/frm_mista.h"
#include "gui/frm_nove_misto.h"
#include "gui_fixture.h"
#include "list_clicks.h"
#include "../sample_places.h"

using sidora::data::TMisto;
using namespace sidora::test;

namespace {

QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

// Types text key by key, Czech letters included.
void type(QWidget* w, const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Runs `step` on the modal window once it is up (exec() blocks the test until it closes).
void on_modal(std::function<void(QWidget*)> step) {
    QTimer::singleShot(0, [step] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        step(modal);
    });
}

}  // namespace

class PlacesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiFixture> f;
    TFrmMista* mista = nullptr;

    void open_places(std::initializer_list<TMisto> places) {
        f = std::make_unique<GuiFixture>();
        f->write("mista.dat", file_of(places));
        f->start();
        QTest::mouseClick(f->main->place_button(), Qt::LeftButton);
        mista = &f->main->places_window();
        QVERIFY(mista->isVisible());
    }

    // Fills the open new-place dialog and saves it.
    static void fill_and_save(QWidget* modal, const QString& name, const QString& lat_deg, const QString& lat_min,
                              const QString& lon_deg, const QString& lon_min, bool south = false) {
        auto* d = qobject_cast<TFrmNoveMisto*>(modal);
        QVERIFY(d);
        d->Edit1->selectAll();
        type(d->Edit1, name);
        for (auto [box, text] : {std::pair{d->Edit2, lat_deg}, {d->Edit3, lat_min}, {d->Edit5, lon_deg}, {d->Edit4, lon_min}}) {
            box->selectAll();
            type(box, text);
        }
        if (south) d->RadioJih->setChecked(true);
        QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
    }

private slots:
    void cleanup() { f.reset(); }

    void choosingAndLeavingWithOpustReturnsHome() {
        open_places({kPraha, kBrno, kOstrava});
        QCOMPARE(items(mista->ListBox1), QStringList({"Brno", "Ostrava", "Praha"}));
        f->state.zone_offset = 7;
        select_item(mista->ListBox1, "Brno");
        QCOMPARE(f->state.current_place, kBrno);
        QCOMPARE(mista->LabelMisto->text(), QString("Brno"));
        QCOMPARE(mista->LabelSirka->text(), QString("49° 12´ severně"));
        QCOMPARE(mista->LabelDelka->text(), QString("16° 37´ východně"));
        QTest::mouseClick(mista->BitOpust, Qt::LeftButton);
        QVERIFY(!mista->isVisible());
        QCOMPARE(f->state.current_place, kPraha);
        QCOMPARE(f->state.zone_offset, 1);
        QCOMPARE(f->main->place_text(), QString("Místo: Praha"));
    }

    void nastavKeepsTheChosenPlace() {
        open_places({kPraha, kBrno});
        QTest::mouseClick(mista->BitNastav, Qt::LeftButton);
        QVERIFY(mista->isVisible());
        QCOMPARE(f->pozor.text(), QString("Není vybráno žádné místo!"));
        select_item(mista->ListBox1, "Brno");
        QTest::mouseClick(mista->BitNastav, Qt::LeftButton);
        QVERIFY(!mista->isVisible());
        QCOMPARE(f->state.current_place, kBrno);
        QCOMPARE(f->main->place_text(), QString("Místo: Brno"));
    }

    void helpButtonOpensTopic11() {
        open_places({kPraha});
        QTest::mouseClick(mista->findChild<QPushButton*>("BitHelp"), Qt::LeftButton);
        QVERIFY(f->help.isVisible());
        QCOMPARE(f->help.topic(), 11);
        QVERIFY(f->help.findChild<QTextBrowser*>()->toPlainText().contains("Místa"));
    }

    void addingAPlaceRefillsEveryListSorted() {
        open_places({kPraha, kBrno});
        PlaceChooser chooser(f->state, f->place_lists);
        chooser.fill("Praha");
        on_modal([](QWidget* m) {
            auto* d = qobject_cast<TFrmNoveMisto*>(m);
            QCOMPARE(d->windowTitle(), QString("Nové místo"));
            QCOMPARE(d->Edit2->text(), QString("0"));
            // Letters never reach a number box.
            type(d->Edit2, "xé-");
            QCOMPARE(d->Edit2->text(), QString("0"));
            fill_and_save(m, "Cheb", "50", "5", "12", "22");
        });
        QTest::mouseClick(mista->BitNove, Qt::LeftButton);
        QCOMPARE(items(mista->ListBox1), QStringList({"Brno", "Cheb", "Praha"}));
        QCOMPARE(mista->ListBox1->currentItem()->text(), QString("Cheb"));
        // Its values at once, also after the window is active again.
        QCOMPARE(mista->LabelSirka->text(), QString("50° 5´ severně"));
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(mista, &activate);
        QCOMPARE(mista->LabelDelka->text(), QString("12° 22´ východně"));
        QCOMPARE(chooser.currentText(), QString("Cheb"));
        QCOMPARE(chooser.count(), 3);
        QCOMPARE(f->read("mista.dat"), file_of({kPraha, kBrno, kCheb}));
    }

    // The window's list is read before the command line adds its place; saving in the
    // window must keep that place, and both names are then in the window's list.
    void windowAndCommandLineAddingAtOnceKeepBoth() {
        open_places({kPraha, kBrno});
        QProcess cli;
        on_modal([&](QWidget* m) {
            cli.start(SIDORA_CLI, {"--dir", f->dir.path(), "places", "add", "Ostrava", "--lat", "49:50N", "--lon", "18:17E"});
            QVERIFY(cli.waitForStarted());
            fill_and_save(m, "Cheb", "50", "5", "12", "22");
        });
        QTest::mouseClick(mista->BitNove, Qt::LeftButton);
        QVERIFY(cli.waitForFinished(10000));
        QCOMPARE(cli.exitCode(), 0);
        std::vector<std::string> names;
        for (const auto& p : sidora::data::PlacesStore(f->dir.filePath("mista.dat").toStdString()).read_all()) {
            names.push_back(p.name);
        }
        std::sort(names.begin(), names.end());
        QCOMPARE(names, (std::vector<std::string>{"Brno", "Cheb", "Ostrava", "Praha"}));
        QVERIFY(items(mista->ListBox1).contains("Cheb"));
    }

    void checksStopAtTheFirstFailureAndFocusTheBox() {
        open_places({kPraha});
        on_modal([this](QWidget* m) {
            auto* d = qobject_cast<TFrmNoveMisto*>(m);
            d->Edit1->setText("Sever");
            d->Edit2->setText("91");
            QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
            QCOMPARE(f->pozor.text(), QString("Zeměpisná šířka může nabývat hodnot od 0 do 90°!"));
            QCOMPARE(d->focusWidget(), d->Edit2);
            QVERIFY(d->isVisible());
            QTest::mouseClick(f->pozor.findChild<QPushButton*>("BitOK"), Qt::LeftButton);
            d->Edit2->clear();
            QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
            QCOMPARE(f->pozor.text(), QString("V okénku zeměpisná šířka je hloupost!"));
            QTest::mouseClick(f->pozor.findChild<QPushButton*>("BitOK"), Qt::LeftButton);
            d->Edit1->setText("Praha");
            d->Edit2->setText("90");
            d->Edit3->setText("30");
            QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
            QCOMPARE(f->pozor.text(), QString("Zeměpisná šířka může nabývat hodnot od 0 do 90°!"));
            QCOMPARE(d->focusWidget(), d->Edit3);
            QTest::mouseClick(f->pozor.findChild<QPushButton*>("BitOK"), Qt::LeftButton);
            d->Edit3->setText("0");
            QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
            QCOMPARE(f->pozor.text(), QString("Praha byl již dříve uložen!"));
            QCOMPARE(d->focusWidget(), d->Edit1);
            QTest::mouseClick(f->pozor.findChild<QPushButton*>("BitOK"), Qt::LeftButton);
            d->Edit1->setText("Sever");
            QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
            QVERIFY(!d->isVisible());
        });
        QTest::mouseClick(mista->BitNove, Qt::LeftButton);
        QCOMPARE(f->read("mista.dat"), file_of({kPraha, TMisto{"Sever", 0, 0, 1, 90, 0, 1}}));
    }

    void editingRewritesTheRecordInPlace() {
        open_places({kPraha, kBrno, kOstrava});
        select_item(mista->ListBox1, "Brno");
        on_modal([](QWidget* m) {
            auto* d = qobject_cast<TFrmNoveMisto*>(m);
            QCOMPARE(d->Edit1->text(), QString("Brno"));
            QCOMPARE(d->Edit2->text(), QString("49"));
            QCOMPARE(d->Edit4->text(), QString("37"));
            fill_and_save(m, "Zlín", "49", "13", "17", "40", true);
        });
        QTest::mouseClick(mista->BitDomov, Qt::LeftButton);
        QCOMPARE(items(mista->ListBox1), QStringList({"Ostrava", "Praha", "Zlín"}));
        QCOMPARE(f->read("mista.dat"), file_of({kPraha, TMisto{"Zlín", 17, 40, 1, 49, 13, 0}, kOstrava}));
    }

    void deletingMovesTheLastRecordIntoTheSlot() {
        open_places({kPraha, kBrno, kOstrava, kCheb});
        select_item(mista->ListBox1, "Brno");
        on_modal([](QWidget* m) {
            auto* box = qobject_cast<QMessageBox*>(m);
            QVERIFY(box);
            QCOMPARE(box->text(), QString("Opravdu chceš smazat Brno?"));
            box->button(QMessageBox::Ok)->click();
        });
        QTest::mouseClick(mista->BitSmaz, Qt::LeftButton);
        QCOMPARE(items(mista->ListBox1), QStringList({"Cheb", "Ostrava", "Praha"}));
        QCOMPARE(f->read("mista.dat"), file_of({kPraha, kCheb, kOstrava}));

        // The Delete key in the list does the same; Cancel keeps the place.
        select_item(mista->ListBox1, "Ostrava");
        on_modal([](QWidget* m) { qobject_cast<QMessageBox*>(m)->button(QMessageBox::Cancel)->click(); });
        QTest::keyClick(mista->ListBox1, Qt::Key_Delete);
        QCOMPARE(f->read("mista.dat"), file_of({kPraha, kCheb, kOstrava}));

        select_item(mista->ListBox1, "Praha");
        QTest::mouseClick(mista->BitSmaz, Qt::LeftButton);
        QCOMPARE(f->pozor.text(), QString("Praha nelze smazat! Je nastaven jako domov."));
        QCOMPARE(f->read("mista.dat"), file_of({kPraha, kCheb, kOstrava}));
    }

    void renamedHomePlaceDoesNotTrapTheWindow() {
        open_places({kPraha, kBrno});
        select_item(mista->ListBox1, "Praha");
        on_modal([](QWidget* m) { fill_and_save(m, "Praha-město", "50", "5", "14", "25"); });
        QTest::mouseClick(mista->BitDomov, Qt::LeftButton);
        QTest::mouseClick(mista->BitOpust, Qt::LeftButton);
        QVERIFY(!mista->isVisible());
        QVERIFY(f->pozor.text().contains("„Praha“ v seznamu míst není"));
        QCOMPARE(f->state.current_place.name, std::string("Praha-město"));
        QCOMPARE(f->read("mista.dat"), file_of({TMisto{"Praha-město", 14, 25, 1, 50, 5, 1}, kBrno}));
    }

    void longNameFromAnotherSourceIsShownWhole() {
        const TMisto long_name{"Nejdelší název místa, jaký se sem vejde!", 1, 2, 1, 3, 4, 1};
        QCOMPARE(sidora::io::utf8_length(long_name.name), std::size_t{40});
        open_places({kPraha, long_name});
        select_item(mista->ListBox1, QString::fromStdString(long_name.name));
        QCOMPARE(mista->LabelMisto->text(), QString::fromStdString(long_name.name));
        on_modal([&](QWidget* m) {
            auto* d = qobject_cast<TFrmNoveMisto*>(m);
            QCOMPARE(d->Edit1->text(), QString::fromStdString(long_name.name));
            d->reject();
        });
        QTest::mouseClick(mista->BitDomov, Qt::LeftButton);
    }

    void garbledFileIsReportedAndLeftAlone() {
        open_places({kPraha, kBrno});
        QTest::mouseClick(mista->BitOpust, Qt::LeftButton);
        const std::string garbled = file_of({kPraha, kBrno}) + "xy";
        f->write("mista.dat", garbled);
        QTest::mouseClick(f->main->place_button(), Qt::LeftButton);
        QVERIFY(f->pozor.text().contains("není násobkem"));
        QCOMPARE(mista->ListBox1->count(), 0);
        QTest::mouseClick(mista->BitOpust, Qt::LeftButton);
        QCOMPARE(f->read("mista.dat"), garbled);
    }
};

QTEST_MAIN(PlacesTest)
#include "places_test.moc"
