// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The working indicator: a frameless 20 x 20 square in the top-left corner of
// the screen, shown during a click run and blinking between two frames.
#pragma once

#include "runtime/Controls.h"

#include <QPixmap>

#include <cstdint>

namespace app {

class frmWorking : public runtime::Form {
    Q_OBJECT
public:
    frmWorking();

    void Timer1_Timer();

    runtime::Timer& timer1() { return *timer1_; }
    const QPixmap& picture() const { return picture_; }
    const runtime::PictureBox& picture1() const { return *picture1_; }
    const runtime::PictureBox& picture2() const { return *picture2_; }

    // 0 or 1 between ticks; kept while the window is hidden.
    std::int16_t workingFrameStep = 0;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void setPicture(const QPixmap& picture);

    runtime::PictureBox* picture1_;
    runtime::PictureBox* picture2_;
    runtime::Timer* timer1_;
    QPixmap picture_;
};

} // namespace app
