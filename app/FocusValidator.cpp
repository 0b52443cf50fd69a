#include "FocusValidator.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace app {

FocusValidator::FocusValidator(QWidget& window)
    : QObject(&window)
    , window_(window)
{
    // Mouse presses are seen where they enter the window, before Qt hands the
    // focus to the control under the pointer.
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

bool FocusValidator::mousePressTakesFocus(QEvent* event) const
{
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint position = mouse->position().toPoint();
    QWidget* target = window_.childAt(position);
    // The first enabled widget from the one under the pointer outwards that
    // takes the focus on a click is the one Qt would give it to.
    for (QWidget* w = target; w != nullptr && w != &window_; w = w->parentWidget()) {
        if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
            QWidget* focused = window_.focusWidget();
            return w != focused && !(focused && focused->isAncestorOf(w));
        }
    }
    return false;
}

bool FocusValidator::eventFilter(QObject* watched, QEvent* event)
{
    // Every event of the program passes here, timer ticks included: leave
    // at once unless it is a button or key press or release.
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick
        && type != QEvent::MouseButtonRelease && type != QEvent::KeyPress)
        return false;
    if (watched == window_.windowHandle()) {
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            if (mousePressTakesFocus(event) && refuseFocusMove()) {
                swallowUntilRelease_ = true;
                return true;
            }
        } else if (type == QEvent::MouseButtonRelease && swallowUntilRelease_) {
            swallowUntilRelease_ = false;
            return true;
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

} // namespace app
