// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/MinimizedScrollBarHorizontal.h>
#include <ComponentsLibrary/MinimizedScrollBarVertical.h>

#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>

#include "TestSupport.h"

using namespace Nalu::Components;

// Thin bars are 4 px: the style's answer for a scroll bar of no contents size.
struct ThinStyle : QProxyStyle
{
    QSize sizeFromContents(ContentsType t, const QStyleOption *o, const QSize &s, const QWidget *w) const override
    {
        return t == CT_ScrollBar && !s.isValid() ? QSize(4, 4) : QProxyStyle::sizeFromContents(t, o, s, w);
    }
};

// A scroll area with a minimized vertical bar in a window with room around it. Real pointer moves through QTest
// produce the Enter and Leave events, also on the offscreen platform.
struct Fixture
{
    ThinStyle style;
    QWidget window;
    QScrollArea *area = new QScrollArea(&window);
    MinimizedScrollBar *bar = new MinimizedScrollBarVertical;
    QSignalSpy minimized {bar, &MinimizedScrollBar::minimizedChanged};
    Fixture()
    {
        area->setGeometry(40, 40, 200, 200);
        area->setWidget(new QLabel(QStringLiteral("line\n").repeated(100)));
        area->setVerticalScrollBar(bar);
        bar->setStyle(&style);
        // Qt 6 enters the widget under the pointer as a window shows: start with the pointer in a corner.
        QCursor::setPos(window.mapToGlobal(QPoint(5, 5)));
        QVERIFY(TestSupport::showExposed(window));
        hover(nullptr);
    }
    void hover(QWidget *w) { QTest::mouseMove(&window, w ? w->mapTo(&window, w->rect().center()) : QPoint(5, 5)); }
};

enum class Busy { ExpandPending, ShrinkPending, Animating };
Q_DECLARE_METATYPE(Busy)

class TestScrolling : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void thinSizeHintComesFromTheStyle()
    {
        ThinStyle style;
        MinimizedScrollBarHorizontal horizontal;
        MinimizedScrollBarVertical vertical;
        for (MinimizedScrollBar *bar : std::initializer_list<MinimizedScrollBar *> {&horizontal, &vertical}) {
            const QSize plain = QScrollBar(bar == &vertical ? Qt::Vertical : Qt::Horizontal).sizeHint();
            QVERIFY(bar->isMinimized() && !bar->isTransient() && bar->getAnimatedSize() == -1);
            QCOMPARE(bar->sizeHint(), plain); // the style has no thin size
            bar->setStyle(&style);
            QCOMPARE(bar->minimumSizeHint(), bar == &vertical ? QSize(4, plain.height()) : QSize(plain.width(), 4));
            QCOMPARE(bar->sizeHint(), bar->minimumSizeHint());
        }
    }

    void hoverExpandsThenShrinks()
    {
        Fixture f;
        const int full = QScrollBar().sizeHint().width();
        QElapsedTimer clock;
        clock.start();
        f.hover(f.bar);
        QTRY_VERIFY_WITH_TIMEOUT(!f.bar->isMinimized(), 300);
        QVERIFY(clock.elapsed() >= 95);
        QTRY_COMPARE(f.bar->width(), full); // the scroll area lays the wider bar out
        f.hover(f.area->viewport()); // coming back within a second keeps it expanded; a disabled bar does not shrink
        f.hover(f.bar);
        f.bar->setEnabled(false);
        f.hover(f.area->viewport());
        QVERIFY(!f.minimized.wait(1300));
        f.bar->setEnabled(true);
        f.hover(f.bar);
        f.hover(f.area->viewport());
        clock.restart();
        QTRY_VERIFY_WITH_TIMEOUT(f.bar->isMinimized(), 2000);
        QVERIFY(clock.elapsed() >= 950);
        QTRY_COMPARE(f.bar->getAnimatedSize(), -1);
        QVERIFY(clock.elapsed() >= 1150);
        QCOMPARE(f.bar->width(), 4); // the area laid it out at each step
        f.bar->setEnabled(false); // a disabled bar stays thin under the pointer
        f.hover(f.bar);
        QVERIFY(!f.minimized.wait(300) && f.bar->isMinimized());
    }

    void transientPolicyFollowsPointerAndArea()
    {
        Fixture f;
        QSignalSpy transient(f.bar, &MinimizedScrollBar::transientChanged);
        f.bar->setTransient(true);
        f.bar->setTransient(true);
        QCOMPARE(transient.count(), 1);
        QCOMPARE(f.area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        f.hover(f.area->viewport());
        QTRY_COMPARE(f.area->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        f.hover(nullptr);
        QCOMPARE(f.area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        f.bar->setEnabled(false);
        f.hover(f.area->viewport());
        QVERIFY(!QTest::qWaitFor([&]() { return f.area->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff; }, 400));
        QScrollArea other(&f.window); // moving the bar to another area takes the filter along
        other.setGeometry(40, 250, 200, 40);
        other.show();
        other.setVerticalScrollBar(f.bar);
        f.bar->setEnabled(true);
        f.hover(other.viewport());
        QTRY_COMPARE(other.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        delete f.area; // it still points at the bar it lost: it must not outlive the bar
    }

    void deletionWhileBusyLeavesNoTimers_data()
    {
        QTest::addColumn<bool>("deleteArea"); // the scroll area with its bar, else a bar of its own
        QTest::addColumn<Busy>("busy"); // with what when deleted
        QTest::newRow("bar, expand pending") << false << Busy::ExpandPending;
        QTest::newRow("bar, shrink pending") << false << Busy::ShrinkPending;
        QTest::newRow("bar, animating") << false << Busy::Animating;
        QTest::newRow("area, expand pending") << true << Busy::ExpandPending;
        QTest::newRow("area, shrink pending") << true << Busy::ShrinkPending;
        QTest::newRow("area, animating") << true << Busy::Animating;
    }
    void deletionWhileBusyLeavesNoTimers()
    {
        QFETCH(bool, deleteArea);
        QFETCH(Busy, busy);
        Fixture f;
        QPointer<MinimizedScrollBar> bar = deleteArea ? f.bar : new MinimizedScrollBarVertical(&f.window);
        bar->show();
        bar->setTransient(true);
        f.hover(bar);
        QTRY_VERIFY(busy == Busy::ExpandPending || !bar->isMinimized());
        f.hover(busy == Busy::ExpandPending ? bar.data() : f.area->viewport());
        QTRY_VERIFY_WITH_TIMEOUT(busy != Busy::Animating || bar->getAnimatedSize() != -1, 2000);
        delete (deleteArea ? static_cast<QWidget *>(f.area) : bar.data());
        QVERIFY(bar.isNull());
        QVERIFY(!QSignalSpy(&f.window, &QObject::destroyed).wait(1300)); // the dead bar's timers would fire here
    }
};

QTEST_MAIN(TestScrolling)
#include "tst_scrolling.moc"
