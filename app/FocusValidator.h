// Checks a field before the focus leaves it. When the check refuses, the
// focus stays in the field and the control that was clicked to take it does
// not act. Only real focus moves are checked: Tab and Shift+Tab, and a mouse
// press on a control that takes the focus.
#pragma once

#include <QObject>

#include <functional>
#include <map>

class QWidget;

namespace app {

class FocusValidator : public QObject {
    Q_OBJECT
public:
    using Check = std::function<void(bool& cancel)>;

    explicit FocusValidator(QWidget& window);
    void add(QWidget& field, Check check);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool refuseFocusMove();
    bool mousePressTakesFocus(QEvent* event) const;

    QWidget& window_;
    std::map<QWidget*, Check> checks_;
    bool swallowUntilRelease_ = false;
};

} // namespace app
