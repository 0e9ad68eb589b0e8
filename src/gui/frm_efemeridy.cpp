#include "gui/frm_efemeridy.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "data/table_file.h"
#include "gui/frm_pozor.h"
#include "gui/help_viewer.h"

namespace tables = sidora::tables;

EphemerisItemModel::EphemerisItemModel(const tables::EphemerisTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

int EphemerisItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(table_.last_row_index, 0);
}

int EphemerisItemModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.columns.size());
}

QVariant EphemerisItemModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    const auto& row = table_.rows[static_cast<std::size_t>(index.row() + 1)];
    const auto c = static_cast<std::size_t>(index.column());
    return c < row.size() ? QString::fromStdString(row[c]) : QString();
}

QVariant EphemerisItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    return QString::fromStdString(table_.columns[static_cast<std::size_t>(section)].header);
}

namespace {

QToolButton* tool(const QString& text, const QString& name, const QString& hint, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setAutoRaise(true);
    return b;
}

}  // namespace

TFrmEfemeridy::TFrmEfemeridy(tables::EphemerisTable table, Shell& shell, QWidget* parent)
    : QWidget(parent, Qt::Window), table_(std::move(table)), shell_(shell) {
    setObjectName("TFrmEfemeridy");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(table_.caption.empty() ? QString("Výpočty") : QString::fromStdString(table_.caption));

    auto* menu = new QMenuBar(this);
    menu->setObjectName("MainMenu1");
    QAction* save = menu->addAction("Ulož");
    save->setObjectName("Ulož");
    save->setShortcut(QKeySequence("Ctrl+S"));
    save->setShortcutContext(Qt::WindowShortcut);
    addAction(save);
    connect(save, &QAction::triggered, this, &TFrmEfemeridy::ToolButton1Click);

    ToolButton1 = tool("Ulož (CTRL-S)", "ToolButton1", "Uložit tabulku (CTRL-S)", this);
    ToolButton2 = tool("Nápověda (F1)", "ToolButton2", "Nápověda (F1)", this);
    ToolButton2->setProperty("helpTopic", 50);
    ToolButton3 = tool("Zavřít tabulku", "ToolButton3", "Zavřít tabulku (ALT-F4)", this);
    connect(ToolButton1, &QToolButton::clicked, this, &TFrmEfemeridy::ToolButton1Click);
    connect(ToolButton2, &QToolButton::clicked, this, [this] { shell_.help.show_topic(50, this); });
    connect(ToolButton3, &QToolButton::clicked, this, &QWidget::close);
    auto* help_key = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help_key, &QShortcut::activated, this, [this] { shell_.help.show_topic(50, this); });
    auto* tools = new QHBoxLayout;
    for (QToolButton* b : {ToolButton1, ToolButton2, ToolButton3}) tools->addWidget(b);
    tools->addStretch(1);

    Label1 = new QLabel(QString::fromStdString(table_.label1), this);
    Label1->setObjectName("Label1");
    Label2 = new QLabel(QString::fromStdString(table_.label2), this);
    Label2->setObjectName("Label2");

    model_ = new EphemerisItemModel(table_, this);
    Tab = new QTableView(this);
    Tab->setObjectName("Tab");
    Tab->setModel(model_);
    Tab->verticalHeader()->hide();
    // Rows of one height let the view place any row without measuring the others.
    Tab->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Tab->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    Tab->horizontalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Tab->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tab->setWordWrap(false);
    for (std::size_t c = 0; c < table_.columns.size(); ++c) {
        Tab->setColumnWidth(static_cast<int>(c), table_.columns[c].width);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->addLayout(tools);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Tab, 1);

    ask_file = [this] {
        QFileDialog dialog(this, "Uložit tabulku");
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter("Textový soubor (*.csv)");
        dialog.setDefaultSuffix("csv");
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
        return dialog.selectedFiles().first();
    };
}

void TFrmEfemeridy::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) return;
    placed_ = true;
    // The top left corner, nine tenths of the screen's height, as wide as the columns.
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect r = screen->availableGeometry();
        int width = 45;
        for (const auto& c : table_.columns) width += c.width;
        resize(std::min(width, r.width()), r.height() - r.height() / 10);
        move(r.topLeft());
    }
}

void TFrmEfemeridy::ToolButton1Click() {
    // The dialog may change the working directory; the program's files are relative to it.
    const QString dir = QDir::currentPath();
    const QString path = ask_file ? ask_file() : QString();
    QDir::setCurrent(dir);
    if (path.isEmpty()) return;
    save_to(path);
}

bool TFrmEfemeridy::save_to(const QString& path) {
    const std::filesystem::path file(path.toStdString());
    const std::string problem = sidora::data::save_table_file(file, table_.rows, table_.last_row_index);
    if (!problem.empty()) {
        shell_.pozor.show_warning(QString::fromStdString(problem));
        return false;
    }
    const QString message = QString::fromStdString(sidora::data::table_saved_message(file));
    QMessageBox box(QMessageBox::Information, "Sidora", message, QMessageBox::Ok, this);
    box.setObjectName("SavedBox");
    box.exec();
    return true;
}
