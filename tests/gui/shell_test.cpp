// What every window shares, driven as a user would: Czech standard dialogs whatever the
// system's language (this test runs with LANG=C), help above the asking window, number
// fields, warnings in full, and quitting.
#include <QApplication>
#include <QClipboard>
#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "data/places_store.h"
#include "gui/czech.h"
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
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
