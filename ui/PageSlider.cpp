// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageSlider.h"

#include "runtime/Controls.h"

namespace ui {
namespace {

// The motion eases out: 400 twips a tick, then 200, then 100, then the last 115.
constexpr int lefts[21] = {2050, 2450, 2850, 3250, 3650, 4050, 4450, 4850, 5250, 5650, 6050, 6450,
    6650, 6850, 7050, 7150, 7250, 7350, 7450, 7550, 7665};

struct Tab {
    std::int16_t page;
    int row;
    int iconTimer;
};

// "Mouse" opens the clicker page, "System" the shutdown page, "About" the About page.
constexpr Tab tabs[3] = {{2, 0, 0}, {3, 1, 1}, {1, 2, 2}};

} // namespace

int tabOfPage(std::int16_t page)
{
    for (int tab = 0; tab < 3; ++tab)
        if (tabs[tab].page == page)
            return tab;
    return 0;
}

void PageSlider::Label1_Click() { tabClick(0); }
void PageSlider::Label2_Click() { tabClick(1); }
void PageSlider::Label3_Click() { tabClick(2); }

void PageSlider::imgIC_Click(std::int16_t index)
{
    if (index == 0)
        Label1_Click();
    else if (index == 1)
        Label2_Click();
    else if (index == 2)
        Label3_Click();
}

void PageSlider::tabClick(int tab)
{
    const Tab& t = tabs[tab];
    // Also refused once a slide is armed but has not ticked yet: a second page
    // armed then would stay visible beside the new one, or the page on show
    // would be chosen as its own successor and hidden at the end.
    if (isSliding || c_.Timer1.enabled() || selectedPage == t.page)
        return;
    if (mayLeave_ && !mayLeave_(*c_.hitPict[static_cast<std::size_t>(currentPage)]))
        return;
    selectedPage = t.page;
    c_.Shape4.setTop(c_.imgIC[static_cast<std::size_t>(t.row)]->Top());
    c_.iconTimers[static_cast<std::size_t>(t.iconTimer)]->setEnabled(true);
    auto& incoming = *c_.hitPict[static_cast<std::size_t>(t.page)];
    incoming.setLeft(c_.hitPict[static_cast<std::size_t>(currentPage)]->Left() - PageDistance);
    incoming.show();
    c_.Timer1.setEnabled(true);
}

void PageSlider::Timer1_Timer()
{
    auto& outgoing = *c_.hitPict[static_cast<std::size_t>(currentPage)];
    auto& incoming = *c_.hitPict[static_cast<std::size_t>(selectedPage)];
    ++slideStep;
    if (slideStep == 1)
        isSliding = true;
    if (slideStep >= 1 && slideStep <= 21)
        outgoing.setLeft(lefts[slideStep - 1]);
    incoming.setLeft(outgoing.Left() - PageDistance);
    if (slideStep == SlideSteps) {
        isSliding = false;
        slideStep = 0;
        c_.Timer1.setEnabled(false);
        outgoing.hide();
        currentPage = selectedPage;
    }
}

} // namespace ui
