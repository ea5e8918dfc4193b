#include "SaveQuestion.h"

#include "MessageSeam.h"
#include "base/LineDiff.h"
#include "base/StoredFile.h"
#include "base/TextFile.h"

#include <QDir>
#include <QCoreApplication>

namespace tarnby::ui {
namespace {

// Enough lines to see what an edit was; the rest stays in the details.
constexpr int kShownLines = 20;

QStringList linesOf(const std::optional<QByteArray>& bytes)
{
    return bytes ? textfile::linesOf(*bytes) : QStringList();
}

} // namespace

Outcome saveAsking(QWidget* parent, const std::function<Outcome()>& save, const std::function<void()>& reload)
{
    Outcome outcome = save();
    // A save of two files (a period's two months) may meet a changed file in
    // each; every answer "overwrite" is for one file.
    for (int asked = 0; outcome.kind == Outcome::Kind::Conflict && asked < 4; ++asked) {
        const QString file = outcome.file;
        const std::optional<storedfile::Conflict> conflict = storedfile::conflict(file);
        const QList<linediff::Line> diff =
            conflict ? linediff::compare(linesOf(conflict->theirs), linesOf(conflict->mine)) : QList<linediff::Line>();
        const linediff::Counts counts = linediff::count(diff);
        const QString shown = QDir::toNativeSeparators(file);
        const MessageAnswer answer = showMessage(
            parent, {kConflictTitle,
                     QCoreApplication::translate("SaveQuestion", "文件 %1 在本窗口载入之后已被其他程序修改。\n"
                                    "本窗口要保存的内容与文件现在的内容相比，多 %2 行，少 %3 行。\n\n"
                                    "重新载入：放弃本窗口未保存的修改，改为显示文件现在的内容；\n"
                                    "覆盖：以本窗口的内容保存，文件现在的内容保留在变更记录中；\n"
                                    "取消：不保存。")
                         .arg(shown)
                         .arg(counts.added)
                         .arg(counts.removed),
                     MessageIcon::Question, MessageButtons::ReloadOverwriteCancel});
        if (answer == MessageAnswer::Overwrite) {
            storedfile::takeAsLoaded(file);
            outcome = save();
            continue;
        }
        if (answer == MessageAnswer::Reload) {
            reload();
            QStringList lines;
            for (const linediff::Line& line : diff) {
                if (line.kind == linediff::Kind::Added)
                    lines.append(QStringLiteral("+ ") + line.text);
                else if (line.kind == linediff::Kind::Removed)
                    lines.append(QStringLiteral("- ") + line.text);
            }
            QString text = QCoreApplication::translate("SaveQuestion", "已重新载入 %1。\n本窗口未保存的内容与文件现在的内容不同之处"
                                          "（+ 为本窗口有而文件中没有的行，- 为文件中有而本窗口没有的行）：\n")
                               .arg(shown);
            text += lines.mid(0, kShownLines).join(u'\n');
            if (lines.size() > kShownLines)
                text += QCoreApplication::translate("SaveQuestion", "\n……另有 %1 行，见详细信息。").arg(lines.size() - kShownLines);
            Message done{kTitleDone, text};
            if (lines.size() > kShownLines)
                done.details = lines.join(u'\n');
            showMessage(parent, done);
        }
        return Outcome::conflict(QString(), file);
    }
    return outcome;
}

} // namespace tarnby::ui
