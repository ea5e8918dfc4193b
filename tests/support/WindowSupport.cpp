#include "support/WindowSupport.h"

#include <QDateTime>
#include <QTest>

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

} // namespace testsupport
