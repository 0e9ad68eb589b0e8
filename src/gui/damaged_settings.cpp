#include "gui/damaged_settings.h"

#include <QMessageBox>
#include <QPushButton>

#include <iostream>

#include "data/startup.h"

bool ask_to_set_aside(const sidora::data::StartupError& error, const std::filesystem::path& data_dir,
                      QWidget* parent) {
    QMessageBox box(QMessageBox::Warning, "Sidora",
                    QString::fromStdString(sidora::data::damaged_settings_question(error, data_dir)),
                    QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton("Ano", QMessageBox::YesRole);
    QPushButton* no = box.addButton("Ne", QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    if (box.clickedButton() != yes) return false;
    try {
        sidora::data::set_aside_damaged(error, data_dir);
    } catch (const sidora::data::StartupError& failed) {
        std::cerr << "sidora: " << failed.message() << "\n";
        QMessageBox::critical(parent, "Sidora", QString::fromStdString(failed.message()));
        return false;
    }
    return true;
}
