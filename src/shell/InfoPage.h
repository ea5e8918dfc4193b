#pragma once
// Page 4: what the program does and how to use it.

#include <QWidget>

class QComboBox;
class QLabel;
class QScrollArea;

namespace tarnby::ui {

class InfoPage : public QWidget {
    Q_OBJECT
public:
    explicit InfoPage(QWidget* parent = nullptr);

    QLabel* DtLab4 = nullptr;
    QLabel* qImg0 = nullptr; // the page's picture; a skin file may replace it
    QLabel* qTxt = nullptr;

    // Names the program folder in use at the foot of the page, so that a user
    // of an installed program finds where the settings and marks are kept.
    void showProgramFolder(const QString& description);
    QLabel* qHome = nullptr;
    QLabel* qKeys = nullptr; // the list of keys, in keysScroll
    QScrollArea* keysScroll = nullptr;
    QScrollArea* textScroll = nullptr; // the help text's

    // The language of the window, kept in the program folder and used from the
    // next start on.
    void offerLanguages(const QString& programDir);
    QComboBox* cmbLang = nullptr;
};

} // namespace tarnby::ui
