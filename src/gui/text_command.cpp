#include "gui/text_command.h"

#include <QShortcut>
#include <QToolButton>

QToolButton* text_command(const QString& text, const QString& name, const QString& hint, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

QToolButton* text_command(const QString& text, const QString& name, const QString& hint, QWidget* parent,
                          const QString& key, QWidget* window) {
    QToolButton* b = text_command(text, name, hint, parent);
    auto* s = new QShortcut(QKeySequence(key), window);
    s->setObjectName("Key" + (name.startsWith("Bit") ? name.mid(3) : name));
    QObject::connect(s, &QShortcut::activated, b, [b] {
        if (b->isEnabled()) b->click();
    });
    return b;
}
