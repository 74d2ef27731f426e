#include "common.h"

#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/CardWidgetBaseHeader.h>

#include <QApplication>
#include <QRubberBand>
#include <QSignalSpy>
#include <QTest>

using namespace Nalu::Components;

class tst_CardWidget : public QObject
{
    Q_OBJECT

private:
    CardTest::HighlightStyle *style = nullptr;

    static QLabel *indicator(const CardWidget &card) { return card.findChild<QRubberBand *>()->findChild<QLabel *>(); }

private Q_SLOTS:
    void initTestCase()
    {
        style = new CardTest::HighlightStyle;
        QApplication::setStyle(style);
    }

    void stateSignals()
    {
        CardWidget card(QStringLiteral("Card"), nullptr);
        QStringList order;
        connect(&card, &CardWidget::checkableChanged, [&](bool b) { order << QStringLiteral("checkable%1").arg(b); });
        connect(&card, &CardWidget::checkedChanged, [&](bool b) { order << QStringLiteral("checked%1").arg(b); });
        card.setChecked(true);
        QVERIFY(order.isEmpty() && !card.isChecked());
        card.setCheckable(true);
        card.setChecked(true);
        card.setChecked(true);
        QVERIFY(!indicator(card)->isHidden() && !card.findChild<QRubberBand *>()->isHidden());
        card.setCheckable(false);
        QCOMPARE(order,
                 QStringList({QStringLiteral("checkable1"), QStringLiteral("checked1"), QStringLiteral("checked0"),
                              QStringLiteral("checkable0")}));
        QVERIFY(indicator(card)->isHidden() && card.findChild<QRubberBand *>()->isHidden());
    }

    void clicks_data()
    {
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<bool>("onHeader");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("toggled");
        QTest::newRow("left on contents") << true << false << int(Qt::LeftButton) << true;
        QTest::newRow("left on header") << true << true << int(Qt::LeftButton) << true;
        QTest::newRow("right") << true << false << int(Qt::RightButton) << false;
        QTest::newRow("not checkable") << false << false << int(Qt::LeftButton) << false;
    }

    void clicks()
    {
        QFETCH(bool, checkable);
        QFETCH(bool, onHeader);
        QFETCH(int, button);
        QFETCH(bool, toggled);
        CardWidget card(QStringLiteral("Card"), nullptr);
        auto *label = new QLabel(QStringLiteral("contents"));
        card.setContentsWidget(label);
        card.setCheckable(checkable);
        card.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card));
        QSignalSpy spy(&card, &CardWidget::checkedChanged);
        QWidget *target = onHeader ? card.findChild<QLabel *>(QStringLiteral("title")) : label;
        QTest::mouseClick(target, Qt::MouseButton(button));
        QCOMPARE(card.isChecked(), toggled);
        QCOMPARE(spy.count(), int(card.isChecked()));
        if (card.isChecked()) {
            // The highlight lets clicks through, so a second click unchecks.
            QTest::mouseClick(target, Qt::MouseButton(button));
            QVERIFY(!card.isChecked());
        }
    }

    void indicatorPlacementAndPixmap()
    {
        QWidget window;
        auto *card = new CardWidget(QStringLiteral("Card"), &window);
        card->setProperty("BackgroundBrush", QBrush(Qt::green));
        card->setContentsWidget(new QLabel(QStringLiteral("contents")));
        card->setCheckable(true);
        card->setChecked(true);
        card->setGeometry(10, 10, 300, 200);
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget *container = card->getContentsWidget()->parentWidget();
        QLabel *mark = indicator(*card);
        for (const QSize &size : {QSize(300, 200), QSize(250, 280)}) {
            card->resize(size);
            QTRY_COMPARE(mark->geometry(), QRect(container->geometry().bottomRight() - QPoint(44, 44), QSize(32, 32)));
            QCOMPARE(card->findChild<QRubberBand *>()->geometry(), card->rect());
        }
        QCOMPARE(mark->property("highlightedIcon"), QVariant(QStringLiteral("status.checked.circular.colored")));
        const QImage image = mark->pixmap(Qt::ReturnByValue).toImage();
        QCOMPARE(image.size(), QSize(32, 32));
        QCOMPARE(image.pixelColor(16, 16), QColor(Qt::magenta));
        QCOMPARE(image.pixelColor(16, 5), QColor(Qt::green));
        QCOMPARE(image.pixelColor(1, 1).alpha(), 0);
        // Moving the header (new title height) moves the contents, and the mark with it.
        card->setSubtitle(QStringLiteral("a subtitle that adds a line"));
        QTRY_COMPARE(mark->geometry().bottomRight(), container->geometry().bottomRight() - QPoint(13, 13));
    }
};

QTEST_MAIN(tst_CardWidget)
#include "tst_cardwidget.moc"
