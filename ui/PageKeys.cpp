// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageKeys.h"

#include "PageSlider.h"
#include "runtime/Controls.h"

#include <QShortcut>

namespace ui {

void addPageKeys(QWidget& window, std::array<runtime::Label*, 3> tabs, const PageSlider& pages)
{
    struct Key {
        QKeyCombination keys;
        int step;
    };
    // Shift+Tab arrives as Backtab; the shortcut map matches it to Shift+Tab.
    const Key keys[] = {
        {Qt::CTRL | Qt::Key_Tab, 1},
        {Qt::CTRL | Qt::Key_PageDown, 1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1},
        {Qt::CTRL | Qt::Key_PageUp, -1},
    };
    for (const Key& key : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key.keys), &window);
        QObject::connect(shortcut, &QShortcut::activated, &window, [tabs, &pages, key] {
            // From the page chosen last: while a slide runs the click is refused anyway.
            const int tab = (tabOfPage(pages.selectedPage) + key.step + 3) % 3;
            tabs[static_cast<std::size_t>(tab)]->click();
        });
    }
}

} // namespace ui
