#pragma once
// Why a day of the result list reads as it does: the row's tooltip, and a
// small panel the clerk opens with a double-click (or Enter) on the row to
// read, select and copy the explanation while the list stays usable.

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarnby::ui {

class DayExplanationPanel : public QDialog {
    Q_OBJECT
public:
    explicit DayExplanationPanel(QWidget* parent = nullptr);

    // Shows `text` for the day `title` names.
    void showExplanation(const QString& title, const QString& text);
    QString text() const;

    // Makes every row of `list` that carries an explanation (setExplanation)
    // show it on hover and open it in one panel on activation.
    static void attach(QTreeWidget* list);
    // Gives a row its explanation; an empty text takes it away.
    static void setExplanation(QTreeWidgetItem* item, const QString& text);
    static QString explanationOf(const QTreeWidgetItem* item);
    // The panel `attach` made for `list`; nullptr before the first activation.
    static DayExplanationPanel* panelOf(const QTreeWidget* list);

private:
    QPlainTextEdit* text_ = nullptr;
};

} // namespace tarnby::ui
