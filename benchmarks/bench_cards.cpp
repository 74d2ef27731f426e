// SPDX-License-Identifier: MIT

// Cards against plain group boxes: creating, showing and painting 500 of each, with heap use per widget; and
// checking one card of an exclusive group of 10 and of 1 000 cards, to see whether the cost grows with the group.
//
// Run: build/benchmarks/bench_cards [-callgrind]   (QT_QPA_PLATFORM=offscreen without a display)

#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/CardWidgetGroup.h>

#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

#include <malloc.h>

#include <functional>
#include <memory>
#include <vector>

using Nalu::Components::CardWidget;

namespace {

constexpr int Count = 500;
constexpr int Columns = 25;

QWidget *makeCard(int i, QWidget *parent)
{
    auto *card = new CardWidget(QStringLiteral("Card %1").arg(i), QStringLiteral("Subtitle %1").arg(i), parent);
    card->setContentsWidget(new QLabel(QStringLiteral("Contents of item %1").arg(i)));
    return card;
}

QWidget *makeGroupBox(int i, QWidget *parent)
{
    auto *box = new QGroupBox(QStringLiteral("CARD %1").arg(i), parent);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(new QLabel(QStringLiteral("Subtitle %1").arg(i)));
    layout->addWidget(new QLabel(QStringLiteral("Contents of item %1").arg(i)));
    return box;
}

using Factory = std::function<QWidget *(int, QWidget *)>;

std::unique_ptr<QWidget> populate(const Factory &make)
{
    auto window = std::make_unique<QWidget>();
    auto *grid = new QGridLayout(window.get());
    for (int i = 0; i < Count; ++i) {
        grid->addWidget(make(i, window.get()), i / Columns, i % Columns);
    }
    return window;
}

// Create, show and paint everything once.
void createShowPaint(const Factory &make)
{
    std::unique_ptr<QWidget> window = populate(make);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->repaint();
}

// Heap held by the widgets once created, polished and laid out (no window surface).
qint64 heapPerWidget(const Factory &make)
{
    const size_t before = mallinfo2().uordblks;
    std::unique_ptr<QWidget> window = populate(make);
    window->ensurePolished();
    for (QWidget *child : window->findChildren<QWidget *>()) {
        child->ensurePolished();
    }
    window->layout()->activate();
    const size_t after = mallinfo2().uordblks;
    return (qint64(after) - qint64(before)) / Count;
}

} // namespace

class bench_Cards : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cardWidgets()
    {
        QBENCHMARK
        {
            createShowPaint(makeCard);
        }
    }

    // Two members take turns: each check also unchecks the one checked before.
    void checkInExclusiveGroup_data()
    {
        QTest::addColumn<int>("members");
        QTest::newRow("10 cards") << 10;
        QTest::newRow("1000 cards") << 1000;
    }
    void checkInExclusiveGroup()
    {
        QFETCH(int, members);
        QWidget window;
        Nalu::Components::CardWidgetGroup group;
        group.setExclusive(true);
        std::vector<CardWidget *> cards;
        for (int i = 0; i < members; ++i) {
            auto *card = new CardWidget(QStringLiteral("Card %1").arg(i), &window);
            card->setCheckable(true);
            group.addCardWidget(card);
            cards.push_back(card);
        }
        // Members near the middle, so that neither end of a walk over the group is favoured.
        CardWidget *const first = cards[std::size_t(members / 2 - 1)];
        CardWidget *const second = cards[std::size_t(members / 2)];
        first->setChecked(true);
        bool turn = false;
        QBENCHMARK
        {
            turn = !turn;
            (turn ? second : first)->setChecked(true);
        }
        QVERIFY(first->isChecked() != second->isChecked());
        QCOMPARE(group.getCheckedCardWidget(), turn ? second : first);
    }

    void groupBoxes()
    {
        QBENCHMARK
        {
            createShowPaint(makeGroupBox);
        }
    }

    // Both in one run with the same clock, so the ratio does not depend on machine load between runs.
    void ratioAndHeap()
    {
        createShowPaint(makeCard); // warm up caches of fonts and styles
        createShowPaint(makeGroupBox);
        qint64 cardsNs = 0;
        qint64 boxesNs = 0;
        QElapsedTimer timer;
        for (int round = 0; round < 5; ++round) {
            timer.start();
            createShowPaint(makeCard);
            cardsNs += timer.nsecsElapsed();
            timer.start();
            createShowPaint(makeGroupBox);
            boxesNs += timer.nsecsElapsed();
        }
        const qint64 cardHeap = heapPerWidget(makeCard);
        const qint64 boxHeap = heapPerWidget(makeGroupBox);
        qInfo("cards %.1f ms, group boxes %.1f ms per %d, ratio %.2f", cardsNs / 5e6, boxesNs / 5e6, Count,
              double(cardsNs) / double(boxesNs));
        qInfo("heap per widget: card %lld bytes, group box %lld bytes, ratio %.2f", cardHeap, boxHeap,
              double(cardHeap) / double(boxHeap));
        QVERIFY(cardsNs > 0 && boxesNs > 0 && cardHeap > 0 && boxHeap > 0);
    }
};

QTEST_MAIN(bench_Cards)
#include "bench_cards.moc"
