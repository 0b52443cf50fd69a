// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Controls.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>

#include <cmath>

namespace runtime {

int toPixels(int twips) { return static_cast<int>(std::lround(twips / double(TwipsPerPixel))); }

QPixmap loadPicture(const QString& path)
{
    if (qApp != nullptr && qApp->devicePixelRatio() > 1.0) {
        const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
        QPixmap large(path.left(dot) + QStringLiteral("@2x") + path.mid(dot));
        if (!large.isNull()) {
            large.setDevicePixelRatio(2.0);
            return large;
        }
    }
    return QPixmap(path);
}

void Twips::setLeft(int twips)
{
    left_ = twips;
    apply();
}

void Twips::setTop(int twips)
{
    top_ = twips;
    apply();
}

void Twips::setWidth(int twips)
{
    width_ = twips;
    apply();
}

void Twips::setHeight(int twips)
{
    height_ = twips;
    apply();
}

void Twips::setTwips(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    apply();
}

void Twips::fitToContent()
{
    const QSize size = widget_.sizeHint();
    width_ = size.width() * TwipsPerPixel;
    height_ = size.height() * TwipsPerPixel;
    apply();
}

void Twips::apply()
{
    widget_.setGeometry(toPixels(left_), toPixels(top_), toPixels(width_), toPixels(height_));
}

void ClickTracker::press(const QMouseEvent& event) { pressed_ = event.button() == Qt::LeftButton; }

bool ClickTracker::release(const QMouseEvent& event, const QRect& inside)
{
    const bool click = pressed_ && event.button() == Qt::LeftButton
        && inside.contains(event.position().toPoint());
    pressed_ = false;
    return click;
}

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
    , Twips(static_cast<QWidget&>(*this))
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::TabFocus);
    // Pointer moves over a page belong to the page, never to the window.
    setAttribute(Qt::WA_NoMousePropagation);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!picture_.isNull())
        painter.drawPixmap(0, 0, picture_);
    if (border_) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

Label::Label(QWidget* parent)
    : QLabel(parent)
    , Twips(static_cast<QWidget&>(*this))
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setFocusPolicy(Qt::NoFocus);
}

QFont Label::drawingFont() const
{
    QFont drawn = font();
    const QString caption = text();
    const int room = contentsRect().width();
    if (autoSize_ || caption.size() < 2 || QFontMetrics(drawn).horizontalAdvance(caption) <= room)
        return drawn;
    // The layout sized these labels for the original face; a stand-in that
    // runs a few pixels wider would cut the caption off, so its letters are
    // moved closer together, at most a pixel and a half each.
    const qreal own
        = drawn.letterSpacingType() == QFont::AbsoluteSpacing ? drawn.letterSpacing() : 0;
    for (qreal spacing = -0.25; spacing >= -1.5; spacing -= 0.25) {
        drawn.setLetterSpacing(QFont::AbsoluteSpacing, own + spacing);
        if (QFontMetrics(drawn).horizontalAdvance(caption) <= room)
            break;
    }
    return drawn;
}

void Label::paintEvent(QPaintEvent* event)
{
    const QFont drawn = drawingFont();
    if (drawn == font()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(drawn);
    style()->drawItemText(
        &painter, contentsRect(), alignment(), palette(), isEnabled(), text(), foregroundRole());
}

void Label::setCaption(const QString& caption)
{
    setText(caption);
    if (autoSize_)
        fitToContent();
}

void Label::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    if (autoSize_)
        fitToContent();
}

void Label::mousePressEvent(QMouseEvent* event)
{
    click_.press(*event);
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (click_.release(*event, rect()))
        emit clicked();
}

Image::Image(QWidget* parent)
    : QWidget(parent)
    , Twips(static_cast<QWidget&>(*this))
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void Image::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void Image::setStretch(bool stretch)
{
    stretch_ = stretch;
    update();
}

void Image::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch_)
        painter.drawPixmap(rect(), picture_);
    else
        painter.drawPixmap(0, 0, picture_);
}

void Image::mousePressEvent(QMouseEvent* event)
{
    click_.press(*event);
    event->accept();
}

void Image::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (click_.release(*event, rect()))
        emit clicked();
}

void Image::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseMoved();
}

Shape::Shape(QWidget* parent)
    : QWidget(parent)
    , Twips(static_cast<QWidget&>(*this))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (fill_)
        painter.fillRect(rect(), *fill_);
    if (border_) {
        painter.setPen(*border_);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

TextBox::TextBox(QWidget* parent)
    : QLineEdit(parent)
    , Twips(static_cast<QWidget&>(*this))
{
    connect(this, &QLineEdit::textChanged, this, &TextBox::changed);
    // The line edit's undo history keeps every character an edit inserts or
    // removes, for good: a long paste would cost memory at each repeat. A
    // text longer than any number keeps no history; setting the same text
    // again empties it without a change event. Queued, so that it never
    // runs inside the edit that raised it.
    connect(
        this, &QLineEdit::textEdited, this,
        [this] {
            if (text().size() <= UndoLimit)
                return;
            const QSignalBlocker quiet(this);
            const int cursor = cursorPosition();
            setText(text());
            setCursorPosition(cursor);
        },
        Qt::QueuedConnection);
}

ComboBox::ComboBox(QWidget* parent)
    : QComboBox(parent)
    , Twips(static_cast<QWidget&>(*this))
{
    setEditable(false);
    connect(this, &QComboBox::activated, this, &ComboBox::clicked);
}

void ComboBox::setListIndex(int index)
{
    setCurrentIndex(index);
    emit clicked();
}

CommandButton::CommandButton(QWidget* parent)
    : QPushButton(parent)
    , Twips(static_cast<QWidget&>(*this))
{
    setAutoDefault(false);
    setDefault(false);
}

OptionButton::OptionButton(QWidget* parent)
    : QRadioButton(parent)
    , Twips(static_cast<QWidget&>(*this))
{
}

CheckBox::CheckBox(QWidget* parent)
    : QCheckBox(parent)
    , Twips(static_cast<QWidget&>(*this))
{
}

Timer::Timer(QObject* parent, Qt::TimerType type)
    : QTimer(parent)
{
    setTimerType(type);
}

void Timer::setEnabled(bool enabled)
{
    if (enabled && !isActive())
        start();
    else if (!enabled)
        stop();
}

} // namespace runtime
