#include "gui/window_print.h"

#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

void print_window_image(QWidget& window, QPrinter& printer, int size, int copies, QWidget* hidden,
                        const std::function<void(bool)>& printing) {
    if (copies <= 0) return;
    const QPalette saved = window.palette();
    QPalette white = saved;
    white.setColor(QPalette::Window, Qt::white);
    window.setPalette(white);
    const bool was_visible = hidden && hidden->isVisible();
    if (was_visible) hidden->hide();
    if (printing) printing(true);
    const QPixmap image = window.grab();
    if (printing) printing(false);
    if (was_visible) hidden->show();
    window.setPalette(saved);

    QPainter p(&printer);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    double scale = 1.0;
    if (size == 1) scale = printer.resolution() / static_cast<double>(window.logicalDpiX());
    if (size == 2) scale = std::min(page.width() / image.width(), page.height() / image.height());
    for (int c = 0; c < copies; ++c) {
        if (c > 0) printer.newPage();
        p.save();
        p.scale(scale, scale);
        p.drawPixmap(0, 0, image);
        p.restore();
    }
}

void print_window(QWidget& window, const char* title, int size, QWidget* hidden,
                  const std::function<void(bool)>& printing) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(1);
    QPrintDialog dialog(&printer, &window);
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted) return;
    print_window_image(window, printer, size, printer.copyCount(), hidden, printing);
}
