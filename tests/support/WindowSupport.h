#pragma once
// What the window's tests share: the message seam answered and recorded
// instead of a person, a clock that stands still, and a plain click.

#include "base/Clock.h"
#include "widgets/MessageSeam.h"

#include <QList>
#include <QStringList>

namespace testsupport {

// Answers every message with `answer` and keeps what was asked, until it goes.
class MessageRecorder {
public:
    explicit MessageRecorder(tarnby::ui::MessageAnswer answer = tarnby::ui::MessageAnswer::Ok);
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList texts() const;
    QString lastTitle() const { return messages.isEmpty() ? QString() : messages.last().title; }
    QString lastText() const { return messages.isEmpty() ? QString() : messages.last().text; }

    QList<tarnby::ui::Message> messages;

private:
    tarnby::ui::MessageHandler previous_;
};

tarnby::Clock fixedClock(const QDate& date, const QTime& time = QTime(8, 30, 5));

// The left button pressed and released a little inside the widget's corner.
void leftClick(QWidget* widget);

// A key pressed where the focus is, as a keyboard would deliver it.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Tab pressed until `target` has the focus; false when the Tab chain of the
// window on show never reaches it.
bool tabTo(QWidget* target);

// What a screen reader finds under `window` that a user can focus or press
// but that has no name (neither its own nor a label's), one line each.
QStringList unnamedControls(QWidget* window);

// Tab pressed from the focus round `window` until the focus is back: every
// control that Tab may stop at but the round missed, and every step against
// reading order (back up, or leftwards along a row) beyond the one back to
// the start, one line each.
QStringList tabRoundFaults(QWidget* window);

} // namespace testsupport
