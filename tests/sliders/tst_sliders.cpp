// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ColormapRangeSlider.h>
#include <ComponentsLibrary/RangeSlider.h>
#include <ComponentsLibrary/SliderHighContrast.h>
#include <ComponentsLibrary/SliderHighlighted.h>
#include <vantor_common_utils/Helpers.h>

#include "SliderPieces_p.h"

#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include "TestSupport.h"

using namespace Nalu::Components;
using namespace TestSupport;
using Nalu::Models::Colormap;
using Nalu::Models::ColormapModel;

// Where the pointer goes on a slider: just inside a handle's outer edge, on the common centre of two stacked
// handles, midway between the handle centres, on the groove below the range.
enum Spot { MinEdge, MaxEdge, Tie, Between, LeftOfRange };
Q_DECLARE_METATYPE(Spot)

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
    QStringList down;
    for (const auto &[on, name] : {std::pair(s.isMinimumHandleDown(), "min"), std::pair(s.isMaximumHandleDown(), "max"),
                                   std::pair(s.isSliderDown(), "slider")})
        if (on)
            down << QLatin1String(name);
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

QColor blend(const QColor &u, const QColor &o) // o at 40 % opacity over u
{
    return mixed(u, o, 0.4);
}

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

} // namespace

// A theme colour declared as a property: it changes without an event, so it must be read at each paint.
class DeclaredThemeSlider : public Probe<RangeSlider>
{
    Q_OBJECT
    Q_PROPERTY(QBrush RangeBrush MEMBER rangeBrush)

public:
    QBrush rangeBrush {Qt::red};
};

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

    void popupsShowBesideHoveredHandle_data()
    {
        QTest::addColumn<Spot>("where");
        QTest::addColumn<bool>("above");
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<int>("minimumHeight");
        QTest::addColumn<Shown>("shown"); // the minimum and the maximum pop-up
        QTest::addColumn<bool>("rtl");
        QTest::newRow("min handle, tall slider") << MinEdge << false << true << 40 << Shown(true, false) << false;
        QTest::newRow("max handle, above") << MaxEdge << true << true << 0 << Shown(false, true) << false;
        QTest::newRow("between handles, above") << Between << true << true << 0 << Shown(true, true) << false;
        QTest::newRow("not allowed") << Between << false << false << 0 << Shown(false, false) << false;
        QTest::newRow("min handle, right to left") << MinEdge << false << true << 0 << Shown(true, false) << true;
        QTest::newRow("between handles, right to left") << Between << false << true << 0 << Shown(true, true) << true;
    }
    void popupsShowBesideHoveredHandle()
    {
        QFETCH(Spot, where);
        QFETCH(bool, above);
        QFETCH(bool, allowed);
        QFETCH(int, minimumHeight);
        QFETCH(bool, rtl);
        Fixture<> f(30, 60, QSize(300, qMax(30, minimumHeight)), rtl);
        f.slider.setMinimumHeight(minimumHeight);
        f.slider.setPopupPosition(above ? RangeSlider::Above : RangeSlider::Below);
        f.slider.setCanShowInputPopups(allowed);
        QTEST(f.hover(f.at(where)), "shown");
        // Beside the handle centre: the minimum pop-up hangs left of it, the maximum one right of it (mirrored
        // from right to left); 4 pixels farther from a slider taller than the style's.
        const int extra = minimumHeight ? 4 : 0, h = f.slider.height();
        const int top = f.slider.mapToGlobal(QPoint(0, above ? 2 - h - extra : h - 1 + extra)).y();
        for (int i : {0, 1})
            if (f.shows(i)) {
                const QRect g(f.popup(i)->pos(), f.popup(i)->size()); // where it was moved to
                const int centre = f.slider.mapToGlobal(f.handle(i ? 60 : 30).center()).x();
                QVERIFY(qAbs((bool(i) != rtl ? g.left() : g.right() + 1) - centre) <= 1);
                QCOMPARE(g.top(), top);
                QCOMPARE(f.spin(i)->value(), i ? 60 : 30);
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

    void popupSpinBoxesFollowBoundsAndNameTheHandle_data()
    {
        QTest::addColumn<QPair<int, int>>("before"); // bounds set before a pop-up first shows ({0, 0}: none)
        QTest::addColumn<QPair<int, int>>("after"); // bounds set while the pop-ups show ({0, 0}: none)
        QTest::addColumn<QPair<int, int>>("bounds"); // what the spin boxes then offer
        QTest::newRow("default bounds") << qMakePair(0, 0) << qMakePair(0, 0) << qMakePair(0, 99);
        QTest::newRow("bounds set first") << qMakePair(-50, 250) << qMakePair(0, 0) << qMakePair(-50, 250);
        QTest::newRow("bounds set later") << qMakePair(0, 0) << qMakePair(5, 70) << qMakePair(5, 70);
        QTest::newRow("bounds set first and later") << qMakePair(-9, 500) << qMakePair(20, 40) << qMakePair(20, 40);
    }
    void popupSpinBoxesFollowBoundsAndNameTheHandle()
    {
        QFETCH(IntPair, before);
        QFETCH(IntPair, after);
        Fixture<> f(30, 60);
        if (before != IntPair(0, 0))
            f.slider.setRange(before.first, before.second);
        // Between the handles both pop-ups show, each with the value of its handle.
        QCOMPARE(f.hover(f.at(Between)), Shown(true, true));
        if (after != IntPair(0, 0))
            f.slider.setRange(after.first, after.second);
        for (int i : {0, 1}) {
            QSpinBox *spin = f.spin(i);
            QTEST(qMakePair(spin->minimum(), spin->maximum()), "bounds");
            QCOMPARE(spin->value(), qBound(spin->minimum(), i ? 60 : 30, spin->maximum()));
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(spin);
            QVERIFY(face);
            QCOMPARE(face->text(QAccessible::Name), i ? QStringLiteral("Maximum") : QStringLiteral("Minimum"));
        }
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

    void paintsThemeColoursOfEachState_data()
    {
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<QColor>("box"); // the range box, laid at 40 % over the range bar
        QTest::addColumn<QColor>("handle"); // the maximum handle's outer half
        QTest::addColumn<QColor>("groove");
        QTest::addColumn<bool>("rtl");
        QTest::newRow("idle") << QByteArray("idle") << blue << blue << green << false;
        QTest::newRow("disabled") << QByteArray("disabled") << QColor(0, 0, 100) << QColor(0, 0, 100)
                                  << QColor(Qt::gray) << false;
        QTest::newRow("range dragged") << QByteArray("drag") << yellow << yellow << green << false;
        QTest::newRow("hovered handle") << QByteArray("hover") << blue << magenta << green << false;
        QTest::newRow("idle, right to left") << QByteArray("idle") << blue << blue << green << true;
        QTest::newRow("hovered handle, right to left") << QByteArray("hover") << blue << magenta << green << true;
    }
    void paintsThemeColoursOfEachState()
    {
        QFETCH(QByteArray, state);
        QFETCH(QColor, box);
        QFETCH(QColor, handle);
        QFETCH(QColor, groove);
        QFETCH(bool, rtl);
        Fixture<> f(30, 70, QSize(300, 30), rtl);
        const QPair<const char *, QColor> theme[]
            = {{"BackgroundBrush", green}, {"BackgroundBrushDisabled", Qt::gray},
               {"RangeBrush", red},        {"RangeBrushDisabled", QColor(100, 0, 0)},
               {"DefaultBrush", blue},     {"DefaultBrushDisabled", QColor(0, 0, 100)},
               {"SunkenBrush", yellow},    {"HoverBrush", magenta},
               {"HoverBrushDisabled", red}};
        for (const auto &entry : theme)
            f.slider.setProperty(entry.first, QBrush(entry.second));
        f.slider.setProperty("CornerRadius", 3);
        const QRect minRect = f.handle(30), maxRect = f.handle(70), grooveRect = f.groove();
        const int y = grooveRect.center().y();
        f.slider.setEnabled(state != "disabled");
        if (state == "drag")
            QTest::mousePress(&f.slider, Qt::LeftButton, {}, f.at(Between));
        if (state == "hover")
            QCursor::setPos(f.slider.mapToGlobal(maxRect.center()));
        const QPoint gap((minRect.center().x() + maxRect.center().x()) / 2, y);
        QCOMPARE(mismatch(f.slider, gap, blend(state == "disabled" ? QColor(100, 0, 0) : red, box)), QString());
        // The outer half, clear of the grip lines; then the groove beside the range.
        QCOMPARE(mismatch(f.slider, {rtl ? maxRect.left() + 1 : maxRect.right() - 1, y}, handle), QString());
        QCOMPARE(mismatch(f.slider, {(grooveRect.left() + std::min(minRect.left(), maxRect.left())) / 2, y}, groove),
                 QString());
        // A changed theme property shows at the next paint (no stale picture).
        f.slider.setProperty(state == "disabled" ? "RangeBrushDisabled" : "RangeBrush", QBrush(Qt::white));
        QCOMPARE(mismatch(f.slider, gap, blend(Qt::white, box)), QString());
    }

    void colormapPaintsGrooveRangeAndHandles_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<bool>("bound");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("minimumHeight");
        QTest::addColumn<bool>("rtl");
        QTest::newRow("no current colormap") << QByteArray("none") << false << true << 0 << false;
        QTest::newRow("deleted model") << QByteArray("deleted") << false << true << 0 << false;
        QTest::newRow("gradient") << QByteArray("gradient") << false << true << 0 << false;
        QTest::newRow("gradient, disabled") << QByteArray("gradient") << false << false << 0 << false;
        QTest::newRow("discrete, bound, disabled") << QByteArray("discrete") << true << false << 0 << false;
        QTest::newRow("discrete, tall") << QByteArray("discrete") << false << true << 24 << false;
        // From right to left the colormap runs from the minimum handle, on the right, to the left.
        QTest::newRow("gradient, right to left") << QByteArray("gradient") << false << true << 0 << true;
        QTest::newRow("discrete, right to left") << QByteArray("discrete") << false << true << 0 << true;
    }
    void colormapPaintsGrooveRangeAndHandles()
    {
        QFETCH(QByteArray, model);
        QFETCH(bool, bound);
        QFETCH(bool, enabled);
        QFETCH(int, minimumHeight);
        QFETCH(bool, rtl);
        const QVector<QColor> colours {red, green, blue, yellow};
        const Colormap gradient(QStringLiteral("g"), QMap<double, QColor> {{0.0, red}, {1.0, blue}});
        const Colormap discrete(QStringLiteral("d"), colours);
        auto colormapModel = std::make_unique<ColormapModel>();
        colormapModel->setCurrentColormap(model == "gradient" ? &gradient : model == "discrete" ? &discrete : nullptr);
        Fixture<ColormapRangeSlider> f(25, 74, QSize(300, minimumHeight ? 2 * minimumHeight : 24), rtl);
        f.slider.setMinimumHeight(minimumHeight);
        f.slider.setBoundColormapToRange(bound);
        f.slider.setEnabled(enabled);
        f.slider.setProperty("DefaultBrush", QBrush(QColor(200, 200, 200)));
        f.slider.setProperty("DefaultBrushDisabled", QBrush(QColor(200, 200, 200).darker(200)));
        f.slider.setColormapModel(colormapModel.get());
        if (model == "deleted")
            colormapModel.reset();
        const QRect groove = f.groove(), maxRect = f.handle(74);
        const int minCentre = f.handle(25).center().x(), maxCentre = maxRect.center().x();
        const int first = std::min(minCentre, maxCentre), last = std::max(minCentre, maxCentre), toMax = rtl ? -1 : 1;
        const int y = minimumHeight ? groove.top() + minimumHeight - 3 : groove.center().y();
        const auto shade = [enabled](QColor c) { return enabled ? c : c.darker(200); };
        const bool coloured = model == "gradient" || model == "discrete", outer = coloured && !bound;
        // Outside the range the first and last colours or the chessboard; the handle, heightened with the groove
        // under a larger minimum height; inside, the gradient's middle colour, or four equal sections covering the
        // box from one handle centre to the other, or the chessboard.
        QVector<QPair<QPoint, QColor>> checks {
            {{rtl ? (last + groove.right()) / 2 : (groove.left() + first) / 2, y}, outer ? shade(red) : QColor()},
            {{rtl ? (groove.left() + first) / 2 : (last + groove.right()) / 2, y},
             outer ? shade(model == "discrete" ? yellow : blue) : QColor()},
            {{rtl ? maxRect.left() + 1 : maxRect.right() - 1, minimumHeight ? maxRect.top() + minimumHeight - 2 : y},
             shade(QColor(200, 200, 200))},
            {{(minCentre + maxCentre) / 2, y}, coloured ? shade(QColor(128, 0, 127)) : QColor()}};
        checks.resize(model == "discrete" ? 3 : 4);
        for (int i = 0; model == "discrete" && i < 5; ++i) {
            const int x = minCentre + toMax * (i < 4 ? 2 + (last - first - 4) * i / 3 : last - first - 1);
            checks.append({{x, y}, shade(colours.value(i, yellow))});
        }
        for (const auto &check : checks)
            QCOMPARE(mismatch(f.slider, check.first, check.second), QString());
    }

    // After value changes, the picture (drawn from shapes kept from earlier paints) equals a new slider's.
    void repaintAfterChangesEqualsFreshPaint_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<int>("alpha"); // of the theme colours
        QTest::addColumn<int>("radius");
        QTest::newRow("range slider") << QByteArray() << 255 << 4;
        QTest::newRow("range slider, translucent, square") << QByteArray() << 120 << 0;
        QTest::newRow("gradient") << QByteArray("gradient") << 255 << 3;
        QTest::newRow("gradient, translucent, round") << QByteArray("gradient") << 120 << 30;
        QTest::newRow("discrete") << QByteArray("discrete") << 255 << 5;
    }
    void repaintAfterChangesEqualsFreshPaint()
    {
        QFETCH(QByteArray, model);
        QFETCH(int, alpha);
        QFETCH(int, radius);
        ColormapModel colormaps;
        colormaps.setCurrentColormap(model == "gradient" ? Nalu::Models::Colormaps::viridisLike()
                                                         : Nalu::Models::Colormaps::categorical10());
        const std::unique_ptr<QStyle> style(QStyleFactory::create(QStringLiteral("Fusion")));
        QImage image(333, 24, QImage::Format_ARGB32_Premultiplied);
        const auto paint = [&image](RangeSlider &s, const QVector<int> &lows) {
            for (int low : lows) { // moving the minimum handle from one value to the next
                s.setSliderRange(low, 64);
                image.fill(Qt::white);
                s.render(&image);
            }
            return image;
        };
        const auto make = [&] {
            std::unique_ptr<RangeSlider> s(model.isEmpty() ? new RangeSlider : new ColormapRangeSlider);
            if (auto *c = qobject_cast<ColormapRangeSlider *>(s.get()))
                c->setColormapModel(&colormaps);
            s->setStyle(style.get());
            s->resize(image.size());
            int hue = 0;
            for (const char *name : {"BorderBrush", "BackgroundBrush", "RangeBrush", "DefaultBrush"})
                s->setProperty(name, QBrush(QColor::fromHsv(hue += 80, 200, 200, alpha)));
            s->setProperty("CornerRadius", radius);
            return s;
        };
        const auto used = make(), fresh = make();
        const QImage repainted = paint(*used, {3, 40, 63, 12});
        QPixmapCache::clear(); // the fresh slider paints its groove itself, not the picture the used one left
        QCOMPARE(repainted, paint(*fresh, {12}));
    }

    void slidersShareOnlyTheSameGroove_data()
    {
        QTest::addColumn<QByteArray>("own"); // what the second slider has of its own
        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("border") << QByteArray("BorderBrush");
        QTest::newRow("background") << QByteArray("BackgroundBrush");
        QTest::newRow("corner radius") << QByteArray("CornerRadius");
        QTest::newRow("size") << QByteArray("size");
        QTest::newRow("colormap slider") << QByteArray("colormap");
        QTest::newRow("disabled colormap slider") << QByteArray("disabled colormap");
    }
    // Sliders of one size and theme paint their groove from one picture, shared through the application's pixmap
    // cache: a slider paints as it would alone, whichever slider painted before it.
    void slidersShareOnlyTheSameGroove()
    {
        QFETCH(QByteArray, own);
        const std::unique_ptr<QStyle> style(QStyleFactory::create(QStringLiteral("Fusion")));
        ColormapModel colormaps;
        colormaps.setCurrentColormap(Nalu::Models::Colormaps::viridisLike());
        const auto make = [&](const QByteArray &mine) {
            const bool colormap = mine.endsWith("colormap");
            std::unique_ptr<RangeSlider> s(colormap ? new ColormapRangeSlider : new RangeSlider);
            if (colormap)
                static_cast<ColormapRangeSlider *>(s.get())->setColormapModel(&colormaps);
            s->setStyle(style.get());
            s->resize(mine == "size" ? 299 : 300, 24);
            s->setSliderRange(20, 60);
            s->setProperty("BorderBrush", QBrush(mine == "BorderBrush" ? Qt::red : Qt::darkBlue));
            s->setProperty("BackgroundBrush", QBrush(mine == "BackgroundBrush" ? Qt::yellow : Qt::lightGray));
            s->setProperty("CornerRadius", mine == "CornerRadius" ? 1 : 5);
            s->setEnabled(!mine.startsWith("disabled"));
            return s;
        };
        const auto picture = [](RangeSlider &s) {
            QImage image(300, 24, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            s.render(&image);
            return image;
        };
        QPixmapCache::clear();
        const auto first = make(QByteArray());
        picture(*first); // leaves its groove in the cache
        const auto second = make(own);
        const QImage afterFirst = picture(*second);
        QPixmapCache::clear();
        const auto alone = make(own);
        QCOMPARE(afterFirst, picture(*alone));
    }

    void declaredThemePropertyReadAtEachPaint()
    {
        DeclaredThemeSlider s;
        s.resize(200, 24);
        s.setSliderRange(20, 80);
        const QRect low = s.part(QStyle::SC_SliderHandle, 20), high = s.part(QStyle::SC_SliderHandle, 80);
        const QPoint bar((low.center().x() + high.center().x()) / 2, low.center().y());
        const QColor before = s.grab().toImage().pixelColor(bar);
        s.rangeBrush = QBrush(Qt::blue);
        const QColor after = s.grab().toImage().pixelColor(bar);
        QVERIFY2(before.red() > before.blue() && after.blue() > after.red(), qPrintable(after.name()));
    }

    // The shapes kept by the sliders land exactly as drawing them there would: whole, stretched from
    // another width, moved by whole pixels, at several fractional offsets, opaque or translucent, on
    // images of one and of more device pixels per pixel, over every value a channel beneath can have
    // (frames are copied in layers where their sides blend twice).
    void keptShapesLandAsDrawn_data()
    {
        QTest::addColumn<qreal>("ratio");
        for (const qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
            QTest::addRow("ratio %g", ratio) << ratio;
        }
    }
    void keptShapesLandAsDrawn()
    {
        QFETCH(qreal, ratio);
        SliderPieces pieces;
        const auto rounded = [](QPainter *p, const QRectF &r) {
            p->setRenderHint(QPainter::Antialiasing);
            p->setPen(Qt::NoPen);
            p->setBrush(QColor(200, 40, 90, 200));
            Nalu::Helpers::drawRoundedRectShape(r, 4, Nalu::Helpers::TopLeftCorner | Nalu::Helpers::BottomLeftCorner,
                                                p);
        };
        QImage direct(QSize(300, 20) * ratio, QImage::Format_ARGB32_Premultiplied),
            copied(direct.size(), direct.format());
        direct.setDevicePixelRatio(ratio);
        copied.setDevicePixelRatio(ratio);
        for (const qreal x : {10.0, 10.5, 11.25, 12.0})
            for (const qreal w : {1.5, 9.0, 30.0, 250.5})
                for (const int kind : {0, 1, 2}) { // opaque frame, translucent frame, shape with rounded corners
                    const QRectF r(x, 4.5 + kind * 0.25, w, 9);
                    const QColor color(30, 120, 200, kind ? 150 : 255);
                    // Each channel of a pixel is blended with the same channel beneath only.
                    for (int beneath = 0; beneath < 256; beneath += kind == 2 ? 51 : 1) {
                        direct.fill(qRgba(beneath, beneath, beneath, beneath));
                        copied.fill(qRgba(beneath, beneath, beneath, beneath));
                        QPainter d(&direct), c(&copied);
                        d.setRenderHint(QPainter::Antialiasing);
                        d.setPen(QPen(color, 1));
                        kind == 2 ? rounded(&d, r) : d.drawRect(r);
                        kind == 2 ? pieces.drawShape(&c, r, 4, 7, 4, 0, QColor(200, 40, 90, 200), rounded)
                                  : pieces.drawFrame(&c, r, color);
                        d.end();
                        c.end();
                        QVERIFY2(direct == copied,
                                 qPrintable(QStringLiteral("%1 %2 %3 over %4").arg(x).arg(w).arg(kind).arg(beneath)));
                    }
                }
    }

    // What the sliders keep from one paint to the next follows every change of what they paint: after a change,
    // a slider used before paints as a new one.
    void changeShowsInNextPaint_data()
    {
        QTest::addColumn<bool>("colormap");
        QTest::addColumn<QByteArray>("change");
        for (const bool colormap : {false, true}) {
            const char *kind = colormap ? "colormap" : "range";
            // The range's colour: the range brush, or the colormap.
            for (const char *change : {"frame colour", "range colour", "disabled", "ratio", "size", "right to left"})
                QTest::addRow("%s, %s", kind, change) << colormap << QByteArray(change);
        }
    }
    void changeShowsInNextPaint()
    {
        QFETCH(bool, colormap);
        QFETCH(QByteArray, change);
        ColormapModel colormaps;
        colormaps.setCurrentColormap(Nalu::Models::Colormaps::viridisLike());
        const std::unique_ptr<QStyle> style(QStyleFactory::create(QStringLiteral("Fusion")));
        const auto make = [&] {
            std::unique_ptr<RangeSlider> s(colormap ? new ColormapRangeSlider : new RangeSlider);
            if (auto *c = qobject_cast<ColormapRangeSlider *>(s.get()))
                c->setColormapModel(&colormaps);
            s->setStyle(style.get());
            s->resize(300, 24);
            s->setSliderRange(20, 70);
            s->setProperty("CornerRadius", 4);
            s->setProperty("DefaultBrush", QBrush(QColor(40, 90, 200)));
            s->setProperty("RangeBrush", QBrush(QColor(200, 90, 40)));
            return s;
        };
        qreal ratio = 1;
        const auto paint = [&ratio](RangeSlider &s) {
            QImage image(s.size() * ratio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::white);
            s.render(&image);
            return image;
        };
        const auto apply = [&](RangeSlider &s) {
            if (change == "frame colour")
                s.setProperty("DefaultBrush", QBrush(QColor(40, 200, 90)));
            else if (change == "range colour" && !colormap)
                s.setProperty("RangeBrush", QBrush(QColor(90, 40, 200)));
            else if (change == "range colour")
                colormaps.setCurrentColormap(Nalu::Models::Colormaps::grayscale());
            else if (change == "disabled")
                s.setEnabled(false);
            else if (change == "ratio")
                ratio = 2;
            else if (change == "size")
                s.resize(250, 24);
            else if (change == "right to left")
                s.setLayoutDirection(Qt::RightToLeft);
        };
        const auto used = make();
        const QImage before = paint(*used);
        apply(*used);
        const QImage after = paint(*used);
        QVERIFY(after != before);
        const auto fresh = make();
        apply(*fresh);
        QPixmapCache::clear(); // the fresh slider paints its groove itself
        QCOMPARE(after, paint(*fresh));
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
