#pragma once
// The progress window of long work: a caption and a bar.
#include <QDialog>

class QLabel;
class QProgressBar;

class TFrmProgress : public QDialog {
    Q_OBJECT
public:
    explicit TFrmProgress(QWidget* parent = nullptr);
    void begin(const QString& caption, int maximum);
    void set_position(int position);
    void finish();
    int position() const;
    int maximum() const;
    QString caption() const;

private:
    QLabel* Label1;
    QProgressBar* ProgressBar1;
};
