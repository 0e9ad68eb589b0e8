#pragma once
// The texts window: reports of every kind appended as styled lines. It lives for the whole
// run; showing it clears it, closing hides it. Its commands print, save and open the text
// as RTF and clear it.
#include <QPointer>
#include <QWidget>
#include <functional>

#include "gui/shell.h"
#include "models/styled_lines.h"

class HelpViewer;
class QMenu;
class QPrinter;
class QTextEdit;
class QToolButton;
class TFrmPozor;

class TFrmTexty : public QWidget {
    Q_OBJECT
public:
    explicit TFrmTexty(QWidget* parent = nullptr);

    // The warning and help windows the commands use.
    void set_shell(Shell& shell);

    // Shows the window (cleared when it was hidden) and appends the lines.
    void add(const sidora::models::StyledDocument& doc);
    void add_line(const sidora::models::StyledLine& line);
    // The lines as added since the window was last cleared.
    const std::vector<sidora::models::StyledLine>& lines() const { return lines_; }
    sidora::models::StyledDocument document() const;
    void clear_text();

    // The commands of the tool bar and the hidden menu "Info".
    void BitTiskClick();
    void BitUlozClick();
    void BitOtevriClick();
    void BitVycistiClick();
    void BitPismoClick();
    // The text once per copy, from a new page each.
    void print_on(QPrinter& printer, int copies) const;
    // "Ulož" with the name chosen: refuses a read-only file, asks before overwriting; false
    // when nothing was written.
    bool save_to(const QString& file);
    // "Otevři" with the name chosen: the file's text replaces the window's; false (and the
    // text as it was) when the file cannot be read.
    bool open_from(const QString& file);

    // The file dialogs' choice (true: save); an empty name cancels. Tests put their own here.
    std::function<QString(bool save)> choose_file;

    QTextEdit* Text;
    QToolButton* tool(const QString& name) const;
    QMenu* help_menu() const { return help_menu_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void show_placed();
    void warn(const QString& text);
    QString dialog_file(bool save);
    std::vector<sidora::models::StyledLine> lines_;
    QPointer<TFrmPozor> pozor_;
    QPointer<HelpViewer> help_;
    QMenu* help_menu_ = nullptr;
    QString last_dir_;
};

// The one texts window of the program.
TFrmTexty& texts_window();
