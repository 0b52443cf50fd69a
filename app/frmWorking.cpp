// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmWorking.h"

#include "platform/Platform.h"

#include <QPainter>

namespace app {

using runtime::loadPicture;
using runtime::PictureBox;
using runtime::Timer;
using runtime::toPixels;

frmWorking::frmWorking()
    // It shows a run is on and nothing more: clicks at the corner go through
    // it to the window beneath, and it never takes the focus.
    : Form(nullptr,
        Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus
            | Qt::WindowTransparentForInput)
    , picture1_(new PictureBox(this))
    , picture2_(new PictureBox(this)) // the later child lies in front
    , timer1_(new Timer(this, Qt::CoarseTimer)) // a blink needs no precision
{
    setWindowTitle(QStringLiteral("working"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The two frames are held by picture boxes outside the visible square.
    picture2_->setObjectName(QStringLiteral("Picture2"));
    picture2_->setTwips(3120, 1920, 735, 615);
    picture2_->setPicture(loadPicture(QStringLiteral(":/assets/working-2.jpg")));
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setTwips(2280, 1920, 735, 615);
    picture1_->setPicture(loadPicture(QStringLiteral(":/assets/working-1.jpg")));
    picture1_->setFocusPolicy(Qt::NoFocus);
    picture2_->setFocusPolicy(Qt::NoFocus);
    setPicture(picture2_->picture());

    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(500);
    timer1_->setEnabled(true);
    connect(timer1_, &QTimer::timeout, this, &frmWorking::Timer1_Timer);
    Form_Load();
}

void frmWorking::Form_Load()
{
    const int side = toPixels(300);
    setFixedSize(side, side);
    move(0, 0);
}

void frmWorking::Timer1_Timer()
{
    ++workingFrameStep;
    if (workingFrameStep == 1)
        setPicture(picture1_->picture());
    if (workingFrameStep == 2)
        setPicture(picture2_->picture());
    if (workingFrameStep == 2)
        workingFrameStep = 0;
}

void frmWorking::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

// Delivered before the window is mapped: the platform marks it off the
// taskbar each time, as a window manager forgets that at each hiding.
void frmWorking::showEvent(QShowEvent*)
{
    platform::current().keepInBackground(static_cast<platform::NativeWindow>(winId()));
}

void frmWorking::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

} // namespace app
