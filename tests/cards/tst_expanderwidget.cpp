#include <ComponentsLibrary/CardWidgetBaseHeader.h>
#include <ComponentsLibrary/ExpanderWidget.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace Nalu::Components;

class tst_ExpanderWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultsAndContents()
    {
        ExpanderWidget expander(QStringLiteral("Expander"), nullptr);
        QVERIFY(expander.isExpanded() && expander.isExpandable() && !expander.isMinimized());
        QCOMPARE(expander.shape(), CardWidgetBase::NoFrame);
        QVERIFY(!expander.isFooterVisible() && expander.isHeaderVisible());
        QCOMPARE(expander.sizePolicy().horizontalPolicy(), QSizePolicy::MinimumExpanding);
        QCOMPARE(expander.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(expander.layout()->itemAt(1)->widget()->isHidden(), true);
        expander.setMinimized(true);
        QVERIFY(expander.findChild<CardWidgetBaseHeader *>()->isMinimized());

        QSignalSpy expanded(&expander, &ExpanderWidget::expandedChanged);
        QSignalSpy footerVisible(&expander, &CardWidgetBase::footerVisibleChanged);
        expander.collapse();
        expander.collapse();
        QCOMPARE(expanded.count(), 1);
        auto *contents = new QLabel(QStringLiteral("contents"));
        auto *footer = new QLabel(QStringLiteral("footer"));
        expander.setContentsWidget(contents);
        expander.setFooterWidget(footer);
        QCOMPARE(footerVisible.count(), 1);
        QVERIFY(expander.isFooterVisible());
        QVERIFY(contents->parentWidget()->isHidden() && footer->parentWidget()->isHidden());
        expander.show();
        QCOMPARE(expander.sizeHint().height(), expander.findChild<CardWidgetBaseHeader *>()->sizeHint().height());
        expander.expand();
        QVERIFY(!contents->parentWidget()->isHidden() && !footer->parentWidget()->isHidden());
        QVERIFY(expander.sizeHint().height() > expander.findChild<CardWidgetBaseHeader *>()->sizeHint().height());
        expander.collapse();
        QVERIFY(contents->parentWidget()->isHidden() && footer->parentWidget()->isHidden());
        QCOMPARE(expanded.count(), 3);
    }

    void userToggleFreezesAncestors()
    {
        QWidget window;
        auto *inner = new QWidget(&window);
        auto *layout = new QVBoxLayout(inner);
        auto *expander = new ExpanderWidget(QStringLiteral("Expander"), inner);
        expander->setContentsWidget(new QLabel(QStringLiteral("contents")));
        layout->addWidget(expander);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QList<bool> updatesDuringSignal;
        connect(expander, &ExpanderWidget::expandedChanged, [&] {
            for (QWidget *w : {static_cast<QWidget *>(expander), inner, &window}) {
                updatesDuringSignal << w->updatesEnabled();
            }
        });
        auto *title = expander->findChild<QLabel *>(QStringLiteral("title"));
        QTest::mouseClick(title, Qt::LeftButton);
        QVERIFY(!expander->isExpanded());
        QCOMPARE(updatesDuringSignal, QList<bool>({false, false, false}));
        QVERIFY(expander->updatesEnabled() && inner->updatesEnabled() && window.updatesEnabled());

        QTest::mouseMove(&window, title->mapTo(&window, title->rect().center()));
        QTRY_VERIFY(expander->findChild<CardWidgetBaseHeader *>()->underMouse());
        QTest::keyClick(&window, Qt::Key_Return);
        QVERIFY(expander->isExpanded());

        // Not expandable: collapses at once, and clicks no longer open it.
        expander->setExpandable(false);
        QVERIFY(!expander->isExpanded());
        QTest::mouseClick(title, Qt::LeftButton);
        QVERIFY(!expander->isExpanded());
        QCOMPARE(updatesDuringSignal.size(), 9);
    }
};

QTEST_MAIN(tst_ExpanderWidget)
#include "tst_expanderwidget.moc"
