// The texts window's commands, the report's selection "Výběr" and the natal window's
// "Výklad", and the main window's interpretation editors' button.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <functional>

#include "data/data_dir.h"
#include "data/report_flags.h"
#include "gui/frm_astro_dat.h"
#include "gui/frm_horoskop.h"
#include "gui/frm_texty.h"
#include "gui/frm_vyklady.h"
#include "gui/grid_view.h"
#include "gui/frm_vyber.h"
#include "gui_fixture.h"
#include "list_clicks.h"
#include "horoscope/interpretation.h"
#include "models/natal_report.h"
#include "models/rtf.h"
#include "../sample_persons.h"
#include "../sample_places.h"

using namespace sidora::test;
namespace models = sidora::models;
namespace fs = std::filesystem;

namespace {

// Runs `act` on the modal window that the next call opens, once it is up.
void on_modal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        act(modal);
    });
}

void answer(QMessageBox::StandardButton button, QString* asked = nullptr) {
    on_modal([button, asked](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        if (asked) *asked = box->text();
        box->button(button)->click();
    });
}

// One line of each style, Czech letters, a character outside the code page and an empty line.
models::StyledDocument sample() {
    models::StyledDocument doc;
    doc.add(models::LineStyle::Title, "HOROSKOP");
    doc.add_empty();
    doc.add(models::LineStyle::Header, "Jméno: Jana Nováková");
    doc.add(models::LineStyle::Section, "Slunce v Blížencích");
    doc.add(models::LineStyle::Subheading, "Paralely a kontraparalely");
    doc.add(models::LineStyle::Body, "Příliš žluťoučký kůň úpěl ďábelské ódy {\\} → ж");
    doc.add(models::LineStyle::End, "KONEC.");
    return doc;
}

}  // namespace

class TextsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiFixture> f;

    void start() {
        f = std::make_unique<GuiFixture>();
        f->write("osoby.dat", persons_file_of({kJan, kJana}));
        f->write("mista.dat", file_of({kPraha, kBrno, kCheb}));
        f->start();
        f->state.clock_running = false;
        f->main->refresh_now(true);
        texts_window().set_shell(f->shell);
    }

    fs::path path(const QString& name) const { return f->dir.filePath(name).toStdString(); }

    TfrmHoroskop* compute(const QString& name) { return open_natal(*f, name); }

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& l : texts_window().lines()) out.push_back(l.text);
        return out;
    }

private slots:
    void cleanup() {
        texts_window().choose_file = nullptr;
        texts_window().hide();
        texts_window().clear_text();
        f.reset();
    }

    // "Výklad" opens "Výběr" showing stav.mem; "N&astav" stores the boxes and writes the
    // report with the library's text into the texts window, which a second report follows.
    void selection_fills_the_texts_window() {
        start();
        TfrmHoroskop* horoskop = compute("Jana Nováková");
        QVERIFY(horoskop);
        QVERIFY(!sidora::horoscope::save_text(path("texty/P1Z3D0A0P0Z0D0.txt"), "Slunce svítí.\nDruhý řádek."));
        f->write("stav.mem", std::string("\1\0\1\0\1\0\1\0\1\0", 10));

        std::array<bool, 10> shown{};
        on_modal([&shown](QWidget* w) {
            auto* vyber = qobject_cast<TFrmvyber*>(w);
            QVERIFY(vyber);
            QCOMPARE(vyber->windowTitle(), QString("Výběr"));
            QCOMPARE(vyber->boxes[5]->text(), QString("Výklad planet ve znameních"));
            for (std::size_t i = 0; i < 10; ++i) {
                shown[i] = vyber->boxes[i]->isChecked();
                vyber->boxes[i]->setChecked(i == 5);  // the sign texts alone
            }
            QTest::mouseClick(vyber->BitNastav, Qt::LeftButton);
        });
        QTest::mouseClick(horoskop->BitVyklad, Qt::LeftButton);
        QCOMPARE(shown, (std::array<bool, 10>{true, false, true, false, true, false, true, false, true, false}));
        QCOMPARE(f->read("stav.mem"), std::string("\0\0\0\0\0\1\0\0\0\0", 10));

        TFrmTexty& window = texts_window();
        QVERIFY(window.isVisible());
        const auto lines = texts();
        QCOMPARE(lines.front(), std::string("HOROSKOP"));
        QCOMPARE(lines[2], std::string("Jméno: Jana Nováková"));
        QCOMPARE(lines.back(), std::string("KONEC."));
        const auto heading = std::find(lines.begin(), lines.end(), "Slunce v Blížencích");
        QVERIFY(heading != lines.end());
        QCOMPARE(*(heading + 1), std::string("Slunce svítí."));
        QCOMPARE(*(heading + 2), std::string("Druhý řádek."));
        QCOMPARE(window.lines()[static_cast<std::size_t>(heading - lines.begin())].style, models::LineStyle::Section);
        QVERIFY(window.Text->toPlainText().contains("Slunce svítí."));

        // Ctrl+K with the window still open: the report is appended.
        horoskop->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(horoskop));
        on_modal([](QWidget* w) { QTest::mouseClick(qobject_cast<TFrmvyber*>(w)->BitNastav, Qt::LeftButton); });
        QTest::keyClick(horoskop, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(texts().size(), 2 * lines.size());
        QCOMPARE(texts()[lines.size()], std::string("HOROSKOP"));
    }

    // stav.mem that cannot be written: nothing reaches the texts window, the dialog stays.
    void unwritable_choice_stops_the_report() {
        start();
        TfrmHoroskop* horoskop = compute("Jan Novák");
        QVERIFY(horoskop);
        fs::create_directory(path("stav.mem"));
        bool stayed = false;
        on_modal([this, &stayed](QWidget* w) {
            auto* vyber = qobject_cast<TFrmvyber*>(w);
            QVERIFY(vyber);
            QTest::mouseClick(vyber->BitNastav, Qt::LeftButton);
            stayed = vyber->isVisible();
            QVERIFY(f->pozor.text().contains("stav.mem"));
            QTest::mouseClick(vyber->BitOpust, Qt::LeftButton);
        });
        QTest::mouseClick(horoskop->BitVyklad, Qt::LeftButton);
        QVERIFY(stayed);
        QVERIFY(!texts_window().isVisible());
        QVERIFY(texts_window().lines().empty());
    }

    // "Ulož" and "Otevři" through the file dialogs' seam: the RTF read back is the same lines.
    void save_and_open_round_trip() {
        start();
        TFrmTexty& window = texts_window();
        window.add(sample());
        const QString file = f->dir.filePath("výklad.rtf");
        window.choose_file = [&file](bool) { return file; };
        QTest::mouseClick(window.tool("BitUloz"), Qt::LeftButton);
        QVERIFY(fs::exists(file.toStdString()));
        QVERIFY(f->read("výklad.rtf").starts_with("{\\rtf1\\ansi\\ansicpg1250"));

        QTest::mouseClick(window.tool("BitVycisti"), Qt::LeftButton);
        QVERIFY(window.lines().empty());
        QVERIFY(window.Text->toPlainText().isEmpty());
        QTest::mouseClick(window.tool("BitOtevri"), Qt::LeftButton);
        QCOMPARE(window.lines(), sample().lines());
        QVERIFY(window.Text->toPlainText().contains("→ ж"));

        // A cancelled dialog changes nothing.
        window.choose_file = [](bool) { return QString(); };
        QTest::mouseClick(window.tool("BitOtevri"), Qt::LeftButton);
        QCOMPARE(window.lines(), sample().lines());
    }

    // An existing file is replaced only after "Yes"; a read-only one is refused unasked.
    void save_asks_and_refuses() {
        start();
        TFrmTexty& window = texts_window();
        window.add(sample());
        f->write("old.rtf", "old");
        const QString file = f->dir.filePath("old.rtf");

        QString asked;
        answer(QMessageBox::No, &asked);
        QVERIFY(!window.save_to(file));
        QCOMPARE(asked, QString("Soubor „old.rtf“ již existuje. Chceš jej přepsat?"));
        QCOMPARE(f->read("old.rtf"), std::string("old"));

        answer(QMessageBox::Yes);
        QVERIFY(window.save_to(file));
        QCOMPARE(f->read("old.rtf"), models::write_rtf(sample()));

        f->write("ro.rtf", "kept");
        fs::permissions(path("ro.rtf"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        QVERIFY(!window.save_to(f->dir.filePath("ro.rtf")));  // a question would hang here
        QCOMPARE(f->pozor.text(), QString("Soubor „ro.rtf“ je jen pro čtení; výklad nebyl uložen."));
        QCOMPARE(f->read("ro.rtf"), std::string("kept"));
    }

    // A file that is not RTF, or is cut short, leaves the text and says why.
    void unreadable_file_keeps_the_text() {
        start();
        TFrmTexty& window = texts_window();
        window.add(sample());
        const std::string rtf = models::write_rtf(sample());
        for (const std::string& bytes : {std::string("\x89PNG\r\n\x1a\n\0\0", 10), rtf.substr(0, rtf.size() / 2)}) {
            f->write("bad.rtf", bytes);
            QVERIFY(!window.open_from(f->dir.filePath("bad.rtf")));
            QCOMPARE(window.lines(), sample().lines());
            QVERIFY(f->pozor.text().contains("text zůstal beze změny"));
        }
        QVERIFY(!window.open_from(f->dir.filePath("missing.rtf")));
        QCOMPARE(window.lines(), sample().lines());
    }

    // Printing to a PDF file paints each copy from a new page.
    void print_to_file() {
        start();
        TFrmTexty& window = texts_window();
        window.add(sample());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(f->dir.filePath("tisk.pdf"));
        window.print_on(printer, 2);
        const std::string pdf = f->read("tisk.pdf");
        QVERIFY(pdf.starts_with("%PDF"));
        // Two copies of a short text: two pages.
        QVERIFY(pdf.find("/Count 2") != std::string::npos);
    }

    // The tool bar, the hidden menu's keys, "Písmo" and its help topics, Esc.
    void commands_and_keys() {
        start();
        TFrmTexty& window = texts_window();
        window.add(sample());
        QStringList hints;
        for (const char* name : {"BitTisk", "BitUloz", "BitOtevri", "BitVycisti", "BitPismo"})
            hints << window.tool(name)->toolTip();
        QCOMPARE(hints, QStringList({"Tisk (CTRL-P)", "Ulož (CTRL-S)", "Otevři (CTRL-O)", "Vyčisti (CTRL-D)", "Písmo"}));
        QStringList items;
        for (QAction* a : window.help_menu()->actions())
            items << a->text() + " " + QString::number(a->property("helpTopic").toInt());
        QCOMPARE(items, QStringList({"Znamení 30", "Domy 27", "Aspekty 28", "Stálice 29", "Černá Luna 42",
                                     "Planetky 40", "Vertex 41"}));
        const auto shipped = sidora::data::shipped_data_dir();
        QVERIFY(shipped.has_value());
        for (int topic : {25, 26, 27, 28, 29, 30, 40, 41, 42}) {
            const auto page = *shipped / "help" / (std::to_string(topic) + ".html");
            QVERIFY2(fs::exists(page), page.c_str());
        }
        QTest::mouseClick(window.tool("BitPismo"), Qt::LeftButton);
        QCOMPARE(f->help.topic(), 26);
        f->help.hide();
        window.help_menu()->actions()[4]->trigger();
        QCOMPARE(f->help.topic(), 42);
        f->help.hide();

        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QString saved_as;
        window.choose_file = [&saved_as](bool save) {
            saved_as = save ? "save" : "open";
            return QString();
        };
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(saved_as, QString("save"));
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(saved_as, QString("open"));
        QTest::keyClick(window.Text, Qt::Key_D, Qt::ControlModifier);
        QVERIFY(window.lines().empty());
        QTest::keyClick(window.Text, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    // ToolButton16: its menu in order, the button and Ctrl+L run the natal editor's action.
    void editors_button() {
        start();
        QToolButton* b = f->main->tool_button("ToolButton16");
        QCOMPARE(b->toolTip(), QString("Editace výkladů astrologických konstelací (CTRL-L)"));
        QStringList items;
        for (QAction* a : b->menu()->actions()) {
            QVERIFY(a->isEnabled());
            items << a->objectName() + ": " + a->text();
        }
        QCOMPARE(items, QStringList({"ActionVyklady: Editace astrologických výkladů (nativní horoskop)",
                                     "ActionVyklady1: Editace astrologických výkladů (partnerský horoskop)",
                                     "ActionNumEdit: Editace numerologických výkladů"}));
        QSignalSpy natal(b->menu()->actions()[0], &QAction::triggered);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(natal.count(), 1);
        f->main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->main.get()));
        QTest::keyClick(f->main.get(), Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(natal.count(), 2);
        QVERIFY(f->main->natal_editor() && f->main->natal_editor()->isVisible());
        b->menu()->actions()[1]->trigger();
        QVERIFY(f->main->partner_editor() && f->main->partner_editor()->isVisible());
        delete f->main->natal_editor();
        delete f->main->partner_editor();
    }

    // A double-click in "Planety" adds the text of the cell to the texts window; Enter on a
    // house cell whose text is gone warns.
    void table_cells_show_their_texts() {
        start();
        TfrmHoroskop* horoskop = compute("Jana Nováková");
        QVERIFY(horoskop);
        QVERIFY(!sidora::horoscope::save_text(path("texty/P1Z3D0A0P0Z0D0.txt"), "Slunce svítí."));
        GridView* planets = horoskop->grid("planets");
        for (int i = 0; i < horoskop->PageControl1->count(); ++i)
            if (horoskop->PageControl1->tabText(i) == "Planety") horoskop->PageControl1->setCurrentIndex(i);
        const QRect sign = planets->visualRect(planets->model()->index(1, 2));
        // A double-click follows a press, as a user's does.
        QTest::mouseClick(planets->viewport(), Qt::LeftButton, {}, sign.center());
        QTest::mouseDClick(planets->viewport(), Qt::LeftButton, {}, sign.center());
        const auto lines = texts();
        QCOMPARE(lines, (std::vector<std::string>{"Slunce v Blížencích", "Slunce svítí.", ""}));
        QVERIFY(texts_window().isVisible());

        const int house = horoskop->chart().chart_table[1].dum;
        std::filesystem::remove(path(QString("texty/P1Z0D%1A0P0Z0D0.txt").arg(house)));
        planets->setCurrentCell(1, 8);
        QTest::keyClick(planets, Qt::Key_Return);
        QCOMPARE(f->pozor.text(), QString("Výklad nenalezen!!!"));
        QCOMPARE(texts().size(), lines.size());
    }
};

QTEST_MAIN(TextsTest)
#include "texts_test.moc"
