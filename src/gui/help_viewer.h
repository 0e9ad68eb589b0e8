#pragma once
// The help viewer: our own HTML pages, one per topic number.
#include <QDialog>

class QTextBrowser;

class HelpViewer : public QDialog {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);
    // Opens the page of a topic; false (and a note in the viewer) when there is none.
    bool show_topic(int topic);
    int topic() const { return topic_; }

private:
    QTextBrowser* browser_;
    int topic_ = 0;
};
