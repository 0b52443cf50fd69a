// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LayoutBuilder.h"

#include "Controls.h"
#include "Fonts.h"

#include <QPalette>

#include <algorithm>
#include <map>
#include <vector>

namespace runtime {
namespace {

using layout::Kind;

bool isWindowed(Kind kind)
{
    return kind != Kind::Label && kind != Kind::Image && kind != Kind::Shape;
}

QFont fontFor(const layout::Font& spec, const QFont& inherited)
{
    if (spec.face == nullptr)
        return inherited;
    QFont font(QString::fromLatin1(spec.face));
    font.setPixelSize(layout::pixelSize(spec.hundredthsOfPoint));
    font.setBold(spec.bold);
    font.setUnderline(spec.underline);
    return boldAsDrawn(font);
}

void setForeground(QWidget& widget, const char* color)
{
    if (color == nullptr)
        return;
    QPalette palette = widget.palette();
    // Only the enabled groups: a locked label still shows greyed.
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, widget.foregroundRole(), QColor(color));
        palette.setColor(group, QPalette::Text, QColor(color));
    }
    widget.setPalette(palette);
}

void setBackground(QWidget& widget, const char* color)
{
    if (color == nullptr)
        return;
    QPalette palette = widget.palette();
    // Buttons fill with the Button role, not Window.
    palette.setColor(widget.backgroundRole(), QColor(color));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QWidget* create(const layout::Control& row, QWidget* parent)
{
    const QString caption = QString::fromLatin1(row.caption);
    const unsigned flags = row.flags;
    switch (row.kind) {
    case Kind::PictureBox: {
        auto* box = new PictureBox(parent);
        box->setBorder((flags & layout::NoBorder) == 0);
        if (row.picture != nullptr)
            box->setPicture(loadPicture(QString::fromLatin1(row.picture)));
        setBackground(*box, row.backColor);
        box->setAutoFillBackground(row.backColor != nullptr);
        return box;
    }
    case Kind::Label: {
        auto* label = new Label(parent);
        label->setCaption(caption);
        setForeground(*label, row.foreColor);
        if ((flags & layout::Transparent) == 0)
            setBackground(*label, row.backColor);
        return label;
    }
    case Kind::TextBox: {
        auto* field = new TextBox(parent);
        field->setText(caption);
        return field;
    }
    case Kind::ComboBox: {
        auto* list = new ComboBox(parent);
        list->addItems(caption.split(QLatin1Char('|')));
        list->setCurrentIndex(-1); // nothing selected until start-up picks
        return list;
    }
    case Kind::CommandButton: {
        auto* button = new CommandButton(parent);
        button->setText(caption);
        return button;
    }
    case Kind::OptionButton: {
        auto* option = new OptionButton(parent);
        option->setText(caption);
        option->setChecked((flags & layout::Selected) != 0);
        setBackground(*option, row.backColor);
        return option;
    }
    case Kind::CheckBox: {
        auto* check = new CheckBox(parent);
        check->setText(caption);
        check->setChecked((flags & layout::Ticked) != 0);
        setBackground(*check, row.backColor);
        return check;
    }
    case Kind::Image: {
        auto* image = new Image(parent);
        image->setStretch((flags & layout::Stretch) != 0);
        if (row.picture != nullptr)
            image->setPicture(loadPicture(QString::fromLatin1(row.picture)));
        return image;
    }
    case Kind::Shape: {
        auto* shape = new Shape(parent);
        shape->setFill(row.backColor ? std::optional<QColor>(QColor(row.backColor)) : std::nullopt);
        shape->setBorder(
            row.borderColor ? std::optional<QColor>(QColor(row.borderColor)) : std::nullopt);
        return shape;
    }
    }
    return nullptr;
}

Twips& twipsOf(QWidget* widget) { return *dynamic_cast<Twips*>(widget); }

// Within a container windowed controls lie in front of windowless ones, and
// within each group the earlier row lies in front.
void stack(const std::vector<const layout::Control*>& rows, const BuiltLayout& built)
{
    for (bool windowed : {false, true})
        for (auto it = rows.rbegin(); it != rows.rend(); ++it)
            if (isWindowed((*it)->kind) == windowed)
                built.controls.value(QString::fromLatin1((*it)->name))->raise();
}

// Qt moves a group's Tab stop to whichever option button last had the
// focus, so Tab could land on the unselected one; the stop belongs to the
// selected button whoever changed the selection, the user or the code.
void followSelection(const std::vector<OptionButton*>& group)
{
    for (auto* option : group) {
        const Qt::FocusPolicy policy = option->focusPolicy();
        option->setFocusPolicy(option->isChecked() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                   : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

void keepTabStopOnSelection(QWidget& window)
{
    std::map<QWidget*, std::vector<OptionButton*>> groups;
    for (auto* option : window.findChildren<OptionButton*>())
        groups[option->parentWidget()].push_back(option);
    for (const auto& entry : groups) {
        const std::vector<OptionButton*>& group = entry.second;
        for (auto* option : group)
            QObject::connect(option, &QAbstractButton::toggled, option, [group](bool checked) {
                if (checked)
                    followSelection(group);
            });
        followSelection(group);
    }
}

} // namespace

BuiltLayout buildLayout(QWidget& window, const layout::Table& table)
{
    BuiltLayout built;
    QHash<QString, std::vector<const layout::Control*>> byContainer;
    for (const auto& row : table.controls) {
        const QString container = QString::fromLatin1(row.container);
        QWidget* parent
            = container == QLatin1String(table.window) ? &window : built.controls.value(container);
        QWidget* widget = create(row, parent);
        widget->setObjectName(QString::fromLatin1(row.name));
        widget->setFont(fontFor(row.font, parent->font()));
        twipsOf(widget).setTwips(row.left, row.top, row.width, row.height);
        if (auto* label = dynamic_cast<Label*>(widget))
            label->setAutoSize((row.flags & layout::AutoSize) != 0);
        widget->setVisible((row.flags & layout::Hidden) == 0);
        built.controls.insert(widget->objectName(), widget);
        byContainer[container].push_back(&row);
    }
    for (const auto& rows : byContainer)
        stack(rows, built);

    std::vector<const layout::Control*> tabbed;
    for (const auto& row : table.controls)
        if (row.tabIndex >= 0 && isWindowed(row.kind))
            tabbed.push_back(&row);
    std::sort(
        tabbed.begin(), tabbed.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < tabbed.size(); ++i)
        QWidget::setTabOrder(built.controls.value(QString::fromLatin1(tabbed[i - 1]->name)),
            built.controls.value(QString::fromLatin1(tabbed[i]->name)));
    keepTabStopOnSelection(window);

    for (const auto& spec : table.timers) {
        auto* timer = new Timer(built.controls.value(QString::fromLatin1(spec.container)),
            spec.precise ? Qt::PreciseTimer : Qt::CoarseTimer);
        timer->setObjectName(QString::fromLatin1(spec.name));
        timer->setInterval(spec.intervalMs);
        timer->setEnabled(spec.enabled);
        built.timers.insert(timer->objectName(), timer);
    }
    return built;
}

} // namespace runtime
