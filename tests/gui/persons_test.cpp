// The person chooser and the person editor, driven through their widgets.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>

#include <functional>

#include "data/summer_file.h"
#include "gui/frm_astro_dat.h"
#include "gui/frm_mista.h"
#include "gui/frm_osoby.h"
#include "gui/place_lists.h"
#include "gui_fixture.h"
#include "list_clicks.h"
#include "../sample_persons.h"
#include "../sample_places.h"

using sidora::data::TOsoba;
using namespace sidora::test;

namespace {

QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

void type(QWidget* w, const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void on_modal(std::function<void(QWidget*)> step) {
    QTimer::singleShot(0, [step] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        step(modal);
    });
}

}  // namespace

class PersonsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiFixture> f;
    TFrmAstroDat* chooser = nullptr;

    void open_chooser(std::initializer_list<TOsoba> persons) {
        f = std::make_unique<GuiFixture>();
        f->write("osoby.dat", persons_file_of(persons));
        f->write("mista.dat", file_of({kPraha, kBrno, kCheb}));
        f->start();
        QTest::mouseClick(f->main->tool_button("ToolButton15"), Qt::LeftButton);
        chooser = &f->main->person_chooser();
        QVERIFY(chooser->isVisible());
    }

private slots:
    void cleanup() { f.reset(); }

    void captionFollowsTheSlotAndAClickShowsTheDetails() {
        open_chooser({kJana, kJan});
        QCOMPARE(f->main->tool_button("ToolButton15")->toolTip(), QString("Vypočítej horskop (CTRL-H)"));
        QCOMPARE(chooser->windowTitle(), QString("Výběr osoby pro nativní horoskop"));
        QCOMPARE(items(chooser->ListBox1), QStringList({"Jan Novák", "Jana Nováková"}));
        QCOMPARE(chooser->LabelJmeno->text(), QString());
        select_item(chooser->ListBox1, "Jan Novák");
        QCOMPARE(chooser->LabelJmeno->text(), QString("Jan Novák"));
        QCOMPARE(chooser->LabelPohlavi->text(), QString("Muž"));
        QCOMPARE(chooser->LabelDatum->text(), QString("5.března 1970"));
        QCOMPARE(chooser->LabelMisto->text(), QString("Praha (50°5` S, 14°25` V)"));
        QCOMPARE(chooser->LabelCas->text(), QString("8:5 hodin"));
        QCOMPARE(chooser->LabelSystem->text(), QString("Placidus"));
        QCOMPARE(chooser->LabelPasmo->text(), QString("+1 hod: středoevropské"));
        QCOMPARE(chooser->LabelLetni->text(), QString("NE"));
        QCOMPARE(f->state.person_slots[1], kJan);
        QTest::mouseClick(chooser->BitOpust, Qt::LeftButton);
        QVERIFY(!chooser->isVisible());

        // Ctrl+H opens it for slot 1 again; the places window keeps it shut.
        f->state.person_slot = 2;
        QApplication::setActiveWindow(f->main.get());
        QTest::keyClick(f->main.get(), Qt::Key_H, Qt::ControlModifier);
        QVERIFY(chooser->isVisible());
        QCOMPARE(f->state.person_slot, 1);
        QTest::mouseClick(chooser->BitOpust, Qt::LeftButton);
        QTest::mouseClick(f->main->place_button(), Qt::LeftButton);
        QVERIFY(!f->main->tool_button("ToolButton15")->isEnabled());
        f->main->places_window().close();
        QVERIFY(f->main->tool_button("ToolButton15")->isEnabled());

        chooser->open_for(2);
        QCOMPARE(chooser->windowTitle(), QString("Výběr osoby pro partnerský horoskop"));
        QCOMPARE(chooser->LabelJmeno->text(), QString());  // the details start empty
        select_item(chooser->ListBox1, "Jana Nováková");
        QCOMPARE(f->state.person_slots[2], kJana);
    }

    void computeChecksTheSlotThenHandsItOn() {
        TOsoba old = kAdam;
        old.year = 1799;
        open_chooser({kJan, old});
        QSignalSpy computed(chooser, &TFrmAstroDat::computeRequested);
        QTest::mouseClick(chooser->BitNastav, Qt::LeftButton);
        QCOMPARE(f->pozor.text(), QString("Údaje pro výpočet horoskopu nejsou kompletní!"));
        select_item(chooser->ListBox1, "Adam");
        QTest::mouseClick(chooser->BitNastav, Qt::LeftButton);
        QCOMPARE(f->pozor.text(), QString("Datum narození mimo povolené rozmezí let 1800 až 2100!"));
        QVERIFY(chooser->isVisible());
        QCOMPARE(computed.count(), 0);

        select_item(chooser->ListBox1, "Jan Novák");
        const auto item = chooser->ListBox1->findItems("Jan Novák", Qt::MatchExactly).first();
        QTest::mouseDClick(chooser->ListBox1->viewport(), Qt::LeftButton, {},
                           chooser->ListBox1->visualItemRect(item).center());
        QCOMPARE(computed.count(), 1);
        QCOMPARE(computed.first().first().toInt(), 1);
        QCOMPARE(f->state.person_slots[1], kJan);
        QVERIFY(!chooser->isVisible());
    }

    void deleteKeyAsksThenDeletes() {
        open_chooser({kJan, kJana, kAdam});
        QTest::keyClick(chooser->ListBox1, Qt::Key_Delete);
        QCOMPARE(f->pozor.text(), QString("Není vybrána žádná osoba!"));
        select_item(chooser->ListBox1, "Jan Novák");
        on_modal([](QWidget* m) {
            auto* box = qobject_cast<QMessageBox*>(m);
            QVERIFY(box);
            QCOMPARE(box->text(), QString("Opravdu chceš smazat Jan Novák?"));
            box->button(QMessageBox::Cancel)->click();
        });
        QTest::keyClick(chooser->ListBox1, Qt::Key_Delete);
        QCOMPARE(f->read("osoby.dat"), persons_file_of({kJan, kJana, kAdam}));
        on_modal([](QWidget* m) { qobject_cast<QMessageBox*>(m)->button(QMessageBox::Ok)->click(); });
        QTest::keyClick(chooser->ListBox1, Qt::Key_Delete);
        QCOMPARE(f->read("osoby.dat"), persons_file_of({kAdam, kJana}));
        QCOMPARE(items(chooser->ListBox1), QStringList({"Adam", "Jana Nováková"}));
        QCOMPARE(chooser->LabelJmeno->text(), QString());
    }

    void editorGuessesTheSexAndFollowsSummerTime() {
        open_chooser({});
        // 2004 with summer time from 28 March 2 h to 31 October 3 h.
        auto rules = sidora::data::default_summer_rules();
        auto& y2004 = rules[2004 - sidora::engine::kSummerFirstYear];
        y2004.nezaveden = 0;
        y2004.zaveden = 1;
        y2004.do_mesic = 10;
        y2004.do_den = 31;
        y2004.do_hodina = 3;
        f->state.engine.set_summer_rules(rules);
        QTest::mouseClick(chooser->BitNova, Qt::LeftButton);
        TFrmOsoby& editor = chooser->editor();
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.windowTitle(), QString("Osoby"));
        QCOMPARE(editor.ComboDomov->currentText(), QString("Praha"));
        QVERIFY(editor.RadioMuz->isChecked());
        type(editor.Edit1, "Eva Nováková");
        QVERIFY(editor.RadioZena->isChecked());
        type(editor.Edit1, "x");
        QVERIFY(editor.RadioMuz->isChecked());

        editor.datetimer2->setTime(QTime(12, 0));
        QVERIFY(!editor.CheckLetni->isChecked());
        editor.DateTimer1->setDate(QDate(2004, 3, 29));
        QVERIFY(editor.CheckLetni->isChecked());
        QCOMPARE(editor.LabelLetni->text(), QString("LČ zaveden od  28.3. 2 hod. SEĆ do 31.10. 3 hod. SELČ."));
        editor.DateTimer1->setDate(QDate(2004, 11, 1));
        QVERIFY(!editor.CheckLetni->isChecked());
        QTest::mouseClick(editor.BitOpust, Qt::LeftButton);
        QVERIFY(!editor.isVisible());
    }

    void savingRefillsTheChooserWithTheNameSelected() {
        open_chooser({kJan});
        QTest::mouseClick(chooser->BitNova, Qt::LeftButton);
        TFrmOsoby& editor = chooser->editor();
        QTest::mouseClick(editor.BitNastav, Qt::LeftButton);
        QCOMPARE(f->pozor.text(), QString("Není zadáno jméno!"));
        QCOMPARE(editor.focusWidget(), editor.Edit1);
        type(editor.Edit1, "Jan Novák");
        QTest::mouseClick(editor.BitNastav, Qt::LeftButton);
        QCOMPARE(f->pozor.text(), QString("Osoba pod jménem Jan Novák byla již uložena!"));
        QVERIFY(editor.isVisible());

        editor.Edit1->clear();
        type(editor.Edit1, "Božena Malá");
        editor.RadioZena->setChecked(true);
        editor.DateTimer1->setDate(QDate(1980, 1, 2));
        editor.datetimer2->setTime(QTime(6, 7));
        editor.ComboDomov->setCurrentText("Cheb");
        editor.RadioGroup1->button(3)->setChecked(true);
        QTest::mouseClick(editor.BitNastav, Qt::LeftButton);
        QVERIFY(!editor.isVisible());
        const TOsoba bozena{"Božena Malá", 0, 1980, 1, 2, 6, 7, 0, 2, "Cheb", 12, 22, 1, 50, 5, 1, 4};
        QCOMPARE(f->read("osoby.dat"), persons_file_of({kJan, bozena}));
        QCOMPARE(items(chooser->ListBox1), QStringList({"Božena Malá", "Jan Novák"}));
        QCOMPARE(chooser->ListBox1->currentItem()->text(), QString("Božena Malá"));
        QCOMPARE(chooser->LabelDatum->text(), QString("2.ledna 1980"));
        QCOMPARE(chooser->LabelSystem->text(), QString("Koch"));

        // Editing the shown person fills the form from it.
        QTest::mouseClick(chooser->BitDomov, Qt::LeftButton);
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.Edit1->text(), QString("Božena Malá"));
        QVERIFY(editor.RadioZena->isChecked());
        QCOMPARE(editor.DateTimer1->date(), QDate(1980, 1, 2));
        QCOMPARE(editor.ComboDomov->currentText(), QString("Cheb"));
        QCOMPARE(editor.RadioGroup1->checkedId(), 3);
    }

    void setOnlyShowsTheUnsavedPersonInTheChooser() {
        open_chooser({kJan});
        select_item(chooser->ListBox1, "Jan Novák");
        QTest::mouseClick(chooser->BitNova, Qt::LeftButton);
        TFrmOsoby& editor = chooser->editor();
        type(editor.Edit1, "Host");
        QTest::mouseClick(editor.BitBtn1, Qt::LeftButton);
        QVERIFY(!editor.isVisible());
        QCOMPARE(chooser->LabelJmeno->text(), QString("Host"));
        QCOMPARE(f->read("osoby.dat"), persons_file_of({kJan}));
        QTest::mouseClick(chooser->BitDomov, Qt::LeftButton);
        QCOMPARE(f->pozor.text(), QString("Žádná osoba z databáze není vybrána"));
        QVERIFY(!editor.isVisible());
    }
};

QTEST_MAIN(PersonsTest)
#include "persons_test.moc"
