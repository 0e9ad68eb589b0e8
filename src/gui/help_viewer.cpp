#include "gui/help_viewer.h"

#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "data/data_dir.h"
#include "gui/window_stack.h"

HelpViewer::HelpViewer(QWidget* parent) : QDialog(parent) {
    setObjectName("HelpViewer");
    setWindowTitle("Nápověda");
    resize(560, 480);
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

bool HelpViewer::show_topic(int topic, QWidget* asker) {
    topic_ = topic;
    const auto shipped = sidora::data::shipped_data_dir();
    const QString dir = shipped ? QString::fromStdString((*shipped / "help").string()) : QString();
    const QString page = dir + QString("/%1.html").arg(topic);
    const bool found = shipped && QFile::exists(page);
    if (found) {
        browser_->setSearchPaths({dir});
        browser_->setSource(QUrl::fromLocalFile(page));
    } else {
        browser_->setHtml(QString("<p>Nápověda k tématu %1 není k dispozici.</p>").arg(topic));
    }
    // With no window active (the program in the background) it stays above its last one.
    if (QWidget* above = asker ? asker : asking_window()) stack_above(*this, above);
    show();
    raise();
    activateWindow();
    return found;
}
