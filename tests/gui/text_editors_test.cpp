// The interpretation editors driven through their widgets: load, save (bytes and mode),
// the questions before a change is lost, delete.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <sys/stat.h>

#include "data/data_dir.h"
#include "gui/frm_vyklady.h"
#include "gui_fixture.h"

class TextEditorsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<GuiFixture> f;
    QStringList asked;
    bool answer = true;

    void start() {
        f = std::make_unique<GuiFixture>();
        f->start();
        asked.clear();
        answer = true;
    }
    void watch(TextEditorFrame& ed) {
        ed.ask = [this](const QString& q) {
            asked << q;
            return answer;
        };
    }
    std::filesystem::path data(const char* name) const { return f->dir.filePath(name).toStdString(); }
    static unsigned mode_of(const std::filesystem::path& p) {
        struct stat st{};
        return ::stat(p.c_str(), &st) == 0 ? st.st_mode & 0777 : 0;
    }

private slots:
    void natalEditorLoadsSavesAndAsks() {
        start();
        f->main->open_natal_editor();
        TFrmVyklady* ed = f->main->natal_editor();
        QVERIFY(ed && ed->isVisible());
        QCOMPARE(ed->windowTitle(), QString("Editace výkladů k nativním horsokopům"));
        watch(*ed);
        QVERIFY(ed->Memo->isReadOnly());
        QVERIFY(!ed->ComboPlaneta2->isEnabled());

        // Saturn in square with Slunce: the pair's file, named Slunce first.
        ed->ComboPlaneta->setCurrentIndex(6);
        ed->ComboAspekt->setCurrentIndex(3);
        QVERIFY(ed->ComboPlaneta2->isEnabled());
        QTest::mouseClick(ed->BitOK, Qt::LeftButton);
        QCOMPARE(ed->LabelSoubor->text(), QString("P1Z0D0A3P7Z0D0.txt"));
        QCOMPARE(ed->LabelKonstelace->text(), QString("Saturn kvadratura Slunce"));
        QVERIFY(!ed->LabelNenalezen->isHidden());
        QVERIFY(!ed->Memo->isReadOnly());
        QVERIFY(!ed->BitUloz->isEnabled() && !ed->BitSmaz->isEnabled());

        ed->Memo->setPlainText("Napětí vůle a\npovinnosti.");
        QVERIFY(ed->BitUloz->isEnabled());
        // The lists move on; the text still goes to the loaded constellation.
        ed->ComboPlaneta->setCurrentIndex(3);
        QTest::mouseClick(ed->BitUloz, Qt::LeftButton);
        const auto file = data("texty") / "P1Z0D0A3P7Z0D0.txt";
        QCOMPARE(QByteArray::fromStdString(f->read("texty/P1Z0D0A3P7Z0D0.txt")),
                 QByteArray("Nap\xECt\xED v\xF9le a\r\npovinnosti.\r\n"));
        QCOMPARE(mode_of(file), 0444u);
        QVERIFY(!std::filesystem::exists(data("texty") / "P4Z0D0A3P1Z0D0.txt"));
        QVERIFY(!ed->BitUloz->isEnabled());
        QVERIFY(ed->BitSmaz->isEnabled());
        QVERIFY(ed->LabelNenalezen->isHidden());
        QVERIFY(asked.isEmpty());

        // A changed text: loading another asks first; "No" leaves the file as it was.
        ed->Memo->appendPlainText("dopsáno");
        answer = false;
        ed->ComboPlaneta->setCurrentIndex(0);
        ed->ComboAspekt->setCurrentIndex(0);
        ed->ComboZnameni->setCurrentIndex(1);
        QTest::mouseClick(ed->BitOK, Qt::LeftButton);
        QCOMPARE(asked, QStringList{"Předchozí výklad není uložen. Chceš jej uložit?"});
        QCOMPARE(ed->LabelSoubor->text(), QString("P1Z1D0A0P0Z0D0.txt"));
        QCOMPARE(QByteArray::fromStdString(f->read("texty/P1Z0D0A3P7Z0D0.txt")),
                 QByteArray("Nap\xECt\xED v\xF9le a\r\npovinnosti.\r\n"));

        // Closing with a change asks, and "Yes" saves it.
        ed->Memo->setPlainText("Slunce v Beranu");
        answer = true;
        ed->close();
        QCOMPARE(asked.last(), QString("Výklad není uložen. Chceš jej uložit?"));
        QCOMPARE(f->read("texty/P1Z1D0A0P0Z0D0.txt"), std::string("Slunce v Beranu\r\n"));
    }

    void refusalsWarnAndKeepTheText() {
        start();
        f->main->open_natal_editor();
        TFrmVyklady* ed = f->main->natal_editor();
        watch(*ed);
        QTest::mouseClick(ed->BitOK, Qt::LeftButton);  // nothing chosen
        QCOMPARE(f->pozor.text(), QString("Není vybrána žádná konstelace!"));
        QVERIFY(ed->Memo->isReadOnly());
        ed->ComboZnameni->setCurrentIndex(2);
        QTest::mouseClick(ed->BitOK, Qt::LeftButton);
        ed->Memo->setPlainText("šipka → ne");
        QTest::mouseClick(ed->BitUloz, Qt::LeftButton);
        QVERIFY(f->pozor.text().contains("„→“"));
        QVERIFY(!std::filesystem::exists(data("texty") / "P1Z2D0A0P0Z0D0.txt"));
        QVERIFY(ed->BitUloz->isEnabled());
        QCOMPARE(ed->Memo->toPlainText(), QString("šipka → ne"));
        // A text that could not be saved keeps the window open on close.
        ed->close();
        QVERIFY(ed->isVisible());
        answer = false;
        ed->close();
    }

    void deleteAsksFirst() {
        start();
        std::filesystem::create_directories(data("Partner"));
        f->write("Partner/RP4Z0D0A2P5Z0D0.txt", "P\xF8ita\x9Elivost\r\n");
        f->main->open_partner_editor();
        TFrmVyklady1* ed = f->main->partner_editor();
        QCOMPARE(ed->windowTitle(), QString("Editace výkladů k partnerským horoskopům"));
        QCOMPARE(ed->ComboZnameni2->itemText(0), QString("nerčeno"));
        watch(*ed);
        ed->ComboPlaneta2->setCurrentIndex(4);
        ed->ComboAspekt->setCurrentIndex(2);
        ed->ComboPlaneta1->setCurrentIndex(5);
        QTest::mouseClick(ed->BitOK, Qt::LeftButton);
        QCOMPARE(ed->Memo->toPlainText(), QString("Přitažlivost"));
        QVERIFY(ed->LabelNenalezen->isHidden());
        QVERIFY(ed->BitSmaz->isEnabled());
        const auto file = data("Partner") / "RP4Z0D0A2P5Z0D0.txt";
        answer = false;
        QTest::mouseClick(ed->BitSmaz, Qt::LeftButton);
        QCOMPARE(asked, QStringList{"Opravdu chceš navždy vymazat tento výklad?"});
        QVERIFY(std::filesystem::exists(file));
        answer = true;
        QTest::mouseClick(ed->BitSmaz, Qt::LeftButton);
        QVERIFY(!std::filesystem::exists(file));
        QCOMPARE(ed->Memo->toPlainText(), QString());
        QVERIFY(!ed->BitSmaz->isEnabled() && !ed->BitUloz->isEnabled());
        ed->close();
    }

    void helpButtonsHaveTheirPages() {
        start();
        f->main->open_natal_editor();
        f->main->open_partner_editor();
        const auto shipped = sidora::data::shipped_data_dir();
        QVERIFY(shipped.has_value());
        for (auto [w, topic] : {std::pair<QWidget*, int>{f->main->natal_editor(), 37}, {f->main->partner_editor(), 52}}) {
            auto* b = w->findChild<QToolButton*>(topic == 37 ? "HelpVyklady" : "HelpVyklady1");
            QVERIFY(b);
            QCOMPARE(b->property("helpTopic").toInt(), topic);
            QVERIFY(std::filesystem::exists(*shipped / "help" / (std::to_string(topic) + ".html")));
        }
    }
};

QTEST_MAIN(TextEditorsTest)
#include "text_editors_test.moc"
