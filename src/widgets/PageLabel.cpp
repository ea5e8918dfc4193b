#include "PageLabel.h"

#include <QLabel>

namespace tarnby::ui {

QLabel* makeLabel(QWidget* parent, const QString& text, const QRect& where, bool heading)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(where);
    if (heading) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

} // namespace tarnby::ui
