#include "BoxNames.h"

#include "ClickLabel.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

#include <limits>

namespace tarnby::ui {
namespace {

constexpr int kMostBeside = 60; // pixels between a label's right edge and its box
constexpr int kMostAbove = 26;  // pixels between a label's bottom and its box

bool isBox(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w)
        || qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QTextEdit*>(w)
        || qobject_cast<const QPlainTextEdit*>(w);
}

bool pairable(const QLabel* label)
{
    return !label->buddy() && !label->text().trimmed().isEmpty() && label->pixmap().isNull();
}

// How far the label stands from the box it would name; max() when it names none.
// A list is named by its caption above it, never by a label beside it.
int distance(const QRect& label, const QRect& box, bool list)
{
    const int middle = label.center().y();
    if (!list && middle >= box.top() - 4 && middle <= box.bottom() + 4 && label.right() <= box.left() + 2) {
        const int gap = box.left() - label.right();
        if (gap <= kMostBeside)
            return gap;
    }
    const bool overlapping = label.left() < box.right() && label.right() > box.left();
    const int above = box.top() - label.bottom();
    if (overlapping && above >= 0 && above <= kMostAbove)
        return above + kMostBeside; // a label beside the box comes first
    return std::numeric_limits<int>::max();
}

class PairOnShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow())
                pairBoxesWithLabels(widget);
        }
        return false;
    }
};

} // namespace

void pairBoxesWithLabels(QWidget* root)
{
    const QList<QWidget*> widgets = root->findChildren<QWidget*>();
    for (QWidget* box : widgets) {
        // An editable combo's own line edit is named with its combo.
        const bool list = qobject_cast<QAbstractItemView*>(box) && !qobject_cast<QComboBox*>(box->parentWidget());
        if (!(isBox(box) || list) || !box->accessibleName().isEmpty() || qobject_cast<QComboBox*>(box->parentWidget()))
            continue;
        QLabel* nearest = nullptr;
        int best = std::numeric_limits<int>::max();
        for (QObject* sibling : box->parentWidget()->children()) {
            auto* label = qobject_cast<QLabel*>(sibling);
            // A clickable label is a control of its own (a column heading, a day).
            if (!label || !pairable(label) || qobject_cast<ClickLabel*>(label))
                continue;
            const int d = distance(label->geometry(), box->geometry(), list);
            if (d < best) {
                best = d;
                nearest = label;
            }
        }
        if (!nearest)
            continue;
        nearest->setBuddy(box);
        // A list's accessible face asks its own name alone, never its label.
        if (list)
            box->setAccessibleName(nearest->text().remove(QLatin1Char('&')).remove(QChar(0xFF1A)).trimmed());
    }
}

void pairBoxesOnShow()
{
    static QPointer<PairOnShow> filter;
    if (filter || !qApp)
        return;
    filter = new PairOnShow(qApp);
    qApp->installEventFilter(filter);
}

} // namespace tarnby::ui
