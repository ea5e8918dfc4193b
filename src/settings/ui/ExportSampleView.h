#pragma once
// The little picture of the help texts on the settings page: a worksheet as the
// time clock's basic export leaves it, one column of numbers and one column of
// punch date-times, with the column letters and row numbers that make up the
// cell names the user types.

#include <QWidget>

namespace tarnby::ui {

class ExportSampleView : public QWidget {
    Q_OBJECT
public:
    explicit ExportSampleView(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tarnby::ui
