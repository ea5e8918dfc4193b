#pragma once
// The summary's overview chart: for every employee, in the table's order, a bar
// each for lateness (every tier, on duty and at work), missed punches and days
// of absence, on one scale. It scrolls sideways by itself so that the axis
// stays in view however many employees there are.

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QWidget>

class QScrollBar;

namespace tarnby::ui {

class SummaryChart : public QWidget {
    Q_OBJECT
public:
    struct Group {
        QString employee;
        double lateness = 0;
        double missed = 0;
        double absence = 0;
        bool noPunches = false; // drawn as no record, never as a month without faults
    };

    explicit SummaryChart(QWidget* parent = nullptr);

    void setGroups(const QList<Group>& groups);
    const QList<Group>& groups() const { return groups_; }
    // What the chart says while it has no groups: "没有员工" once a summary is
    // complete, "正在汇总…" while one is built.
    void setPlaceholder(const QString& text);
    const QString& placeholder() const { return placeholder_; }
    // The group drawn highlighted and scrolled into view; -1 for none.
    void setCurrent(int group);
    int current() const { return current_; }
    // The group under a point of the widget, or -1.
    int groupAt(const QPoint& point) const;
    // The highest value the axis shows.
    double scaleTop() const { return scaleTop_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void groupClicked(int group);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QRect plotRect() const;
    int groupWidth() const;
    int visibleGroups() const;
    void updateScrollBar();

    QList<Group> groups_;
    QString placeholder_ = QCoreApplication::translate("SummaryChart", "没有员工");
    double scaleTop_ = 1;
    int current_ = -1;
    QScrollBar* scroll_ = nullptr;
};

} // namespace tarnby::ui
