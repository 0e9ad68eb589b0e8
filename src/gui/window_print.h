#pragma once
// Printing a window as it looks: one path for every window with "Tisk okna".
#include <functional>

class QPrinter;
class QWidget;

// `copies` prints of the window's image, the window white meanwhile and `hidden` (a tool bar)
// out of the picture. size 0: one printer dot per screen pixel, 1 as on screen, 2 the whole
// page. `printing` is told before and after the image is taken.
void print_window_image(QWidget& window, QPrinter& printer, int size, int copies, QWidget* hidden = nullptr,
                        const std::function<void(bool)>& printing = {});

// The print dialog, then the prints; nothing when it is cancelled.
void print_window(QWidget& window, const char* title, int size, QWidget* hidden = nullptr,
                  const std::function<void(bool)>& printing = {});
