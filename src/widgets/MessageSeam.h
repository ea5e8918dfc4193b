#pragma once
// Every message box of the window goes through here, so that tests can answer
// and record them instead of a person.

#include "base/Outcome.h"

#include <QCoreApplication>
#include <QString>
#include <functional>

class QWidget;

namespace tarnby::ui {

// A constant text, made before the translations are loaded and so translated
// each time it is used.
struct LateText {
    const char* context;
    const char* source;
    operator QString() const { return QCoreApplication::translate(context, source); }
};

// The window's caption, and the title of the messages that name none of their own.
inline constexpr LateText kProgramTitle{"MessageSeam", QT_TRANSLATE_NOOP("MessageSeam", "Tarnby考勤助手2.0")};

enum class MessageIcon { None, Information, Warning, Critical, Question };
// ReloadOverwriteCancel: a save met a file another program changed.
enum class MessageButtons { Ok, OkCancel, ReloadOverwriteCancel };
enum class MessageAnswer { Ok, Cancel, Reload, Overwrite };

struct Message {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    QString details; // shown on request below the text; empty for none
};

using MessageHandler = std::function<MessageAnswer(QWidget* parent, const Message& message)>;

// Shows a modal message box (or asks the installed handler) and returns the answer.
MessageAnswer showMessage(QWidget* parent, const Message& message);

// The outcome's text under its title ("完成", or "错误" with the critical
// icon); an outcome without text shows nothing.
void showOutcome(QWidget* parent, const Outcome& outcome);

// The text as the message box sets it: a long path gets places to break (zero-
// width spaces after its separators), so that the box stays on the screen.
QString breakableText(const QString& text);

// Replaces the message box; returns the previous handler. Pass {} to restore the box.
MessageHandler setMessageHandler(MessageHandler handler);

} // namespace tarnby::ui
