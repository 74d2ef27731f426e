// SPDX-License-Identifier: MIT

// Heap held per component, next to the Qt widget (or KDE widget, where the build has it)
// that does the same job, in the same run: the bytes the C library's allocator hands out
// (mallinfo2) between before creating the widgets and after they are polished, laid out
// and painted into an image, divided by their number. Nothing is shown, so no window
// surface (which grows with the window, not with the widget) is counted. The cascading view is measured per view over a
// model of 100 000 items (the model itself excluded); the other widgets as the average of 100.
//
// Run: build/benchmarks/bench_memory   (no -callgrind: these are byte counts, not times)

#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/CascadingListView.h>
#include <ComponentsLibrary/ColormapRangeSlider.h>
#include <ComponentsLibrary/ExpanderWidget.h>
#include <ComponentsLibrary/RangeSlider.h>
#include <vantor_common_models/ColormapModel.h>

#ifdef NALU_HAVE_KF5_WIDGETS_ADDONS
#include <KCollapsibleGroupBox>
#endif

#include <QColumnView>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QSlider>
#include <QStandardItemModel>
#include <QTest>
#include <QVBoxLayout>

#include <malloc.h>

#include <functional>
#include <memory>

using namespace Nalu::Components;

namespace {

constexpr int WidgetCount = 100;
constexpr int ItemCount = 100000;

qint64 heapInUse()
{
    return qint64(mallinfo2().uordblks);
}

// Polishes and lays out @p window and everything in it, then paints it into @p image.
void settle(QWidget &window, QImage &image)
{
    window.ensurePolished();
    for (QWidget *child : window.findChildren<QWidget *>()) {
        child->ensurePolished();
    }
    QCoreApplication::sendPostedEvents();
    if (window.layout()) {
        window.layout()->activate();
    }
    window.render(&image);
}

using Factory = std::function<QWidget *(int, QWidget *)>;

// Heap per widget made by @p make, shown and painted in a window of WidgetCount of them.
qint64 heapPerWidget(const Factory &make)
{
    QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
    {
        // Warm-up: fonts, style and one-time caches are not the widget's own.
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(make(0, &window));
        settle(window, image);
    }
    const qint64 before = heapInUse();
    auto window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(window.get());
    for (int i = 0; i < WidgetCount; ++i) {
        layout->addWidget(make(i, window.get()));
    }
    settle(*window, image);
    return (heapInUse() - before) / WidgetCount;
}

QLabel *contents(int i)
{
    return new QLabel(QStringLiteral("Contents of item %1").arg(i));
}

void fill(QStandardItem *parent, int level, int &budget)
{
    static const int branching[] = {6, 6, 7, 7, 7, 7};
    for (int row = 0; row < branching[level] && budget > 0; ++row) {
        auto *item = new QStandardItem(QStringLiteral("Item %1.%2").arg(level).arg(row));
        --budget;
        parent->appendRow(item);
        if (level + 1 < 6) {
            fill(item, level + 1, budget);
        }
    }
}

} // namespace

Q_DECLARE_METATYPE(Factory)

class BenchMemory : public QObject
{
    Q_OBJECT

    Nalu::Models::ColormapModel colormaps;

private Q_SLOTS:
    void initTestCase() { colormaps.setCurrentColormap(Nalu::Models::Colormaps::viridisLike()); }

    void perWidget_data()
    {
        QTest::addColumn<Factory>("make");
        QTest::newRow("CardWidget") << Factory([](int i, QWidget *parent) -> QWidget * {
            auto *card = new CardWidget(QStringLiteral("Card %1").arg(i), QStringLiteral("Subtitle %1").arg(i), parent);
            card->setContentsWidget(contents(i));
            return card;
        });
        QTest::newRow("QGroupBox") << Factory([](int i, QWidget *parent) -> QWidget * {
            auto *box = new QGroupBox(QStringLiteral("Card %1").arg(i), parent);
            auto *layout = new QVBoxLayout(box);
            layout->addWidget(new QLabel(QStringLiteral("Subtitle %1").arg(i)));
            layout->addWidget(contents(i));
            return box;
        });
        QTest::newRow("ExpanderWidget") << Factory([](int i, QWidget *parent) -> QWidget * {
            auto *expander = new ExpanderWidget(QStringLiteral("Item %1").arg(i), parent);
            expander->setContentsWidget(contents(i));
            return expander;
        });
#ifdef NALU_HAVE_KF5_WIDGETS_ADDONS
        QTest::newRow("KCollapsibleGroupBox") << Factory([](int i, QWidget *parent) -> QWidget * {
            auto *box = new KCollapsibleGroupBox(parent);
            box->setTitle(QStringLiteral("Item %1").arg(i));
            auto *layout = new QVBoxLayout(box);
            layout->addWidget(contents(i));
            box->setExpanded(true);
            return box;
        });
#endif
        QTest::newRow("RangeSlider") << Factory([](int, QWidget *parent) -> QWidget * {
            auto *slider = new RangeSlider(parent);
            slider->setSliderRange(20, 70);
            return slider;
        });
        QTest::newRow("ColormapRangeSlider") << Factory([this](int, QWidget *parent) -> QWidget * {
            auto *slider = new ColormapRangeSlider(parent);
            slider->setColormapModel(&colormaps);
            slider->setSliderRange(20, 70);
            return slider;
        });
        QTest::newRow("QSlider") << Factory([](int, QWidget *parent) -> QWidget * {
            auto *slider = new QSlider(Qt::Horizontal, parent);
            slider->setValue(20);
            return slider;
        });
    }
    void perWidget()
    {
        QFETCH(Factory, make);
        const qint64 bytes = heapPerWidget(make);
        QVERIFY(bytes > 0);
        QTest::setBenchmarkResult(qreal(bytes), QTest::BytesAllocated);
    }

    // One view over a model of 100 000 items, the model's own heap excluded.
    void perView_data()
    {
        QTest::addColumn<bool>("ours");
        QTest::newRow("CascadingListView") << true;
        QTest::newRow("QColumnView") << false;
    }
    void perView()
    {
        QFETCH(bool, ours);
        QStandardItemModel model;
        int budget = ItemCount;
        fill(model.invisibleRootItem(), 0, budget);
        QImage image(900, 400, QImage::Format_ARGB32_Premultiplied);
        const qint64 before = heapInUse();
        {
            std::unique_ptr<QWidget> view;
            if (ours) {
                view = std::make_unique<CascadingListView>(&model, nullptr);
            } else {
                auto *column = new QColumnView;
                column->setModel(&model);
                view.reset(column);
            }
            view->resize(image.size());
            settle(*view, image);
            const qint64 bytes = heapInUse() - before;
            QVERIFY(bytes > 0);
            QTest::setBenchmarkResult(qreal(bytes), QTest::BytesAllocated);
        }
    }
};

QTEST_MAIN(BenchMemory)
#include "bench_memory.moc"
