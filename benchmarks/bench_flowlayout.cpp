// SPDX-License-Identifier: MIT

// FlowLayout against QGridLayout holding the same widgets, at three sizes.
//
// Run: bench_flowlayout [-callgrind]. Each row alternates between two widths,
// so that QGridLayout cannot answer from the geometry it cached last time.

#include <ComponentsLibrary/FlowLayout.h>

#include <QCoreApplication>
#include <QGridLayout>
#include <QTest>
#include <QWidget>

#include <memory>

using Nalu::Components::FlowLayout;

namespace {

constexpr int GridColumns = 10;

// Widgets of varied widths (30 to 79 pixels) and one height.
std::unique_ptr<QWidget> makeHost(int count, bool flow)
{
    auto host = std::make_unique<QWidget>();
    QLayout *layout = flow ? static_cast<QLayout *>(new FlowLayout(host.get(), 0, 6, 6)) : new QGridLayout(host.get());
    auto *grid = qobject_cast<QGridLayout *>(layout);
    for (int i = 0; i < count; ++i) {
        auto *widget = new QWidget(host.get());
        widget->setFixedSize(30 + (i * 7) % 50, 20);
        if (grid) {
            grid->addWidget(widget, i / GridColumns, i % GridColumns);
        } else {
            layout->addWidget(widget);
        }
    }
    // Hidden children count as empty items: show the host once, off screen.
    host->setAttribute(Qt::WA_DontShowOnScreen);
    host->show();
    return host;
}

} // namespace

class bench_FlowLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
};

void bench_FlowLayout::layout_data()
{
    QTest::addColumn<bool>("flow");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("geometry"); // setGeometry, else heightForWidth
    for (bool geometry : {true, false}) {
        for (int count : {100, 1000, 10000, 100000}) {
            for (bool flow : {true, false}) {
                if (count > 10000 && !flow) {
                    continue; // the growth is what is measured at this size
                }
                QTest::addRow("%s %s %d", flow ? "FlowLayout" : "QGridLayout",
                              geometry ? "setGeometry" : "heightForWidth", count)
                    << flow << count << geometry;
            }
        }
    }
}

void bench_FlowLayout::layout()
{
    QFETCH(bool, flow);
    QFETCH(int, count);
    QFETCH(bool, geometry);
    const auto host = makeHost(count, flow);
    QLayout *layout = host->layout();
    const QRect rects[2] = {QRect(0, 0, 800, 100000), QRect(0, 0, 640, 100000)};
    int turn = 0;
    int sink = 0;
    if (geometry) {
        QBENCHMARK
        {
            layout->setGeometry(rects[turn++ & 1]);
        }
    } else {
        QBENCHMARK
        {
            sink += layout->heightForWidth(rects[turn++ & 1].width());
        }
    }
    QVERIFY(layout->count() == count && (geometry || !flow || sink > 0));
    // Showing posted events that are never delivered here; each child's destruction would
    // search all of them (minutes at 100 000 children), so they go in one pass.
    QCoreApplication::removePostedEvents(nullptr);
}

QTEST_MAIN(bench_FlowLayout)
#include "bench_flowlayout.moc"
