#include "gui/dialog_parts.h"

#include "engine/zones.h"
#include "gui/help_viewer.h"

QToolButton* help_button(Shell& shell, int topic, const QString& name, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText("?");
    b->setToolTip("Nápověda");
    b->setProperty("helpTopic", topic);
    QObject::connect(b, &QToolButton::clicked, parent, [&shell, topic, b] { shell.help.show_topic(topic, b); });
    return b;
}

QPushButton* push_button(const QString& text, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

QHBoxLayout* button_row(QToolButton* help, std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addWidget(help);
    row->addStretch(1);
    for (QPushButton* b : buttons) row->addWidget(b);
    return row;
}

QLabel* bold_label(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QComboBox* zone_box(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName("ComboPasmo");
    for (int z = 1; z <= sidora::engine::kZoneCount; ++z) {
        box->addItem(QString::fromStdString(sidora::engine::zone_name(z)));
    }
    return box;
}
