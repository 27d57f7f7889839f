#include "direct_qt_window.h"

#include "checkcode/check_code.h"
#include "checkcode/offices.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <string>

namespace {

class ShadedRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (index.row() % 2 == 0)
            painter->fillRect(option.rect, QColor(237, 243, 254));
        QStyledItemDelegate::paint(painter, option, index);
    }
};

void SetPointSize(QWidget* w, int size) {
    if (size > 0) {
        QFont f = w->font();
        f.setPointSize(size);
        w->setFont(f);
    }
}

} // namespace

DirectQtWindow::DirectQtWindow(const DirectQtTexts& t, List list) {
    setWindowTitle(t.title);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(t.fileMenu);
    file->addAction(t.about);
    file->addAction(t.quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    QMenu* edit = bar->addMenu(t.editMenu);
    edit->addAction(t.undo, QKeySequence(Qt::CTRL | Qt::Key_Z));
    edit->addSeparator();
    edit->addAction(t.cut, QKeySequence(Qt::CTRL | Qt::Key_X));
    edit->addAction(t.copy, QKeySequence(Qt::CTRL | Qt::Key_C));
    edit->addAction(t.paste, QKeySequence(Qt::CTRL | Qt::Key_V));
    edit->addAction(t.clear);
    layout->setMenuBar(bar);

    auto* content = new QWidget(this);
    content->setFixedSize(300, 496);
    layout->addWidget(content);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* label = new QLabel(t.field, content);
    label->setGeometry(46, 62, 124, 21);
    SetPointSize(label, 12);

    field_ = new QLineEdit(content);
    field_->setGeometry(176, 61, 75, 22);
    field_->setMaxLength(8);
    field_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,8}"), field_));
    SetPointSize(field_, 12);

    button_ = new QPushButton(t.button, content);
    button_->setGeometry(69, 124, 163, 20);
    button_->setEnabled(false);
    button_->setDefault(true);
    SetPointSize(button_, 12);

    auto* resultBox = new QGroupBox(t.resultGroup, content);
    resultBox->setGeometry(40, 170, 221, 85);
    SetPointSize(resultBox, 12);
    result_ = new QLabel(resultBox);
    result_->setGeometry(54 - 40, 199 - 170, 197, 38);
    result_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetPointSize(result_, 18);

    auto* officeBox = new QGroupBox(t.officeGroup, content);
    officeBox->setGeometry(40, 279, 221, 197);
    QAbstractItemView* view = nullptr;
    if (list == List::ListWidget) {
        view = offices_ = new QListWidget(officeBox);
    } else {
        view = tree_ = new QTreeWidget(officeBox);
        tree_->setHeaderHidden(true);
        tree_->setRootIsDecorated(false);
        tree_->setIndentation(0);
        tree_->setUniformRowHeights(true);
    }
    view->setGeometry(47 - 40, 313 - 279, 206, 158);
    view->setItemDelegate(new ShadedRows(view));
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    QObject::connect(field_, &QLineEdit::textChanged,
                     [this](const QString& text) { button_->setEnabled(text.size() == 8); });
    QObject::connect(button_, &QPushButton::clicked, [this] { Press(); });
}

void DirectQtWindow::Press() {
    const std::string number = field_->text().toStdString();
    result_->setText(QString::fromStdString(checkcode::ComputeCheckCode(number).result));
    auto text = [](std::string_view office) {
        return QString::fromUtf8(office.data(), static_cast<qsizetype>(office.size()));
    };
    if (offices_) {
        offices_->clear();
        checkcode::LookupOffices(number, [&](std::string_view office) { offices_->addItem(text(office)); });
        offices_->sortItems(Qt::AscendingOrder);
    } else {
        tree_->clear();
        checkcode::LookupOffices(number, [&](std::string_view office) {
            auto* item = new QTreeWidgetItem();
            item->setText(0, text(office));
            tree_->addTopLevelItem(item);
        });
        tree_->sortItems(0, Qt::AscendingOrder);
    }
}

int DirectQtWindow::OfficeCount() const {
    return offices_ ? offices_->count() : tree_->topLevelItemCount();
}
