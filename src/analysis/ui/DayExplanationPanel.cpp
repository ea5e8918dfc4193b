#include "DayExplanationPanel.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QCoreApplication>

namespace tarnby::ui {
namespace {

// Where a row keeps its explanation: in its first cell, beside the date.
constexpr int kExplanationRole = Qt::UserRole + 16;
const char* const kPanelProperty = "tarnbyDayExplanationPanel";

} // namespace

DayExplanationPanel::DayExplanationPanel(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DayExplanationPanel"));
    setWindowTitle(QCoreApplication::translate("DayExplanationPanel", "当天判定说明"));
    setModal(false);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("explanationText"));
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto buttons = new QDialogButtonBox(this);
    QPushButton* copy = buttons->addButton(QCoreApplication::translate("DayExplanationPanel", "复制全部"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyButton"));
    QPushButton* close = buttons->addButton(QCoreApplication::translate("DayExplanationPanel", "关闭"), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(text_->toPlainText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    auto layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    resize(560, 340);
}

void DayExplanationPanel::showExplanation(const QString& title, const QString& text)
{
    setWindowTitle(QCoreApplication::translate("DayExplanationPanel", "当天判定说明 - %1").arg(title));
    text_->setPlainText(text);
    show();
    raise();
    activateWindow();
}

QString DayExplanationPanel::text() const
{
    return text_->toPlainText();
}

void DayExplanationPanel::setExplanation(QTreeWidgetItem* item, const QString& text)
{
    item->setData(0, kExplanationRole, text.isEmpty() ? QVariant() : QVariant(text));
    for (int column = 0; column < item->columnCount(); ++column)
        item->setToolTip(column, text);
}

QString DayExplanationPanel::explanationOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kExplanationRole).toString() : QString();
}

DayExplanationPanel* DayExplanationPanel::panelOf(const QTreeWidget* list)
{
    return list->property(kPanelProperty).value<DayExplanationPanel*>();
}

void DayExplanationPanel::attach(QTreeWidget* list)
{
    // itemActivated comes with a double-click and with Enter on the current row.
    QObject::connect(list, &QTreeWidget::itemActivated, list, [list](QTreeWidgetItem* item) {
        const QString text = explanationOf(item);
        if (text.isEmpty())
            return;
        DayExplanationPanel* panel = panelOf(list);
        if (!panel) {
            panel = new DayExplanationPanel(list->window());
            list->setProperty(kPanelProperty, QVariant::fromValue(panel));
        }
        panel->showExplanation(item->text(0), text);
    });
}

} // namespace tarnby::ui
