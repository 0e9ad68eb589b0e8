// What every window shares, driven as a user would: Czech standard dialogs whatever the
// system's language (this test runs with LANG=C), help above the asking window, number
// fields, warnings in full, and quitting.
#include <QApplication>
#include <QClipboard>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QWindow>
#include <QTimer>

#include <functional>

#include "data/places_store.h"
#include "gui/czech.h"
#include "gui/frm_datum.h"
#include "gui/frm_mista.h"
#include "gui/frm_nastav.h"
#include "gui/frm_nove_misto.h"
#include "gui/frm_orbis2.h"
#include "gui/number_field.h"
#include "gui/orb_field.h"
#include "gui_fixture.h"

namespace {

QStringList button_texts(const QMessageBox& box) {
    QStringList texts;
    for (QAbstractButton* b : box.buttons()) texts << b->text().remove('&');
    texts.sort();
    return texts;
}

// Types text key by key, Czech letters included.
void type(QWidget* w, const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Whether a click given to the window, as the platform gives it, reaches the widget: a window
// blocked by a modal dialog never gets it.
bool takes_clicks(QWidget* w) {
    struct Counter : QObject {
        int presses = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::MouseButtonPress) ++presses;
            return false;
        }
    } counter;
    w->installEventFilter(&counter);
    QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, {}, w->mapTo(w->window(), w->rect().center()));
    w->removeEventFilter(&counter);
    return counter.presses == 1;
}

// What the help window showed while a dialog was up: checked there, compared after it closed.
struct HelpSeen {
    bool visible = false, enabled = false, above_asker = false, takes_input = false;
    int topic = 0;
};

HelpSeen look_at_help(GuiFixture& f, QWidget* asker) {
    HelpSeen seen;
    seen.visible = f.help.isVisible();
    seen.enabled = f.help.isEnabled();
    seen.above_asker = f.help.windowHandle()->transientParent() == asker->windowHandle();
    seen.takes_input = takes_clicks(f.help.findChild<QTextBrowser*>()->viewport());
    seen.topic = f.help.topic();
    return seen;
}

void check(const HelpSeen& seen, int topic) {
    QVERIFY(seen.visible);
    QVERIFY(seen.enabled);
    QVERIFY(seen.above_asker);
    QVERIFY(seen.takes_input);
    QCOMPARE(seen.topic, topic);
}

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The run sets the C locale; the program must not follow it.
        QVERIFY(QLocale::system().language() != QLocale::Czech);
        QVERIFY(speak_czech(*qApp));
    }

    void standardButtonsAndCalendarSpeakCzech() {
        QMessageBox box(QMessageBox::Question, "Letní časy", "Uložit změny letních časů?",
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(button_texts(box), QStringList({"Ano", "Ne", "Zrušit"}));
        QMessageBox ok_cancel(QMessageBox::Question, "Potvrzení", "Smazat?", QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(button_texts(ok_cancel), QStringList({"OK", "Zrušit"}));

        QCalendarWidget calendar;
        QCOMPARE(calendar.locale().language(), QLocale::Czech);
        QCOMPARE(calendar.locale().monthName(1), QString("ledna"));
        QCOMPARE(calendar.firstDayOfWeek(), Qt::Monday);

        // The edit boxes' own menu.
        QLineEdit edit;
        std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QStringList items;
        for (QAction* a : menu->actions()) items << a->text().remove('&').section('\t', 0, 0);
        QVERIFY2(items.contains("Vložit"), qPrintable(items.join(", ")));
        QVERIFY2(items.contains("Vybrat vše"), qPrintable(items.join(", ")));
    }

    void typingIntoAClickedLatitudeBoxSavesWhatIsShown() {
        GuiFixture f;
        f.start();
        TFrmNoveMisto d(f.state, f.shell, "");
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTest::keyClicks(d.Edit1, "Cheb");
        // A click anywhere in the box that shows "0": what is typed replaces it.
        QTest::mouseClick(d.Edit2, Qt::LeftButton, {}, QPoint(d.Edit2->width() - 4, d.Edit2->height() / 2));
        QTest::keyClicks(d.Edit2, "50");
        QCOMPARE(d.Edit2->text(), QString("50"));
        QTest::keyClick(d.Edit2, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), d.Edit3);
        QCOMPARE(d.Edit3->selectedText(), QString("0"));
        QTest::keyClicks(d.Edit3, "5");
        QTest::mouseClick(d.BitBtn1, Qt::LeftButton);
        const auto saved = sidora::data::PlacesStore(f.state.program_dir / sidora::data::kPlacesFile).find_place("Cheb");
        QVERIFY(saved);
        QCOMPARE(saved->lat_deg, 50);
        QCOMPARE(saved->lat_min, 5);
    }

    void numberFieldsTakeTheEditingKeysAndRefuseOtherCharacters() {
        struct Case {
            const char* what;
            std::function<void(QLineEdit*)> keys;
            const char* shown;
        };
        const Case cases[] = {
            {"Ctrl+A and a digit", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier); QTest::keyClicks(e, "7"); }, "7"},
            {"Home and a digit", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_Home); QTest::keyClicks(e, "9"); }, "912"},
            {"Home and Delete", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_Home); QTest::keyClick(e, Qt::Key_Delete); }, "2"},
            {"End and Backspace", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_End); QTest::keyClick(e, Qt::Key_Backspace); }, "1"},
            {"letters, space and sign", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_End); type(e, "a -é,"); }, "12"},
            {"pasted digits", [](QLineEdit* e) { QApplication::clipboard()->setText("8"); QTest::keyClick(e, Qt::Key_End); QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier); }, "128"},
            {"pasted letters", [](QLineEdit* e) { QApplication::clipboard()->setText("x1"); QTest::keyClick(e, Qt::Key_End); QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier); }, "12"},
            {"copied and cut", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier); QTest::keyClick(e, Qt::Key_X, Qt::ControlModifier); QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier); QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier); }, "121"},
        };
        QWidget window;
        auto* field = new NumberField("Edit5", 3, &window);
        auto* other = new QLineEdit(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const Case& c : cases) {
            other->setFocus();
            field->setText("12");
            field->setFocus();
            c.keys(field);
            QVERIFY2(field->text() == c.shown, c.what);
        }
    }

    void anEmptiedOrbFieldStaysEmptyUntilADigitIsTyped() {
        GuiFixture f;
        f.start();
        TFrmOrbis2 w(f.state, f.shell);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        OrbField* field = w.orbs[1];
        field->setFocus();
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QString());
        QTest::keyClicks(field, "7");
        QCOMPARE(field->text(), QString("7"));
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::mouseClick(w.BitNastav, Qt::LeftButton);
        QCOMPARE(f.state.orbs.point_orbs[1], 0.0);
    }

    void helpOpensAboveEachModalDialogAndTakesInput() {
        GuiFixture f;
        TFrmHlavni& main = f.start();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        // Open and visible already behind the dialogs: asking again brings it above each.
        f.help.show_topic(1, &main);

        HelpSeen settings;
        QTimer::singleShot(0, [&] {
            auto* d = &main.settings_dialog();
            d->findChild<QToolButton*>("HelpNastav")->click();
            settings = look_at_help(f, d);
            d->reject();
        });
        main.settings_dialog().open_dialog();
        check(settings, 8);
        // The dialog gone, the help is above the main window again.
        QCOMPARE(f.help.windowHandle()->transientParent(), main.windowHandle());

        TFrmDatum& datum = main.date_dialog();
        datum.open_dialog();
        QVERIFY(datum.isModal());
        datum.findChild<QToolButton*>("HelpDatum")->click();
        const HelpSeen date = look_at_help(f, &datum);
        check(date, 15);

        // A new place asked from the date dialog: a modal dialog above a modal dialog.
        HelpSeen new_place;
        QTimer::singleShot(0, [&] {
            QWidget* d = QApplication::activeModalWidget();
            if (d && d->objectName() == "TFrmNoveMisto") {
                d->findChild<QPushButton*>("BitHelp")->click();
                new_place = look_at_help(f, d);
                static_cast<QDialog*>(d)->reject();
            }
        });
        datum.BitNove->click();
        check(new_place, 9);
        QCOMPARE(f.help.windowHandle()->transientParent(), datum.windowHandle());
        datum.reject();
    }

    void placesAndWarningsStayAboveTheMainWindowOnly() {
        GuiFixture f;
        TFrmHlavni& main = f.start();
        QTest::mouseClick(main.place_button(), Qt::LeftButton);
        TFrmMista& mista = main.places_window();
        QVERIFY(mista.isVisible());
        for (QWidget* w : std::initializer_list<QWidget*>{&mista, &f.pozor, &f.progress}) {
            QVERIFY(!(w->windowFlags() & Qt::WindowStaysOnTopHint));
        }
        QCOMPARE(f.progress.windowHandle()->transientParent(), main.windowHandle());
        QCOMPARE(mista.windowHandle()->transientParent(), main.windowHandle());
        QTest::mouseClick(mista.BitNastav, Qt::LeftButton);  // nothing chosen: a warning
        QCOMPARE(f.pozor.text(), QString("Není vybráno žádné místo!"));
        const QWindow* below = f.pozor.windowHandle()->transientParent();
        QVERIFY(below == mista.windowHandle() || below == main.windowHandle());
        mista.findChild<QPushButton*>("BitHelp")->click();
        check(look_at_help(f, &mista), 11);
    }

    void aLongWarningAfterAShortOneShowsEveryLine() {
        TFrmPozor pozor;
        pozor.show_warning("Není vybráno žádné místo!");
        auto* label = pozor.findChild<QLabel*>("Label1");
        const int one_line = label->height();
        const QString three = "Domovské místo nelze přejmenovat!\nNejprve nastavte jiný domov\nv nastavení programu.";
        pozor.show_warning(three);
        QCOMPARE(pozor.text(), three);
        QVERIFY(label->height() >= 3 * QFontMetrics(label->font()).lineSpacing());
        QVERIFY(label->height() > 2 * one_line);
        QVERIFY(pozor.rect().contains(label->geometry()));
        // Back to one line, the window shrinks again.
        pozor.show_warning("Není vybráno žádné místo!");
        QCOMPARE(label->height(), one_line);
    }

    void closingTheMainWindowClosesEveryWindowAndEndsTheProgram() {
        GuiFixture f;
        TFrmHlavni& main = f.start();
        QTest::mouseClick(main.place_button(), Qt::LeftButton);
        f.help.show_topic(1, &main);
        QVERIFY(main.places_window().isVisible());
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        watchdog.start(5000);
        QTimer::singleShot(0, &main, [&main] { main.close(); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!main.isVisible());
        QVERIFY(!main.places_window().isVisible());
        QVERIFY(!f.help.isVisible());
    }

    void aFailedSaveOfTheTattvaChoicesIsShownBeforeTheEnd() {
        GuiFixture f;
        TFrmHlavni& main = f.start();
        QFile::remove(f.dir.filePath("tattvy.set"));
        QVERIFY(QDir(f.dir.path()).mkdir("tattvy.set"));  // cannot be written over
        QString shown;
        QTimer::singleShot(0, [&] {
            shown = f.pozor.isVisible() ? f.pozor.text() : QString();
            f.pozor.findChild<QPushButton*>("BitOK")->click();
        });
        main.close();
        QVERIFY2(shown.startsWith("Běhová chyba 101 (tattvy.set): "), qPrintable(shown));
        QVERIFY(!f.pozor.isVisible());
        QVERIFY(!main.isVisible());
    }

    void aDateTypedOverTheSelectedOneKeepsItsDayAndAYearOutOfRangeIsExplained() {
        GuiFixture f;
        TFrmHlavni& main = f.start();
        TFrmDatum& d = main.date_dialog();
        d.open_dialog();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        struct Case {
            const char* typed;
            QDate date;
        };
        for (const Case& c : {Case{"15.3.2004", QDate(2004, 3, 15)}, Case{"28.12.1999", QDate(1999, 12, 28)},
                              Case{"7.7.2010", QDate(2010, 7, 7)}}) {
            d.DateTimer1->setDate(QDate(2004, 1, 5));
            d.DateTimer1->setFocus();
            QTest::keyClick(d.DateTimer1, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(d.DateTimer1, c.typed);
            QCOMPARE(d.DateTimer1->date(), c.date);
        }
        QVERIFY(!f.pozor.isVisible());
        QTest::keyClick(d.DateTimer1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(d.DateTimer1, "3.1.17");
        QVERIFY(f.pozor.isVisible());
        QCOMPARE(f.pozor.text(), QString("Rok musí ležet v rozmezí 1800 až 2100!"));
        QVERIFY(d.DateTimer1->date().year() >= 1800);
        d.reject();
    }

    void theMainWindowComesBackWhereItWas() {
        GuiFixture f;
        f.write("okno.txt", "50 40 1000 760 0\n");
        TFrmHlavni& main = f.start();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QCOMPARE(main.size(), QSize(1000, 760));
        QCOMPARE(main.pos(), QPoint(50, 40));
        main.resize(1100, 800);
        main.move(60, 30);
        main.close();
        QCOMPARE(f.read("okno.txt"), std::string("60 30 1100 800 0\n"));
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
