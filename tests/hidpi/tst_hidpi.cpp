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

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QRubberBand>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>

using namespace Nalu::Components;
using TestSupport::colourMismatch;

// Makes a widget to paint at a device pixel ratio.
using Make = std::function<QWidget *(qreal)>;
Q_DECLARE_METATYPE(Make)

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
    using QProxyStyle::QProxyStyle;
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
    // Qt 5 hands icons drawn by the style to a window of ratio 2 at ratio 1 unless asked (Qt 6 always does).
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
        const auto write = [this](const QString &name, const QByteArray &data) {
            QFile file(iconDir.filePath(name));
            return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
        };
        QVERIFY(iconDir.isValid() && QDir(iconDir.path()).mkdir(QStringLiteral("i")));
        QVERIFY(write(QStringLiteral("index.theme"),
                      "[Icon Theme]\nDirectories=i\n[i]\nSize=32\nType=Scalable\nMinSize=8\nMaxSize=256\n"));
        for (const auto &[name, side] : {std::make_pair("chevron.right.ForegroundBrush", 20),
                                         std::make_pair("status.checked.circular.colored", 32)})
            QVERIFY(write(QStringLiteral("i/%1.svg").arg(QLatin1String(name)),
                          QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%1'>"
                                         "<rect x='0' y='0' width='%2' height='%1' fill='#ff0000'/></svg>")
                              .arg(side)
                              .arg(side / 2 + 0.5)
                              .toUtf8()));
        QIcon::setThemeSearchPaths({QFileInfo(iconDir.path()).path()});
        QIcon::setThemeName(QFileInfo(iconDir.path()).fileName());
        QApplication::setStyle(new HighlightStyle(QStringLiteral("Fusion")));
    }

    // The check mark and the expand indicator come from the scalable icons at the device size: across the middle,
    // (side / 2 + 0.5) * 2 device pixels wholly red at ratio 2 (a 1x picture scaled up blends one more at the edge).
    void iconsFromScalableSources()
    {
        CardWidget card(QStringLiteral("Title"), nullptr);
        card.setProperty("BackgroundBrush", QBrush(Qt::blue));
        card.setCheckable(true);
        card.resize(240, 160);
        card.ensurePolished();
        card.setChecked(true);
        auto *header = card.findChild<CardWidgetBaseHeader *>();
        header->setExpandable(true);
        // The header alone: the card's highlight, over it, tints the expand indicator.
        for (const auto &[owner, indicator, side] :
             {std::tuple<QWidget *, QLabel *, int>(&card, card.findChild<QRubberBand *>()->findChild<QLabel *>(), 32),
              {header, header->findChild<QLabel *>(QStringLiteral("expandIndicator")), 20}}) {
            QVERIFY(indicator && !indicator->pixmap(Qt::ReturnByValue).isNull());
            const QImage image = renderedAt(*owner, 2.0, Qt::black);
            const QRect area(indicator->mapTo(owner, QPoint(0, 0)) * 2, indicator->size() * 2);
            int reds = 0;
            for (int x = area.left(); x <= area.right(); ++x)
                reds += image.pixel(x, area.center().y()) == qRgb(255, 0, 0);
            QCOMPARE(reds, side + 1);
        }
    }

    // Painted at the device resolution: patterns of even squares or stripes have, along the middle row over the
    // central 60 %, runs of one size in device pixels, each of one colour (an up-scaled pattern has runs of two sizes,
    // or blurred pixels between them); a slider groove's rounded end, left of the handles, differs from the picture at
    // ratio 1 scaled up, as a groove kept at ratio 1 would be.
    void paintedAtDeviceResolution_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("run"); // in device pixels; none for a groove's end
        const Make button = [](qreal) -> QWidget * {
            auto *button = new ColorButton(QColor(0, 90, 255, 100), nullptr);
            button->setFlat(true);
            button->resize(200, 44);
            return button;
        };
        const Make colormapGroove = [](qreal) -> QWidget * {
            auto *slider = new ColormapRangeSlider;
            slider->setMinimumHeight(20);
            slider->resize(300, 40);
            return slider;
        };
        // A pixmap of the device's ratio, in stripes two device pixels wide, shown pixel for pixel.
        const Make stripes = [](qreal ratio) -> QWidget * {
            QImage image(QSizeF(QSizeF(200, 20) * ratio).toSize(), QImage::Format_RGB32);
            for (int x = 0; x < image.width(); ++x)
                for (int y = 0; y < image.height(); ++y)
                    image.setPixel(x, y, x / 2 % 2 ? 0xff000000 : 0xffffffff);
            QPixmap pixmap = QPixmap::fromImage(image);
            pixmap.setDevicePixelRatio(ratio);
            auto *widget = new RoundedPixmap(pixmap);
            widget->resize(200, 20);
            return widget;
        };
        // (The colormap slider's groove end is the chessboard's, checked above.)
        const Make groove = [](qreal) -> QWidget * {
            auto *slider = new RangeSlider;
            for (const char *name : {"BorderBrush", "BackgroundBrush", "RangeBrush", "DefaultBrush"})
                slider->setProperty(name, QBrush(QColor(40, 90, 200)));
            slider->setProperty("CornerRadius", 4);
            slider->resize(300, 24);
            slider->setSliderRange(40, 71);
            return slider;
        };
        for (const qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
            QTest::addRow("colour button chessboard at %g", ratio) << button << ratio << int(std::lround(8 * ratio));
            QTest::addRow("colormap groove chessboard at %g", ratio)
                << colormapGroove << ratio << int(std::lround(5 * ratio));
            QTest::addRow("rounded pixmap at %g", ratio) << stripes << ratio << 2;
            if (ratio > 1)
                QTest::addRow("range slider groove's end at %g", ratio) << groove << ratio << 0;
        }
    }
    void paintedAtDeviceResolution()
    {
        QFETCH(Make, make);
        QFETCH(qreal, ratio);
        QFETCH(int, run);
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        const std::unique_ptr<QWidget> widget(make(ratio));
        widget->setStyle(fusion.get());
        const QImage image = renderedAt(*widget, ratio);
        if (run) {
            const int from = image.width() / 5;
            const QVector<int> runs = innerRuns(image, image.height() / 2, from, image.width() - from);
            QVERIFY2(runs.size() >= 4, qPrintable(QString::number(runs.size())));
            QCOMPARE(runs, QVector<int>(runs.size(), run));
            return;
        }
        const QRect end(0, 0, 60, 24); // left of the lower handle
        const QRect deviceEnd(QPoint(0, 0), (QSizeF(end.size()) * ratio).toSize());
        for (const Qt::TransformationMode mode : {Qt::FastTransformation, Qt::SmoothTransformation}) {
            const QImage upscaled
                = renderedAt(*widget, 1.0).copy(end).scaled(deviceEnd.size(), Qt::IgnoreAspectRatio, mode);
            QVERIFY(image.copy(deviceEnd) != upscaled.convertToFormat(image.format()));
        }
    }

    // Icons that Qt's style draws on a button come at the window's ratio: on a screen of ratio 2 (the suite runs
    // once more with QT_SCALE_FACTOR=2) the log-in button's default avatar equals the avatar drawn at that ratio.
    void avatarAtTheScreenRatio()
    {
        UserConnector connector(nullptr, nullptr);
        QVERIFY(TestSupport::showExposed(connector));
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
        // The opaque pixels of the avatar, looked for near the left of the button.
        const auto foundAt = [&](int dx, int dy) {
            for (int y = 0; y < avatar.height(); ++y)
                for (int x = 0; x < avatar.width(); ++x)
                    if (qAlpha(avatar.pixel(x, y)) == 255
                        && !colourMismatch(shot.pixelColor(x + dx, y + dy), avatar.pixelColor(x, y), 16).isEmpty())
                        return false;
            return true;
        };
        bool found = false;
        for (int dy = 0; dy + avatar.height() <= shot.height(); ++dy)
            for (int dx = 0; dx <= int(12 * ratio); ++dx)
                found = found || foundAt(dx, dy);
        QVERIFY(found);
    }

private:
    QTemporaryDir iconDir;
};

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
