// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibility.h"

#include "Controls.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>

namespace runtime {
namespace {

// clang-format off
constexpr AccessibleText table[] = {
    // control               name                           description                                       label
    {"picNew",               "Pages",                       "Mouse, System and About",                        nullptr},
    {"imgIC(0)",             "Mouse",                       "Show the clicker page",                          nullptr},
    {"imgIC(1)",             "System",                      "Show the shutdown timer page",                   nullptr},
    {"imgIC(2)",             "About",                       "Show the About page",                            nullptr},
    {"hitPict(1)",           "About page",                  nullptr,                                          nullptr},
    {"hitPict(2)",           "Mouse page",                  "Click the mouse at a set interval",              nullptr},
    {"hitPict(3)",           "System page",                 "Shut down, restart or log off after a set time", nullptr},

    {"Label15",              "Interval",                    nullptr,                                          nullptr},
    {"Label13",              nullptr,                       "Clicks go where the pointer is",                 nullptr},
    {"Combo3",               "Preset",                      "Interval preset",                                "Label5"},
    {"Text1",                "Interval minutes",            nullptr,                                          "Label4"},
    {"Text2",                "Interval seconds",            nullptr,                                          "Label19"},
    {"Text3",                "Interval tenths of a second", nullptr,                                          "Label20"},
    {"Option1",              "Run until stopped",           nullptr,                                          nullptr},
    {"Option2",              nullptr,                       "Stop after a number of minutes or clicks",       nullptr},
    {"Text4",                "Stop after minutes",          nullptr,                                          "Label10"},
    {"Text5",                "Stop after clicks",           nullptr,                                          "Label7"},
    {"Combo1",               "Button",                      "Mouse button to click",                          "Label14"},
    {"Combo2",               "Action",                      "Single or double click",                         "Label11"},
    {"cmdStart",             nullptr,                       "Start or stop clicking (F9)",                    nullptr},

    {"Image1",               "Vantrel logo",                nullptr,                                          nullptr},
    {"Label25",              nullptr,                       "Opens the web page in the browser",              nullptr},

    {"Combo4",               "Task",                        "Shutdown, restart or log off",                   "Label18"},
    {"Check1",               nullptr,                       "Bring the window back five minutes before",      nullptr},
    {"Text6",                "Hours",                       "Hours until the task runs",                      "Label23"},
    {"Text7",                "Minutes",                     "Minutes until the task runs",                    "Label22"},
    {"cmdStartShtdwnTimer",  nullptr,                       "Start or stop the shutdown timer",               nullptr},
};

// Roles other than a kind's own (a window a frame, a picture box a filler, an
// image an image, a label a label).
struct AccessibleRole {
    const char* control;
    QAccessible::Role role;
    bool press; // a press action that clicks the control
};

constexpr AccessibleRole roles[] = {
    {"picNew",     QAccessible::PageTabList, false},
    {"imgIC(0)",   QAccessible::PageTab,     true},
    {"imgIC(1)",   QAccessible::PageTab,     true},
    {"imgIC(2)",   QAccessible::PageTab,     true},
    {"hitPict(1)", QAccessible::Pane,        false},
    {"hitPict(2)", QAccessible::Pane,        false},
    {"hitPict(3)", QAccessible::Pane,        false},
    {"Label25",    QAccessible::Link,        true},
};
// clang-format on

// Not presented: the hidden picture stores of both windows, the empty label
// behind the pages, the tab labels, whose rows already present each tab, and
// the pictures that only decorate the corner and "Current position".
// Rectangles are left out as a kind.
constexpr const char* leftOut[] = {"Picture1", "Picture2", "Picture3", "Picture4", "lblcpbd",
    "Label1", "Label2", "Label3", "I", "Image2"};

bool presented(const QWidget* widget)
{
    const QString name = widget->objectName();
    return !widget->isWindow() && qobject_cast<const Shape*>(widget) == nullptr
        && std::none_of(std::begin(leftOut), std::end(leftOut),
            [&name](const char* out) { return name == QLatin1String(out); });
}

// The row of `roles` for a control. Looked up when asked, not when the
// interface is made: a label's caption is announced before it has its name.
const AccessibleRole* roleOf(const QObject* control)
{
    const QString name = control->objectName();
    for (const auto& row : roles)
        if (name == QLatin1String(row.control))
            return &row;
    return nullptr;
}

// A window or control of ours: its role, a name also while a window is
// minimized, only the children worth presenting (front to back, the order
// the layout lists them in), and the press action where the table gives one.
class Control : public QAccessibleWidget {
public:
    Control(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {
    }

    QAccessible::Role role() const override
    {
        const AccessibleRole* row = roleOf(object());
        return row != nullptr ? row->role : QAccessibleWidget::role();
    }

    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) {
            if (widget()->isWindow()) // the toolkit reads a minimized window's icon text
                text = widget()->windowTitle();
            else if (const auto* label = qobject_cast<const QLabel*>(widget()))
                text = label->text();
        }
        return text;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (role() == QAccessible::PageTab) {
            // Selected: the selection band marks this tab's row.
            const auto* band = widget()->parentWidget()->findChild<const Shape*>(
                QStringLiteral("Shape4"), Qt::FindDirectChildrenOnly);
            state.selectable = true;
            state.selected
                = band != nullptr && band->Top() == dynamic_cast<const Twips&>(*widget()).Top();
        }
        return state;
    }

    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override
    {
        auto related = QAccessibleWidget::relations(match);
        if (const auto* label = qobject_cast<const QLabel*>(widget()))
            if ((match & QAccessible::Labelled) != 0 && label->buddy() != nullptr)
                related.append(
                    {QAccessible::queryAccessibleInterface(label->buddy()), QAccessible::Labelled});
        return related;
    }

    int childCount() const override { return static_cast<int>(shownChildren().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> shown = shownChildren();
        return index >= 0 && index < shown.size()
            ? QAccessible::queryAccessibleInterface(shown[index])
            : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child == nullptr
            ? -1
            : static_cast<int>(shownChildren().indexOf(qobject_cast<QWidget*>(child->object())));
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (!pressable() || action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (auto* label = qobject_cast<Label*>(widget()))
            label->click();
        else if (auto* image = qobject_cast<Image*>(widget()))
            image->click();
    }

private:
    bool pressable() const
    {
        const AccessibleRole* row = roleOf(object());
        return row != nullptr && row->press;
    }

    QList<QWidget*> shownChildren() const
    {
        QList<QWidget*> shown;
        const QObjectList& all = widget()->children();
        for (auto it = all.rbegin(); it != all.rend(); ++it)
            if (auto* child = qobject_cast<QWidget*>(*it); child != nullptr && presented(child))
                shown << child;
        return shown;
    }
};

QAccessibleInterface* controlFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (qobject_cast<Form*>(object) != nullptr)
        return new Control(widget, QAccessible::Window);
    if (qobject_cast<PictureBox*>(object) != nullptr)
        return new Control(widget, QAccessible::Client);
    if (qobject_cast<Image*>(object) != nullptr)
        return new Control(widget, QAccessible::Graphic);
    if (qobject_cast<Label*>(object) != nullptr)
        return new Control(widget, QAccessible::StaticText);
    return nullptr;
}

} // namespace

std::span<const AccessibleText> accessibleTexts() { return table; }

void installAccessibleRoles()
{
    QAccessible::installFactory(controlFactory); // a factory installed before is not added again
}

void makeAccessible(const QHash<QString, QWidget*>& controls)
{
    for (const auto& row : table) {
        QWidget* control = controls.value(QString::fromLatin1(row.control));
        if (control == nullptr)
            continue;
        if (row.name != nullptr)
            control->setAccessibleName(QString::fromLatin1(row.name));
        if (row.description != nullptr)
            control->setAccessibleDescription(QString::fromLatin1(row.description));
        if (row.label != nullptr)
            if (auto* label = dynamic_cast<Label*>(controls.value(QString::fromLatin1(row.label))))
                label->setBuddy(control);
    }
}

} // namespace runtime
