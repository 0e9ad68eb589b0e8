#pragma once
// Small pieces every window builds the same way: its help button, its row of buttons and
// its bold captions, its zone box.
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <initializer_list>

#include "gui/shell.h"

// The "?" button that opens the help viewer at a topic (kept in the "helpTopic" property).
QToolButton* help_button(Shell& shell, int topic, const QString& name, QWidget* parent);
QPushButton* push_button(const QString& text, const QString& name, QWidget* parent);
// The help button at the left, the others at the right in their order.
QHBoxLayout* button_row(QToolButton* help, std::initializer_list<QPushButton*> buttons);
QLabel* bold_label(const QString& text, QWidget* parent);
// "ComboPasmo": the zones by name, in their order.
QComboBox* zone_box(QWidget* parent);
