// The biorhythm and numerology windows, driven through their widgets.
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "cycles/biorhythm.h"
#include "data/data_dir.h"
#include "gui/date_field.h"
#include "gui/frm_bio.h"
#include "gui/frm_bio_tab.h"
#include "gui/frm_numero.h"
#include "gui/frm_texty.h"
#include "gui/grid_view.h"
#include "gui_fixture.h"
#include "io/cp1250.h"
#include "../sample_persons.h"

using namespace sidora::test;
namespace models = sidora::models;

namespace {

template <typename W>
W* top_level(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return qobject_cast<W*>(w);
    return nullptr;
}

QColor at(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

}  // namespace

class CyclesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<GuiFixture> f;

    void start() {
        f = std::make_unique<GuiFixture>();
        f->write("osoby.dat", persons_file_of({kJan, kJana}));
        f->start();
        activate_main();
    }
    void activate_main() {
        f->main->activateWindow();
        if (!QTest::qWaitForWindowActive(f->main.get())) qWarning("the main window did not become active");
    }

private slots:
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "TFrmBio" || w->objectName() == "TFrmNumero") w->close();
        texts_window().hide();
        f.reset();
    }

    void shortcutsOpenTheWindowsAndDisableTheMainWindow() {
        start();
        for (const auto& [key, name] : {std::pair{Qt::Key_B, "TFrmBio"}, std::pair{Qt::Key_G, "TFrmNumero"}}) {
            QVERIFY(f->main->isEnabled());
            QTest::keyClick(f->main.get(), key, Qt::ControlModifier);
            QWidget* w = top_level<QWidget>(name);
            QVERIFY2(w, name);
            QVERIFY(!f->main->isEnabled());
            w->close();
            QVERIFY(f->main->isEnabled());
            activate_main();
        }
    }

    void twoPersonsGiveTheComparison() {
        start();
        QTest::keyClick(f->main.get(), Qt::Key_B, Qt::ControlModifier);
        auto* bio = top_level<TFrmBio>("TFrmBio");
        QVERIFY(bio);
        QCOMPARE(bio->ListBox1->count(), 2);
        QCOMPARE(bio->ListBox1->item(0)->text(), QString("Jan Novák"));
        bio->ListBox1->setCurrentRow(0);
        QCOMPARE(bio->Person1[2]->text(), QString("5.března 1970"));
        QCOMPARE(bio->Harmonie[0]->text(), QString());
        bio->ListBox2->setCurrentRow(1);
        QCOMPARE(bio->Person2[1]->text(), QString("Žena"));
        const auto c = sidora::cycles::compare({1970, 3, 5}, {1975, 6, 15});
        QCOMPARE(c.days, 1928);
        for (std::size_t k = 0; k < 4; ++k) QCOMPARE(bio->Harmonie[k]->text(), QString::fromStdString(c.rows[k].text));
    }

    void tableCellsChartAndPrinting() {
        start();
        QTest::keyClick(f->main.get(), Qt::Key_B, Qt::ControlModifier);
        auto* bio = top_level<TFrmBio>("TFrmBio");
        QVERIFY(bio);
        bio->ListBox2->setCurrentRow(1);  // Jana, born 15.6.1975
        bio->DateOd->setDate(QDate(1975, 6, 26));
        const QString pdf = f->dir.filePath("biorytmy.pdf");
        bool checked = false;
        connect(bio, &TFrmBio::tableOpened, this, [&](QDialog* d) {
            QTimer::singleShot(0, d, [&, d] {
                auto* t = qobject_cast<TFrmBioTab*>(d);
                QVERIFY(t);
                QCOMPARE(t->windowTitle(), QString("Biorytmy: Jana Nováková"));
                // 11 days after birth: F critical, E and I positive.
                QCOMPARE(t->Tab->cell(0, 1), QString("26.6.1975"));
                QCOMPARE(t->Tab->cell(2, 1), QString("!"));
                QCOMPARE(t->Tab->item(1, 2)->background().color(), QColor(255, 0, 0));
                QCOMPARE(t->Tab->cell(3, 1), QString("+"));
                QCOMPARE(t->Tab->item(1, 3)->background().color(), QColor(0, 128, 0));
                QCOMPARE(t->Tab->cell(0, 30), QString("25.7.1975"));

                // The F curve from position 11: a red vertex where the other curves are far away.
                const int w = t->Paint->width(), a = w / 30;
                const auto fp = sidora::cycles::curve_points(w, 0, 11);
                const auto ep = sidora::cycles::curve_points(w, 1, 11);
                const auto ip = sidora::cycles::curve_points(w, 2, 11);
                int k = 1;
                while (k < 30 && (std::abs(fp[k].y - ep[k].y) < 8 || std::abs(fp[k].y - ip[k].y) < 8 ||
                                  std::abs(fp[k].y - 125) < 8))
                    ++k;
                QVERIFY(k < 30);
                QImage before = t->Paint->grab().toImage();
                QCOMPARE(at(before, fp[k].x, fp[k].y), QColor(255, 0, 0));
                QCOMPARE(at(before, 2, 2), QColor(0, 255, 255));
                QCOMPARE(at(before, a * 2 + a / 2, 125), QColor(0, 0, 0));
                t->Tab->setCurrentCell(3, 0);
                QCOMPARE(t->LabelDen->text(), QString("28.6.1975"));
                QImage after = t->Paint->grab().toImage();
                QCOMPARE(at(after, a * 2 + a / 2, 125), QColor(255, 255, 0));

                QPrinter printer(QPrinter::HighResolution);
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(pdf);
                t->print_on(printer, 2);
                checked = true;
                t->reject();
            });
        });
        bio->BitBioClick(2);
        QVERIFY(checked);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 2);
    }

    void startBeforeBirthIsRefused() {
        start();
        QTest::keyClick(f->main.get(), Qt::Key_B, Qt::ControlModifier);
        auto* bio = top_level<TFrmBio>("TFrmBio");
        QVERIFY(bio);
        bio->ListBox1->setCurrentRow(0);
        bio->DateOd->setDate(QDate(1970, 3, 4));
        bool opened = false;
        connect(bio, &TFrmBio::tableOpened, this, [&](QDialog*) { opened = true; });
        bio->BitBioClick(1);
        QVERIFY(!opened);
        QCOMPARE(f->pozor.findChild<QLabel*>("Label1")->text(), QString("Nelze spočítat biorytmy pro dobu před narozením!"));
    }

    void gridButtonAndReadingWriteToTheTextsWindow() {
        start();
        QDir(f->dir.path()).mkdir("numera");
        f->write("numera/C5x2.txt", sidora::io::utf8_to_cp1250("Dvě pětky.\r\n"));
        QTest::keyClick(f->main.get(), Qt::Key_G, Qt::ControlModifier);
        auto* numero = top_level<TFrmNumero>("TFrmNumero");
        QVERIFY(numero);
        numero->ListBox1->setCurrentRow(0);  // Jan Novák, 5.3.1970 in Praha
        QCOMPARE(numero->Num[5]->text(), QString("2"));
        QCOMPARE(numero->Num[4]->text(), QString());
        QCOMPARE(numero->BitVibrace->text(), QString("7"));
        QCOMPARE(numero->LabelDenVladce->text(), QString("Jupiter"));
        QVERIFY(numero->LabelHodina->text().endsWith("denní"));
        QTest::mouseClick(numero->Num[5], Qt::LeftButton);
        QCOMPARE(numero->LabelCislice->text(), QString("Číslice 5"));
        const auto& lines = texts_window().lines();
        QCOMPARE(lines.size(), std::size_t{3});
        QCOMPARE(QString::fromStdString(lines[0].text), QString("Číslice 5: 2 krát"));
        QVERIFY(lines[0].style == models::LineStyle::Section);
        QCOMPARE(QString::fromStdString(lines[1].text), QString("Dvě pětky."));
        QVERIFY(texts_window().isVisible());
        QVERIFY(texts_window().Text->toPlainText().startsWith("Číslice 5: 2 krát\nDvě pětky."));
        QTest::mouseClick(numero->BitVyklad, Qt::LeftButton);
        QCOMPARE(QString::fromStdString(lines[3].text), QString("Numerologický výklad"));
        QCOMPARE(QString::fromStdString(lines.back().text), QString("KONEC."));
    }

    void editorLoadsSavesAndDeletes() {
        start();
        const std::filesystem::path numera = f->dir.filePath("numera").toStdString();
        TFrmNumEdit ed(numera, 4, f->shell, nullptr);
        ed.ask = [](const QString&) { return true; };
        QCOMPARE(ed.ComboKolikrat->count(), 6);
        QCOMPARE(ed.ComboKolikrat->itemText(5), QString(">4x"));
        QVERIFY(!ed.ComboKolikrat->isEnabled());
        ed.RadioMrizka->setChecked(true);
        QVERIFY(ed.ComboKolikrat->isEnabled());
        ed.ComboCislice->setCurrentIndex(6);
        ed.ComboKolikrat->setCurrentIndex(2);
        QVERIFY(ed.Memo->isReadOnly());
        QTest::mouseClick(ed.BitOK, Qt::LeftButton);
        QVERIFY(!ed.Memo->isReadOnly());
        QVERIFY(!ed.LabelNenalezen->isHidden());
        QVERIFY(!ed.BitSmaz->isEnabled());
        QVERIFY(!ed.BitUloz->isEnabled());
        ed.Memo->setPlainText("Dvě sedmičky.");
        QVERIFY(ed.BitUloz->isEnabled());
        QTest::mouseClick(ed.BitUloz, Qt::LeftButton);
        const auto file = numera / "C7x2.txt";
        QCOMPARE(QString::fromStdString(f->read("numera/C7x2.txt")),
                 QString::fromStdString(sidora::io::utf8_to_cp1250("Dvě sedmičky.\r\n")));
        QCOMPARE(std::filesystem::status(file).permissions() & std::filesystem::perms::owner_write,
                 std::filesystem::perms::none);
        QVERIFY(ed.BitSmaz->isEnabled());
        QVERIFY(ed.LabelNenalezen->isHidden());

        // Loading again reads it back; deleting removes the read-only file.
        ed.Memo->setPlainText("změna");
        QTest::mouseClick(ed.BitOK, Qt::LeftButton);  // saves first on "Yes"
        QCOMPARE(ed.Memo->toPlainText(), QString("změna"));
        QTest::mouseClick(ed.BitSmaz, Qt::LeftButton);
        QVERIFY(!std::filesystem::exists(file));
        QVERIFY(!ed.BitSmaz->isEnabled());
        QCOMPARE(ed.Memo->toPlainText(), QString());
    }

    void helpButtonsHaveTheirPages() {
        start();
        TFrmBio bio(f->state, f->shell, nullptr);
        TFrmNumero numero(f->state, f->shell, nullptr);
        TFrmNumEdit edit({}, 4, f->shell, nullptr);
        TFrmBioTab table(*models::bio_table(kJana, {2000, 1, 1}), f->shell, nullptr);
        const auto shipped = sidora::data::shipped_data_dir();
        QVERIFY(shipped.has_value());
        QList<int> topics;
        for (QWidget* w : std::initializer_list<QWidget*>{&bio, &numero, &edit, &table}) {
            for (QToolButton* b : w->findChildren<QToolButton*>()) {
                if (!b->property("helpTopic").isValid()) continue;
                topics << b->property("helpTopic").toInt();
                const auto page = *shipped / "help" / (std::to_string(topics.back()) + ".html");
                QVERIFY2(std::filesystem::exists(page), page.c_str());
            }
        }
        QCOMPARE(topics, QList<int>({33, 48, 47, 31}));
    }

    void menuOpensTheEditor() {
        start();
        auto* button = f->main->tool_button("ToolButton16");
        QVERIFY(button && button->menu());
        QAction* action = nullptr;
        for (QAction* a : button->menu()->actions())
            if (a->text() == "Editace numerologických výkladů") action = a;
        QVERIFY(action && action->isEnabled());
        bool shown = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            shown = modal && modal->windowTitle() == "Editace numerologických výkladů";
            if (modal) modal->close();
        });
        action->trigger();
        QVERIFY(shown);
    }
};

QTEST_MAIN(CyclesTest)
#include "cycles_test.moc"
