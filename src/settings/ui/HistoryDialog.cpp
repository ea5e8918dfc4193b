#include "HistoryDialog.h"

#include "widgets/MessageSeam.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QCoreApplication>

namespace tarnby::ui {
namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

struct Column {
    const char* caption;
    int width;
};
constexpr Column kColumns[] = {
    {QT_TRANSLATE_NOOP("HistoryDialog", "时间"), 132}, {QT_TRANSLATE_NOOP("HistoryDialog", "用户"), 72}, {QT_TRANSLATE_NOOP("HistoryDialog", "电脑"), 96}, {QT_TRANSLATE_NOOP("HistoryDialog", "文件"), 128}, {QT_TRANSLATE_NOOP("HistoryDialog", "增加"), 40}, {QT_TRANSLATE_NOOP("HistoryDialog", "删除"), 40}, {QT_TRANSLATE_NOOP("HistoryDialog", "说明"), 180},
};

const QColor kAddedColour(0, 128, 0);
const QColor kRemovedColour(192, 0, 0);

} // namespace

HistoryDialog::HistoryDialog(const QString& programDir, MonthKey month, QWidget* parent)
    : QDialog(parent)
    , programDir_(programDir)
    , month_(month)
{
    setObjectName(QStringLiteral("HistoryDialog"));
    setWindowTitle(kTitle);
    resize(800, 520);

    hCaption = new QLabel(this);
    hCaption->setObjectName(QStringLiteral("hCaption"));
    hCaption->setWordWrap(true);

    hLV = new QTreeWidget(this);
    hLV->setObjectName(QStringLiteral("hLV"));
    hLV->setAccessibleName(kTitle);
    hLV->setRootIsDecorated(false);
    hLV->setUniformRowHeights(true);
    hLV->setSelectionMode(QAbstractItemView::SingleSelection);
    hLV->setAllColumnsShowFocus(true);
    QStringList captions;
    for (const Column& c : kColumns)
        captions.append(QCoreApplication::translate("HistoryDialog", c.caption));
    hLV->setHeaderLabels(captions);
    for (int k = 0; k < int(std::size(kColumns)); ++k)
        hLV->setColumnWidth(k, kColumns[k].width);
    connect(hLV, &QTreeWidget::currentItemChanged, this, &HistoryDialog::showChosen);

    auto* diffCaption = new QLabel(QCoreApplication::translate("HistoryDialog", "所选变更增加（+）和删除（-）的行："), this);
    hDiff = new QListWidget(this);
    hDiff->setObjectName(QStringLiteral("hDiff"));

    hBefore = new QPushButton(QCoreApplication::translate("HistoryDialog", "恢复为修改前的版本"), this);
    hBefore->setObjectName(QStringLiteral("hBefore"));
    hAfter = new QPushButton(QCoreApplication::translate("HistoryDialog", "恢复为修改后的版本"), this);
    hAfter->setObjectName(QStringLiteral("hAfter"));
    auto* close = new QPushButton(QCoreApplication::translate("HistoryDialog", "关闭"), this);
    connect(hBefore, &QPushButton::clicked, this, [this] { restoreChosen(true); });
    connect(hAfter, &QPushButton::clicked, this, [this] { restoreChosen(false); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    // Enter in the list closes the dialog; left to Qt it would press the
    // first button, and put an old version back.
    close->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hBefore);
    buttons->addWidget(hAfter);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hCaption);
    layout->addWidget(hLV, 3);
    layout->addWidget(diffCaption);
    layout->addWidget(hDiff, 2);
    layout->addLayout(buttons);

    reload();
}

void HistoryDialog::reload()
{
    changes_.clear();
    hLV->clear();
    const Result<history::Log> log = history::readLog(programDir_);
    QString caption = QCoreApplication::translate("HistoryDialog", "%1年%2月的登记、值日、休息日和排班文件的变更，最新的在前。")
                          .arg(month_.year)
                          .arg(month_.month);
    if (!log) {
        caption += u'\n' + log.error();
    } else {
        if (!log->unreadLines.isEmpty())
            caption += QCoreApplication::translate("HistoryDialog", "\n变更记录中有 %1 行无法识别，未列出。").arg(log->unreadLines.size());
        for (qsizetype i = log->changes.size() - 1; i >= 0; --i) {
            if (history::isOfMonth(log->changes.at(i), month_.year, month_.month))
                changes_.append(log->changes.at(i));
        }
        if (changes_.isEmpty())
            caption += QCoreApplication::translate("HistoryDialog", "\n本月的文件还没有变更记录。");
    }
    hCaption->setText(caption);
    for (const history::Change& c : std::as_const(changes_)) {
        auto* item = new QTreeWidgetItem(hLV, {c.time.toString(kTimeFormat), c.user, c.machine, c.file,
                                               QString::number(c.added), QString::number(c.removed), c.note});
        item->setToolTip(6, c.note);
    }
    // Wide enough for what they hold; the note takes the rest.
    for (int k = 0; k + 1 < int(std::size(kColumns)); ++k) {
        hLV->resizeColumnToContents(k);
        hLV->setColumnWidth(k, std::max(kColumns[k].width, hLV->columnWidth(k) + 8));
    }
    choose(0);
}

void HistoryDialog::choose(int row)
{
    if (row >= 0 && row < hLV->topLevelItemCount())
        hLV->setCurrentItem(hLV->topLevelItem(row));
    showChosen();
}

void HistoryDialog::showChosen()
{
    hDiff->clear();
    const int row = hLV->currentItem() ? hLV->indexOfTopLevelItem(hLV->currentItem()) : -1;
    if (row < 0 || row >= changes_.size()) {
        hBefore->setEnabled(false);
        hAfter->setEnabled(false);
        return;
    }
    const history::Change& c = changes_.at(row);
    hBefore->setEnabled(history::isKept(programDir_, c.file, c.before));
    hAfter->setEnabled(history::isKept(programDir_, c.file, c.after));
    const Result<QList<linediff::Line>> lines = history::linesOf(programDir_, c);
    if (!lines) {
        hDiff->addItem(lines.error());
        return;
    }
    for (const linediff::Line& line : lines.value()) {
        if (line.kind == linediff::Kind::Same)
            continue;
        const bool added = line.kind == linediff::Kind::Added;
        auto* item = new QListWidgetItem((added ? QStringLiteral("+ ") : QStringLiteral("- ")) + line.text, hDiff);
        item->setForeground(added ? kAddedColour : kRemovedColour);
    }
    if (hDiff->count() == 0)
        hDiff->addItem(QCoreApplication::translate("HistoryDialog", "（内容没有变化）"));
}

bool HistoryDialog::restoreChosen(bool before)
{
    const int row = hLV->currentItem() ? hLV->indexOfTopLevelItem(hLV->currentItem()) : -1;
    if (row < 0 || row >= changes_.size())
        return false;
    const history::Change c = changes_.at(row);
    const QString id = before ? c.before : c.after;
    const QString which = before ? QCoreApplication::translate("HistoryDialog", "修改前") : QCoreApplication::translate("HistoryDialog", "修改后");
    if (showMessage(this, {kTitle,
                           QCoreApplication::translate("HistoryDialog", "确定把 %1 恢复为 %2 这次变更%3的版本吗？\n"
                                          "恢复本身也会记入变更记录；登记值日页上未保存的修改将被恢复的内容取代。")
                               .arg(c.file, c.time.toString(kTimeFormat), which),
                           MessageIcon::Question, MessageButtons::OkCancel})
        != MessageAnswer::Ok)
        return false;
    const Outcome restoredOutcome = history::restore(programDir_, c.file, id);
    showOutcome(this, restoredOutcome);
    if (!restoredOutcome.ok())
        return false;
    reload();
    emit restored();
    return true;
}

} // namespace tarnby::ui
