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

QStringList tabRoundFaults(QWidget* window)
{
    QList<QWidget*> round{QApplication::focusWidget()};
    if (!round.first() || !window->isAncestorOf(round.first()))
        return {QStringLiteral("no focus on show")};
    while (round.size() < 200) {
        press(Qt::Key_Tab);
        if (QApplication::focusWidget() == round.first())
            break;
        round.append(QApplication::focusWidget());
    }
    QStringList out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->focusProxy() && w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && !round.contains(w))
            out << QStringLiteral("never reached: ") + w->objectName();
    }
    // The step from the last control back to the first is the one turn a round may take.
    int turns = 0;
    for (qsizetype i = 0; i < round.size(); ++i) {
        QWidget* from = round[(i + round.size() - 1) % round.size()];
        const QRect was(from->mapTo(window, QPoint()), from->size());
        const QRect now(round[i]->mapTo(window, QPoint()), round[i]->size());
        const bool sameRow = now.top() <= was.bottom() && was.top() <= now.bottom();
        if (((now.bottom() < was.top() && now.left() < was.right()) || (sameRow && now.right() < was.left())) && ++turns > 1)
            out << from->objectName() + QStringLiteral(" -> ") + round[i]->objectName();
    }
    return out;
}

} // namespace testsupport
