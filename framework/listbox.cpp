#include "framework/listbox.h"

#include "framework/qt/control_peer.h"
#include "framework/qt/graphics_peer.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <charconv>
#include <string>

namespace fw {

namespace {

class ListboxPeer;

// The last column takes the rest of the row, also while the heading is hidden (a hidden heading never
// stretches its last section itself).
class ListWidget : public detail::PeerWidget<QTreeWidget> {
protected:
    void updateGeometries() override {
        QTreeWidget::updateGeometries();
        FillLastColumn();
    }

public:
    void FillLastColumn() {
        const int last = columnCount() - 1;
        const int rest = viewport()->width() - header()->sectionPosition(last);
        if (last >= 0 && rest > header()->minimumSectionSize() && rest != header()->sectionSize(last))
            header()->resizeSection(last, rest);
    }
};

// Paints each cell: first the list's own class paints the background on a Graphics for the cell, then the
// cell's text goes over it (unless the class answered True: then the cell is all its own).
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    ListboxPeer* peer = nullptr;
};

class ListboxPeer : public detail::ControlPeer {
public:
    explicit ListboxPeer(Listbox& owner) : ControlPeer(owner, new ListWidget()), owner_(owner) {
        QTreeWidget* t = Tree();
        t->setRootIsDecorated(false);
        t->setIndentation(0);
        t->setUniformRowHeights(true);
        t->setAllColumnsShowFocus(true);
        t->setHeaderHidden(true);
        t->setColumnCount(1);
        t->setSelectionMode(QAbstractItemView::SingleSelection);
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->header()->setStretchLastSection(false);
        t->header()->setSectionsClickable(true);
        t->header()->setSortIndicatorShown(false);
        delegate_ = new CellDelegate(t);
        delegate_->peer = this;
        t->setItemDelegate(delegate_);
        QObject::connect(t->header(), &QHeaderView::sectionClicked, Context(),
                         [this](int column) { detail::FromQt([&] { OnHeadingClicked(column); }); });
    }
    ~ListboxPeer() override {
        if (delegate_)
            delegate_->peer = nullptr;
    }

    QTreeWidget* Tree() const { return static_cast<QTreeWidget*>(Widget()); }

    // Row operations need the live list.
    QTreeWidget& LiveTree() const {
        QTreeWidget* t = Tree();
        if (!t)
            throw NilObjectException(owner_.Describe() + " has no rows: its window is gone");
        return *t;
    }

    void SortBy(int column, Qt::SortOrder how) {
        order = how;
        LiveTree().sortItems(column, how);
    }

    void OnHeadingClicked(int column) {
        Ref<Listbox> keep(&owner_);
        if (owner_.RaiseEvent("SortColumn", column))
            return; // the handler keeps the order as it is
        const Qt::SortOrder how =
            sortedColumn == column && order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
        sortedColumn = column;
        SortBy(column, how);
        headingIndex = column;
        ApplyHeadingIndex();
    }

    void ApplyHeadingIndex() {
        if (QTreeWidget* t = Tree()) {
            const bool shown = headingIndex >= 0 && headingIndex < t->columnCount();
            t->header()->setSortIndicatorShown(shown);
            if (shown)
                t->header()->setSortIndicator(headingIndex, order);
        }
    }

    void ApplyColumnWidths() {
        QTreeWidget* t = Tree();
        if (!t)
            return;
        for (int i = 0; i < static_cast<int>(widths.size()) && i < t->columnCount(); ++i)
            if (widths[i] >= 0)
                t->header()->resizeSection(i, widths[i]);
        static_cast<ListWidget*>(t)->FillLastColumn();
    }

    Listbox& owner_;
    CellDelegate* delegate_ = nullptr;
    std::int32_t sortedColumn = -1;
    Qt::SortOrder order = Qt::AscendingOrder;
    std::int32_t headingIndex = -1;
    std::int32_t selectionType = 0;
    bool hasHeading = false;
    bool border = true;
    fw::Text columnWidths;
    std::vector<int> widths; // pixels; -1 leaves the column to the list
    fw::Text initialValue;
};

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    if (peer) {
        Ref<Listbox> keep(&peer->owner_);
        painter->save();
        painter->translate(option.rect.topLeft());
        painter->setClipRect(QRect(QPoint(0, 0), option.rect.size()), Qt::IntersectClip);
        const bool ownCell = detail::FromQt([&] {
            Ref<Graphics> g =
                MakeRef<Graphics>(std::make_unique<detail::GraphicsPeer>(painter, option.rect.size()));
            struct EndLoan {
                Graphics& g;
                ~EndLoan() { g.Peer().Invalidate(); } // a Graphics kept past the paint draws nowhere
            } endLoan{*g};
            return keep->Event_CellBackgroundPaint(*g, index.row(), index.column());
        });
        painter->restore();
        if (ownCell)
            return;
    }
    QStyledItemDelegate::paint(painter, option, index);
}

ListboxPeer& P(const Listbox& c) {
    return detail::PeerOf<ListboxPeer>(c);
}

std::vector<fw::Text> Split(const fw::Text& text, char by) {
    std::vector<fw::Text> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(by, start);
        parts.push_back(text.substr(start, at - start));
        if (at == fw::Text::npos)
            return parts;
        start = at + 1;
    }
}

fw::Text Trim(const fw::Text& s) {
    const std::size_t b = s.find_first_not_of(' ');
    if (b == fw::Text::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

const PropertyDecl kProperties[] = {
    Declare<&Listbox::ColumnCount, &Listbox::SetColumnCount>("ColumnCount"),
    Declare<&Listbox::HeadingIndex, &Listbox::SetHeadingIndex>("HeadingIndex"),
    DeclareStored<Listbox>("GridLinesHorizontal", PropertyType::Integer),
    DeclareStored<Listbox>("GridLinesVertical", PropertyType::Integer),
    DeclareStored<Listbox>("DefaultRowHeight", PropertyType::Integer),
    DeclareStored<Listbox>("_ScrollWidth", PropertyType::Integer),
    Declare<&Listbox::SelectionType, &Listbox::SetSelectionType>("SelectionType"),
    MORVALIT_FONT_PROPERTIES(Listbox),
    Declare<&Listbox::Border, &Listbox::SetBorder>("Border"),
    Declare<&Listbox::HasHeading, &Listbox::SetHasHeading>("HasHeading"),
    DeclareStored<Listbox>("UseFocusRing", PropertyType::Boolean),
    DeclareStored<Listbox>("ScrollBarHorizontal", PropertyType::Boolean),
    DeclareStored<Listbox>("ScrollBarVertical", PropertyType::Boolean),
    DeclareStored<Listbox>("Hierarchical", PropertyType::Boolean),
    DeclareStored<Listbox>("EnableDrag", PropertyType::Boolean),
    DeclareStored<Listbox>("EnableDragReorder", PropertyType::Boolean),
    DeclareStored<Listbox>("RequiresSelection", PropertyType::Boolean),
    DeclareStored<Listbox>("ColumnsResizable", PropertyType::Boolean),
    DeclareStored<Listbox>("AutoHideScrollbars", PropertyType::Boolean),
    Declare<&Listbox::ColumnWidths, &Listbox::SetColumnWidths>("ColumnWidths"),
    Declare<&Listbox::InitialValue, &Listbox::SetInitialValue>("InitialValue"),
    DeclareStored<Listbox>("DataSource", PropertyType::String),
    DeclareStored<Listbox>("DataField", PropertyType::String),
};

const EventDecl kEvents[] = {
    {"SortColumn", kSignatureInt},
    {"CellBackgroundPaint", "( Graphics, Int32, Int32 ) as Boolean"},
};

} // namespace

const ClassInfo& Listbox::Class() {
    static const ClassInfo info{"Listbox", &RectControl::Class(), kProperties, kEvents};
    return info;
}

const ClassInfo& Listbox::GetClass() const {
    return Class();
}

std::unique_ptr<detail::ControlPeer> Listbox::CreatePeer() {
    return std::make_unique<ListboxPeer>(*this);
}

bool Listbox::Event_CellBackgroundPaint(Graphics&, std::int32_t, std::int32_t) {
    return false;
}

void Listbox::AddRow(const fw::Text& text) {
    auto* item = new QTreeWidgetItem();
    item->setText(0, detail::ToQString(text));
    P(*this).LiveTree().addTopLevelItem(item);
}

void Listbox::DeleteAllRows() {
    P(*this).LiveTree().clear();
}

std::int32_t Listbox::ListCount() const {
    QTreeWidget* t = P(*this).Tree();
    return t ? t->topLevelItemCount() : 0;
}

fw::Text Listbox::Cell(std::int32_t row, std::int32_t column) const {
    QTreeWidget& t = P(*this).LiveTree();
    if (row < 0 || row >= t.topLevelItemCount() || column < 0 || column >= t.columnCount())
        throw OutOfBoundsException(Describe() + ": no cell at row " + std::to_string(row) + ", column " +
                                   std::to_string(column) + " (" + std::to_string(t.topLevelItemCount()) +
                                   " rows, " + std::to_string(t.columnCount()) + " columns)");
    return detail::FromQString(t.topLevelItem(row)->text(column));
}

std::int32_t Listbox::SortedColumn() const {
    return P(*this).sortedColumn;
}

void Listbox::SetSortedColumn(std::int32_t v) {
    if (v < -1 || v >= ColumnCount())
        throw OutOfBoundsException(Describe() + ": no column " + std::to_string(v) + " to sort on");
    P(*this).sortedColumn = v;
}

void Listbox::Sort() {
    ListboxPeer& p = P(*this);
    if (p.sortedColumn >= 0)
        p.SortBy(p.sortedColumn, p.order);
}

std::int32_t Listbox::ColumnCount() const {
    QTreeWidget* t = P(*this).Tree();
    return t ? t->columnCount() : 1;
}

void Listbox::SetColumnCount(std::int32_t v) {
    if (v < 1 || v > 256)
        throw OutOfBoundsException(Describe() + ": ColumnCount " + std::to_string(v) +
                                   " is not within 1 to 256");
    ListboxPeer& p = P(*this);
    p.LiveTree().setColumnCount(v);
    if (p.sortedColumn >= v)
        p.sortedColumn = -1;
    p.ApplyColumnWidths();
    p.ApplyHeadingIndex();
}

fw::Text Listbox::ColumnWidths() const {
    return P(*this).columnWidths;
}

void Listbox::SetColumnWidths(const fw::Text& v) {
    // Comma-separated: a number of pixels, a percentage of the list's width, or "*" / nothing for the list's.
    ListboxPeer& p = P(*this);
    std::vector<int> widths;
    if (!Trim(v).empty()) {
        for (const fw::Text& raw : Split(v, ',')) {
            fw::Text part = Trim(raw);
            if (part.empty() || part == "*") {
                widths.push_back(-1);
                continue;
            }
            const bool percent = part.back() == '%';
            if (percent)
                part.pop_back();
            int n = 0;
            auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), n);
            if (ec != std::errc() || end != part.data() + part.size() || n < 0 || (percent && n > 100))
                throw UnsupportedFormatException(Describe() + ": ColumnWidths '" + v + "' has a width '" +
                                                 raw + "' that is not pixels, a percentage or *");
            widths.push_back(percent ? static_cast<int>(static_cast<long long>(Width()) * n / 100) : n);
        }
    }
    p.columnWidths = v;
    p.widths = std::move(widths);
    p.ApplyColumnWidths();
}

bool Listbox::HasHeading() const {
    return P(*this).hasHeading;
}

void Listbox::SetHasHeading(bool v) {
    P(*this).hasHeading = v;
    if (QTreeWidget* t = P(*this).Tree())
        t->setHeaderHidden(!v);
}

fw::Text Listbox::InitialValue() const {
    return P(*this).initialValue;
}

void Listbox::SetInitialValue(const fw::Text& v) {
    ListboxPeer& p = P(*this);
    QTreeWidget& t = p.LiveTree();
    p.initialValue = v;
    if (v.empty())
        return;
    fw::Text lines = v;
    for (char& c : lines)
        if (c == '\r')
            c = '\n';
    bool first = true;
    for (const fw::Text& line : Split(lines, '\n')) {
        const std::vector<fw::Text> cells = Split(line, '\t');
        if (first) {
            QStringList headings;
            for (const fw::Text& cell : cells)
                headings << detail::ToQString(cell);
            t.setHeaderLabels(headings);
        }
        if (!first || !p.hasHeading) {
            if (line.empty())
                continue;
            auto* item = new QTreeWidgetItem();
            for (int i = 0; i < static_cast<int>(cells.size()) && i < t.columnCount(); ++i)
                item->setText(i, detail::ToQString(cells[i]));
            t.addTopLevelItem(item);
        }
        first = false;
    }
}

std::int32_t Listbox::HeadingIndex() const {
    return P(*this).headingIndex;
}

void Listbox::SetHeadingIndex(std::int32_t v) {
    P(*this).headingIndex = v;
    P(*this).ApplyHeadingIndex();
}

std::int32_t Listbox::SelectionType() const {
    return P(*this).selectionType;
}

void Listbox::SetSelectionType(std::int32_t v) {
    if (v != 0 && v != 1)
        throw OutOfBoundsException(Describe() + ": SelectionType " + std::to_string(v) +
                                   " is neither 0 (single) nor 1 (multiple)");
    P(*this).selectionType = v;
    if (QTreeWidget* t = P(*this).Tree())
        t->setSelectionMode(v == 1 ? QAbstractItemView::ExtendedSelection
                                   : QAbstractItemView::SingleSelection);
}

bool Listbox::Border() const {
    return P(*this).border;
}

void Listbox::SetBorder(bool v) {
    P(*this).border = v;
    if (QTreeWidget* t = P(*this).Tree())
        t->setFrameShape(v ? QFrame::StyledPanel : QFrame::NoFrame);
}

MORVALIT_FONT_ACCESSORS(Listbox)

} // namespace fw
