#pragma once
// The help viewer: our own HTML pages, one per topic number.
#include <QDialog>

class QTextBrowser;

class HelpViewer : public QDialog {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);
    // Opens the page of a topic in front of the asking window (none: the active one), taking
    // input beside it even when it is a modal dialog; false (and a note) when there is no page.
    bool show_topic(int topic, QWidget* asker = nullptr);
    int topic() const { return topic_; }

private:
    QTextBrowser* browser_;
    int topic_ = 0;
};
