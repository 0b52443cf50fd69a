// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include <QPainter>

namespace testing {
namespace {

// How far a picture departs from its paper, summed over its pixels.
double ink(const QImage& picture, const QColor& paper)
{
    double sum = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            sum += qAbs(qGray(picture.pixel(x, y)) - qGray(paper.rgb()));
    return sum;
}

} // namespace

QStringList boldLabelsDrawnRegular(const app::frmMain& form)
{
    QStringList regular;
    for (const auto* label : form.findChildren<runtime::Label*>()) {
        if (!label->font().bold() || label->caption().isEmpty())
            continue;
        // The label as the window draws it, over whatever lies behind it.
        const QImage drawn = label->parentWidget()->grab(label->geometry()).toImage();
        const QColor paper = drawn.pixelColor(drawn.width() - 1, 0);
        QImage plain(drawn.size(), QImage::Format_RGB32);
        plain.setDevicePixelRatio(drawn.devicePixelRatio());
        plain.fill(paper);
        QFont face(label->font().family());
        face.setPixelSize(label->font().pixelSize());
        QPainter painter(&plain);
        painter.setFont(face);
        painter.setPen(label->palette().color(label->foregroundRole()));
        painter.drawText(label->contentsRect(), int(label->alignment()), label->caption());
        painter.end();
        if (ink(drawn, paper) < 1.15 * ink(plain, paper))
            regular << label->objectName();
    }
    return regular;
}

Fixture::Fixture()
{
    auto fake = std::make_unique<platform::FakePlatform>();
    fake_ = fake.get();
    platform::install(std::move(fake));
    form_ = std::make_unique<app::frmMain>();
    form_->setEndProgram([this] { ++endProgramCalls_; });
}

std::string Fixture::activation() const
{
    return "ActivateWindow 0x"
        + QString::number(quintptr(form_->winId()), 16).toUpper().toStdString();
}

Fixture::~Fixture()
{
    form_.reset();
    platform::install(nullptr);
}

} // namespace testing
