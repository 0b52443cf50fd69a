// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Checks a field before the focus leaves it. When the check refuses, the
// focus stays in the field and whatever was done to take it has no effect.
// Every way the focus can leave passes here: Tab and Shift+Tab, a mouse press
// on a control that takes the focus, and a page switch that would hide the
// field. The mouse wheel never moves the focus: it turns only the control
// that has it.
#pragma once

#include <QObject>

#include <functional>
#include <map>

class QPoint;
class QWidget;

namespace runtime {

class FocusValidator : public QObject {
    Q_OBJECT
public:
    using Check = std::function<void(bool& cancel)>;

    explicit FocusValidator(QWidget& window);
    void add(QWidget& field, Check check);

    // Asked before `area` is hidden. When the focus is inside it, that is a
    // focus move: false when the check refuses it; otherwise the focus
    // leaves the area at once, so that nothing typed meanwhile escapes the
    // check.
    bool releaseFocus(QWidget& area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool refuseFocusMove();
    bool takesFocus(const QPoint& position, Qt::FocusPolicy how) const;

    QWidget& window_;
    std::map<QWidget*, Check> checks_;
    bool swallowUntilRelease_ = false;
};

} // namespace runtime
