#include <ComponentsLibrary/TabBarStretched.h>
#include <ComponentsLibrary/TabWidgetStretched.h>

#include <QLabel>
#include <QTest>

using namespace Nalu::Components;

class tst_StretchedTabs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void marked();
};

void tst_StretchedTabs::marked()
{
    TabBarStretched bar;
    QCOMPARE(bar.property("stretched"), QVariant(true));
    TabWidgetStretched tabs;
    QCOMPARE(tabs.property("stretched"), QVariant(true));
    auto *tabBar = qobject_cast<TabBarStretched *>(tabs.tabBar());
    QVERIFY(tabBar);
    QCOMPARE(tabBar->parent(), &tabs);
    QCOMPARE(tabBar->property("stretched"), QVariant(true));
    // The installed bar is the one that really holds the tabs.
    tabs.addTab(new QLabel, QStringLiteral("One"));
    tabs.addTab(new QLabel, QStringLiteral("Two"));
    QCOMPARE(tabBar->count(), 2);
    tabBar->setCurrentIndex(1);
    QCOMPARE(tabs.currentIndex(), 1);
}

QTEST_MAIN(tst_StretchedTabs)
#include "tst_stretchedtabs.moc"
