// Lundar1 for a screen reader: a table of the month's days, seven to a row,
// each cell named by its Gregorian date, its lunar day or festival, and
// whether it is today, which the grid shows by colour alone.

#include "datepicker/Lundar1Accessible.h"

#include "datepicker/Lundar1.h"
#include "datepicker/Lundar1Private.h"
#include "datepicker/LunarBridge.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>

namespace lundar {
namespace {

class DayCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    DayCell(Lundar1* control, int index) : control_(control), index_(index) {}

    bool isValid() const override { return !control_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return control_ ? control_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(control_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QDate date() const
    {
        const int day = control_ ? control_->dayCells()[std::size_t(index_)] : 0;
        if (day == 0)
            return {};
        const QDate shown = control_->Value().date();
        return QDate(shown.year(), shown.month(), day);
    }

    QString text(QAccessible::Text t) const override
    {
        const QDate d = date();
        if (t != QAccessible::Name || !d.isValid())
            return {};
        // The date pattern's letters are QDate's; its month and day names are English.
        QStringList parts{d.toString(QCoreApplication::translate("Lundar1Accessible", "yyyy年M月d日"))};
        if (const auto day = toLunarDate(d)) {
            const lunar::DayText text = lunar::FestivalOrLunarDay(*day);
            if (text.festival)
                parts << lunarName(text.text);
            else if (!text.text.empty())
                parts << QCoreApplication::translate("Lundar1Accessible", "农历%1").arg(lunarName(text.text));
        }
        if (d == Lundar1::today())
            parts << QCoreApplication::translate("Lundar1Accessible", "今天");
        return parts.join(QLatin1Char(' '));
    }

    QRect rect() const override
    {
        if (!control_)
            return {};
        const QRect cell = control_->layout().cellRect(index_);
        return QRect(control_->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        const bool day = date().isValid();
        s.disabled = !day;
        s.focusable = s.selectable = day;
        s.selected = day && control_->selectedCell() == index_;
        s.focused = s.selected && control_->hasFocus();
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
    QPointer<Lundar1> control_;
    int index_;
};

class Grid : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit Grid(Lundar1* control) : QAccessibleWidget(control, QAccessible::Table) {}
    ~Grid() override
    {
        for (QAccessible::Id id : std::as_const(cells_))
            QAccessible::deleteAccessibleInterface(id);
    }

    Lundar1* control() const { return static_cast<Lundar1*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty()) {
            const std::optional<lunar::DateTime> value = toLunarTime(control()->Value());
            return lunarDateLine(value ? lunar::ToLunarDate(*value) : lunar::LunarDate{}, true);
        }
        return own;
    }

    // The days alone: a keyboard changes the month with Page Up and Page Down.
    int childCount() const override { return kCellCount; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= kCellCount)
            return nullptr;
        if (cells_.isEmpty())
            cells_.resize(kCellCount);
        if (!cells_[index])
            cells_[index] = QAccessible::registerAccessibleInterface(new DayCell(control(), index));
        return QAccessible::accessibleInterface(cells_[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < cells_.size(); ++i) {
            if (cells_[i] && QAccessible::accessibleInterface(cells_[i]) == child)
                return i;
        }
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        const int at = control()->selectedCell();
        return at >= 0 ? child(at) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return column >= 0 && column < 7 ? child(row * 7 + column) : nullptr;
    }
    int columnCount() const override { return 7; }
    int rowCount() const override { return (kCellCount + 6) / 7; }
    int selectedCellCount() const override { return control()->selectedCell() >= 0 ? 1 : 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QString columnDescription(int column) const override { return weekdayName(column, control()->Big()); }
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
    mutable QList<QAccessible::Id> cells_;
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("lundar::Lundar1") && object && object->isWidgetType())
        return new Grid(static_cast<Lundar1*>(object));
    return nullptr;
}

} // namespace

void installLundar1Accessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void announcePickedDay(Lundar1* control)
{
    if (!QAccessible::isActive() || !control->hasFocus() || control->selectedCell() < 0)
        return;
    QAccessibleEvent focus(control, QAccessible::Focus);
    focus.setChild(control->selectedCell());
    QAccessible::updateAccessibility(&focus);
}

} // namespace lundar
