#pragma once
// A picture box used as a button: a tab or an action button drawn from the
// shared pictures, with its look under the pointer and, for action buttons,
// while pressed. Only the left button acts; with the focus, Enter and Space act
// as that button does, and a dotted frame shows where the focus is.

#include <QPixmap>
#include <QWidget>

namespace tarnby::ui {

class PictureButton : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Tab, Action };

    PictureButton(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }
    // The list-image number on show (7..12).
    int image() const { return image_; }
    // Clears the box and paints the picture with this list-image number.
    void setImage(int number);

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }

signals:
    // The left button was released over the button.
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int normalImage() const;
    int hoverImage() const;
    bool inside(const QPoint& p) const;

    Kind kind_;
    int image_;
    QString caption_;
    QPixmap skin_;
};

} // namespace tarnby::ui
