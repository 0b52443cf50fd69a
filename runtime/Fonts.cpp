// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fonts.h"

#include "platform/Platform.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>

namespace runtime {
#ifndef Q_OS_WIN
namespace {

const QString& sample()
{
    static const QString text
        = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    return text;
}

// How much a line of the sample in this font darkens white paper.
double ink(const QFont& font)
{
    const qreal ratio = qApp != nullptr ? qApp->devicePixelRatio() : 1.0;
    const QFontMetricsF metrics(font);
    QImage paper(
        QSizeF(metrics.horizontalAdvance(sample()) + 4, metrics.height() + 2).toSize() * ratio,
        QImage::Format_Grayscale8);
    paper.setDevicePixelRatio(ratio);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.setFont(font);
    painter.drawText(QPointF(2, metrics.ascent() + 1), sample());
    painter.end();
    double sum = 0;
    for (int y = 0; y < paper.height(); ++y) {
        const uchar* line = paper.constScanLine(y);
        for (int x = 0; x < paper.width(); ++x)
            sum += 255 - line[x];
    }
    return sum;
}

QFont regularOf(const QFont& bold)
{
    QFont regular = bold;
    regular.setBold(false);
    return regular;
}

// A bold face lays half as much ink again as its regular one; a face that
// is bold in name only lays the same.
bool drawsBold(const QFont& bold) { return ink(bold) > 1.25 * ink(regularOf(bold)); }

QFont choose(const QFont& bold)
{
    if (drawsBold(bold))
        return bold;
    // Full hinting spaces the bitmaps by their own widths.
    QFont bitmaps = bold;
    bitmaps.setStyleStrategy(QFont::NoAntialias);
    bitmaps.setHintingPreference(QFont::PreferFullHinting);
    if (drawsBold(bitmaps))
        return bitmaps;
    QFont synthetic = bold;
    synthetic.setStyleName(QFontInfo(regularOf(bold)).styleName());
    const qreal extra = QFontMetricsF(bold).horizontalAdvance(sample())
        - QFontMetricsF(synthetic).horizontalAdvance(sample());
    synthetic.setLetterSpacing(QFont::AbsoluteSpacing, extra / sample().size());
    return synthetic;
}

} // namespace
#endif

void loadFonts()
{
#ifdef Q_OS_WIN
    // Windows has Tahoma. Where it is missing (under Wine, say) the toolkit
    // would fall back to the first face it lists, often a serif one: take
    // the stand-in every other program there is drawn in.
    const QString tahoma = QStringLiteral("Tahoma");
    if (!QFontDatabase::hasFamily(tahoma)) {
        const QString standIn = QString::fromStdString(platform::systemFace("Tahoma"));
        if (!standIn.isEmpty() && standIn != tahoma)
            QFont::insertSubstitution(tahoma, standIn);
    }
#else
    // Not on Windows: there this folder would be one any local user could
    // create on the current drive.
    const char* files[] = {
        "/usr/share/wine/fonts/tahoma.ttf",
        "/usr/share/wine/fonts/tahomabd.ttf",
    };
    for (const char* file : files)
        if (QFile::exists(QString::fromLatin1(file)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
#endif
}

QFont boldAsDrawn(const QFont& bold)
{
#ifdef Q_OS_WIN
    return bold;
#else
    if (!bold.bold())
        return bold;
    // Keyed by the face in use too: one added later changes the answer.
    static QHash<QString, QFont> chosen;
    const QString key = bold.key() + QFontInfo(bold).family();
    if (!chosen.contains(key))
        chosen.insert(key, choose(bold));
    return chosen.value(key);
#endif
}

} // namespace runtime
