#include "MessageSeam.h"

#include <QMessageBox>
#include <QPushButton>
#include <QCoreApplication>

namespace tarnby::ui {
namespace {

MessageHandler& handler()
{
    static MessageHandler current;
    return current;
}

// A path has no space to break at, and a long one would run the box off the
// screen: long runs get break opportunities (zero-width spaces) after their
// separators, or every kLongRun characters when they have none.
constexpr int kLongRun = 40;

MessageAnswer showBox(QWidget* parent, const Message& message)
{
    QMessageBox box(parent);
    box.setWindowTitle(message.title);
    box.setText(breakableText(message.text));
    switch (message.icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    if (!message.details.isEmpty())
        box.setDetailedText(message.details);
    if (message.buttons == MessageButtons::ReloadOverwriteCancel) {
        QPushButton* reload = box.addButton(QCoreApplication::translate("MessageSeam", "重新载入"), QMessageBox::AcceptRole);
        QPushButton* overwrite = box.addButton(QCoreApplication::translate("MessageSeam", "覆盖"), QMessageBox::DestructiveRole);
        QPushButton* cancel = box.addButton(QCoreApplication::translate("MessageSeam", "取消"), QMessageBox::RejectRole);
        box.setDefaultButton(cancel);
        box.exec();
        if (box.clickedButton() == reload)
            return MessageAnswer::Reload;
        return box.clickedButton() == overwrite ? MessageAnswer::Overwrite : MessageAnswer::Cancel;
    }
    if (message.buttons == MessageButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("MessageSeam", "取消"));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("MessageSeam", "确定"));
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

} // namespace

QString breakableText(const QString& text)
{
    static const QString separators = QStringLiteral("/\\_-.");
    QString out;
    out.reserve(text.size() + text.size() / 8);
    int run = 0;        // characters since the last space
    int sinceBreak = 0; // characters since the last space or added break
    for (const QChar c : text) {
        out.append(c);
        if (c.isSpace()) {
            run = sinceBreak = 0;
            continue;
        }
        ++run;
        ++sinceBreak;
        if ((run > kLongRun / 2 && separators.contains(c)) || sinceBreak >= kLongRun) {
            out.append(QChar(0x200B));
            sinceBreak = 0;
        }
    }
    return out;
}

MessageAnswer showMessage(QWidget* parent, const Message& message)
{
    if (handler())
        return handler()(parent, message);
    return showBox(parent, message);
}

void showOutcome(QWidget* parent, const Outcome& outcome)
{
    if (outcome.text.isEmpty())
        return;
    showMessage(parent, {outcome.title(), outcome.text, outcome.ok() ? MessageIcon::None : MessageIcon::Critical});
}

MessageHandler setMessageHandler(MessageHandler next)
{
    MessageHandler previous = std::move(handler());
    handler() = std::move(next);
    return previous;
}

} // namespace tarnby::ui
