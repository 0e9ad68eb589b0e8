// The table and search windows, driven through their widgets: the dialogs' messages, a
// table filled and saved, a long table stopped, the searches appending to the texts window.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "data/table_file.h"
#include "gui/frm_astro_dat.h"
#include "gui/frm_efemeridy.h"
#include "gui/frm_horoskop.h"
#include "gui/frm_konstelace.h"
#include "gui/frm_najdi.h"
#include "gui/frm_spocti.h"
#include "gui/frm_texty.h"
#include "gui/number_field.h"
#include "horoscope/natal.h"
#include "gui/table_parts.h"
#include "gui_fixture.h"
#include "list_clicks.h"
#include "../sample_persons.h"
#include "../sample_places.h"

using namespace sidora::test;

namespace {

// Runs `drive` on the modal dialog that the next command opens.
template <typename D>
void on_dialog(const std::function<void(D*)>& drive) {
    QTimer::singleShot(0, [drive] {
        auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
        QVERIFY(d);
        drive(d);
        if (d->isVisible()) d->reject();
    });
}

// Closes the information box that the next step opens, keeping its text.
void close_box_later(QString& text) {
    QTimer::singleShot(0, [&text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
}

QStringList texts() {
    QStringList out;
    for (const auto& l : texts_window().lines()) out << QString::fromStdString(l.text);
    return out;
}

}  // namespace

class TablesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<GuiFixture> f;

    void start() {
        f = std::make_unique<GuiFixture>();
        f->write("osoby.dat", persons_file_of({kJan, kJana}));
        f->write("mista.dat", file_of({kPraha, kBrno}));
        f->start();
        f->state.clock_running = false;
        f->state.current_moment = {15, 3, 2001, 12, 0, 0};
        f->main->refresh_now(true);
    }

private slots:
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "TFrmEfemeridy") w->close();
        texts_window().hide();
        f.reset();
    }

    void tableDialogRefusesThenFillsAndSavesATable() {
        start();
        QCOMPARE(f->main->tool_button("ToolButton23")->toolTip(),
                 QString("Vypočítej východy planet nebo efemeridy (CTRL-W)"));
        f->main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->main.get()));
        TFrmEfemeridy* window = nullptr;
        on_dialog<TFrmSpocti>([&](TFrmSpocti* d) {
            QCOMPARE(d->windowTitle(), QString("Výpočty"));
            QCOMPARE(d->Span->span(), (sidora::tables::Span{1, 2001, 12, 2001}));
            QVERIFY(!d->RadioGroup2->isHidden());
            QVERIFY(d->CheckListBox1->isHidden());

            d->Span->set_span({3, 2001, 2, 2001});
            d->BitNastav->click();
            QCOMPARE(f->pozor.text(), QString("Počáteční datum musí být menší než koncové!"));
            QVERIFY(d->isVisible());

            d->RadioGroup1->button(3)->click();
            QVERIFY(d->RadioGroup2->isHidden());
            QVERIFY(!d->CheckListBox1->isHidden());
            d->Span->set_span({2, 2001, 2, 2001});  // one month is allowed
            d->BitNastav->click();
            QCOMPARE(f->pozor.text(), QString("Není vybrána žádná planeta!"));
            QVERIFY(d->isVisible());

            d->CheckListBox1->item(0)->setCheckState(Qt::Checked);
            d->CheckListBox1->item(1)->setCheckState(Qt::Checked);
            connect(d, &TFrmSpocti::tableOpened, this, [&](TFrmEfemeridy* w) { window = w; });
            d->BitNastav->click();
            QVERIFY(!d->isVisible());
        });
        QTest::keyClick(f->main.get(), Qt::Key_W, Qt::ControlModifier);
        QVERIFY(window && window->isVisible());
        QVERIFY(!f->progress.isVisible());

        QCOMPARE(window->windowTitle(), QString("Efemeridy "));
        QCOMPARE(window->Label1->text(), QString("Efemeridy pro 0 hodin UTC+1"));
        QCOMPARE(window->Label2->text(), QString("Období výpočtu: 2/2001-2/2001"));
        const QAbstractItemModel* m = window->Tab->model();
        QCOMPARE(m->rowCount(), 28);
        QCOMPARE(m->columnCount(), 3);
        QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), QString("Měsíc"));
        QCOMPARE(m->index(0, 0).data().toString(), QString("1.2.2001"));
        QCOMPARE(m->index(27, 0).data().toString(), QString("28.2.2001"));
        QCOMPARE(m->index(27, 1).data().toString(),
                 QString::fromStdString(window->table().rows[28][1]));
        QCOMPARE(window->Tab->columnWidth(1), 80);

        // "Ulož": the bytes of the saved file, the header line in Windows-1250.
        const QString path = f->dir.filePath("efemeridy.csv");
        window->ask_file = [&] { return path; };
        QString said;
        close_box_later(said);
        window->ToolButton1Click();
        QCOMPARE(said, "Tabulka byla uložena do souboru " + path);
        const std::string bytes = f->read("efemeridy.csv");
        QVERIFY(bytes.starts_with("Datum;Slunce;M\xec" "s\xed" "c\r\n1.2.2001;"));
        QCOMPARE(std::count(bytes.begin(), bytes.end(), '\n'), 29);
        QVERIFY(bytes.ends_with("\r\n"));

        // A file that cannot be written is reported; the table stays.
        window->ask_file = [&] { return f->dir.filePath("chybí/efemeridy.csv"); };
        window->ToolButton1Click();
        QVERIFY(f->pozor.text().startsWith("Chyba vstupu/výstupu"));
        QVERIFY(window->isVisible());

        // The next showing starts with the span last computed.
        on_dialog<TFrmSpocti>([](TFrmSpocti* d) {
            QCOMPARE(d->Span->span(), (sidora::tables::Span{2, 2001, 2, 2001}));
            QCOMPARE(d->RadioGroup1->checkedId(), 3);
        });
        QTest::mouseClick(f->main->tool_button("ToolButton23"), Qt::LeftButton);
    }

    void stoppingALongTableOpensNoWindowWhileTheMainWindowTicks() {
        start();
        int ticks = 0;
        connect(f->main.get(), &TFrmHlavni::ticked, this, [&] { ++ticks; });
        bool stopped = false;
        on_dialog<TFrmSpocti>([&](TFrmSpocti* d) {
            d->RadioGroup1->button(3)->click();
            for (int i = 0; i < d->CheckListBox1->count(); ++i) d->CheckListBox1->item(i)->setCheckState(Qt::Checked);
            d->Span->set_span({1, 1800, 12, 2100});
            // This directory has no asteroid elements: the work's failure is a message.
            d->BitNastav->click();
            QVERIFY(f->pozor.text().contains("ast1.kel"));
            QVERIFY(d->isVisible());
            QVERIFY(!f->progress.isVisible());
            for (int i = 13; i < d->CheckListBox1->count(); ++i) d->CheckListBox1->item(i)->setCheckState(Qt::Unchecked);
            QElapsedTimer clock;
            clock.start();
            QTimer poll;
            connect(&poll, &QTimer::timeout, this, [&] {
                // Past a tick of the main window, and once the bar has moved.
                if (f->progress.isVisible() && f->progress.position() > 0 && clock.elapsed() > 1500) {
                    QCOMPARE(f->progress.BitPrerusit->text(), QString("Přerušit"));
                    QVERIFY(f->progress.caption().startsWith("Počítám: "));
                    f->progress.BitPrerusit->click();
                    stopped = true;
                    poll.stop();
                }
            });
            poll.start(50);
            d->BitNastav->click();
            QVERIFY(stopped);
            QVERIFY(d->isVisible());  // the dialog stays
            QVERIFY(!f->progress.isVisible());
        });
        QTest::mouseClick(f->main->tool_button("ToolButton23"), Qt::LeftButton);
        for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY(w->objectName() != "TFrmEfemeridy");
        QVERIFY(ticks >= 1);
    }

    void skySearchRefusesBadBoxesAndAppendsItsLines() {
        start();
        QCOMPARE(f->main->tool_button("ToolButton17")->toolTip(), QString("Hledej konstelaci (CTRL-O)"));
        on_dialog<TFrmNajdi>([&](TFrmNajdi* d) {
            QCOMPARE(d->windowTitle(), QString("Najdi"));
            QCOMPARE(d->Edit1->text(), QString("0"));
            QCOMPARE(d->Edit2->text(), QString("30"));
            d->Span->set_span({1, 2001, 12, 2001});
            const struct {
                QString from, to, message;
                NumberField* focus;
            } cases[] = {{"", "30", "Musí být zadáno číslo!", d->Edit1},
                         {"0", "", "Musí být zadáno číslo!", d->Edit2},
                         {"361", "10", "Maximálně je možné zadat délku 360°!", d->Edit1},
                         {"10", "350", "Úhel musí být menší než 180°!", d->Edit1}};
            for (const auto& c : cases) {
                d->Edit1->setText(c.from);
                d->Edit2->setText(c.to);
                d->BitNajdi->click();
                QCOMPARE(f->pozor.text(), c.message);
                QCOMPARE(d->focusWidget(), c.focus);
                QVERIFY(d->isVisible());
            }
            d->ComboBox3->setCurrentIndex(1);
            d->ComboBox3->setCurrentIndex(0);  // Slunce with itself
            QVERIFY(d->RadioButton2->isChecked());
            d->BitNajdi->click();
            QCOMPARE(f->pozor.text(), QString("Pro výpočet aspektu musí být vybrány různé planety!"));

            d->ComboBox1->setCurrentIndex(1);
            d->ComboBox1->setCurrentIndex(0);  // "v Beranu": 0° to 30°
            QVERIFY(d->RadioButton1->isChecked());
            QCOMPARE(d->Edit2->text(), QString("30"));
            d->BitNajdi->click();
            QVERIFY(!d->isVisible());
        });
        QTest::mouseClick(f->main->tool_button("ToolButton17"), Qt::LeftButton);
        const QStringList lines = texts();
        QVERIFY(texts_window().isVisible());
        QCOMPARE(lines.value(0), QString("Slunce v Beranu"));
        const auto& title = texts_window().lines().front();
        QCOMPARE(title.size, 18);
        QVERIFY(title.bold && title.underline);
        QCOMPARE(title.colour, sidora::models::colors::kBlue);
        QCOMPARE(lines.value(1), QString("Výpočet proveden pro období 1/2001 až 12/2001"));
        QCOMPARE(lines.filter(QRegularExpression("^Vstup: 20\\.3\\.2001 ")).size(), 1);
        QCOMPARE(lines.filter(QRegularExpression("^Výstup: 20\\.4\\.2001 ")).size(), 1);
        QCOMPARE(lines.last(), QString("KONEC."));
    }

    void transitSearchReadsTheChartOfItsWindow() {
        start();
        TfrmHoroskop* w = open_natal(*f, "Jana Nováková");
        QVERIFY(w && w->BitHledej);
        // Another window takes slot 1 while the chart stays open.
        f->state.person_slots[1] = kJan;

        texts_window().hide();
        on_dialog<TFrmKonstelace>([&](TFrmKonstelace* d) {
            QCOMPARE(d->windowTitle(), QString("Hledej konstelaci"));
            QVERIFY(d->RadioButton1->isChecked());
            QVERIFY(!d->CheckBox1->isEnabled());
            d->RadioButton4->click();
            QVERIFY(d->CheckBox1->isEnabled());  // the chart is a woman's
            d->ComboBox4->setCurrentIndex(1);
            d->ComboBox4->setCurrentIndex(0);  // "v Beranu"
            QVERIFY(d->RadioButton3->isChecked());
            QVERIFY(!d->CheckBox1->isEnabled());
            d->Span->set_span({2, 2001, 1, 2001});
            d->BitNajdi->click();
            QCOMPARE(f->pozor.text(), QString("Počáteční datum musí být menší než koncové!"));
            d->Span->set_span({1, 2001, 12, 2001});
            d->BitNajdi->click();
            QVERIFY(!d->isVisible());
        });
        QTest::mouseClick(w->BitHledej, Qt::LeftButton);
        const QStringList lines = texts();
        QCOMPARE(lines.value(0), QString("Tranzitující Slunce v Beranu"));
        QCOMPARE(lines.value(1), QString("Pro osobu: Jana Nováková"));
        QCOMPARE(lines.filter(QRegularExpression("^Začátek: 20\\.3\\.2001 ")).size(), 1);
        QCOMPARE(lines.filter(QRegularExpression("^Konec: 20\\.4\\.2001 ")).size(), 1);
        QVERIFY(lines.contains("Konec hledání"));
    }

    void houseSearchRefusesAFailedHouseSystem() {
        start();
        // Placidus has no cusps this far north.
        sidora::horoscope::NatalChart chart = sidora::horoscope::compute_natal(
            f->state, sidora::data::TOsoba{"Sever", 1, 1980, 12, 1, 12, 0, 0, 2, "Sever", 18, 0, 1, 75, 0, 1, 1});
        QCOMPARE(chart.houses()[0], sidora::horoscope::kNone);
        TFrmKonstelace d(f->state, f->shell, f->main->table_span(), chart, f->main.get());
        d.RadioButton2->click();
        d.BitNajdi->click();
        QCOMPARE(f->pozor.text(), QString("Domy nelze pro místo narození spočítat!"));
        QVERIFY(texts_window().lines().empty() || !texts_window().isVisible());
    }
};

QTEST_MAIN(TablesTest)
#include "tables_test.moc"
