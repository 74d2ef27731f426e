#include <ComponentsLibrary/RangeSlider.h>

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

using namespace Nalu::Components;

namespace {

class Slider : public RangeSlider
{
public:
    using RangeSlider::grooveRect;
    using RangeSlider::handleRectForValue;
};

class ThicknessStyle : public QProxyStyle
{
public:
    explicit ThicknessStyle(int thickness)
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
        , m_thickness(thickness)
    {
    }
    int pixelMetric(PixelMetric m, const QStyleOption *o, const QWidget *w) const override
    {
        return m == PM_SliderThickness ? m_thickness : QProxyStyle::pixelMetric(m, o, w);
    }
    int m_thickness;
};

// A slider shown at a known place, with its two pop-ups and spin boxes (minimum first).
struct Fixture
{
    explicit Fixture(int low = 10, int high = 20)
    {
        QCursor::setPos(0, 0);
        slider.setStyle(style.get());
        slider.setGeometry(100, 100, 300, 30);
        slider.setSliderRange(low, high);
        slider.show();
        ok = QTest::qWaitForWindowExposed(&slider);
        spins = slider.findChildren<QSpinBox *>();
        ok = ok && spins.size() == 2;
    }
    QWidget *popup(int i) const { return spins.at(i)->parentWidget(); }
    QRect handle(int value) const { return slider.handleRectForValue(value); }
    // Pointer positions: just inside a handle's outer edge, on the common centre of two handles
    // (right of it when there is none), in the middle of the range, or on the groove below the range.
    QPoint at(const QString &where) const
    {
        const QRect a = handle(slider.getMinHandleValue()), b = handle(slider.getMaxHandleValue());
        const int y = a.center().y();
        if (where == QLatin1String("min"))
            return {a.left() + 1, y};
        if (where == QLatin1String("max"))
            return {b.right() - 1, y};
        if (where == QLatin1String("tie"))
            return {(a.left() + b.right() + 1) / 2, y};
        if (where == QLatin1String("range"))
            return {(a.center().x() + b.center().x()) / 2, y};
        return {handle(slider.minimum() + 8).center().x(), y};
    }
    std::unique_ptr<QStyle> style {QStyleFactory::create(QStringLiteral("Fusion"))};
    Slider slider;
    QList<QSpinBox *> spins;
    bool ok = false;
};

// A pointer move as the window system delivers it: the cursor moves, the widget gets the event
// with the buttons held.
void move(QWidget *w, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton)
{
    QCursor::setPos(w->mapToGlobal(pos));
    QMouseEvent event(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

QColor pixel(QWidget &w, QPoint p)
{
    QImage image(w.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    w.render(&image);
    return image.pixelColor(p);
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) < 4 && qAbs(a.green() - b.green()) < 4 && qAbs(a.blue() - b.blue()) < 4;
}

} // namespace

class TestRangeSlider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setters_data();
    void setters();
    void evenMinimumHeight();
    void mouse_data();
    void mouse();
    void popupsOnHover_data();
    void popupsOnHover();
    void popupKeepOpenAndDelayedHide();
    void popupEditing();
    void painting_data();
    void painting();
    void degenerateSizes();
};

void TestRangeSlider::setters_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("log"); // signals in order, then the resulting range
    // Every row starts from 10-20 over 0-99.
    QTest::newRow("unchanged, reversed") << "range" << 20 << 10 << "=10,20";
    QTest::newRow("reversed") << "range" << 60 << 5 << "r5,60 m5 M60 =5,60";
    QTest::newRow("clamped") << "range" << -7 << 500 << "r0,99 m0 M99 =0,99";
    QTest::newRow("min pushes max") << "min" << 50 << 0 << "r50,50 m50 M50 =50,50";
    QTest::newRow("max pulls min") << "max" << 5 << 0 << "r5,5 m5 M5 =5,5";
    QTest::newRow("only max") << "max" << 30 << 0 << "r10,30 M30 =10,30";
    QTest::newRow("min unchanged") << "min" << 10 << 0 << "=10,20";
    QTest::newRow("bounds move both") << "bounds" << 30 << 40 << "r30,30 m30 M30 =30,30";
    QTest::newRow("bounds shrink") << "bounds" << 0 << 15 << "r10,15 M15 =10,15";
    QTest::newRow("bounds equal") << "bounds" << 50 << 50 << "r50,50 m50 M50 =50,50";
}

void TestRangeSlider::setters()
{
    QFETCH(QString, call);
    QFETCH(int, a);
    QFETCH(int, b);
    RangeSlider s;
    s.setSliderRange(10, 20);
    QStringList log;
    connect(&s, &RangeSlider::sliderRangeChanged, this,
            [&](int x, int y) { log << QStringLiteral("r%1,%2").arg(x).arg(y); });
    connect(&s, &RangeSlider::minHandleValueChanged, this, [&](int v) { log << QStringLiteral("m%1").arg(v); });
    connect(&s, &RangeSlider::maxHandleValueChanged, this, [&](int v) { log << QStringLiteral("M%1").arg(v); });
    if (call == QLatin1String("range"))
        s.setSliderRange(a, b);
    else if (call == QLatin1String("min"))
        s.setMinHandleValue(a);
    else if (call == QLatin1String("max"))
        s.setMaxHandleValue(a);
    else
        s.setRange(a, b);
    log << QStringLiteral("=%1,%2").arg(s.getMinHandleValue()).arg(s.getMaxHandleValue());
    QTEST(log.join(QLatin1Char(' ')), "log");
    // The spin boxes of the pop-ups follow the bounds.
    for (QSpinBox *spin : s.findChildren<QSpinBox *>())
        QCOMPARE(qMakePair(spin->minimum(), spin->maximum()), qMakePair(s.minimum(), s.maximum()));
}

void TestRangeSlider::evenMinimumHeight()
{
    for (int thickness : {15, 16, 21}) {
        ThicknessStyle style(thickness);
        RangeSlider s;
        QSlider plain(Qt::Horizontal);
        s.setStyle(&style);
        plain.setStyle(&style);
        const QSize base = plain.minimumSizeHint();
        QCOMPARE(s.minimumSizeHint(), QSize(base.width(), base.height() + base.height() % 2));
    }
}

void TestRangeSlider::mouse_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("moveBy"); // in values, converted to pixels through the handle rectangles
    QTest::addColumn<int>("expLow");
    QTest::addColumn<int>("expHigh");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("min handle") << 20 << 60 << "min" << 20 << 40 << 60 << true;
    QTest::newRow("min stops at max") << 20 << 60 << "min" << 70 << 60 << 60 << true;
    QTest::newRow("max stops at min") << 20 << 60 << "max" << -50 << 20 << 20 << true;
    QTest::newRow("equal at minimum, left") << 0 << 0 << "min" << 30 << 0 << 0 << true;
    QTest::newRow("equal at minimum, tie") << 0 << 0 << "tie" << 30 << 0 << 30 << true;
    QTest::newRow("equal in middle, left") << 50 << 50 << "min" << -20 << 30 << 50 << true;
    QTest::newRow("equal in middle, right") << 50 << 50 << "max" << 20 << 50 << 70 << true;
    QTest::newRow("equal at maximum, left") << 99 << 99 << "min" << -30 << 69 << 99 << true;
    QTest::newRow("equal at maximum, tie") << 99 << 99 << "tie" << -30 << 99 << 99 << true;
    QTest::newRow("range") << 20 << 30 << "range" << 10 << 30 << 40 << true;
    QTest::newRow("odd range") << 20 << 35 << "range" << 28 << 48 << 63 << true;
    QTest::newRow("range at right end") << 20 << 35 << "range" << 500 << 84 << 99 << true;
    QTest::newRow("range at left end") << 20 << 35 << "range" << -500 << 0 << 15 << true;
    QTest::newRow("groove outside range") << 40 << 60 << "outside" << 10 << 40 << 60 << false;
    QTest::newRow("no bounds") << 0 << 0 << "min" << 10 << 0 << 0 << false;
}

void TestRangeSlider::mouse()
{
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(QString, press);
    QFETCH(int, moveBy);
    QFETCH(bool, accepted);
    Fixture f(low, high);
    QVERIFY(f.ok);
    if (QByteArray(QTest::currentDataTag()) == "no bounds")
        f.slider.setRange(0, 0);
    const QPoint start = f.at(press);
    // The pointer moves by the pixel distance between the handle positions of the two values;
    // beyond the bounds it leaves the groove.
    const int from = (low + high) / 2, to = qBound(0, from + moveBy, 99);
    const int far = from + moveBy > 99 ? 400 : (from + moveBy < 0 ? -400 : 0);
    const QPoint end = start + QPoint(f.handle(to).left() - f.handle(from).left() + far, 0);
    QTest::mousePress(&f.slider, Qt::LeftButton, {}, start);
    QCOMPARE(f.slider.isSliderDown(), accepted);
    QCOMPARE(f.slider.isMinimumHandleDown(),
             accepted && press != QLatin1String("max") && press != QLatin1String("tie"));
    move(&f.slider, (start + end) / 2, Qt::LeftButton);
    move(&f.slider, end, Qt::LeftButton);
    QTest::mouseRelease(&f.slider, Qt::LeftButton, {}, end);
    QFETCH(int, expLow);
    QFETCH(int, expHigh);
    QCOMPARE(qMakePair(f.slider.getMinHandleValue(), f.slider.getMaxHandleValue()), qMakePair(expLow, expHigh));
    QVERIFY(!f.slider.isSliderDown() && !f.slider.isMaximumHandleDown());
}

void TestRangeSlider::popupsOnHover_data()
{
    QTest::addColumn<bool>("above");
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<bool>("minShown");
    QTest::addColumn<bool>("maxShown");
    QTest::newRow("min handle, below") << false << "min" << true << true << false;
    QTest::newRow("max handle, above") << true << "max" << true << false << true;
    QTest::newRow("between, above") << true << "range" << true << true << true;
    QTest::newRow("groove outside") << false << "outside" << true << false << false;
    QTest::newRow("not allowed") << false << "range" << false << false << false;
}

void TestRangeSlider::popupsOnHover()
{
    QFETCH(bool, above);
    QFETCH(QString, where);
    QFETCH(bool, allowed);
    Fixture f(30, 60);
    QVERIFY(f.ok);
    f.slider.setPopupPosition(above ? RangeSlider::Above : RangeSlider::Below);
    f.slider.setCanShowInputPopups(allowed);
    move(&f.slider, f.at(where));
    QTEST(f.popup(0)->isVisible(), "minShown");
    QTEST(f.popup(1)->isVisible(), "maxShown");
    // Beside the handle centre: the minimum pop-up hangs left of it, the maximum one right of it.
    const int top = f.slider.mapToGlobal(QPoint(0, above ? 2 - f.slider.height() : f.slider.height() - 1)).y();
    for (int i = 0; i < 2; ++i) {
        if (!f.popup(i)->isVisible())
            continue;
        const QRect g(f.popup(i)->pos(), f.popup(i)->size()); // where it was moved to
        const int centre = f.slider.mapToGlobal(f.handle(i ? 60 : 30).center()).x();
        QVERIFY2(qAbs((i ? g.left() : g.right() + 1) - centre) <= 1, qPrintable(QString::number(g.left())));
        QCOMPARE(g.top(), top);
        QCOMPARE(f.spins.at(i)->value(), i ? 60 : 30);
    }
    // A drag shows the pop-up of the held handle.
    if (where == QLatin1String("max") && allowed) {
        QTest::mousePress(&f.slider, Qt::LeftButton, {}, f.at(QStringLiteral("min")));
        move(&f.slider, f.at(QStringLiteral("min")) + QPoint(30, 0), Qt::LeftButton);
        QVERIFY(f.popup(0)->isVisible() && !f.popup(1)->isVisible());
        QTest::mouseRelease(&f.slider, Qt::LeftButton, {}, f.at(QStringLiteral("min")));
    }
}

void TestRangeSlider::popupKeepOpenAndDelayedHide()
{
    Fixture f(30, 60);
    QVERIFY(f.ok);
    QWidget *popup = f.popup(0);
    QTimer *timer = popup->findChild<QTimer *>();
    QVERIFY(timer);
    const QRect handle = f.handle(30);
    // The zone left of and below the handle keeps a shown pop-up open, but never opens one.
    const QPoint zone(handle.left() - 5, handle.bottom() + 5);
    move(&f.slider, zone);
    QVERIFY(!popup->isVisible());
    move(&f.slider, f.at(QStringLiteral("min")));
    QVERIFY(popup->isVisible());
    move(&f.slider, zone);
    QVERIFY(popup->isVisible());
    move(&f.slider, QPoint(handle.right() + 12, handle.bottom() + 8));
    QVERIFY(!popup->isVisible());

    // Leaving the slider starts the countdown; entering the pop-up stops it.
    move(&f.slider, f.at(QStringLiteral("min")));
    QCursor::setPos(0, 0);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&f.slider, &leave);
    QVERIFY(timer->isActive() && popup->isVisible());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(popup, &enter);
    QVERIFY(!timer->isActive());
    QApplication::sendEvent(popup, &leave);
    QVERIFY(timer->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!popup->isVisible(), 3000);
}

void TestRangeSlider::popupEditing()
{
    Fixture f(10, 20);
    QVERIFY(f.ok);
    QSignalSpy spy(&f.slider, &RangeSlider::sliderRangeChanged);
    move(&f.slider, f.at(QStringLiteral("min")));
    QSpinBox *spin = f.spins.at(0);
    const QPoint before = f.popup(0)->pos();
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("70"));
    QTest::keyClick(spin, Qt::Key_Enter);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0), (QVariantList {70, 70}));
    QVERIFY(f.popup(0)->pos().x() > before.x());
    const int centre = f.slider.mapToGlobal(f.handle(70).center()).x();
    QVERIFY(qAbs(f.popup(0)->geometry().right() + 1 - centre) <= 1);

    // Escape in the active pop-up hides it and changes nothing.
    QWidget *maxPopup = f.popup(1);
    move(&f.slider, f.at(QStringLiteral("max")) + QPoint(0, 0));
    QVERIFY(maxPopup->isVisible());
    QApplication::setActiveWindow(maxPopup);
    QTest::keyClick(f.spins.at(1), Qt::Key_Escape);
    QVERIFY(!maxPopup->isVisible());
    QCOMPARE(spy.count(), 1);

    // Losing the focus hides the pop-up and applies the typed value.
    move(&f.slider, f.at(QStringLiteral("max")));
    spin = f.spins.at(1);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("90"));
    QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(spin, &out);
    QVERIFY(!maxPopup->isVisible());
    QCOMPARE(f.slider.getMaxHandleValue(), 90);
}

void TestRangeSlider::painting_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QColor>("gapBox"); // colour of the range box over the range bar
    QTest::addColumn<QColor>("handle"); // colour of the sampled handle half
    QTest::addColumn<QColor>("groove");
    const QColor red(255, 0, 0), blue(0, 0, 255), yellow(255, 255, 0), magenta(255, 0, 255), green(0, 160, 0);
    QTest::newRow("idle") << "idle" << blue << blue << green;
    QTest::newRow("disabled") << "disabled" << QColor(0, 0, 100) << QColor(0, 0, 100) << QColor(90, 90, 90);
    QTest::newRow("range dragged") << "drag" << yellow << yellow << green;
    QTest::newRow("hovered handle") << "hover" << blue << magenta << green;
    Q_UNUSED(red)
}

void TestRangeSlider::painting()
{
    QFETCH(QString, state);
    QFETCH(QColor, gapBox);
    Fixture f(30, 70);
    QVERIFY(f.ok);
    const QPair<const char *, QColor> theme[] = {
        {"BackgroundBrush", QColor(0, 160, 0)}, {"BackgroundBrushDisabled", QColor(90, 90, 90)},
        {"RangeBrush", QColor(255, 0, 0)},      {"RangeBrushDisabled", QColor(100, 0, 0)},
        {"DefaultBrush", QColor(0, 0, 255)},    {"DefaultBrushDisabled", QColor(0, 0, 100)},
        {"SunkenBrush", QColor(255, 255, 0)},   {"SunkenBrushDisabled", QColor(1, 1, 1)},
        {"HoverBrush", QColor(255, 0, 255)},    {"HoverBrushDisabled", QColor(2, 2, 2)},
        {"BorderBrush", QColor(0, 0, 0)},       {"BorderBrushDisabled", QColor(0, 0, 0)},
    };
    for (const auto &entry : theme)
        f.slider.setProperty(entry.first, QBrush(entry.second));
    f.slider.setProperty("CornerRadius", 3);
    const QRect minRect = f.handle(30), maxRect = f.handle(70), grooveBox = f.slider.grooveRect();
    const int y = grooveBox.center().y();
    if (state == QLatin1String("disabled"))
        f.slider.setEnabled(false);
    if (state == QLatin1String("drag"))
        QTest::mousePress(&f.slider, Qt::LeftButton, {}, f.at(QStringLiteral("range")));
    if (state == QLatin1String("hover"))
        QCursor::setPos(f.slider.mapToGlobal(maxRect.center()));
    const QColor range = f.slider.isEnabled() ? QColor(255, 0, 0) : QColor(100, 0, 0);
    const auto blend = [](const QColor &under, const QColor &over) {
        return QColor::fromRgbF(0.6 * under.redF() + 0.4 * over.redF(), 0.6 * under.greenF() + 0.4 * over.greenF(),
                                0.6 * under.blueF() + 0.4 * over.blueF());
    };
    const QColor gap = pixel(f.slider, QPoint((minRect.center().x() + maxRect.center().x()) / 2, y));
    QVERIFY2(near(gap, blend(range, gapBox)), qPrintable(gap.name()));
    // The outer half of the maximum handle, clear of its grip lines; the groove right of it.
    QFETCH(QColor, handle);
    QFETCH(QColor, groove);
    const QColor handlePixel = pixel(f.slider, QPoint(maxRect.right() - 1, y));
    QVERIFY2(near(handlePixel, handle), qPrintable(handlePixel.name()));
    const QColor groovePixel = pixel(f.slider, QPoint((grooveBox.left() + minRect.left()) / 2, y));
    QVERIFY2(near(groovePixel, groove), qPrintable(groovePixel.name()));
    if (state == QLatin1String("drag"))
        QTest::mouseRelease(&f.slider, Qt::LeftButton, {}, f.at(QStringLiteral("range")));
}

void TestRangeSlider::degenerateSizes()
{
    for (const QSize size : {QSize(0, 0), QSize(1, 1), QSize(4, 3), QSize(12, 6)}) {
        for (int maximum : {0, 99}) {
            Fixture f(0, maximum);
            f.slider.setRange(0, maximum);
            f.slider.resize(size);
            f.slider.setMinimumHeight(size.height() + 3);
            QImage image(QSize(20, 20), QImage::Format_ARGB32);
            f.slider.render(&image);
            for (const QPoint p : {QPoint(0, 0), QPoint(size.width(), size.height() / 2), QPoint(-5, 40)}) {
                QTest::mousePress(&f.slider, Qt::LeftButton, {}, p);
                move(&f.slider, p + QPoint(7, 0));
                QTest::mouseRelease(&f.slider, Qt::LeftButton, {}, p + QPoint(7, 0));
            }
            QVERIFY(f.slider.getMinHandleValue() >= 0 && f.slider.getMaxHandleValue() <= maximum);
        }
    }
}

QTEST_MAIN(TestRangeSlider)
#include "tst_rangeslider.moc"
