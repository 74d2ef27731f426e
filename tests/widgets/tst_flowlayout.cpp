#include <ComponentsLibrary/FlowLayout.h>

#include <QApplication>
#include <QProxyStyle>
#include <QTest>
#include <QVBoxLayout>

using namespace Nalu::Components;

namespace {

// A widget-less item of a known size hint that records where it was put.
class FixedItem : public QLayoutItem
{
public:
    FixedItem(QSize size, bool empty)
        : m_size(size)
        , m_empty(empty)
    {
    }
    QSize sizeHint() const override { return m_size; }
    QSize minimumSize() const override { return m_size / 2; }
    QSize maximumSize() const override { return m_size; }
    Qt::Orientations expandingDirections() const override { return {}; }
    void setGeometry(const QRect &rect) override { m_geometry = rect; }
    QRect geometry() const override { return m_geometry; }
    bool isEmpty() const override { return m_empty; }

private:
    QSize m_size;
    bool m_empty;
    QRect m_geometry;
};

class SpacingStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric pm, const QStyleOption *option, const QWidget *widget) const override
    {
        if (pm == PM_LayoutHorizontalSpacing || pm == PM_LayoutVerticalSpacing) {
            return pm == PM_LayoutHorizontalSpacing ? 13 : 9;
        }
        return QProxyStyle::pixelMetric(pm, option, widget);
    }
};

} // namespace

class tst_FlowLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wrapping_data();
    void wrapping();
    void spacingFromParent();
    void parentHeightFollowsWidth_data();
    void parentHeightFollowsWidth();
    void itemListAndHints();
};

using Sizes = QVector<QSize>;
using Rects = QVector<QRect>;

void tst_FlowLayout::wrapping_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("margin");
    QTest::addColumn<Sizes>("sizes"); // a negative width marks a hidden item
    QTest::addColumn<Rects>("expected");
    QTest::addColumn<int>("height");
    const QSize s(50, 20);
    const QSize hidden(-50, 20);
    // Spacings are 10 horizontally and 5 vertically.
    QTest::newRow("third wraps") << 150 << 0 << Sizes {s, s, s}
                                 << Rects {{0, 0, 50, 20}, {60, 0, 50, 20}, {0, 25, 50, 20}} << 45;
    QTest::newRow("right() is width - 1")
        << 170 << 0 << Sizes {s, s, s} << Rects {{0, 0, 50, 20}, {60, 0, 50, 20}, {0, 25, 50, 20}} << 45;
    QTest::newRow("fits") << 171 << 0 << Sizes {s, s, s} << Rects {{0, 0, 50, 20}, {60, 0, 50, 20}, {120, 0, 50, 20}}
                          << 20;
    QTest::newRow("oversized alone") << 100 << 0 << Sizes {{300, 30}, s} << Rects {{0, 0, 300, 30}, {0, 35, 50, 20}}
                                     << 55;
    QTest::newRow("oversized first on new row")
        << 100 << 0 << Sizes {s, {300, 30}, s} << Rects {{0, 0, 50, 20}, {0, 25, 300, 30}, {0, 60, 50, 20}} << 80;
    QTest::newRow("hidden takes no place")
        << 150 << 0 << Sizes {s, hidden, s, hidden} << Rects {{0, 0, 50, 20}, {}, {60, 0, 50, 20}, {}} << 20;
    QTest::newRow("tallest sets row height")
        << 150 << 0 << Sizes {{50, 10}, {50, 40}, s} << Rects {{0, 0, 50, 10}, {60, 0, 50, 40}, {0, 45, 50, 20}} << 65;
    QTest::newRow("margins") << 164 << 7 << Sizes {s, s, s} << Rects {{7, 7, 50, 20}, {67, 7, 50, 20}, {7, 32, 50, 20}}
                             << 59;
    QTest::newRow("empty") << 100 << 3 << Sizes {} << Rects {} << 6;
}

void tst_FlowLayout::wrapping()
{
    QFETCH(int, width);
    QFETCH(int, margin);
    QFETCH(Sizes, sizes);
    QFETCH(Rects, expected);
    QFETCH(int, height);
    FlowLayout layout(margin, 10, 5);
    QVector<FixedItem *> items;
    for (const QSize &size : sizes) {
        items.append(new FixedItem(QSize(qAbs(size.width()), size.height()), size.width() < 0));
        layout.addItem(items.last());
    }
    QCOMPARE(layout.heightForWidth(width), height);
    for (FixedItem *item : qAsConst(items)) {
        QCOMPARE(item->geometry(), QRect()); // asking the height places nothing
    }
    layout.setGeometry(QRect(0, 0, width, 500));
    Rects placed;
    for (FixedItem *item : qAsConst(items)) {
        placed.append(item->geometry());
    }
    QCOMPARE(placed, expected);
    // The same rows from another origin: only the offset changes.
    layout.setGeometry(QRect(100, 40, width, 500));
    for (int i = 0; i < items.size(); ++i) {
        QCOMPARE(items.at(i)->geometry(), expected.at(i).isNull() ? QRect() : expected.at(i).translated(100, 40));
    }
}

void tst_FlowLayout::spacingFromParent()
{
    SpacingStyle style;
    QWidget window;
    window.setStyle(&style);
    auto *layout = new FlowLayout(&window, 0);
    QCOMPARE(layout->horizontalSpacing(), 13);
    QCOMPARE(layout->verticalSpacing(), 9);
    auto *a = new QWidget(&window);
    auto *b = new QWidget(&window);
    auto *c = new QWidget(&window);
    for (QWidget *w : {a, b, c}) {
        w->setFixedSize(40, 20);
        layout->addWidget(w);
    }
    layout->setGeometry(QRect(0, 0, 100, 100));
    QCOMPARE(b->geometry(), QRect(53, 0, 40, 20));
    QCOMPARE(c->geometry(), QRect(0, 29, 40, 20));

    // Nested in another layout: that layout's spacing; parentless: -1.
    QVBoxLayout outer;
    outer.setSpacing(7);
    auto *inner = new FlowLayout;
    QCOMPARE(inner->horizontalSpacing(), -1);
    outer.addLayout(inner);
    QCOMPARE(inner->horizontalSpacing(), 7);
    QCOMPARE(inner->verticalSpacing(), 7);

    // No one to ask and no widget in the items: a gap of the application style, never negative.
    FlowLayout orphan;
    auto *first = new FixedItem(QSize(50, 20), false);
    auto *second = new FixedItem(QSize(50, 20), false);
    orphan.addItem(first);
    orphan.addItem(second);
    orphan.addItem(new QSpacerItem(10, 10));
    orphan.setGeometry(QRect(0, 0, 500, 100));
    const int gap
        = QApplication::style()->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, Qt::Horizontal);
    QCOMPARE(second->geometry().x(), 50 + qMax(0, gap));
}

void tst_FlowLayout::parentHeightFollowsWidth_data()
{
    QTest::addColumn<int>("policy");
    QTest::addColumn<bool>("reparented"); // layout set on the widget after construction
    QTest::newRow("fixed") << int(QSizePolicy::Fixed) << false;
    QTest::newRow("fixed, set later") << int(QSizePolicy::Fixed) << true;
    QTest::newRow("maximum") << int(QSizePolicy::Maximum) << false;
    QTest::newRow("maximum, set later") << int(QSizePolicy::Maximum) << true;
    QTest::newRow("preferred") << int(QSizePolicy::Preferred) << false;
}

void tst_FlowLayout::parentHeightFollowsWidth()
{
    QFETCH(int, policy);
    QFETCH(bool, reparented);
    QWidget top;
    auto *window = new QWidget(&top); // a child: no window minimum size gets in the way
    window->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Policy(policy));
    FlowLayout *layout = reparented ? new FlowLayout(0, 4, 4) : new FlowLayout(window, 0, 4, 4);
    if (reparented) {
        window->setLayout(layout);
    }
    for (int i = 0; i < 6; ++i) {
        auto *w = new QWidget(window);
        w->setFixedSize(50, 30);
        layout->addWidget(w);
    }
    top.show();
    // One row of six, three rows of two, six rows of one.
    for (const QPair<int, int> &widthHeight : {qMakePair(400, 30), qMakePair(120, 98), qMakePair(60, 200)}) {
        window->resize(widthHeight.first, 300);
        const int expected = widthHeight.second;
        QCOMPARE(layout->heightForWidth(widthHeight.first), expected);
        switch (policy) {
        case QSizePolicy::Fixed:
            QCOMPARE(window->minimumHeight(), expected);
            QCOMPARE(window->height(), expected);
            break;
        case QSizePolicy::Maximum:
            QCOMPARE(window->maximumHeight(), expected);
            QCOMPARE(window->minimumHeight(), 0);
            break;
        default:
            QCOMPARE(window->height(), 300);
            QCOMPARE(window->maximumHeight(), QWIDGETSIZE_MAX);
        }
    }
}

void tst_FlowLayout::itemListAndHints()
{
    FlowLayout layout(4, 2, 2);
    QCOMPARE(layout.sizeHint(), QSize(7, 7)); // invalid size plus twice the left and top margins
    QCOMPARE(layout.expandingDirections(), Qt::Orientations(Qt::Horizontal));
    QVERIFY(layout.hasHeightForWidth());
    auto *small = new FixedItem(QSize(30, 50), false);
    auto *wide = new FixedItem(QSize(80, 10), true);
    layout.addItem(small);
    layout.addItem(wide);
    QCOMPARE(layout.sizeHint(), QSize(88, 58));
    QCOMPARE(layout.minimumSize(), QSize(48, 33));
    for (int bad : {-1, 2, 100}) {
        QVERIFY(!layout.itemAt(bad));
        QVERIFY(!layout.takeAt(bad));
    }
    QCOMPARE(layout.count(), 2);
    QCOMPARE(layout.itemAt(1), wide);
    QCOMPARE(layout.takeAt(0), small);
    QCOMPARE(layout.count(), 1);
    QCOMPARE(layout.itemAt(0), wide);
    delete small;
}

QTEST_MAIN(tst_FlowLayout)
#include "tst_flowlayout.moc"
