// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// On a high-density screen the window draws the larger renditions of its
// pictures, at the same size in the layout.
#include "TestSupport.h"
#include "app/frmWorking.h"
#include "runtime/Fonts.h"
#include "ui/CornerIcon.h"

#include <QApplication>
#include <QTest>

class tst_hidpi : public QObject {
    Q_OBJECT
private slots:
    void largerRenditionWhereOneExists_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("corner picture") << ":/assets/corner-clicker.jpg" << QSize(220, 220) << 2.0;
        QTest::newRow("About picture") << ":/assets/about-banner.jpg" << QSize(128, 128) << 2.0;
        QTest::newRow("pointer bitmap") << ":/assets/current-position.bmp" << QSize(30, 42) << 2.0;
        QTest::newRow("working frame") << ":/assets/working-1.jpg" << QSize(40, 40) << 2.0;
        QTest::newRow("no larger rendition") << ":/assets/vantrel.ico" << QSize(48, 48) << 1.0;
    }

    void largerRenditionWhereOneExists()
    {
        QFETCH(QString, path);
        QFETCH(QSize, pixels);
        QFETCH(qreal, ratio);
        const QPixmap picture = runtime::loadPicture(path);
        QCOMPARE(picture.size(), pixels);
        QCOMPARE(picture.devicePixelRatio(), ratio);
        // Drawn anew at that size, not the small picture with its pixels doubled.
        const QImage doubled = QImage(path).scaled(pixels).convertToFormat(QImage::Format_RGB32);
        if (ratio == 2.0)
            QVERIFY(picture.toImage().convertToFormat(QImage::Format_RGB32) != doubled);
    }

    void theWindowDrawsThemAtTheirLayoutSize()
    {
        testing::Fixture f;
        const auto& corner = f.c<runtime::Image>("I");
        QCOMPARE(corner.picture().devicePixelRatio(), 2.0);
        QCOMPARE(corner.picture().deviceIndependentSize().toSize(), QSize(110, 110));
        QCOMPARE(f.c<runtime::Image>("Image2").picture().deviceIndependentSize().toSize(),
            QSize(15, 21));
        QCOMPARE(f.form().working().picture().deviceIndependentSize().toSize(), QSize(20, 20));
        // The corner animation copies the larger rendition along.
        for (int i = 0; i < 6; ++i)
            f.form().cornerIcon().Timer5_Timer();
        QCOMPARE(corner.picture().devicePixelRatio(), 2.0);
    }

    // Bold captions stay bold where a face has no bold drawing of its own.
    void boldCaptionsLookBold()
    {
        runtime::loadFonts();
        testing::Fixture f;
        QCOMPARE(testing::boldLabelsDrawnRegular(f.form()), {});
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    tst_hidpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
