// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window runtime's controls, built on Qt widgets: geometry is kept in
// twips (15 to a pixel at 96 dpi) so that what the program reads back is
// exactly what it wrote, and each control raises the events the pages handle.
#pragma once

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <optional>

namespace runtime {

inline constexpr int TwipsPerPixel = 15;
int toPixels(int twips);

// A picture of the layout. On a high-density screen its rendition drawn twice
// as large ("name@2x.ext") is taken where there is one, so that it is drawn
// sharp at the same size.
QPixmap loadPicture(const QString& path);

// A window of the runtime: what assistive technology presents as a window.
class Form : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

// Left, Top, Width and Height in twips; the widget follows in pixels.
class Twips {
public:
    explicit Twips(QWidget& widget)
        : widget_(widget)
    {
    }
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void setTwips(int left, int top, int width, int height);

protected:
    // An auto-sized control takes the size its content asks for.
    void fitToContent();

private:
    void apply();
    QWidget& widget_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

// A click is a left-button press and a release inside the control.
class ClickTracker {
public:
    void press(const QMouseEvent& event);
    bool release(const QMouseEvent& event, const QRect& inside);

private:
    bool pressed_ = false;
};

// A windowed container with an optional picture drawn at its top-left corner.
class PictureBox : public QWidget, public Twips {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent);
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    void setBorder(bool border) { border_ = border; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    bool border_ = true;
};

// Windowless text; takes no focus; can grow to fit its caption.
class Label : public QLabel, public Twips {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);
    void setCaption(const QString& caption);
    QString caption() const { return text(); }
    void setAutoSize(bool autoSize);
    bool autoSize() const { return autoSize_; }
    // The font the caption is drawn in: the label's own, drawn a little
    // narrower when a stand-in face is too wide for a fixed-size label.
    QFont drawingFont() const;
    // A click made by a key or an assistive tool: the event a pointer click raises.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool autoSize_ = false;
    ClickTracker click_;
};

// A windowless picture; without a picture it draws nothing but still takes
// clicks and pointer moves inside its rectangle.
class Image : public QWidget, public Twips {
    Q_OBJECT
public:
    explicit Image(QWidget* parent);
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    void setStretch(bool stretch);
    // A click made by an assistive tool: the event a pointer click raises.
    void click() { emit clicked(); }

signals:
    void clicked();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool stretch_ = false;
    ClickTracker click_;
};

// A decoration: fill and border, each drawn or not; never takes the mouse.
class Shape : public QWidget, public Twips {
    Q_OBJECT
public:
    explicit Shape(QWidget* parent);
    void setFill(std::optional<QColor> fill) { fill_ = fill; }
    void setBorder(std::optional<QColor> border) { border_ = border; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QColor> fill_;
    std::optional<QColor> border_;
};

// A single-line field; `changed` follows every change of its text.
class TextBox : public QLineEdit, public Twips {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent);
    // Characters past which an edit leaves nothing to undo.
    static constexpr int UndoLimit = 256;

signals:
    void changed();
};

// A drop-down list the user can only pick from. `clicked` runs when an item
// is picked, also the same one again, and when code sets the selection.
class ComboBox : public QComboBox, public Twips {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent);
    void setListIndex(int index);
    QString text() const { return currentIndex() < 0 ? QString() : currentText(); }

signals:
    void clicked();
};

class CommandButton : public QPushButton, public Twips {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent);
    // Pressing the button in code runs its click handler before returning.
    void press() { click(); }
};

class OptionButton : public QRadioButton, public Twips {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent);
};

class CheckBox : public QCheckBox, public Twips {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent);
};

// A window timer: enabling a running timer does not restart its interval.
class Timer : public QTimer {
    Q_OBJECT
public:
    Timer(QObject* parent, Qt::TimerType type);
    void setEnabled(bool enabled);
    bool enabled() const { return isActive(); }
};

} // namespace runtime
