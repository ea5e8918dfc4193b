#pragma once
// Page 4: what the program does and how to use it.

#include <QWidget>

class QLabel;

namespace tarnby::ui {

class InfoPage : public QWidget {
    Q_OBJECT
public:
    explicit InfoPage(QWidget* parent = nullptr);

    QLabel* DtLab4 = nullptr;
    QLabel* qImg0 = nullptr; // the page's picture; a skin file may replace it
    QLabel* qTxt = nullptr;
};

} // namespace tarnby::ui
