#pragma once
// The progress window of long work: a caption and a bar, and for work that can be stopped
// the button "Přerušit".
#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

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

    // Work that runs beside the interface: the window blocks the other windows, offers
    // "Přerušit" and is only updated, never asked to process events itself.
    void begin_stoppable(const QString& caption, int maximum);
    void show_state(int position, int maximum, const QString& caption);
    bool stop_asked() const { return stop_asked_; }

    QPushButton* BitPrerusit;

signals:
    void stop_requested();

protected:
    // Escape or the close box stops stoppable work and is ignored otherwise: the window
    // belongs to the work, which closes it.
    void reject() override;

private:
    void request_stop();
    QLabel* Label1;
    QProgressBar* ProgressBar1;
    bool stop_asked_ = false;
};
