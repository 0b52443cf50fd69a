// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FocusValidator.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

namespace runtime {

FocusValidator::FocusValidator(QWidget& window)
    : QObject(&window)
    , window_(window)
{
    // Mouse presses and the wheel are seen where they enter the window,
    // before Qt hands the focus to the control under the pointer.
    qApp->installEventFilter(this);
}

void FocusValidator::add(QWidget& field, Check check) { checks_[&field] = std::move(check); }

bool FocusValidator::refuseFocusMove()
{
    QWidget* focused = window_.focusWidget();
    const auto it = checks_.find(focused);
    if (it == checks_.end() || !focused->hasFocus())
        return false;
    bool cancel = false;
    it->second(cancel);
    return cancel;
}

bool FocusValidator::releaseFocus(QWidget& area)
{
    QWidget* focused = window_.focusWidget();
    if (focused == nullptr || !area.isAncestorOf(focused))
        return true;
    if (refuseFocusMove())
        return false;
    // To the next control in the Tab order that is on show outside the area
    // (in the main window, the tab column the switch was asked from).
    for (QWidget* w = focused->nextInFocusChain(); w != focused; w = w->nextInFocusChain()) {
        if (w != &area && !area.isAncestorOf(w) && w->isVisible() && w->isEnabled()
            && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
            w->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    focused->clearFocus();
    return true;
}

bool FocusValidator::takesFocus(const QPoint& position, Qt::FocusPolicy how) const
{
    // The first enabled widget from the one under the pointer outwards that
    // takes the focus this way is the one Qt would give it to.
    for (QWidget* w = window_.childAt(position); w != nullptr && w != &window_;
         w = w->parentWidget()) {
        if (w->isEnabled() && (w->focusPolicy() & how) == how) {
            QWidget* focused = window_.focusWidget();
            return w != focused && !(focused && focused->isAncestorOf(w));
        }
    }
    return false;
}

bool FocusValidator::eventFilter(QObject* watched, QEvent* event)
{
    // Every event of the program passes here, timer ticks included: leave
    // at once unless it is a button, wheel or key event.
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick
        && type != QEvent::MouseButtonRelease && type != QEvent::KeyPress && type != QEvent::Wheel)
        return false;
    if (watched == window_.windowHandle()) {
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (takesFocus(at, Qt::ClickFocus) && refuseFocusMove()) {
                swallowUntilRelease_ = true;
                return true;
            }
        } else if (type == QEvent::MouseButtonRelease && swallowUntilRelease_) {
            swallowUntilRelease_ = false;
            return true;
        } else if (type == QEvent::Wheel) {
            // A list under the pointer without the focus stays as it is.
            return takesFocus(
                static_cast<QWheelEvent*>(event)->position().toPoint(), Qt::WheelFocus);
        }
        return false;
    }
    if (type == QEvent::KeyPress && watched->isWidgetType()
        && checks_.count(static_cast<QWidget*>(watched)) != 0) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        const bool plain = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0;
        if (tab && plain && refuseFocusMove())
            return true;
    }
    return false;
}

} // namespace runtime
