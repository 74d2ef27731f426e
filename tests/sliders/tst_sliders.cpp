#include <ComponentsLibrary/ColormapRangeSlider.h>
#include <ComponentsLibrary/RangeSlider.h>
#include <ComponentsLibrary/SliderHighContrast.h>
#include <ComponentsLibrary/SliderHighlighted.h>
#include <vantor_common_utils/Helpers.h>

#include "SliderPieces_p.h"

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

using namespace Nalu::Components;
using Nalu::Models::Colormap;
using Nalu::Models::ColormapModel;

namespace {

// The style's rectangles of a slider's groove and of a handle at a value.
template<typename Base>
class Probe : public Base
{
public:
    QRect grooveRect() const { return rect(QStyle::SC_SliderGroove, Base::value()); }
    QRect handleRectForValue(int value) const { return rect(QStyle::SC_SliderHandle, value); }

private:
    QRect rect(QStyle::SubControl part, int value) const
    {
        QStyleOptionSlider option;
        Base::initStyleOption(&option);
        option.sliderPosition = option.sliderValue = value;
        return Base::style()->subControlRect(QStyle::CC_Slider, &option, part, this);
    }
};

// A pointer move as the window system delivers it: the cursor moves, the widget gets the event.
void move(QWidget *w, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton)
{
    QCursor::setPos(w->mapToGlobal(pos));
    QMouseEvent event(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// A range slider shown at a known place in Fusion, with its two spin boxes (minimum first).
template<typename Base = RangeSlider>
struct Fixture
{
    explicit Fixture(int low = 10, int high = 20, QSize size = QSize(300, 30))
    {
        QCursor::setPos(0, 0);
        slider.setStyle(style.get());
        slider.setGeometry(QRect(QPoint(100, 100), size));
        slider.setSliderRange(low, high);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider)); // a failure here is reported; the test then stops on it
        spins = slider.template findChildren<QSpinBox *>();
        QCOMPARE(spins.size(), 2);
    }
    QWidget *popup(int i) const { return spins.at(i)->parentWidget(); }
    QRect handle(int value) const { return slider.handleRectForValue(value); }
    int hover(QPoint p) { return move(&slider, p), popup(0)->isVisible() + 2 * popup(1)->isVisible(); } // shown pop-ups
    // Pointer positions: just inside a handle's outer edge, on the common centre of two handles
    // (right of it when there is none), in the middle of the range, or on the groove below the range.
    QPoint at(const char *where) const
    {
        const QRect a = handle(slider.getMinHandleValue()), b = handle(slider.getMaxHandleValue());
        const QByteArray w(where);
        const int x = w == "min" ? a.left() + 1
            : w == "max"         ? b.right() - 1
            : w == "tie"         ? (a.left() + b.right() + 1) / 2
            : w == "range"       ? (a.center().x() + b.center().x()) / 2
                                 : handle(slider.minimum() + 8).center().x();
        return {x, a.center().y()};
    }
    std::unique_ptr<QStyle> style {QStyleFactory::create(QStringLiteral("Fusion"))};
    Probe<Base> slider;
    QList<QSpinBox *> spins;
};

QColor blend(const QColor &u, const QColor &o) // o at 40 % opacity over u
{
    return QColor::fromRgbF(0.6 * u.redF() + 0.4 * o.redF(), 0.6 * u.greenF() + 0.4 * o.greenF(),
                            0.6 * u.blueF() + 0.4 * o.blueF());
}

// Empty when the pixel is near the wanted colour (an invalid one wants the chessboard), else the pixel's colour.
QString mismatch(QWidget &w, QPoint p, const QColor &want)
{
    const QColor c = w.grab().toImage().pixelColor(p);
    const auto near = [&c](const QColor &b) {
        return qAbs(c.red() - b.red()) < 5 && qAbs(c.green() - b.green()) < 5 && qAbs(c.blue() - b.blue()) < 5;
    };
    const bool board = near(w.isEnabled() ? QColor(Qt::black) : QColor(Qt::black).lighter(150))
        || near(w.isEnabled() ? QColor(70, 70, 70) : QColor(70, 70, 70).darker(200));
    return (want.isValid() ? near(want) : board) ? QString() : c.name();
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
    void setters_data()
    {
        QTest::addColumn<QByteArray>("call"); // a two-value slot, or a property
        QTest::addColumn<QVector<int>>("ab");
        QTest::addColumn<QString>("log"); // signals in order, then the resulting range
        // Every row starts from 10-20 over 0-99.
        QTest::newRow("unchanged, reversed") << QByteArray("setSliderRange") << QVector<int> {20, 10} << "=10,20";
        QTest::newRow("reversed") << QByteArray("setSliderRange") << QVector<int> {60, 5} << "r5,60 m5 M60 =5,60";
        QTest::newRow("clamped") << QByteArray("setSliderRange") << QVector<int> {-7, 500} << "r0,99 m0 M99 =0,99";
        QTest::newRow("min pushes max") << QByteArray("minHandleValue") << QVector<int> {50, 0}
                                        << "r50,50 m50 M50 =50,50";
        QTest::newRow("max pulls min") << QByteArray("maxHandleValue") << QVector<int> {5, 0} << "r5,5 m5 M5 =5,5";
        QTest::newRow("only max") << QByteArray("maxHandleValue") << QVector<int> {30, 0} << "r10,30 M30 =10,30";
        QTest::newRow("min unchanged") << QByteArray("minHandleValue") << QVector<int> {10, 0} << "=10,20";
        QTest::newRow("bounds move both") << QByteArray("setRange") << QVector<int> {30, 40} << "r30,30 m30 M30 =30,30";
        QTest::newRow("bounds shrink") << QByteArray("setRange") << QVector<int> {0, 15} << "r10,15 M15 =10,15";
        QTest::newRow("bounds equal") << QByteArray("setRange") << QVector<int> {50, 50} << "r50,50 m50 M50 =50,50";
    }
    void setters()
    {
        QFETCH(QByteArray, call);
        QFETCH(QVector<int>, ab);
        RangeSlider s;
        s.setSliderRange(10, 20);
        QStringList log;
        connect(&s, &RangeSlider::sliderRangeChanged, this,
                [&](int x, int y) { log << QStringLiteral("r%1,%2").arg(x).arg(y); });
        connect(&s, &RangeSlider::minHandleValueChanged, this, [&](int v) { log << QStringLiteral("m%1").arg(v); });
        connect(&s, &RangeSlider::maxHandleValueChanged, this, [&](int v) { log << QStringLiteral("M%1").arg(v); });
        if (call.startsWith("set")) // the slots taking two values
            QVERIFY(QMetaObject::invokeMethod(&s, call.constData(), Q_ARG(int, ab[0]), Q_ARG(int, ab[1])));
        else
            QVERIFY(s.setProperty(call.constData(), ab[0]));
        log << QStringLiteral("=%1,%2").arg(s.getMinHandleValue()).arg(s.getMaxHandleValue());
        QTEST(log.join(QLatin1Char(' ')), "log");
        for (QSpinBox *spin : s.findChildren<QSpinBox *>()) // the pop-ups follow the bounds
            QCOMPARE(qMakePair(spin->minimum(), spin->maximum()), qMakePair(s.minimum(), s.maximum()));
    }

    void evenMinimumHeight() // tick marks change the parity of the base slider's height
    {
        for (auto ticks : {QSlider::NoTicks, QSlider::TicksAbove, QSlider::TicksBothSides}) {
            RangeSlider s;
            s.setTickPosition(ticks);
            const QSize base = s.QSlider::minimumSizeHint();
            QCOMPARE(s.minimumSizeHint(), QSize(base.width(), base.height() + base.height() % 2));
        }
    }

    void mouse_data()
    {
        QTest::addColumn<QByteArray>("press");
        QTest::addColumn<QVector<int>>("v"); // low, high, move by (in values), expected low and high, accepted[, bound]
        QTest::newRow("min handle") << QByteArray("min") << QVector<int> {20, 60, 20, 40, 60, 1};
        QTest::newRow("min stops at max") << QByteArray("min") << QVector<int> {20, 60, 70, 60, 60, 1};
        QTest::newRow("max stops at min") << QByteArray("max") << QVector<int> {20, 60, -50, 20, 20, 1};
        QTest::newRow("equal at minimum, left") << QByteArray("min") << QVector<int> {0, 0, 30, 0, 0, 1};
        QTest::newRow("equal at minimum, tie") << QByteArray("tie") << QVector<int> {0, 0, 30, 0, 30, 1};
        QTest::newRow("equal in middle, left") << QByteArray("min") << QVector<int> {50, 50, -20, 30, 50, 1};
        QTest::newRow("equal in middle, right") << QByteArray("max") << QVector<int> {50, 50, 20, 50, 70, 1};
        QTest::newRow("equal at maximum, left") << QByteArray("min") << QVector<int> {99, 99, -30, 69, 99, 1};
        QTest::newRow("equal at maximum, tie") << QByteArray("tie") << QVector<int> {99, 99, -30, 99, 99, 1};
        QTest::newRow("range") << QByteArray("range") << QVector<int> {20, 30, 10, 30, 40, 1};
        QTest::newRow("odd range") << QByteArray("range") << QVector<int> {20, 35, 28, 48, 63, 1};
        QTest::newRow("range at right end") << QByteArray("range") << QVector<int> {20, 35, 500, 84, 99, 1};
        QTest::newRow("range at left end") << QByteArray("range") << QVector<int> {20, 35, -500, 0, 15, 1};
        QTest::newRow("groove outside range") << QByteArray("outside") << QVector<int> {40, 60, 10, 40, 60, 0};
        QTest::newRow("no bounds") << QByteArray("min") << QVector<int> {0, 0, 10, 0, 0, 0, 0};
    }
    void mouse()
    {
        QFETCH(QByteArray, press);
        QFETCH(QVector<int>, v);
        Fixture<> f(v[0], v[1]);
        f.slider.setRange(0, v.value(6, 99));
        const QPoint start = f.at(press.constData());
        // Beyond the bounds the pointer leaves the groove.
        const int from = (v[0] + v[1]) / 2, to = qBound(0, from + v[2], 99);
        const int far = from + v[2] > 99 ? 400 : (from + v[2] < 0 ? -400 : 0);
        const QPoint end = start + QPoint(f.handle(to).left() - f.handle(from).left() + far, 0);
        QTest::mousePress(&f.slider, Qt::LeftButton, {}, start);
        QCOMPARE(f.slider.isSliderDown(), bool(v[5]));
        QCOMPARE(f.slider.isMinimumHandleDown(), v[5] && press != "max" && press != "tie");
        move(&f.slider, (start + end) / 2, Qt::LeftButton);
        move(&f.slider, end, Qt::LeftButton);
        QTest::mouseRelease(&f.slider, Qt::LeftButton, {}, end);
        QCOMPARE(QVector<int>({f.slider.getMinHandleValue(), f.slider.getMaxHandleValue()}), v.mid(3, 2));
        QVERIFY(!f.slider.isSliderDown() && !f.slider.isMaximumHandleDown());
    }

    // The base slider's own handle is not shown: a press where it sits between the handles drags the range.
    void rangeDragOverBaseHandle()
    {
        Fixture<> f(20, 60);
        f.slider.setValue(40);
        const QPoint start(f.handle(40).center().x(), f.slider.grooveRect().center().y());
        const QPoint end = start + QPoint(f.handle(50).left() - f.handle(40).left(), 0);
        QTest::mousePress(&f.slider, Qt::LeftButton, {}, start);
        QVERIFY(f.slider.isMinimumHandleDown() && f.slider.isMaximumHandleDown());
        move(&f.slider, end, Qt::LeftButton);
        QTest::mouseRelease(&f.slider, Qt::LeftButton, {}, end);
        QCOMPARE(QVector<int>({f.slider.getMinHandleValue(), f.slider.getMaxHandleValue()}), QVector<int>({30, 70}));
    }

    void popupsOnHover_data()
    {
        QTest::addColumn<QByteArray>("where");
        QTest::addColumn<QVector<int>>("v"); // above, allowed, minimum height, minimum and maximum pop-up shown
        QTest::newRow("min handle, below") << QByteArray("min") << QVector<int> {0, 1, 0, 1, 0};
        QTest::newRow("min handle, tall") << QByteArray("min") << QVector<int> {0, 1, 40, 1, 0};
        QTest::newRow("max handle, above") << QByteArray("max") << QVector<int> {1, 1, 0, 0, 1};
        QTest::newRow("between, above") << QByteArray("range") << QVector<int> {1, 1, 0, 1, 1};
        QTest::newRow("groove outside") << QByteArray("outside") << QVector<int> {0, 1, 0, 0, 0};
        QTest::newRow("not allowed") << QByteArray("range") << QVector<int> {0, 0, 0, 0, 0};
    }
    void popupsOnHover()
    {
        QFETCH(QByteArray, where);
        QFETCH(QVector<int>, v);
        Fixture<> f(30, 60, QSize(300, qMax(30, v[2])));
        f.slider.setMinimumHeight(v[2]);
        f.slider.setPopupPosition(v[0] ? RangeSlider::Above : RangeSlider::Below);
        f.slider.setCanShowInputPopups(v[1]);
        QCOMPARE(f.hover(f.at(where.constData())), v[3] + 2 * v[4]);
        // Beside the handle centre: the minimum pop-up hangs left of it, the maximum one right of it.
        const int extra = v[2] ? 4 : 0, h = f.slider.height();
        const int top = f.slider.mapToGlobal(QPoint(0, v[0] ? 2 - h - extra : h - 1 + extra)).y();
        for (int i : {0, 1})
            if (f.popup(i)->isVisible()) {
                const QRect g(f.popup(i)->pos(), f.popup(i)->size()); // where it was moved to
                const int centre = f.slider.mapToGlobal(f.handle(i ? 60 : 30).center()).x();
                QVERIFY(qAbs((i ? g.left() : g.right() + 1) - centre) <= 1);
                QCOMPARE(g.top(), top);
                QCOMPARE(f.spins.at(i)->value(), i ? 60 : 30);
            }
        if (v[1]) { // while a handle is dragged, its pop-up shows wherever the pointer is
            QTest::mousePress(&f.slider, Qt::LeftButton, {}, f.at("max"));
            move(&f.slider, QPoint(f.slider.width() - 1, 0), Qt::LeftButton);
            QCOMPARE(f.hover(QPoint(f.slider.width() - 1, 0)), 2);
            QTest::mouseRelease(&f.slider, Qt::LeftButton, {}, QPoint(f.slider.width() - 1, 0));
        }
    }

    void popups()
    {
        Fixture<> f(30, 60);
        QWidget *popup = f.popup(0);
        QTimer *timer = popup->findChild<QTimer *>();
        const QRect handle = f.handle(30);
        // The zone left of and below the handle keeps a shown pop-up open, but never opens one.
        const QPoint zone(handle.left() - 5, handle.bottom() + 5);
        QCOMPARE(f.hover(zone), 0);
        QCOMPARE(f.hover(f.at("min")), 1);
        QCOMPARE(f.hover(zone), 1);
        QCOMPARE(f.hover(QPoint(handle.right() + 12, handle.bottom() + 8)), 0);
        // Leaving the slider starts the countdown; entering the pop-up stops it.
        move(&f.slider, f.at("min"));
        QCursor::setPos(0, 0);
        QEvent leave(QEvent::Leave), enter(QEvent::Enter);
        QApplication::sendEvent(&f.slider, &leave);
        QVERIFY(timer->isActive() && popup->isVisible());
        QApplication::sendEvent(popup, &enter);
        QVERIFY(!timer->isActive());
        QApplication::sendEvent(popup, &leave);
        QVERIFY(timer->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!popup->isVisible(), 3000);

        // Enter in a pop-up applies the typed value; the other handle is pushed along.
        f.slider.setSliderRange(10, 20);
        QSignalSpy spy(&f.slider, &RangeSlider::sliderRangeChanged);
        move(&f.slider, f.at("min"));
        f.spins.at(0)->selectAll();
        QTest::keyClicks(f.spins.at(0), QStringLiteral("70"));
        QTest::keyClick(f.spins.at(0), Qt::Key_Enter);
        QCOMPARE(static_cast<QList<QVariantList>>(spy), QList<QVariantList>({{70, 70}}));
        const int centre = f.slider.mapToGlobal(f.handle(70).center()).x();
        QVERIFY(qAbs(f.popup(0)->pos().x() + f.popup(0)->width() - centre) <= 1); // followed the handle
        // Escape in the active pop-up hides it and changes nothing.
        QCOMPARE(f.hover(f.at("max")), 2);
        QApplication::setActiveWindow(f.popup(1));
        QTest::keyClick(f.spins.at(1), Qt::Key_Escape);
        QVERIFY(!f.popup(1)->isVisible());
        QCOMPARE(spy.count(), 1);
        // Losing the focus hides the pop-up and applies the typed value.
        move(&f.slider, f.at("max"));
        f.spins.at(1)->selectAll();
        QTest::keyClicks(f.spins.at(1), QStringLiteral("90"));
        QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
        QApplication::sendEvent(f.spins.at(1), &out);
        QVERIFY(!f.popup(1)->isVisible());
        QCOMPARE(f.slider.getMaxHandleValue(), 90);
    }

    void painting_data()
    {
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<QVector<QColor>>("colours"); // range box (over the bar), maximum handle, groove
        QTest::newRow("idle") << QByteArray("idle") << QVector<QColor> {blue, blue, green};
        const QColor darkBlue(0, 0, 100);
        QTest::newRow("disabled") << QByteArray("disabled") << QVector<QColor> {darkBlue, darkBlue, Qt::gray};
        QTest::newRow("range dragged") << QByteArray("drag") << QVector<QColor> {yellow, yellow, green};
        QTest::newRow("hovered handle") << QByteArray("hover") << QVector<QColor> {blue, magenta, green};
    }
    void painting()
    {
        QFETCH(QByteArray, state);
        QFETCH(QVector<QColor>, colours);
        Fixture<> f(30, 70);
        const QPair<const char *, QColor> theme[]
            = {{"BackgroundBrush", green}, {"BackgroundBrushDisabled", Qt::gray},
               {"RangeBrush", red},        {"RangeBrushDisabled", QColor(100, 0, 0)},
               {"DefaultBrush", blue},     {"DefaultBrushDisabled", QColor(0, 0, 100)},
               {"SunkenBrush", yellow},    {"HoverBrush", magenta},
               {"HoverBrushDisabled", red}};
        for (const auto &entry : theme)
            f.slider.setProperty(entry.first, QBrush(entry.second));
        f.slider.setProperty("CornerRadius", 3);
        const QRect minRect = f.handle(30), maxRect = f.handle(70), grooveRect = f.slider.grooveRect();
        const int y = grooveRect.center().y();
        f.slider.setEnabled(state != "disabled");
        if (state == "drag")
            QTest::mousePress(&f.slider, Qt::LeftButton, {}, f.at("range"));
        if (state == "hover")
            QCursor::setPos(f.slider.mapToGlobal(maxRect.center()));
        const QPoint gap((minRect.center().x() + maxRect.center().x()) / 2, y);
        QCOMPARE(mismatch(f.slider, gap, blend(state == "disabled" ? QColor(100, 0, 0) : red, colours[0])), QString());
        QCOMPARE(mismatch(f.slider, {maxRect.right() - 1, y}, colours[1]),
                 QString()); // outer half, clear of the grip lines
        QCOMPARE(mismatch(f.slider, {(grooveRect.left() + minRect.left()) / 2, y}, colours[2]), QString());
        // A changed theme property shows at the next paint (no stale picture).
        f.slider.setProperty(state == "disabled" ? "RangeBrushDisabled" : "RangeBrush", QBrush(Qt::white));
        QCOMPARE(mismatch(f.slider, gap, blend(Qt::white, colours[0])), QString());
    }

    void colormapPainting_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QVector<int>>("v"); // bound to the range, enabled, minimum height
        QTest::newRow("no model") << QByteArray("none") << QVector<int> {0, 1, 0};
        QTest::newRow("no current colormap") << QByteArray("empty") << QVector<int> {0, 1, 0};
        QTest::newRow("deleted model") << QByteArray("deleted") << QVector<int> {0, 1, 0};
        QTest::newRow("gradient") << QByteArray("gradient") << QVector<int> {0, 1, 0};
        QTest::newRow("gradient, bound") << QByteArray("gradient") << QVector<int> {1, 1, 0};
        QTest::newRow("gradient, disabled") << QByteArray("gradient") << QVector<int> {0, 0, 0};
        QTest::newRow("discrete") << QByteArray("discrete") << QVector<int> {0, 1, 0};
        QTest::newRow("discrete, bound, disabled") << QByteArray("discrete") << QVector<int> {1, 0, 0};
        QTest::newRow("discrete, tall") << QByteArray("discrete") << QVector<int> {0, 1, 24};
    }
    void colormapPainting()
    {
        QFETCH(QByteArray, model);
        QFETCH(QVector<int>, v);
        const int bound = v[0], enabled = v[1], minimumHeight = v[2];
        const QVector<QColor> colours {red, green, blue, yellow};
        const Colormap gradient(QStringLiteral("g"), QMap<double, QColor> {{0.0, red}, {1.0, blue}});
        const Colormap discrete(QStringLiteral("d"), colours);
        auto colormapModel = std::make_unique<ColormapModel>();
        colormapModel->setCurrentColormap(model == "gradient" ? &gradient : model == "discrete" ? &discrete : nullptr);
        Fixture<ColormapRangeSlider> f(25, 74, QSize(300, minimumHeight ? 2 * minimumHeight : 24));
        f.slider.setMinimumHeight(minimumHeight);
        f.slider.setBoundColormapToRange(bound);
        f.slider.setEnabled(enabled);
        f.slider.setProperty("DefaultBrush", QBrush(QColor(200, 200, 200)));
        f.slider.setProperty("DefaultBrushDisabled", QBrush(QColor(200, 200, 200).darker(200)));
        f.slider.setColormapModel(model == "none" ? nullptr : colormapModel.get());
        if (model == "deleted")
            colormapModel.reset();
        const QRect groove = f.slider.grooveRect(), maxRect = f.handle(74);
        const int minCentre = f.handle(25).center().x(), maxCentre = maxRect.center().x();
        const int y = minimumHeight ? groove.top() + minimumHeight - 3 : groove.center().y();
        const auto shade = [enabled](QColor c) { return enabled ? c : c.darker(200); };
        const bool coloured = model == "gradient" || model == "discrete", outer = coloured && !bound;
        // Outside the range the first and last colours or the chessboard; the handle, heightened with the groove
        // under a larger minimum height; inside, the gradient's middle colour, or four equal sections covering the
        // box from one handle centre to the other, or the chessboard.
        QVector<QPair<QPoint, QColor>> checks {
            {{(groove.left() + minCentre) / 2, y}, outer ? shade(red) : QColor()},
            {{(maxCentre + groove.right()) / 2, y}, outer ? shade(model == "discrete" ? yellow : blue) : QColor()},
            {{maxRect.right() - 1, minimumHeight ? maxRect.top() + minimumHeight - 2 : y},
             shade(QColor(200, 200, 200))},
            {{(minCentre + maxCentre) / 2, y}, coloured ? shade(QColor(128, 0, 127)) : QColor()}};
        checks.resize(model == "discrete" ? 3 : 4);
        for (int i = 0; model == "discrete" && i < 5; ++i) {
            const int x = i < 4 ? minCentre + 2 + (maxCentre - minCentre - 4) * i / 3 : maxCentre - 1;
            checks.append({{x, y}, shade(colours.value(i, yellow))});
        }
        for (const auto &check : checks)
            QCOMPARE(mismatch(f.slider, check.first, check.second), QString());
    }

    // After value changes, the picture (drawn from shapes kept from earlier paints) equals a new slider's.
    void freshPaint_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QVector<int>>("v"); // alpha of the theme colours, corner radius
        QTest::newRow("range slider") << QByteArray() << QVector<int> {255, 4};
        QTest::newRow("range slider, translucent, square") << QByteArray() << QVector<int> {120, 0};
        QTest::newRow("gradient") << QByteArray("gradient") << QVector<int> {255, 3};
        QTest::newRow("gradient, translucent, round") << QByteArray("gradient") << QVector<int> {120, 30};
        QTest::newRow("discrete") << QByteArray("discrete") << QVector<int> {255, 5};
    }
    void freshPaint()
    {
        QFETCH(QByteArray, model);
        QFETCH(QVector<int>, v);
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
                s->setProperty(name, QBrush(QColor::fromHsv(hue += 80, 200, 200, v[0])));
            s->setProperty("CornerRadius", v[1]);
            return s;
        };
        const auto used = make(), fresh = make();
        QCOMPARE(paint(*used, {3, 40, 63, 12}), paint(*fresh, {12}));
    }

    void declaredTheme()
    {
        DeclaredThemeSlider s;
        s.resize(200, 24);
        s.setSliderRange(20, 80);
        const QPoint bar((s.handleRectForValue(20).center().x() + s.handleRectForValue(80).center().x()) / 2,
                         s.handleRectForValue(20).center().y());
        const QColor before = s.grab().toImage().pixelColor(bar);
        s.rangeBrush = QBrush(Qt::blue);
        const QColor after = s.grab().toImage().pixelColor(bar);
        QVERIFY2(before.red() > before.blue() && after.blue() > after.red(), qPrintable(after.name()));
    }

    // The shapes kept by the sliders land exactly as drawing them there would: whole, stretched from
    // another width, moved by whole pixels, at several fractional offsets, opaque or translucent.
    void piecesAsDrawn()
    {
        SliderPieces pieces;
        const QColor pink(200, 40, 90, 200);
        const auto rounded = [pink](QPainter *p, const QRectF &r) {
            p->setRenderHint(QPainter::Antialiasing);
            p->setPen(Qt::NoPen);
            p->setBrush(pink);
            Nalu::Helpers::drawRoundedRectShape(r, 4, Nalu::Helpers::TopLeftCorner | Nalu::Helpers::BottomLeftCorner,
                                                p);
        };
        for (const qreal x : {10.0, 10.5, 11.25, 12.0})
            for (const qreal w : {1.5, 9.0, 30.0, 250.5})
                for (const int kind : {0, 1, 2}) { // opaque frame, translucent frame, shape with rounded corners
                    const QRectF r(x, 4.5 + kind * 0.25, w, 9);
                    const QColor color(30, 120, 200, kind ? 150 : 255);
                    QImage direct(300, 20, QImage::Format_ARGB32_Premultiplied);
                    direct.fill(Qt::white);
                    QImage copied = direct;
                    QPainter d(&direct), c(&copied);
                    if (kind == 2) {
                        rounded(&d, r);
                        pieces.drawShape(&c, r, 4, 7, 4, 0, pink, rounded);
                    } else {
                        d.setRenderHint(QPainter::Antialiasing);
                        d.setPen(QPen(color, 1));
                        d.drawRect(r);
                        pieces.drawFrame(&c, r, color);
                    }
                    d.end();
                    c.end();
                    QVERIFY2(direct == copied, qPrintable(QStringLiteral("%1 %2 %3").arg(x).arg(w).arg(kind)));
                }
    }

    void degenerateSizes()
    {
        ColormapModel model;
        model.setCurrentColormap(Nalu::Models::Colormaps::categorical10());
        for (int i = 0; i < 8; ++i) {
            const QSize size = QVector<QSize> {{0, 0}, {1, 1}, {4, 3}, {12, 6}}.at(i / 2);
            const int maximum = i % 2 ? 99 : 0;
            Fixture<ColormapRangeSlider> f(0, maximum);
            f.slider.setColormapModel(&model);
            f.slider.setRange(0, maximum);
            f.slider.resize(size);
            f.slider.setMinimumHeight(size.height() + 3);
            f.slider.grab();
            for (const QPoint p : {QPoint(0, 0), QPoint(size.width(), size.height() / 2), QPoint(-5, 40)}) {
                QTest::mousePress(&f.slider, Qt::LeftButton, {}, p);
                move(&f.slider, p + QPoint(7, 0), Qt::LeftButton);
                QTest::mouseRelease(&f.slider, Qt::LeftButton, {}, p + QPoint(7, 0));
            }
            QVERIFY(f.slider.getMinHandleValue() >= 0 && f.slider.getMaxHandleValue() <= maximum);
            QCOMPARE(f.slider.property("rangeSlider"), QVariant(true));
        }
    }

    void styledSliders()
    {
        QWidget parent;
        const SliderHighlighted vertical(&parent), horizontal(Qt::Horizontal, &parent);
        const SliderHighContrast contrast(&parent);
        QCOMPARE(QVector<int>({vertical.orientation(), horizontal.orientation(), contrast.orientation()}),
                 QVector<int>({Qt::Vertical, Qt::Horizontal, Qt::Vertical}));
        QCOMPARE(QVariantList({vertical.property("slider_highlighted"), contrast.property("slider_high_contrast"),
                               contrast.property("slider_highlighted")}),
                 QVariantList({true, true, QVariant()}));
    }
};

QTEST_MAIN(TestSliders)
#include "tst_sliders.moc"
