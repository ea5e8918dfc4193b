#pragma once
// cTxt, the folder box of the data-folder panel: getting the focus or a double
// click selects the whole text, so that typing replaces it.

#include <QLineEdit>

namespace tarnby::ui {

class FolderTextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit FolderTextBox(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool selectOnRelease_ = false;
};

} // namespace tarnby::ui
