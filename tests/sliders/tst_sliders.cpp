// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ColormapRangeSlider.h>
#include <ComponentsLibrary/RangeSlider.h>
#include <ComponentsLibrary/SliderHighContrast.h>
#include <ComponentsLibrary/SliderHighlighted.h>
#include <vantor_common_utils/Helpers.h>

#include "SliderPieces_p.h"

#include <QAccessible>
#include <QPainter>
#include <QPixmapCache>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include <functional>

#include "TestSupport.h"

using namespace Nalu::Components;
using namespace TestSupport;
using Nalu::Models::Colormap;
using Nalu::Models::ColormapModel;

// Where the pointer goes on a slider: just inside a handle's outer edge, on the common centre of two stacked
// handles, midway between the handle centres, on the groove below the range.
enum Spot { MinEdge, MaxEdge, Tie, Between, LeftOfRange };
Q_DECLARE_METATYPE(Spot)
// How a slider shows its value pop-ups.
enum PopupOption { PopupsAbove = 1, NoPopups = 2, TallSlider = 4, Mirrored = 8 };

// A theme colour declared as a property: it changes without an event, so it must be read at each paint.
class DeclaredThemeSlider : public RangeSlider
{
    Q_OBJECT
    Q_PROPERTY(QBrush RangeBrush MEMBER rangeBrush)

public:
    QBrush rangeBrush {Qt::red};
};

namespace {

// Gives the style's rectangles of a slider's parts, with the handle at a value.
template<typename Base>
struct Probe : Base
{
    QRect part(QStyle::SubControl control, int value = 0) const
    {
        QStyleOptionSlider option;
        Base::initStyleOption(&option);
        option.sliderPosition = option.sliderValue = value;
        return Base::style()->subControlRect(QStyle::CC_Slider, &option, control, this);
    }
};

// A pointer move as the window system delivers it: the cursor moves, the widget gets the event.
void move(QWidget *w, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton)
{
    QCursor::setPos(w->mapToGlobal(pos));
    QMouseEvent event(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

using Shown = QPair<bool, bool>;
using IntPair = QPair<int, int>;

// What is down: "min", "max", then "slider" when the slider says so.
QString down(const RangeSlider &s)
{
    QStringList down {s.isMinimumHandleDown() ? QStringLiteral("min") : QString(),
                      s.isMaximumHandleDown() ? QStringLiteral("max") : QString(),
                      s.isSliderDown() ? QStringLiteral("slider") : QString()};
    down.removeAll(QString());
    return down.join(QLatin1Char(' '));
}

// A range slider shown at a known place in Fusion. Its value pop-ups, each a spin box in a window, are made
// when one first shows: until then there are none to look at, and none shows.
template<typename Base = RangeSlider>
struct Fixture
{
    explicit Fixture(int low = 10, int high = 20, QSize size = QSize(300, 30), bool rtl = false)
    {
        QCursor::setPos(0, 0);
        slider.setStyle(style.get());
        slider.setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
        slider.setGeometry(QRect(QPoint(100, 100), size));
        slider.setSliderRange(low, high);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider)); // a failure here is reported; the test then stops on it
    }
    // The spin box of the minimum (0) or the maximum (1) pop-up; null before the pop-ups are made.
    QSpinBox *spin(int i) const
    {
        const QList<QSpinBox *> spins = slider.template findChildren<QSpinBox *>();
        return spins.size() == 2 ? spins.at(i) : nullptr;
    }
    QWidget *popup(int i) const { return spin(i) ? spin(i)->parentWidget() : nullptr; }
    bool shows(int i) const { return popup(i) && popup(i)->isVisible(); }
    QRect handle(int value) const { return slider.part(QStyle::SC_SliderHandle, value); }
    QRect groove() const { return slider.part(QStyle::SC_SliderGroove); }
    // Moves the pointer to p; then whether the minimum and the maximum pop-ups show.
    Shown hover(QPoint p)
    {
        move(&slider, p);
        return {shows(0), shows(1)};
    }
    QPoint at(Spot spot) const
    {
        const QRect a = handle(slider.getMinHandleValue()), b = handle(slider.getMaxHandleValue());
        const bool rtl = slider.isRightToLeft(); // the minimum on the right
        const int x = spot == MinEdge ? (rtl ? a.right() - 1 : a.left() + 1)
            : spot == MaxEdge         ? (rtl ? b.left() + 1 : b.right() - 1)
            : spot == Tie             ? (a.left() + b.right() + 1) / 2
            : spot == Between         ? (a.center().x() + b.center().x()) / 2
                                      : handle(slider.minimum() + 8).center().x();
        return {x, a.center().y()};
    }
    std::unique_ptr<QStyle> style {QStyleFactory::create(QStringLiteral("Fusion"))};
    Probe<Base> slider;
};

// Empty when the pixel is near the wanted colour (an invalid one wants either square of the chessboard).
QString mismatch(QWidget &w, QPoint p, const QColor &want)
{
    const QColor c = w.grab().toImage().pixelColor(p);
    if (want.isValid()) {
        return colourMismatch(c, want);
    }
    const QColor dark = w.isEnabled() ? QColor(Qt::black) : QColor(Qt::black).lighter(150);
    const QColor light = w.isEnabled() ? QColor(70, 70, 70) : QColor(70, 70, 70).darker(200);
    return colourMismatch(c, dark).isEmpty() ? QString() : colourMismatch(c, light);
}

const QColor red(255, 0, 0), green(0, 160, 0), blue(0, 0, 255), yellow(255, 255, 0), magenta(255, 0, 255);

// Shows a slider of the row's theme and state, then compares the colours painted (see paintsColoursOfEachPart).
template<typename Slider>
void probeColours()
{
    QFETCH(QByteArray, model);
    QFETCH(QByteArray, state);
    QFETCH(bool, rtl);
    const int tall = state.contains("tall") ? 24 : 0; // a minimum height that heightens the groove and handles
    // A range box no whole number of sections wide: the last section overhangs.
    Fixture<Slider> f(25, 74, QSize(300, tall ? 48 : 30), rtl);
    const QPair<const char *, QColor> theme[]
        = {{"BackgroundBrush", green}, {"BackgroundBrushDisabled", Qt::gray},
           {"RangeBrush", red},        {"RangeBrushDisabled", QColor(100, 0, 0)},
           {"DefaultBrush", blue},     {"DefaultBrushDisabled", QColor(0, 0, 100)},
           {"SunkenBrush", yellow},    {"HoverBrush", magenta},
           {"HoverBrushDisabled", red}};
    for (const auto &entry : theme)
        f.slider.setProperty(entry.first, QBrush(entry.second));
    f.slider.setProperty("CornerRadius", 3);
    f.slider.setMinimumHeight(tall);
    f.slider.setEnabled(!state.contains("disabled"));
    const Colormap gradient(QStringLiteral("g"), QMap<double, QColor> {{0.0, red}, {1.0, blue}});
    const Colormap discrete(QStringLiteral("d"), QVector<QColor> {red, green, blue, yellow});
    auto colormaps = std::make_unique<ColormapModel>();
    colormaps->setCurrentColormap(model == "gradient" ? &gradient : model == "discrete" ? &discrete : nullptr);
    if constexpr (std::is_same_v<Slider, ColormapRangeSlider>) {
        f.slider.setBoundColormapToRange(state.contains("bound"));
        f.slider.setColormapModel(colormaps.get());
    }
    if (model == "deleted")
        colormaps.reset();
    const QRect groove = f.groove(), minRect = f.handle(25), maxRect = f.handle(74);
    if (state == "drag")
        QTest::mousePress(&f.slider, Qt::LeftButton, {}, f.at(Between));
    if (state == "hover")
        QCursor::setPos(f.slider.mapToGlobal(maxRect.center()));
    QFETCH(QColor, left);
    QFETCH(QColor, right);
    QFETCH(QColor, handle);
    QFETCH(QVector<QColor>, inside);
    const int y = tall ? groove.top() + tall - 3 : groove.center().y();
    QCOMPARE(mismatch(f.slider, {(groove.left() + (rtl ? maxRect : minRect).left()) / 2, y}, left), QString());
    QCOMPARE(mismatch(f.slider, {((rtl ? minRect : maxRect).right() + groove.right()) / 2, y}, right), QString());
    // The outer half, clear of the grip lines.
    const QPoint outerHalf(rtl ? maxRect.left() + 1 : maxRect.right() - 1, tall ? maxRect.top() + tall - 2 : y);
    QCOMPARE(mismatch(f.slider, outerHalf, handle), QString());
    const int minCentre = minRect.center().x(), width = qAbs(maxRect.center().x() - minCentre);
    for (int i = 0; i < inside.size(); ++i) {
        const int along = inside.size() == 1 ? width / 2 : i < 4 ? 2 + (width - 4) * i / 3 : width - 1;
        QCOMPARE(mismatch(f.slider, {minCentre + (rtl ? -along : along), y}, inside.at(i)), QString());
    }
}

// A slider painted off screen in Fusion, themed as all others made here; colormap sliders show `colormaps`.
struct Offscreen
{
    Offscreen(const QByteArray &kind, int alpha = 255, int radius = 4) // kind: range, declared, gradient, discrete
        : alpha(alpha)
        , radius(radius)
    {
        colormaps.setCurrentColormap(kind == "discrete" ? Nalu::Models::Colormaps::categorical10()
                                                        : Nalu::Models::Colormaps::viridisLike());
        slider = make(kind);
    }
    std::unique_ptr<RangeSlider> make(const QByteArray &kind)
    {
        std::unique_ptr<RangeSlider> s(kind == "range"          ? new RangeSlider
                                           : kind == "declared" ? static_cast<RangeSlider *>(new DeclaredThemeSlider)
                                                                : new ColormapRangeSlider);
        if (auto *c = qobject_cast<ColormapRangeSlider *>(s.get()))
            c->setColormapModel(&colormaps);
        s->setStyle(style.get());
        s->resize(333, 24);
        s->setSliderRange(20, 70);
        int hue = 0;
        for (const char *name : {"BorderBrush", "BackgroundBrush", "RangeBrush", "DefaultBrush"})
            s->setProperty(name, QBrush(QColor::fromHsv(hue += 80, 200, 200, alpha)));
        s->setProperty("BorderBrushDisabled", s->property("BorderBrush")); // disabling changes the groove's inside only
        s->setProperty("CornerRadius", radius);
        return s;
    }
    QImage paint() const
    {
        QImage image(slider->size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        slider->render(&image);
        return image;
    }
    std::unique_ptr<QStyle> style {QStyleFactory::create(QStringLiteral("Fusion"))};
    ColormapModel colormaps;
    int alpha, radius;
    qreal ratio = 1;
    std::unique_ptr<RangeSlider> slider;
};

// A change to an off-screen slider, or to how it is painted; it may put another slider in its place.
using Step = std::function<void(Offscreen &)>;

} // namespace

Q_DECLARE_METATYPE(QVector<Step>)

class TestSliders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void settersClampOrderAndSignalChanges_data()
    {
        QTest::addColumn<QString>("setter"); // a slot taking two values, or a property taking the first
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("low"); // the range that results from 10-20 over 0-99
        QTest::addColumn<int>("high");
        QTest::addColumn<QString>("emitted"); // the new range first, then each end that changed
        QTest::newRow("unchanged, reversed") << "setSliderRange" << 20 << 10 << 10 << 20 << "";
        QTest::newRow("reversed, clamped") << "setSliderRange" << 500 << -7 << 0 << 99 << "range 0 99, min 0, max 99";
        QTest::newRow("min pushes max") << "minHandleValue" << 50 << 0 << 50 << 50 << "range 50 50, min 50, max 50";
        QTest::newRow("max pulls min") << "maxHandleValue" << 5 << 0 << 5 << 5 << "range 5 5, min 5, max 5";
        QTest::newRow("bounds move both") << "setRange" << 30 << 40 << 30 << 30 << "range 30 30, min 30, max 30";
        QTest::newRow("bounds shrink") << "setRange" << 0 << 15 << 10 << 15 << "range 10 15, max 15";
    }
    void settersClampOrderAndSignalChanges()
    {
        QFETCH(QString, setter);
        QFETCH(int, first);
        QFETCH(int, second);
        RangeSlider s;
        s.setSliderRange(10, 20);
        SignalLog log;
        log.record(&s, &RangeSlider::sliderRangeChanged, QStringLiteral("range"));
        log.record(&s, &RangeSlider::minHandleValueChanged, QStringLiteral("min"));
        log.record(&s, &RangeSlider::maxHandleValueChanged, QStringLiteral("max"));
        if (setter.startsWith(QLatin1String("set")))
            QVERIFY(QMetaObject::invokeMethod(&s, qPrintable(setter), Q_ARG(int, first), Q_ARG(int, second)));
        else
            QVERIFY(s.setProperty(qPrintable(setter), first));
        QTEST(s.getMinHandleValue(), "low");
        QTEST(s.getMaxHandleValue(), "high");
        QTEST(log.joined(), "emitted");
    }

    void minimumSizeHintHasEvenHeight() // tick marks change the parity of the base slider's height
    {
        for (auto ticks : {QSlider::NoTicks, QSlider::TicksAbove, QSlider::TicksBothSides}) {
            RangeSlider s;
            s.setTickPosition(ticks);
            const QSize base = s.QSlider::minimumSizeHint();
            QCOMPARE(s.minimumSizeHint(), QSize(base.width(), base.height() + base.height() % 2));
        }
    }

    void dragMovesHandleOrRange_data()
    {
        QTest::addColumn<bool>("rtl"); // mirrored: the same values, the pointer moving the other way
        QTest::addColumn<Spot>("press");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("value"); // the base slider's own value, whose handle is not shown
        QTest::addColumn<int>("moveBy"); // in values; beyond the bounds the pointer leaves the groove
        QTest::addColumn<int>("newLow");
        QTest::addColumn<int>("newHigh");
        QTest::addColumn<QString>("grabbed"); // what is down once pressed
        for (const bool rtl : {false, true}) {
            const auto row = [rtl](const char *name) -> QTestData & {
                return QTest::addRow("%s%s", name, rtl ? ", right to left" : "") << rtl;
            };
            row("min handle") << MinEdge << 20 << 60 << 0 << 20 << 40 << 60 << "min slider";
            row("min stops at max") << MinEdge << 20 << 60 << 0 << 70 << 60 << 60 << "min slider";
            row("max stops at min") << MaxEdge << 20 << 60 << 0 << -50 << 20 << 20 << "max slider";
            row("stacked at minimum, tie grabs max") << Tie << 0 << 0 << 0 << 30 << 0 << 30 << "max slider";
            row("stacked at maximum, outer edge grabs min")
                << MinEdge << 99 << 99 << 0 << -30 << 69 << 99 << "min slider";
            row("odd range keeps its width") << Between << 20 << 35 << 0 << 28 << 48 << 63 << "min max slider";
            row("range stops at maximum") << Between << 20 << 35 << 0 << 500 << 84 << 99 << "min max slider";
            row("range stops at minimum") << Between << 20 << 35 << 0 << -500 << 0 << 15 << "min max slider";
            row("range from base slider's handle") << Between << 20 << 60 << 40 << 10 << 30 << 70 << "min max slider";
            row("groove outside range") << LeftOfRange << 40 << 60 << 0 << 10 << 40 << 60 << "";
        }
    }
    void dragMovesHandleOrRange()
    {
        QFETCH(Spot, press);
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, value);
        QFETCH(int, moveBy);
        QFETCH(bool, rtl);
        Fixture<> f(low, high, QSize(300, 30), rtl);
        f.slider.setValue(value);
        const QPoint start = f.at(press);
        const int from = (low + high) / 2, to = qBound(0, from + moveBy, 99);
        const int far = (from + moveBy > 99 ? 400 : (from + moveBy < 0 ? -400 : 0)) * (rtl ? -1 : 1);
        const QPoint end = start + QPoint(f.handle(to).left() - f.handle(from).left() + far, 0);
        QTest::mousePress(&f.slider, Qt::LeftButton, {}, start);
        QTEST(down(f.slider), "grabbed");
        move(&f.slider, (start + end) / 2, Qt::LeftButton);
        move(&f.slider, end, Qt::LeftButton);
        QTest::mouseRelease(&f.slider, Qt::LeftButton, {}, end);
        QTEST(f.slider.getMinHandleValue(), "newLow");
        QTEST(f.slider.getMaxHandleValue(), "newHigh");
        QCOMPARE(down(f.slider), QString());
    }

    void pressIgnoredWithoutBounds()
    {
        Fixture<> f(0, 0);
        f.slider.setRange(0, 0);
        QTest::mousePress(&f.slider, Qt::LeftButton, {}, f.at(MinEdge));
        QCOMPARE(down(f.slider), QString());
    }

    // Hovering shows the pop-up of each handle reached, beside the handle; its spin box offers the slider's bounds,
    // set before the pop-ups are made or while they show, and names its handle.
    void popupsShowBesideHoveredHandleWithItsValue_data()
    {
        QTest::addColumn<Spot>("where");
        QTest::addColumn<int>("options");
        QTest::addColumn<Shown>("shown"); // the minimum and the maximum pop-up
        QTest::addColumn<IntPair>("bounds"); // set before hovering
        QTest::addColumn<IntPair>("later"); // set while the pop-ups show, unless empty
        const IntPair none(0, 0), fixed(0, 99);
        QTest::newRow("min handle, tall slider") << MinEdge << int(TallSlider) << Shown(true, false) << fixed << none;
        QTest::newRow("max handle, above") << MaxEdge << int(PopupsAbove) << Shown(false, true) << fixed << none;
        QTest::newRow("between handles, above, bounds set first")
            << Between << int(PopupsAbove) << Shown(true, true) << IntPair(-50, 250) << none;
        QTest::newRow("not allowed") << Between << int(NoPopups) << Shown(false, false) << fixed << none;
        QTest::newRow("min handle, right to left") << MinEdge << int(Mirrored) << Shown(true, false) << fixed << none;
        QTest::newRow("between handles, right to left, bounds set later")
            << Between << int(Mirrored) << Shown(true, true) << fixed << IntPair(5, 70);
        QTest::newRow("bounds set first and later")
            << Between << 0 << Shown(true, true) << IntPair(-9, 500) << IntPair(20, 40);
    }
    void popupsShowBesideHoveredHandleWithItsValue()
    {
        QFETCH(int, options);
        QFETCH(IntPair, bounds);
        QFETCH(IntPair, later);
        const bool above = options & PopupsAbove, rtl = options & Mirrored;
        const int minimumHeight = options & TallSlider ? 40 : 0;
        Fixture<> f(30, 60, QSize(300, qMax(30, minimumHeight)), rtl);
        f.slider.setMinimumHeight(minimumHeight);
        f.slider.setPopupPosition(above ? RangeSlider::Above : RangeSlider::Below);
        f.slider.setCanShowInputPopups(!(options & NoPopups));
        f.slider.setRange(bounds.first, bounds.second);
        QFETCH(Spot, where);
        const Shown shown = f.hover(f.at(where));
        QTEST(shown, "shown");
        // Beside the handle centre: the minimum pop-up hangs left of it, the maximum one right of it (mirrored
        // from right to left); 4 pixels farther from a slider taller than the style's.
        const int extra = minimumHeight ? 4 : 0, h = f.slider.height();
        const int top = f.slider.mapToGlobal(QPoint(0, above ? 2 - h - extra : h - 1 + extra)).y();
        for (int i : {0, 1})
            if (i ? shown.second : shown.first) {
                const QRect g(f.popup(i)->pos(), f.popup(i)->size()); // where it was moved to
                const int centre = f.slider.mapToGlobal(f.handle(i ? 60 : 30).center()).x();
                QVERIFY(qAbs((bool(i) != rtl ? g.left() : g.right() + 1) - centre) <= 1);
                QCOMPARE(g.top(), top);
            }
        if (later != IntPair())
            f.slider.setRange(later.first, later.second);
        for (int i : {0, 1})
            if (QSpinBox *spin = (i ? shown.second : shown.first) ? f.spin(i) : nullptr) {
                QCOMPARE(qMakePair(spin->minimum(), spin->maximum()), later != IntPair() ? later : bounds);
                QCOMPARE(spin->value(), i ? f.slider.getMaxHandleValue() : f.slider.getMinHandleValue());
                QAccessibleInterface *face = QAccessible::queryAccessibleInterface(spin);
                QVERIFY(face);
                QCOMPARE(face->text(QAccessible::Name), i ? QStringLiteral("Maximum") : QStringLiteral("Minimum"));
            }
    }

    void popupStaysWhileReachedAndHidesAfterLeaving_data()
    {
        QTest::addColumn<bool>("rtl"); // the zone then lies right of the minimum handle
        QTest::newRow("left to right") << false;
        QTest::newRow("right to left") << true;
    }
    void popupStaysWhileReachedAndHidesAfterLeaving()
    {
        QFETCH(bool, rtl);
        Fixture<> f(30, 60, QSize(300, 30), rtl);
        const QRect handle = f.handle(30);
        // The zone beside (outside the range) and below the handle keeps a shown pop-up open, but never opens one.
        const QPoint zone(rtl ? handle.right() + 5 : handle.left() - 5, handle.bottom() + 5);
        QCOMPARE(f.hover(zone), Shown(false, false));
        QCOMPARE(f.hover(f.at(MinEdge)), Shown(true, false));
        QWidget *popup = f.popup(0);
        QTimer *timer = popup->findChild<QTimer *>();
        QCOMPARE(f.hover(zone), Shown(true, false));
        QCOMPARE(f.hover(QPoint(rtl ? handle.left() - 12 : handle.right() + 12, handle.bottom() + 8)),
                 Shown(false, false));
        // While a handle is dragged its pop-up shows wherever the pointer is.
        const QPoint corner(f.slider.width() - 1, 0);
        QTest::mousePress(&f.slider, Qt::LeftButton, {}, f.at(MaxEdge));
        move(&f.slider, corner, Qt::LeftButton);
        QCOMPARE(f.hover(corner), Shown(false, true));
        QTest::mouseRelease(&f.slider, Qt::LeftButton, {}, corner);
        // Leaving the slider starts the countdown; entering the pop-up stops it.
        move(&f.slider, f.at(MinEdge));
        QCursor::setPos(0, 0);
        QEvent leave(QEvent::Leave), enter(QEvent::Enter);
        QApplication::sendEvent(&f.slider, &leave);
        QVERIFY(timer->isActive() && popup->isVisible());
        QApplication::sendEvent(popup, &enter);
        QVERIFY(!timer->isActive());
        QApplication::sendEvent(popup, &leave);
        QVERIFY(timer->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!popup->isVisible(), 3000);
    }

    void popupEditAppliesOnEnterOrFocusOutNotOnEscape()
    {
        Fixture<> f(10, 20);
        QSignalSpy spy(&f.slider, &RangeSlider::sliderRangeChanged);
        // Enter applies the typed value; the other handle is pushed along, the pop-up follows its handle.
        move(&f.slider, f.at(MinEdge));
        f.spin(0)->selectAll();
        QTest::keyClicks(f.spin(0), QStringLiteral("70"));
        QTest::keyClick(f.spin(0), Qt::Key_Enter);
        QCOMPARE(static_cast<QList<QVariantList>>(spy), QList<QVariantList>({{70, 70}}));
        const int centre = f.slider.mapToGlobal(f.handle(70).center()).x();
        QVERIFY(qAbs(f.popup(0)->pos().x() + f.popup(0)->width() - centre) <= 1);
        // Escape in the active pop-up hides it and changes nothing.
        QCOMPARE(f.hover(f.at(MaxEdge)), Shown(false, true));
        QApplication::setActiveWindow(f.popup(1));
        QTest::keyClick(f.spin(1), Qt::Key_Escape);
        QVERIFY(!f.popup(1)->isVisible());
        QCOMPARE(spy.count(), 1);
        // Losing the focus hides the pop-up and applies the typed value.
        move(&f.slider, f.at(MaxEdge));
        f.spin(1)->selectAll();
        QTest::keyClicks(f.spin(1), QStringLiteral("90"));
        QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
        QApplication::sendEvent(f.spin(1), &out);
        QVERIFY(!f.popup(1)->isVisible());
        QCOMPARE(f.slider.getMaxHandleValue(), 90);
    }

    // The colours painted beside the range, on the maximum handle's outer half and along the range: at its middle,
    // or in each section of a discrete colormap from the minimum handle on. An invalid colour wants the chessboard.
    void paintsColoursOfEachPart_data()
    {
        QTest::addColumn<QByteArray>("model"); // a colormap slider's, or empty for a range slider
        QTest::addColumn<QByteArray>("state"); // disabled, drag (the range), hover (the maximum handle), bound, tall
        QTest::addColumn<bool>("rtl");
        QTest::addColumn<QColor>("left");
        QTest::addColumn<QColor>("right");
        QTest::addColumn<QColor>("handle");
        QTest::addColumn<QVector<QColor>>("inside");
        const QColor chess, dim(0, 0, 100), purple(128, 0, 127), grey(Qt::gray);
        const QVector<QColor> sections {red, green, blue, yellow, yellow}; // the last one overhangs to the end
        QVector<QColor> darkSections;
        for (const QColor &c : sections)
            darkSections << c.darker(200);
        const auto row = [](const char *name, const char *model, const char *state, bool rtl) -> QTestData & {
            return QTest::newRow(name) << QByteArray(model) << QByteArray(state) << rtl;
        };
        row("idle", "", "", false) << green << green << blue << QVector<QColor> {mixed(red, blue, 0.4)};
        row("disabled", "", "disabled", false)
            << grey << grey << dim << QVector<QColor> {mixed(QColor(100, 0, 0), dim, 0.4)};
        row("range dragged", "", "drag", false)
            << green << green << yellow << QVector<QColor> {mixed(red, yellow, 0.4)};
        row("hovered handle", "", "hover", false)
            << green << green << magenta << QVector<QColor> {mixed(red, blue, 0.4)};
        row("idle, right to left", "", "", true) << green << green << blue << QVector<QColor> {mixed(red, blue, 0.4)};
        row("hovered handle, right to left", "", "hover", true)
            << green << green << magenta << QVector<QColor> {mixed(red, blue, 0.4)};
        row("no current colormap", "none", "", false) << chess << chess << blue << QVector<QColor> {chess};
        row("deleted colormap model", "deleted", "", false) << chess << chess << blue << QVector<QColor> {chess};
        row("gradient", "gradient", "", false) << red << blue << blue << QVector<QColor> {purple};
        row("gradient, disabled", "gradient", "disabled", false)
            << red.darker(200) << blue.darker(200) << dim << QVector<QColor> {purple.darker(200)};
        row("discrete, bound, disabled", "discrete", "bound disabled", false) << chess << chess << dim << darkSections;
        row("discrete, tall", "discrete", "tall", false) << red << yellow << blue << sections;
        // From right to left the colormap runs from the minimum handle, on the right, to the left.
        row("gradient, right to left", "gradient", "", true) << blue << red << blue << QVector<QColor> {purple};
        row("discrete, right to left", "discrete", "", true) << yellow << red << blue << sections;
    }
    void paintsColoursOfEachPart()
    {
        QFETCH(QByteArray, model);
        model.isEmpty() ? probeColours<RangeSlider>() : probeColours<ColormapRangeSlider>();
    }

    // Sliders keep pictures of their parts from one paint to the next, and share their groove's with sliders of
    // the same look: after each change a slider paints as a new one given the same changes, painting alone.
    void keptPicturesFollowEachChange_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<int>("alpha"); // of the theme colours
        QTest::addColumn<int>("radius");
        QTest::addColumn<QVector<Step>>("steps"); // the slider used is painted after each
        const auto set = [](const char *name, const QVariant &value) -> Step {
            return [=](Offscreen &o) { o.slider->setProperty(name, value); };
        };
        const auto low = [](int low) -> Step { return [=](Offscreen &o) { o.slider->setSliderRange(low, 64); }; };
        const auto another = [](const char *kind, const Step &own) -> Step {
            return [=](Offscreen &o) {
                o.slider = o.make(kind);
                own(o);
            };
        };
        const auto row
            = [](const QByteArray &name, const char *kind, const QVector<Step> &steps, int alpha = 255,
                 int radius = 4) { QTest::newRow(name.constData()) << QByteArray(kind) << alpha << radius << steps; };
        const QVector<Step> moves {low(3), low(40), low(63), low(12)};
        row("moved", "range", moves);
        row("moved, translucent, square", "range", moves, 120, 0);
        row("gradient moved", "gradient", moves, 255, 3);
        row("gradient moved, translucent, round", "gradient", moves, 120, 30);
        row("discrete moved", "discrete", moves, 255, 5);
        const QPair<const char *, Step> changes[]
            = {{"frame colour", set("DefaultBrush", QBrush(QColor(40, 200, 90)))},
               {"range colour",
                [](Offscreen &o) {
                    o.slider->setProperty("RangeBrush", QBrush(QColor(90, 40, 200)));
                    o.colormaps.setCurrentColormap(Nalu::Models::Colormaps::grayscale());
                }},
               {"disabled", [](Offscreen &o) { o.slider->setEnabled(false); }},
               {"ratio", [](Offscreen &o) { o.ratio = 2; }},
               {"size", [](Offscreen &o) { o.slider->resize(250, 24); }},
               {"right to left", [](Offscreen &o) { o.slider->setLayoutDirection(Qt::RightToLeft); }}};
        for (const char *kind : {"range", "gradient"})
            for (const auto &change : changes)
                row(QByteArray(kind) + ", " + change.first, kind, {change.second});
        row("declared range colour", "declared", {changes[1].second});
        // A slider painted after another, with a groove like it or not.
        row("another slider, moved", "range", {another("range", low(12))});
        row("another slider's border", "range", {another("range", set("BorderBrush", QBrush(Qt::red)))});
        row("another slider's background", "range", {another("range", set("BackgroundBrush", QBrush(Qt::yellow)))});
        row("another slider's corner radius", "range", {another("range", set("CornerRadius", 1))});
        row("another slider's size", "range", {another("range", changes[4].second)});
        row("colormap slider after range slider", "range", {another("gradient", low(20))});
    }
    void keptPicturesFollowEachChange()
    {
        QFETCH(QByteArray, kind);
        QFETCH(int, alpha);
        QFETCH(int, radius);
        QFETCH(QVector<Step>, steps);
        Offscreen used(kind, alpha, radius), fresh(kind, alpha, radius);
        const QImage before = used.paint();
        QImage after;
        for (const Step &step : steps) {
            step(used);
            after = used.paint();
        }
        QVERIFY(after != before);
        for (const Step &step : steps)
            step(fresh);
        QPixmapCache::clear(); // the new slider paints its groove itself
        QCOMPARE(after, fresh.paint());
    }

    // The shapes kept by the sliders land exactly as drawing them there would: whole, stretched from
    // another width, moved by whole pixels, at several fractional offsets, opaque or translucent, on
    // images of one and of more device pixels per pixel, over every value a channel beneath can have
    // (frames are copied in layers where their sides blend twice).
    void keptShapesLandAsDrawn()
    {
        SliderPieces pieces;
        const auto rounded = [](QPainter *p, const QRectF &r) {
            p->setRenderHint(QPainter::Antialiasing);
            p->setPen(Qt::NoPen);
            p->setBrush(QColor(200, 40, 90, 200));
            Nalu::Helpers::drawRoundedRectShape(r, 4, Nalu::Helpers::TopLeftCorner | Nalu::Helpers::BottomLeftCorner,
                                                p);
        };
        for (const qreal ratio : {1.0, 1.25, 1.5, 2.0})
            for (const qreal x : {10.0, 10.5, 11.25, 12.0})
                for (const qreal w : {1.5, 9.0, 30.0, 250.5})
                    for (const int kind : {0, 1, 2}) { // opaque frame, translucent frame, shape with rounded corners
                        const QRectF r(x, 4.5 + kind * 0.25, w, 9);
                        const QColor color(30, 120, 200, kind ? 150 : 255);
                        // Each channel of a pixel is blended with the same channel beneath only.
                        for (int beneath = 0; beneath < 256; beneath += kind == 2 ? 51 : 1) {
                            QImage direct(QSize(300, 20) * ratio, QImage::Format_ARGB32_Premultiplied);
                            direct.setDevicePixelRatio(ratio);
                            direct.fill(qRgba(beneath, beneath, beneath, beneath));
                            QImage copied = direct;
                            QPainter d(&direct), c(&copied);
                            d.setRenderHint(QPainter::Antialiasing);
                            d.setPen(QPen(color, 1));
                            kind == 2 ? rounded(&d, r) : d.drawRect(r);
                            kind == 2 ? pieces.drawShape(&c, r, 4, 7, 4, 0, QColor(200, 40, 90, 200), rounded)
                                      : pieces.drawFrame(&c, r, color);
                            d.end();
                            c.end();
                            QVERIFY2(direct == copied,
                                     qPrintable(
                                         QString::asprintf("ratio %g: %g %g %d over %d", ratio, x, w, kind, beneath)));
                        }
                    }
    }

    void orientationAndStyleSelectors() // the theme styles these by their selector properties
    {
        const RangeSlider range;
        const SliderHighlighted vertical, horizontal(Qt::Horizontal, nullptr);
        const SliderHighContrast contrast;
        QVERIFY(range.orientation() == Qt::Horizontal && range.property("rangeSlider").toBool());
        QVERIFY(vertical.orientation() == Qt::Vertical && horizontal.orientation() == Qt::Horizontal);
        QVERIFY(vertical.property("slider_highlighted").toBool() && contrast.orientation() == Qt::Vertical);
        QVERIFY(contrast.property("slider_high_contrast").toBool()
                && !contrast.property("slider_highlighted").isValid());
    }
};

QTEST_MAIN(TestSliders)
#include "tst_sliders.moc"
