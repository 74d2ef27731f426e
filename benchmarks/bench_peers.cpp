// SPDX-License-Identifier: MIT

// The expander and the colour button next to their counterparts in KDE's widget add-ons
// (KCollapsibleGroupBox, KColorButton), in the same run.
//
// createShowPaint: create 200 in one window, show it and run the event loop until the window
// has painted. expandCollapse: in a window of 20, expand the first one and let the layout
// settle (its height reaches the expanded height), then collapse it and let it settle again.
// The peer animates its height, so "settled" includes its animation frames; the waiting
// itself sleeps in the event loop and costs nothing.
//
// Run: build/benchmarks/bench_peers [-callgrind]   (QT_QPA_PLATFORM=offscreen without a display)

#include "BenchSupport.h"

#include <ComponentsLibrary/ColorButton.h>
#include <ComponentsLibrary/ExpanderWidget.h>

#include <KCollapsibleGroupBox>
#include <KColorButton>

#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>
#include <memory>

using namespace Nalu::Components;

namespace {

constexpr int CreateCount = 200;
constexpr int ToggleWindowCount = 20;

enum Kind { Ours, Peer };

QWidget *makeExpander(Kind kind, int i, QWidget *parent)
{
    auto *contents = new QLabel(QStringLiteral("Contents of item %1").arg(i));
    if (kind == Ours) {
        auto *expander = new ExpanderWidget(QStringLiteral("Item %1").arg(i), parent);
        expander->setContentsWidget(contents);
        return expander;
    }
    auto *box = new KCollapsibleGroupBox(parent);
    box->setTitle(QStringLiteral("Item %1").arg(i));
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(contents);
    box->setExpanded(true); // ours starts expanded
    return box;
}

QWidget *makeColorButton(Kind kind, int i, QWidget *parent)
{
    const QColor color = QColor::fromHsv(i * 7 % 360, 200, 220);
    if (kind == Ours) {
        return new ColorButton(color, parent);
    }
    return new KColorButton(color, parent);
}

using Factory = std::function<QWidget *(Kind, int, QWidget *)>;

std::unique_ptr<QWidget> populate(const Factory &make, Kind kind, int count)
{
    auto window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(window.get());
    for (int i = 0; i < count; ++i) {
        layout->addWidget(make(kind, i, window.get()));
    }
    layout->addStretch();
    return window;
}

using BenchSupport::showUntilPainted;

// Runs the event loop, sleeping between events, until @p widget is @p height pixels high
// once the posted layout requests are handled. False after five seconds.
bool settleAt(QWidget *widget, int height)
{
    const QDeadlineTimer deadline(5000);
    QTimer wake; // bounds each sleep, so that a missed height ends at the deadline
    wake.start(100);
    while (!deadline.hasExpired()) {
        QCoreApplication::sendPostedEvents();
        if (widget->height() == height) {
            return true;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return false;
}

void expand(QWidget *widget, bool expanded)
{
    if (auto *ours = qobject_cast<ExpanderWidget *>(widget)) {
        ours->setExpanded(expanded);
    } else {
        static_cast<KCollapsibleGroupBox *>(widget)->setExpanded(expanded);
    }
}

} // namespace

class BenchPeers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createShowPaint_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("expanders");
        QTest::newRow("ExpanderWidget") << int(Ours) << true;
        QTest::newRow("KCollapsibleGroupBox") << int(Peer) << true;
        QTest::newRow("ColorButton") << int(Ours) << false;
        QTest::newRow("KColorButton") << int(Peer) << false;
    }
    void createShowPaint()
    {
        QFETCH(int, kind);
        QFETCH(bool, expanders);
        const Factory make = expanders ? makeExpander : makeColorButton;
        {
            // Warm-up: fonts, style and icon caches are filled once, as in a running application.
            std::unique_ptr<QWidget> window = populate(make, Kind(kind), 2);
            QVERIFY(showUntilPainted(*window));
        }
        QBENCHMARK
        {
            std::unique_ptr<QWidget> window = populate(make, Kind(kind), CreateCount);
            QVERIFY(showUntilPainted(*window));
        }
    }

    void expandCollapse_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("ExpanderWidget") << int(Ours);
        QTest::newRow("KCollapsibleGroupBox") << int(Peer);
    }
    void expandCollapse()
    {
        QFETCH(int, kind);
        std::unique_ptr<QWidget> window = populate(makeExpander, Kind(kind), ToggleWindowCount);
        window->resize(400, 1200);
        QVERIFY(showUntilPainted(*window));
        QWidget *first = window->layout()->itemAt(0)->widget();
        // Learn the two heights with generous waits (the peer animates).
        expand(first, true);
        QTest::qWait(1000);
        const int expandedHeight = first->height();
        expand(first, false);
        QTest::qWait(1000);
        const int collapsedHeight = first->height();
        QVERIFY2(expandedHeight > collapsedHeight, "expanding made the widget no taller");
        QBENCHMARK
        {
            expand(first, true);
            QVERIFY(settleAt(first, expandedHeight));
            expand(first, false);
            QVERIFY(settleAt(first, collapsedHeight));
        }
    }
};

QTEST_MAIN(BenchPeers)
#include "bench_peers.moc"
