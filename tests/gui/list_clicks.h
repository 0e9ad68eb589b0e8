#pragma once
// Choosing in the program's lists as a user does: a click on the item.
#include <QListWidget>
#include <QTest>
#include <QToolButton>

#include "gui/frm_astro_dat.h"
#include "gui/frm_horoskop.h"
#include "gui_fixture.h"

// Clicks the item `name`; fails the test when the list has none.
inline void select_item(QListWidget* list, const QString& name) {
    const auto found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

// The main window's horoscope button, the person clicked in the chooser and "Vypočítej
// horoskop": the natal window, or null when the person is not listed.
inline TfrmHoroskop* open_natal(GuiFixture& f, const QString& name) {
    QTest::mouseClick(f.main->tool_button("ToolButton15"), Qt::LeftButton);
    TFrmAstroDat& chooser = f.main->person_chooser();
    if (chooser.ListBox1->findItems(name, Qt::MatchExactly).isEmpty()) return nullptr;
    select_item(chooser.ListBox1, name);
    QTest::mouseClick(chooser.BitNastav, Qt::LeftButton);
    return f.main->horoscope_window();
}
