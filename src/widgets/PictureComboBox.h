#pragma once
// A drop-down list wearing the shared list picture over its own arrow: list
// image 13, and 14 while the list has the focus. The picture is a label beside
// the list in the same parent, kept over the list's right edge wherever the
// list goes; it lets clicks through to the list.

#include <QComboBox>
#include <QLabel>
#include <QPointer>

namespace tarnby::ui {

class PictureComboBox : public QComboBox {
    Q_OBJECT
public:
    // The picture is placed in `parent` beside the list, so there must be one.
    explicit PictureComboBox(QWidget* parent);
    ~PictureComboBox() override;

    // The picture over the arrow.
    QLabel* picture() const { return picture_; }

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placePicture();
    void showFocusPicture(const QEvent* event);

    QPointer<QLabel> picture_;
};

} // namespace tarnby::ui
