// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HoverBand.h"

#include "runtime/Controls.h"

namespace ui {

void HoverBand::imgIC_MouseMove(std::int16_t index)
{
    if (index < 0 || index > 2)
        return;
    if (c_.Shape3.isHidden())
        c_.Shape3.show();
    const int top = c_.imgIC[static_cast<std::size_t>(index)]->Top();
    if (c_.Shape3.Top() != top)
        c_.Shape3.setTop(top);
}

void HoverBand::hide() { c_.Shape3.hide(); }

} // namespace ui
