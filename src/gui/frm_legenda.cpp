#include "gui/frm_legenda.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/grid_view.h"
#include "models/natal_window.h"

TFrmlegenda::TFrmlegenda(const sidora::data::AspectDefs& defs, QWidget* parent) : QDialog(parent) {
    setObjectName("TFrmlegenda");
    setWindowTitle("Legenda aspektů");
    setAttribute(Qt::WA_DeleteOnClose);
    const sidora::models::Grid g = sidora::models::aspect_legend(defs);
    StringGrid1 = new GridView("StringGrid1", g.rows(), g.cols(), this);
    StringGrid1->render(g);
    StringGrid1->fit();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StringGrid1);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) move(screen->availableGeometry().topLeft());
}
