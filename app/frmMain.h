// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: it builds its controls from the layout table, runs the
// start-up, and wires each control's events to the subsystem that handles
// them. The behaviour itself lives in clicker/, shutdown/ and ui/.
#pragma once

#include "runtime/Controls.h"

#include <QHash>

#include <array>
#include <functional>
#include <memory>
#include <span>

namespace clicker {
class ClickRun;
class HotkeyPoll;
class Presets;
} // namespace clicker
namespace shutdown {
class ShutdownTimer;
}
namespace runtime {
class FocusValidator;
}
namespace ui {
class AboutLink;
class CornerIcon;
class HoverBand;
class PageSlider;
} // namespace ui

namespace app {

class frmWorking;

class frmMain : public runtime::Form {
    Q_OBJECT
public:
    // Creates the window from its layout and runs its load handler; the
    // caller shows it.
    frmMain();
    ~frmMain() override;

    // A control by its name, "hitPict(2)" for a member of a control array.
    template <class T> T& control(const QString& name) const
    {
        return dynamic_cast<T&>(*controls_.value(name));
    }
    QWidget* find(const QString& name) const { return controls_.value(name); }
    runtime::Timer& timer(const QString& name) const;

    // The working indicator, created on first use.
    frmWorking& working();
    bool hasWorking() const { return working_ != nullptr; }

    // 0 normal, 1 minimized.
    void setWindowStateValue(int state);
    int windowStateValue() const;

    // What ends the program; tests replace it.
    void setEndProgram(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }

    clicker::ClickRun& clickRun() { return *clickRun_; }
    clicker::HotkeyPoll& hotkey() { return *hotkey_; }
    clicker::Presets& presets() { return *presets_; }
    shutdown::ShutdownTimer& shutdownTimer() { return *shutdownTimer_; }
    ui::PageSlider& pages() { return *pages_; }
    ui::CornerIcon& cornerIcon() { return *cornerIcon_; }
    ui::HoverBand& hoverBand() { return *hoverBand_; }
    ui::AboutLink& aboutLink() { return *aboutLink_; }

    void Form_QueryUnload(bool& cancel, int unloadMode);
    void Form_Unload(bool& cancel);

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // The controls that a table of names lists, in its order.
    template <std::size_t N>
    std::array<QWidget*, N> byName(std::span<const char* const, N> names) const;
    void createSubsystems();
    void wireEvents();
    void Form_Load();
    void endProgram();

    QHash<QString, QWidget*> controls_;
    QHash<QString, runtime::Timer*> timers_;
    std::unique_ptr<frmWorking> working_;
    runtime::FocusValidator* validator_ = nullptr;
    std::function<void()> endProgram_;
    bool ended_ = false;

    std::unique_ptr<clicker::ClickRun> clickRun_;
    std::unique_ptr<clicker::HotkeyPoll> hotkey_;
    std::unique_ptr<clicker::Presets> presets_;
    std::unique_ptr<shutdown::ShutdownTimer> shutdownTimer_;
    std::unique_ptr<ui::PageSlider> pages_;
    std::unique_ptr<ui::CornerIcon> cornerIcon_;
    std::unique_ptr<ui::HoverBand> hoverBand_;
    std::unique_ptr<ui::AboutLink> aboutLink_;
};

} // namespace app
