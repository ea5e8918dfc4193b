#include "support/WindowSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QDateTime>
#include <QTest>
#include <QWidget>

namespace testsupport {

using namespace tarnby::ui;

MessageRecorder::MessageRecorder(MessageAnswer answer)
{
    previous_ = setMessageHandler([this, answer](QWidget*, const Message& m) {
        messages.append(m);
        return answer;
    });
}

MessageRecorder::~MessageRecorder()
{
    setMessageHandler(std::move(previous_));
}

QStringList MessageRecorder::texts() const
{
    QStringList out;
    for (const Message& m : messages)
        out.append(m.text);
    return out;
}

tarnby::Clock fixedClock(const QDate& date, const QTime& time)
{
    return [date, time] { return QDateTime(date, time); };
}

void leftClick(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, 4));
}

void press(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

bool tabTo(QWidget* target)
{
    // A full round of a crowded page is well under this.
    for (int i = 0; i < 200; ++i) {
        if (QApplication::focusWidget() == target)
            return true;
        press(Qt::Key_Tab);
    }
    return QApplication::focusWidget() == target;
}

namespace {

void collectUnnamed(QAccessibleInterface* node, QStringList& out, int depth)
{
    if (!node || depth > 40)
        return;
    const QAccessible::State state = node->state();
    if (state.invisible)
        return;
    const QAccessibleActionInterface* actions = node->actionInterface();
    const bool pressable = actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
    const bool named = !node->text(QAccessible::Name).trimmed().isEmpty() || !node->relations(QAccessible::Label).isEmpty();
    // The rows of a list are named by what they hold; the controls are checked.
    const QObject* object = node->object();
    if (object && (state.focusable || pressable) && !named) {
        out << QStringLiteral("%1 %2 (role %3)")
                   .arg(QString::fromLatin1(object->metaObject()->className()), object->objectName())
                   .arg(int(node->role()));
    }
    for (int i = 0; i < node->childCount(); ++i)
        collectUnnamed(node->child(i), out, depth + 1);
}

} // namespace

QStringList unnamedControls(QWidget* window)
{
    QStringList out;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), out, 0);
    return out;
}

QList<QWidget*> tabStops(QWidget* window)
{
    QList<QWidget*> stops;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        while (w->focusProxy())
            w = w->focusProxy();
        if (w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !stops.contains(w))
            stops.append(w);
    }
    return stops;
}

QList<QWidget*> tabCycle(QWidget* window)
{
    QList<QWidget*> cycle;
    QWidget* first = QApplication::focusWidget();
    if (!first || !window->isAncestorOf(first))
        return cycle;
    // Twice the stops and a few more: a chain that never comes back stops here.
    for (qsizetype i = 0, end = 2 * tabStops(window).size() + 4; i < end; ++i) {
        cycle.append(QApplication::focusWidget());
        press(Qt::Key_Tab);
        if (QApplication::focusWidget() == first)
            break;
    }
    return cycle;
}

namespace {

QString describe(const QWidget* w)
{
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}

} // namespace

QStringList readingOrderBreaks(const QList<QWidget*>& cycle)
{
    QStringList out;
    for (qsizetype i = 0; i < cycle.size(); ++i) {
        const QWidget* from = cycle[(i + cycle.size() - 1) % cycle.size()];
        const QWidget* top = cycle[i]->window();
        const QRect was(from->mapTo(top, QPoint()), from->size());
        const QRect now(cycle[i]->mapTo(top, QPoint()), cycle[i]->size());
        const bool sameRow = now.top() <= was.bottom() && was.top() <= now.bottom();
        const bool backUp = now.bottom() < was.top() && now.left() < was.right();
        if (backUp || (sameRow && now.right() < was.left()))
            out << describe(from) + QStringLiteral(" -> ") + describe(cycle[i]);
    }
    return out;
}

} // namespace testsupport
