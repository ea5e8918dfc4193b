#include "DayGridKeys.h"

#include "ClickLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace tarnby::ui {

DayGridKeys::DayGridKeys(const QList<ClickLabel*>& cells, int monthCells, QWidget* parent)
    : QWidget(parent)
    , cells_(cells)
    , monthCells_(monthCells)
{
    installDayGridAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QRect area;
    for (const ClickLabel* cell : cells_)
        area |= cell->geometry();
    setGeometry(area.adjusted(-1, -1, 1, 1));
}

void DayGridKeys::setDescriber(std::function<QString(int)> describe)
{
    describe_ = std::move(describe);
}

QString DayGridKeys::describe(int index) const
{
    if (index < 0 || index >= cells_.size())
        return {};
    return describe_ ? describe_(index) : cells_[index]->text();
}

bool DayGridKeys::usable(int index) const
{
    return index >= 0 && index < cells_.size() && cells_[index]->isEnabled() && !cells_[index]->text().isEmpty();
}

int DayGridKeys::walk(int from, int step, int fallback) const
{
    for (int i = from; i >= 0 && i < cells_.size(); i += step) {
        if (usable(i))
            return i;
    }
    return fallback;
}

int DayGridKeys::current() const
{
    if (usable(current_))
        return current_;
    return walk(0, 1, -1);
}

void DayGridKeys::setCurrent(int index)
{
    if (!usable(index))
        return;
    current_ = index;
    update();
    if (QAccessible::isActive() && hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(index);
        QAccessible::updateAccessibility(&focus);
    }
}

void DayGridKeys::keyPressEvent(QKeyEvent* event)
{
    const int at = current();
    if (at < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int last = int(cells_.size()) - 1;
    int target = at;
    switch (event->key()) {
    case Qt::Key_Left: target = walk(at - 1, -1, at); break;
    case Qt::Key_Right: target = walk(at + 1, 1, at); break;
    case Qt::Key_Up: target = usable(at - 7) ? at - 7 : at; break;
    case Qt::Key_Down: target = usable(at + 7) ? at + 7 : at; break;
    // The same place in the other month, else the nearest day there is.
    case Qt::Key_PageUp:
        target = at - monthCells_ >= 0 ? walk(at - monthCells_, 1, walk(at - monthCells_, -1, at)) : at;
        break;
    case Qt::Key_PageDown:
        target = at + monthCells_ <= last ? walk(at + monthCells_, -1, walk(at + monthCells_, 1, at)) : at;
        break;
    case Qt::Key_Home: target = walk(0, 1, at); break;
    case Qt::Key_End: target = walk(last, -1, at); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Delete:
        event->accept();
        if (!event->isAutoRepeat()) {
            current_ = at;
            if (event->key() == Qt::Key_Space)
                emit toggled(at);
            else if (event->key() == Qt::Key_Delete)
                emit cleared(at);
            else
                emit picked(at);
            update();
        }
        return;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
    setCurrent(target);
}

void DayGridKeys::paintEvent(QPaintEvent*)
{
    const int at = current();
    if (!hasFocus() || at < 0)
        return;
    QPainter p(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = cells_[at]->geometry().translated(-pos()).adjusted(-1, -1, 1, 1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &p, this);
}

void DayGridKeys::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void DayGridKeys::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

namespace {

class DayCellAccessible;

// The grid as a table: one cell per day label, in rows of seven.
class DayGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit DayGridAccessible(DayGridKeys* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~DayGridAccessible() override;

    DayGridKeys* grid() const { return static_cast<DayGridKeys*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    int childCount() const override { return int(grid()->cells().size()); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override
    {
        const int at = grid()->current();
        return at >= 0 ? child(at) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return column >= 0 && column < 7 ? child(row * 7 + column) : nullptr;
    }
    int columnCount() const override { return 7; }
    int rowCount() const override { return (childCount() + 6) / 7; }
    int selectedCellCount() const override { return grid()->current() >= 0 ? 1 : 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells;
        if (QAccessibleInterface* at = focusChild())
            cells.append(at);
        return cells;
    }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable QList<QAccessible::Id> cellIds_;
};

class DayCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    DayCellAccessible(DayGridKeys* grid, int index) : grid_(grid), index_(index) {}

    bool isValid() const override { return grid_ && index_ < grid_->cells().size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && grid_ ? grid_->describe(index_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!grid_)
            return {};
        const ClickLabel* cell = grid_->cells()[index_];
        return QRect(cell->mapToGlobal(QPoint(0, 0)), cell->size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!grid_)
            return s;
        const ClickLabel* cell = grid_->cells()[index_];
        s.disabled = !cell->isEnabled() || cell->text().isEmpty();
        s.focusable = !s.disabled;
        s.selectable = !s.disabled;
        s.selected = s.focused = grid_->hasFocus() && grid_->current() == index_;
        s.invisible = !cell->isVisible();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return index_ % 7; }
    int rowIndex() const override { return index_ / 7; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<DayGridKeys> grid_;
    int index_;
};

DayGridAccessible::~DayGridAccessible()
{
    for (QAccessible::Id id : std::as_const(cellIds_))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* DayGridAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    // The cells live as long as the grid's own interface, made once each.
    if (cellIds_.isEmpty())
        cellIds_.resize(childCount());
    if (!cellIds_[index])
        cellIds_[index] = QAccessible::registerAccessibleInterface(new DayCellAccessible(grid(), index));
    return QAccessible::accessibleInterface(cellIds_[index]);
}

int DayGridAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (const auto* cell = dynamic_cast<const DayCellAccessible*>(child)) {
        for (int i = 0; i < cellIds_.size(); ++i) {
            if (cellIds_[i] && QAccessible::accessibleInterface(cellIds_[i]) == cell)
                return i;
        }
    }
    return -1;
}

QAccessibleInterface* dayGridFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("tarnby::ui::DayGridKeys") && object && object->isWidgetType())
        return new DayGridAccessible(static_cast<DayGridKeys*>(object));
    return nullptr;
}

} // namespace

void installDayGridAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(dayGridFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace tarnby::ui
