#pragma once
// The texts window: reports of every kind appended as styled lines. It lives for the whole
// run; showing it clears it, closing hides it.
#include <QWidget>

#include "models/styled_lines.h"

class QTextEdit;

class TFrmTexty : public QWidget {
    Q_OBJECT
public:
    explicit TFrmTexty(QWidget* parent = nullptr);

    // Shows the window (cleared when it was hidden) and appends the lines.
    void add(const sidora::models::StyledDocument& doc);
    void add_line(const sidora::models::StyledLine& line);
    // The lines as added since the window was last cleared.
    const std::vector<sidora::models::StyledLine>& lines() const { return lines_; }
    void clear_text();

    QTextEdit* Text;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void show_placed();
    std::vector<sidora::models::StyledLine> lines_;
};

// The one texts window of the program.
TFrmTexty& texts_window();
