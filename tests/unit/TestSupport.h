// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shared set-up for the unit tests: the recording platform, and a main
// window created the way start-up creates it, whose close does not end the
// test program.
#pragma once

#include "app/frmMain.h"
#include "platform/fake/FakePlatform.h"
#include "runtime/Controls.h"

#include <QStringList>

#include <memory>

namespace testing {

// The bold labels of a window whose captions, as drawn, lay hardly more ink
// than the same captions in the regular face: bold in name only.
QStringList boldLabelsDrawnRegular(const app::frmMain& form);

class Fixture {
public:
    Fixture();
    ~Fixture();

    platform::FakePlatform& fake() { return *fake_; }
    app::frmMain& form() { return *form_; }
    int endProgramCalls() const { return endProgramCalls_; }

    template <class T> T& c(const char* name)
    {
        return form_->control<T>(QString::fromLatin1(name));
    }
    runtime::Timer& timer(const char* name) { return form_->timer(QString::fromLatin1(name)); }
    // The log line of the main window's restore through the window manager.
    std::string activation() const;

private:
    platform::FakePlatform* fake_;
    std::unique_ptr<app::frmMain> form_;
    int endProgramCalls_ = 0;
};

} // namespace testing
