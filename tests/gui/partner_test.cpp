// The partner window, opened from the natal window's "Partneři" through the person chooser.
#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "gui/frm_astro_dat.h"
#include "gui/frm_horoskop.h"
#include "gui/frm_partner.h"
#include "gui/frm_texty.h"
#include "gui/frm_vyklady.h"
#include "gui/frm_vyberpar.h"
#include "gui/grid_view.h"
#include "gui_fixture.h"
#include "list_clicks.h"
#include "../sample_persons.h"
#include "../sample_places.h"

using namespace sidora::test;

namespace {

TFrmPartner* partner_window() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<TFrmPartner*>(w); p && p->isVisible()) return p;
    return nullptr;
}

bool has_line(const QString& text) {
    for (const auto& l : texts_window().lines())
        if (QString::fromStdString(l.text) == text) return true;
    return false;
}

}  // namespace

class PartnerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiFixture> f;

    TFrmPartner* open_partner() {
        texts_window().clear_text();
        f = std::make_unique<GuiFixture>();
        f->write("osoby.dat", persons_file_of({kJan, kJana}));
        f->write("mista.dat", file_of({kPraha, kBrno}));
        f->start();
        TFrmAstroDat& chooser = f->main->person_chooser();
        QTest::mouseClick(f->main->tool_button("ToolButton15"), Qt::LeftButton);
        select_item(chooser.ListBox1, "Jan Novák");
        QTest::mouseClick(chooser.BitNastav, Qt::LeftButton);
        TfrmHoroskop* natal = f->main->horoscope_window();
        if (!natal) return nullptr;
        QTest::mouseClick(natal->BitPartneri, Qt::LeftButton);
        select_item(chooser.ListBox1, "Jana Nováková");
        QTest::mouseClick(chooser.BitNastav, Qt::LeftButton);
        return partner_window();
    }

private slots:
    void cleanup() {
        if (auto* p = partner_window()) delete p;
        f.reset();
    }

    void opensWithItsTabsAndRefusesASecond() {
        TFrmPartner* p = open_partner();
        QVERIFY(p);
        QCOMPARE(p->windowTitle(), QString("Partnerský horoskop"));
        QCOMPARE(p->size(), QSize(670, 461));
        QStringList tabs;
        for (int i = 0; i < p->PageControl1->count(); ++i) tabs << p->PageControl1->tabText(i);
        QCOMPARE(tabs, (QStringList{"Sumář", "Planety a planetky", "Domy", "Aspekty"}));
        QCOMPARE(p->LabelOsoba2->text(), QString("Osoba 2: Jana Nováková"));
        QVERIFY(p->LabelShoda->text().endsWith(" %"));
        QCOMPARE(p->grid("planets")->cell(1, 1), QString("Slunce"));
        QVERIFY(TFrmPartner::is_open(*f->main));
        QTest::mouseClick(f->main->horoscope_window()->BitPartneri, Qt::LeftButton);
        QCOMPARE(f->pozor.text(), QString("Partnerský horoskop je již otevřen!"));
        p->close();
        QVERIFY(!TFrmPartner::is_open(*f->main));
    }

    void sliderAndBoxRedrawTheAspectGrid() {
        TFrmPartner* p = open_partner();
        QVERIFY(p);
        QCOMPARE(p->LabelOrbis->text(), QString("všechny"));
        auto shown = [&] {
            int n = 0;
            for (int r = 1; r <= 10; ++r)
                for (int c = 1; c <= 13; ++c) n += !p->grid("aspects")->cell(c, r).isEmpty();
            return n;
        };
        const int all = shown();
        p->TrackBar1->setValue(3);
        QCOMPARE(p->LabelOrbis->text(), QString("3 °"));
        const int within3 = shown();
        QVERIFY(within3 <= all);
        p->CheckHlavni->setChecked(true);
        QVERIFY(shown() <= within3);
        // The model decides the cells; the window shows exactly them.
        for (int r = 1; r <= 10; ++r)
            for (int c = 1; c <= 13; ++c)
                QCOMPARE(p->grid("aspects")->cell(c, r), QString::fromStdString(p->view().aspects.at(c, r).text));
    }

    void doubleClickWritesIntoTheTextsWindow() {
        TFrmPartner* p = open_partner();
        QVERIFY(p);
        p->GridDblClick(sidora::models::PartnerGrid::Aspects, 14, 1);
        QVERIFY(has_line("Aspekty Slunce 2. osoby s planetami 1. osoby"));
    }

    // "Zobraz: Partneři" lays the open partner window's ten planets over the natal wheel; once
    // it is closed the choice beeps back to "Nic"; Editace opens the partner editor.
    void theNatalWheelShowsThePartnersPlanets() {
        TFrmPartner* p = open_partner();
        QVERIFY(p);
        TfrmHoroskop* natal = f->main->horoscope_window();
        natal->Zobraz->button(1)->click();
        QVERIFY(natal->Zobraz->button(1)->isChecked());
        QCOMPARE(natal->LabelZobraz->text(), QString("Jana Nováková"));
        const auto& glyphs = natal->wheel().overlay.glyphs;
        QCOMPARE(static_cast<int>(glyphs.size()), 10);
        QCOMPARE(glyphs[0].longitude, p->partner().second.chart_table[1].longitude);
        QTest::mouseClick(p->BitEditace, Qt::LeftButton);
        QVERIFY(f->main->partner_editor() && f->main->partner_editor()->isVisible());
        p->close();
        QVERIFY(!TFrmPartner::is_open(*f->main));
        natal->Zobraz->button(1)->click();
        QVERIFY(natal->Zobraz->button(2)->isChecked());
        QVERIFY(natal->wheel().overlay.glyphs.empty());
    }

    void reportSelectionStoresItsChecksAndWrites() {
        TFrmPartner* p = open_partner();
        QVERIFY(p);
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<TVyberpar*>(QApplication::activeModalWidget());
            if (!d) return;
            seen = true;
            QCOMPARE(d->windowTitle(), QString("Výběr"));
            for (auto* item : d->items) QVERIFY(item->isChecked());  // no stavpar.mem yet
            d->items[3]->setChecked(false);
            d->BitNastavClick();
        });
        p->BitVykladClick();
        QVERIFY(seen);
        QCOMPARE(f->read("stavpar.mem"), std::string("\1\1\1\0", 4));
        QVERIFY(has_line("PARTNERSKÝ HOROSKOP"));
        QVERIFY(has_line("KONEC."));
        QVERIFY(!has_line("Následující text je určen 1. osobě:"));
    }
};

QTEST_MAIN(PartnerTest)
#include "partner_test.moc"
