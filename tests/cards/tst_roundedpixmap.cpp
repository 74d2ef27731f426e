#include <ComponentsLibrary/RoundedPixmap.h>

#include <QSignalSpy>
#include <QTest>

using namespace Nalu::Components;

class tst_RoundedPixmap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pixmapAndSizeHint()
    {
        RoundedPixmap empty;
        QVERIFY(empty.getPixmap()->isNull());
        QCOMPARE(empty.sizeHint(), QSize(0, 0));
        QCOMPARE(int(empty.getStraightCornerFlags()), 0);

        QPixmap pixmap(200, 100);
        pixmap.setDevicePixelRatio(2);
        RoundedPixmap widget(pixmap);
        QCOMPARE(widget.sizeHint(), QSize(100, 50));
        QSignalSpy spy(&widget, &RoundedPixmap::pixmapChanged);
        widget.setPixmap(pixmap);
        widget.setPixmap(pixmap);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(widget.property("roundedPixmap").value<QPixmap>().cacheKey(), pixmap.cacheKey());
        empty.grab(); // a null pixmap paints without a texture
    }

    void painting_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QColor>("image");
        QTest::newRow("enabled") << true << QColor(255, 0, 0);
        QTest::newRow("disabled") << false << QColor(255, 102, 102);
    }

    // Flags 9 square the two left corners; the right ones stay rounded.
    void painting()
    {
        QFETCH(bool, enabled);
        QFETCH(QColor, image);
        QPixmap pixmap(20, 20);
        pixmap.fill(Qt::red);
        RoundedPixmap widget(pixmap);
        widget.resize(60, 40);
        widget.setEnabled(enabled);
        widget.setProperty("CornerRadius", 12);
        widget.setProperty("BorderBrush", QBrush(Qt::blue));
        widget.setStraightCornerFlags(Nalu::Helpers::StraightCornerFlags(9));
        QImage out(widget.size(), QImage::Format_ARGB32);
        out.fill(Qt::white);
        widget.render(&out, QPoint(), QRegion(), QWidget::DrawChildren);
        for (const QPoint &p : {QPoint(30, 20), QPoint(1, 1), QPoint(1, 38)}) {
            const QColor c = out.pixelColor(p);
            QVERIFY2(qAbs(c.red() - image.red()) + qAbs(c.green() - image.green()) + qAbs(c.blue() - image.blue()) < 6,
                     qPrintable(c.name()));
        }
        QCOMPARE(out.pixelColor(58, 1), QColor(Qt::white));
        QCOMPARE(out.pixelColor(58, 38), QColor(Qt::white));
        // The outline along the rounded corner is drawn at full opacity.
        bool blue = false;
        for (int i = 0; i < 144 && !blue; ++i) {
            const QColor c = out.pixelColor(48 + i % 12, i / 12);
            blue = c.blue() - c.red() > 150 && c.blue() - c.green() > 150;
        }
        QVERIFY(blue);
    }
};

QTEST_MAIN(tst_RoundedPixmap)
#include "tst_roundedpixmap.moc"
