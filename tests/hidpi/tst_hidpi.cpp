// SPDX-License-Identifier: MIT
// High density: the painted pieces rendered into images of device pixel ratio 1.25, 1.5 and 2 are drawn at
// the device resolution, not scaled up from a low-resolution pixmap.
#include "TestSupport.h"

#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/CardWidgetBaseHeader.h>
#include <ComponentsLibrary/ColorButton.h>
#include <ComponentsLibrary/ColormapRangeSlider.h>
#include <ComponentsLibrary/RangeSlider.h>
#include <ComponentsLibrary/RoundedPixmap.h>
#include <ComponentsLibrary/UserConnector.h>

#include <vantor_common_models/UserHelpers.h>

#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QRubberBand>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace Nalu::Components;

namespace {

// The widget rendered into an image of @p ratio device pixels per pixel, over `under`.
QImage renderedAt(QWidget &widget, qreal ratio, const QColor &under = Qt::white)
{
    QImage image((QSizeF(widget.size()) * ratio).toSize(), QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(under);
    widget.render(&image);
    return image;
}

// The lengths of the runs of equal pixels along row @p y of @p image, from x = @p from to @p to (device
// pixels), without the first and the last run, which the range cuts.
QVector<int> innerRuns(const QImage &image, int y, int from, int to)
{
    QVector<int> runs;
    int start = from;
    for (int x = from + 1; x <= to; ++x) {
        if (x == to || image.pixel(x, y) != image.pixel(start, y)) {
            runs.append(x - start);
            start = x;
        }
    }
    return runs.mid(1, runs.size() - 2);
}

// Answers the highlighted-icon request with the theme icon named by the widget.
class HighlightStyle : public QProxyStyle
{
public:
    HighlightStyle()
        : QProxyStyle(QStringLiteral("Fusion"))
    {
    }
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const override
    {
        return icon == SP_CustomBase && widget ? QIcon::fromTheme(widget->property("highlightedIcon").toString())
                                               : QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

class TestHiDpi : public QObject
{
    Q_OBJECT

public:
    // Qt 5 hands icons drawn by the style to a window of ratio 2 at ratio 1 unless asked (Qt 6 always asks, and has
    // no such attribute without its deprecated API).
    static void initMain()
    {
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Scalable icons red on their left, up to half a pixel past the middle, at 20 and 32 pixels.
        QVERIFY(iconDir.isValid());
        QDir(iconDir.path()).mkdir(QStringLiteral("i"));
        QFile index(iconDir.filePath(QStringLiteral("index.theme")));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nDirectories=i\n[i]\nSize=32\nType=Scalable\nMinSize=8\nMaxSize=256\n");
        index.close();
        for (const auto &[name, side] : {std::make_pair("chevron.right.ForegroundBrush", 20),
                                         std::make_pair("status.checked.circular.colored", 32)}) {
            QFile svg(iconDir.filePath(QStringLiteral("i/%1.svg").arg(QLatin1String(name))));
            QVERIFY(svg.open(QIODevice::WriteOnly));
            svg.write(QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%1'>"
                                     "<rect x='0' y='0' width='%2' height='%1' fill='#ff0000'/></svg>")
                          .arg(side)
                          .arg(side / 2 + 0.5)
                          .toUtf8());
        }
        QIcon::setThemeSearchPaths({QFileInfo(iconDir.path()).path()});
        QIcon::setThemeName(QFileInfo(iconDir.path()).fileName());
    }

    // The expand indicator and the check mark come from the scalable icons at the device size: the edge
    // of the red half, on a device pixel at ratio 2, has no half-red pixel (a 1x picture scaled up has).
    void iconsFromScalableSources_data()
    {
        QTest::addColumn<bool>("checkMark");
        QTest::addRow("expand indicator at 2") << false;
        QTest::addRow("check mark at 2") << true;
    }
    void iconsFromScalableSources()
    {
        QFETCH(bool, checkMark);
        HighlightStyle style;
        std::unique_ptr<QWidget> widget;
        QLabel *indicator = nullptr;
        if (checkMark) {
            auto *card = new CardWidget(QStringLiteral("Title"), nullptr);
            widget.reset(card);
            card->setStyle(&style);
            card->setProperty("BackgroundBrush", QBrush(Qt::blue));
            card->setCheckable(true);
            card->resize(240, 160);
            card->ensurePolished();
            card->setChecked(true);
            indicator = card->findChild<QRubberBand *>()->findChild<QLabel *>();
        } else {
            auto *header = new CardWidgetBaseHeader(QStringLiteral("Title"), nullptr);
            widget.reset(header);
            header->setStyle(&style);
            header->setExpandable(true);
            header->resize(240, 40);
            indicator = header->findChild<QLabel *>(QStringLiteral("expandIndicator"));
        }
        QVERIFY(indicator && !indicator->pixmap(Qt::ReturnByValue).isNull());
        const QImage image = renderedAt(*widget, 2.0, Qt::black);
        const QRect area(indicator->mapTo(widget.get(), QPoint(0, 0)) * 2, indicator->size() * 2);
        // The red half ends in one step, (side / 2 + 0.5) * 2 device pixels from the icon's left edge.
        const int y = area.center().y();
        int left = area.left();
        while (left <= area.right() && qRed(image.pixel(left, y)) != 255) {
            ++left;
        }
        int right = left;
        while (right <= area.right() && qRed(image.pixel(right, y)) == 255) {
            ++right;
        }
        const int side = checkMark ? 32 : 20;
        QCOMPARE(right - left, side + 1);
        QCOMPARE(image.pixel(right, y), image.pixel(right + 2, y));
    }

    // Patterns of even squares or stripes are drawn at the device resolution: along the middle row, over the
    // central 60 %, runs of one size in device pixels, each of one colour (an up-scaled pattern has runs of two
    // sizes, or blurred pixels between them).
    void patternsKeepEvenDevicePixels_data()
    {
        QTest::addColumn<QString>("component");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("run"); // in device pixels
        for (const qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
            QTest::addRow("colour button chessboard at %g", ratio)
                << "ColorButton" << ratio << int(std::lround(8 * ratio));
            QTest::addRow("colormap groove chessboard at %g", ratio)
                << "ColormapRangeSlider" << ratio << int(std::lround(5 * ratio));
            // A pixmap of the device's ratio, in stripes two device pixels wide, shown pixel for pixel.
            QTest::addRow("rounded pixmap at %g", ratio) << "RoundedPixmap" << ratio << 2;
        }
    }
    void patternsKeepEvenDevicePixels()
    {
        QFETCH(QString, component);
        QFETCH(qreal, ratio);
        QFETCH(int, run);
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        std::unique_ptr<QWidget> widget;
        if (component == QLatin1String("ColorButton")) {
            auto *button = new ColorButton(QColor(0, 90, 255, 100), nullptr);
            button->setFlat(true);
            widget.reset(button);
            widget->resize(200, 44);
        } else if (component == QLatin1String("ColormapRangeSlider")) {
            auto *slider = new ColormapRangeSlider;
            slider->setOrientation(Qt::Horizontal);
            slider->setMinimumHeight(20);
            widget.reset(slider);
            widget->resize(300, 40);
        } else {
            QImage stripes(QSizeF(QSizeF(200, 20) * ratio).toSize(), QImage::Format_RGB32);
            for (int x = 0; x < stripes.width(); ++x) {
                for (int y = 0; y < stripes.height(); ++y) {
                    stripes.setPixel(x, y, x / 2 % 2 ? 0xff000000 : 0xffffffff);
                }
            }
            QPixmap pixmap = QPixmap::fromImage(stripes);
            pixmap.setDevicePixelRatio(ratio);
            widget = std::make_unique<RoundedPixmap>(pixmap);
            widget->resize(200, 20);
        }
        widget->setStyle(fusion.get());
        const QImage image = renderedAt(*widget, ratio);
        const int y = image.height() / 2, from = image.width() / 5, to = image.width() - from;
        const QVector<int> runs = innerRuns(image, y, from, to);
        QVERIFY2(runs.size() >= 4, qPrintable(QString::number(runs.size())));
        QCOMPARE(runs, QVector<int>(runs.size(), run));
    }

    // The groove's rounded end, left of the handles, is drawn at the device resolution: it differs from
    // the picture at ratio 1 scaled up, as a groove kept at ratio 1 would be.
    void sliderGroovesAtDeviceResolution_data()
    {
        QTest::addColumn<bool>("colormap");
        QTest::addColumn<qreal>("ratio");
        for (const qreal ratio : {1.25, 1.5, 2.0}) {
            QTest::addRow("range slider at %g", ratio) << false << ratio;
            QTest::addRow("colormap range slider at %g", ratio) << true << ratio;
        }
    }
    void sliderGroovesAtDeviceResolution()
    {
        QFETCH(bool, colormap);
        QFETCH(qreal, ratio);
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        const std::unique_ptr<RangeSlider> slider(colormap ? new ColormapRangeSlider : new RangeSlider);
        slider->setStyle(fusion.get());
        for (const char *name : {"BorderBrush", "BackgroundBrush", "RangeBrush", "DefaultBrush"}) {
            slider->setProperty(name, QBrush(QColor(40, 90, 200)));
        }
        slider->setProperty("CornerRadius", 4);
        slider->resize(300, 24);
        slider->setSliderRange(40, 71);
        const QRect end(0, 0, 60, 24); // left of the lower handle
        const QImage native = renderedAt(*slider, ratio);
        const QRect deviceEnd(QPoint(0, 0), (QSizeF(end.size()) * ratio).toSize());
        for (const Qt::TransformationMode mode : {Qt::FastTransformation, Qt::SmoothTransformation}) {
            const QImage upscaled
                = renderedAt(*slider, 1.0).copy(end).scaled(deviceEnd.size(), Qt::IgnoreAspectRatio, mode);
            QVERIFY(native.copy(deviceEnd) != upscaled.convertToFormat(native.format()));
        }
    }

    // Icons that Qt's style draws on a button come at the window's ratio: on a screen of ratio 2 (the suite runs
    // once more with QT_SCALE_FACTOR=2) the log-in button's default avatar equals the avatar drawn at that ratio.
    void avatarAtTheScreenRatio()
    {
        UserConnector connector(nullptr, nullptr);
        connector.show();
        QVERIFY(QTest::qWaitForWindowExposed(&connector));
        const QImage shot = connector.grab().toImage();
        const qreal ratio = shot.devicePixelRatio();
        QCOMPARE(ratio, qApp->devicePixelRatio());
        QImage avatar((QSizeF(connector.iconSize()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        avatar.setDevicePixelRatio(ratio);
        avatar.fill(Qt::transparent);
        {
            QPainter painter(&avatar);
            Nalu::Models::UserHelpers::getDefaultAvatar().paint(&painter, QRect(QPoint(0, 0), connector.iconSize()));
        }
        // The opaque pixels of the avatar, looked for near the left of the button: the fewest that differ.
        int fewest = avatar.width() * avatar.height();
        for (int dy = 0; dy + avatar.height() <= shot.height(); ++dy) {
            for (int dx = 0; dx <= int(12 * ratio); ++dx) {
                int differing = 0;
                for (int y = 0; y < avatar.height(); ++y) {
                    for (int x = 0; x < avatar.width(); ++x) {
                        const QRgb a = avatar.pixel(x, y), b = shot.pixel(x + dx, y + dy);
                        differing += qAlpha(a) == 255
                            && qMax(qAbs(qRed(a) - qRed(b)),
                                    qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))))
                                > 16;
                    }
                }
                fewest = qMin(fewest, differing);
            }
        }
        QCOMPARE(fewest, 0);
    }

private:
    QTemporaryDir iconDir;
};

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
