// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Builds a window's controls from the layout table.
#pragma once

#include <QHash>
#include <QString>

class QWidget;

namespace app {

class Timer;

struct BuiltLayout {
    QHash<QString, QWidget*> controls;
    QHash<QString, Timer*> timers;
};

BuiltLayout buildLayout(QWidget& window);

} // namespace app
