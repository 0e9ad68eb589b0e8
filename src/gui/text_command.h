#pragma once
// The text-only buttons of the windows' tool bars.
#include <QString>

class QToolButton;
class QWidget;

// A button named `name` with its text and hint, a child of `parent`.
QToolButton* text_command(const QString& text, const QString& name, const QString& hint, QWidget* parent);

// The same, and a shortcut of `window` (named "Key" and the name without "Bit") that clicks
// the button while it is enabled, as the hidden menus' entries do.
QToolButton* text_command(const QString& text, const QString& name, const QString& hint, QWidget* parent,
                          const QString& key, QWidget* window);
