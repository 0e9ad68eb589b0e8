#include "gui/frm_texty.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <variant>

#include "gui/frm_pozor.h"
#include "gui/help_viewer.h"
#include "models/texts_window.h"
#include "render/document.h"

namespace models = sidora::models;

TFrmTexty::TFrmTexty(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TFrmTexty");
    setWindowTitle("Texty");
    Text = new QTextEdit(this);
    Text->setObjectName("Text");
    Text->setReadOnly(true);
    Text->setLineWrapMode(QTextEdit::NoWrap);
    Text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text->document()->setDefaultFont(QFont("Arial"));

    auto* tools = new QHBoxLayout;
    tools->setContentsMargins(4, 2, 4, 2);
    // The hidden menu "Info": never shown, its actions carry the window's shortcuts.
    auto* info = new QMenu("Info", this);
    info->setObjectName("MenuInfo");
    const std::function<void()> actions[] = {[this] { BitTiskClick(); }, [this] { BitUlozClick(); },
                                             [this] { BitOtevriClick(); }, [this] { BitVycistiClick(); },
                                             [this] { BitPismoClick(); }};
    for (std::size_t i = 0; i < models::kTextsCommands.size(); ++i) {
        const auto& c = models::kTextsCommands[i];
        auto* b = new QToolButton(this);
        b->setObjectName(c.name);
        b->setText(QString::fromUtf8(c.text));
        b->setToolTip(QString::fromUtf8(c.hint));
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, actions[i]);
        tools->addWidget(b);
        if (*c.key) {
            QAction* a = info->addAction(QString::fromUtf8(c.text), this, actions[i]);
            a->setObjectName(QString("Key") + c.name);
            a->setShortcut(QKeySequence(c.key));
            addAction(a);
        }
    }
    // "Font" is in the menu for its key alone.
    QAction* font = info->addAction("Font");
    font->setObjectName("KeyFont");
    font->setShortcut(QKeySequence("Ctrl+F"));
    addAction(font);

    QToolButton* pismo = tool("BitPismo");
    help_menu_ = new QMenu(pismo);
    help_menu_->setObjectName("MenuPismo");
    for (const auto& item : models::kTextsHelpMenu) {
        const int topic = item.topic;
        QAction* a = help_menu_->addAction(QString::fromUtf8(item.text), this, [this, topic] {
            if (help_) help_->show_topic(topic, this);
        });
        a->setProperty("helpTopic", topic);
    }
    pismo->setProperty("helpTopic", models::kTextsHelpTopic);
    pismo->setMenu(help_menu_);
    pismo->setPopupMode(QToolButton::MenuButtonPopup);
    tools->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(tools);
    layout->addWidget(Text, 1);
}

void TFrmTexty::set_shell(Shell& shell) {
    pozor_ = &shell.pozor;
    help_ = &shell.help;
}

QToolButton* TFrmTexty::tool(const QString& name) const { return findChild<QToolButton*>(name); }

void TFrmTexty::show_placed() {
    if (!isVisible()) {
        clear_text();
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect r = screen->availableGeometry();
            setGeometry(r.left(), r.top(), r.width() / 2, r.height());
        }
        show();
    }
    setEnabled(true);
    raise();
}

void TFrmTexty::clear_text() {
    Text->clear();
    lines_.clear();
}

void TFrmTexty::add_line(const models::StyledLine& line) {
    show_placed();
    QTextCharFormat f;
    f.setFontFamilies({"Arial"});
    f.setForeground(QColor(line.colour.r, line.colour.g, line.colour.b));
    f.setFontPointSize(line.size);
    f.setFontWeight(line.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(line.italic);
    f.setFontUnderline(line.underline);
    QTextCursor c(Text->document());
    c.movePosition(QTextCursor::End);
    if (!lines_.empty()) c.insertBlock();
    c.setCharFormat(f);
    c.insertText(QString::fromStdString(line.text), f);
    lines_.push_back(line);
}

void TFrmTexty::add(const models::StyledDocument& doc) {
    show_placed();
    for (const auto& line : doc.lines()) add_line(line);
    Text->moveCursor(QTextCursor::End);
}

models::StyledDocument TFrmTexty::document() const {
    models::StyledDocument doc;
    for (const auto& l : lines_) doc.add(l);
    return doc;
}

void TFrmTexty::warn(const QString& text) {
    if (pozor_) pozor_->show_warning(text);
    else QMessageBox::warning(this, "Pozor", text);
}

QString TFrmTexty::dialog_file(bool save) {
    if (choose_file) return choose_file(save);
    QFileDialog dialog(this, QString::fromUtf8(save ? models::kSaveCaption : models::kOpenCaption), last_dir_,
                       QString::fromUtf8(models::kRtfFilter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The overwrite question and the read-only refusal are this window's own, in Czech.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (save) dialog.setDefaultSuffix(QString::fromUtf8(models::kRtfSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    last_dir_ = dialog.directory().absolutePath();
    return dialog.selectedFiles().first();
}

void TFrmTexty::BitTiskClick() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(sidora::render::kPageMarginMm, sidora::render::kPageMarginMm, sidora::render::kPageMarginMm,
                  sidora::render::kPageMarginMm),
        QPageLayout::Millimeter));
    printer.setCopyCount(1);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName("PrintDialog");
    dialog.setWindowTitle("Tisk");
    // A cancelled dialog prints nothing.
    if (dialog.exec() != QDialog::Accepted) return;
    // The copies are painted here, so every printer (and a PDF file) receives them all.
    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);
    print_on(printer, copies);
}

void TFrmTexty::print_on(QPrinter& printer, int copies) const {
    sidora::render::paint_document(printer, document(), copies);
}

void TFrmTexty::BitUlozClick() {
    const QString file = dialog_file(true);
    if (!file.isEmpty()) save_to(file);
}

bool TFrmTexty::save_to(const QString& file) {
    const std::filesystem::path path = file.toStdString();
    if (const auto refusal = models::save_refusal(path)) {
        warn(QString::fromStdString(*refusal));
        return false;
    }
    if (const auto question = models::overwrite_question(path)) {
        if (QMessageBox::question(this, "Potvrzení", QString::fromStdString(*question),
                                  QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return false;
    }
    if (const auto why = models::save_document(path, document())) {
        warn(QString::fromStdString(*why));
        return false;
    }
    return true;
}

void TFrmTexty::BitOtevriClick() {
    const QString file = dialog_file(false);
    if (!file.isEmpty()) open_from(file);
}

bool TFrmTexty::open_from(const QString& file) {
    auto opened = models::open_document(file.toStdString());
    if (const auto* why = std::get_if<std::string>(&opened)) {
        warn(QString::fromStdString(*why));
        return false;
    }
    clear_text();
    add(std::get<models::StyledDocument>(opened));
    return true;
}

void TFrmTexty::BitVycistiClick() { clear_text(); }

void TFrmTexty::BitPismoClick() {
    if (help_) help_->show_topic(models::kTextsHelpTopic, this);
}

void TFrmTexty::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

TFrmTexty& texts_window() {
    static TFrmTexty* window = new TFrmTexty;
    return *window;
}
