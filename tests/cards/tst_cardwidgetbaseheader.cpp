#include "common.h"

#include <ComponentsLibrary/CardWidgetBaseHeader.h>

#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace Nalu::Components;

namespace {

// Records the releases that the header passes on.
class Parent : public QWidget
{
public:
    int releases = 0;

protected:
    void mouseReleaseEvent(QMouseEvent *) override { ++releases; }
};

} // namespace

class tst_CardWidgetBaseHeader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir iconDir;
    CardTest::HighlightStyle *style = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        CardTest::installIconTheme(iconDir,
                                   {{QStringLiteral("chevron.down.ForegroundBrush"), Qt::red},
                                    {QStringLiteral("chevron.up.ForegroundBrush"), Qt::green},
                                    {QStringLiteral("chevron.right.ForegroundBrush"), Qt::blue},
                                    {QStringLiteral("chevron.down"), Qt::yellow}});
        style = new CardTest::HighlightStyle;
        QApplication::setStyle(style);
    }

    void form()
    {
        CardWidgetBaseHeader header(nullptr);
        auto *grid = header.findChild<QGridLayout *>(QStringLiteral("gridLayout"));
        QVERIFY(grid);
        QCOMPARE(header.layout(), grid);
        QCOMPARE(grid->contentsMargins(), QMargins(7, 4, 4, 6));
        QCOMPARE(header.objectName(), QStringLiteral("CardWidgetBaseHeader"));
        const QList<QPair<QString, QVector<int>>> cells {
            {QStringLiteral("expandIndicator"), {0, 0, 1, 1}},   {QStringLiteral("title"), {0, 1, 1, 1}},
            {QStringLiteral("headerRightWidget"), {0, 2, 1, 1}}, {QStringLiteral("menuButton"), {0, 3, 1, 1}},
            {QStringLiteral("subtitle"), {1, 1, 1, 2}},          {QStringLiteral("headerBottomWidget"), {2, 1, 1, 3}}};
        for (const auto &cell : cells) {
            auto *child = header.findChild<QWidget *>(cell.first);
            QVERIFY2(child, qPrintable(cell.first));
            QVERIFY(child->isHidden());
            if (auto *label = qobject_cast<QLabel *>(child)) {
                QVERIFY(label->text().isEmpty());
            }
            QVector<int> pos(4);
            grid->getItemPosition(grid->indexOf(child), &pos[0], &pos[1], &pos[2], &pos[3]);
            QCOMPARE(pos, cell.second);
        }
        QVERIFY(header.hasUpperCaseTitle());
        QVERIFY(!header.isExpandable() && !header.isExpanded() && !header.isMinimized());
        QVERIFY(!header.hasInvertedAppearance());
    }

    void titles()
    {
        CardWidgetBaseHeader header(QStringLiteral("abc"), QStringLiteral("Sub"), nullptr);
        auto *title = header.findChild<QLabel *>(QStringLiteral("title"));
        QSignalSpy titleSpy(&header, &CardWidgetBaseHeader::titleChanged);
        QSignalSpy upperSpy(&header, &CardWidgetBaseHeader::upperCaseTitleChanged);
        QCOMPARE(title->text(), QStringLiteral("ABC"));
        QCOMPARE(header.title(), QStringLiteral("abc"));
        QVERIFY(!title->isHidden());
        header.setTitle(QStringLiteral("abc"));
        header.setUpperCaseTitle(false);
        header.setUpperCaseTitle(false);
        QCOMPARE(title->text(), QStringLiteral("abc"));
        QCOMPARE(upperSpy.count(), 1);
        header.setTitle(QString());
        QVERIFY(title->isHidden());
        QCOMPARE(titleSpy.count(), 1);
        header.setSubtitle(QString());
        QVERIFY(header.findChild<QLabel *>(QStringLiteral("subtitle"))->isHidden());
    }

    void expandableCollapsesFirst()
    {
        CardWidgetBaseHeader header(nullptr);
        QStringList order;
        connect(&header, &CardWidgetBaseHeader::expandedChanged,
                [&](bool b) { order << QStringLiteral("expanded%1").arg(b); });
        connect(&header, &CardWidgetBaseHeader::expandableChanged,
                [&](bool b) { order << QStringLiteral("expandable%1").arg(b); });
        header.setExpandable(true);
        header.expand();
        header.setExpandable(false);
        QCOMPARE(order,
                 QStringList({QStringLiteral("expandable1"), QStringLiteral("expanded1"), QStringLiteral("expanded0"),
                              QStringLiteral("expandable0")}));
    }

    void indicator_data()
    {
        QTest::addColumn<bool>("expanded");
        QTest::addColumn<bool>("inverted");
        QTest::addColumn<bool>("minimized");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("size");
        QTest::newRow("down") << true << false << false << QColor(Qt::red) << 20;
        QTest::newRow("up") << true << true << false << QColor(Qt::green) << 20;
        QTest::newRow("right minimized") << false << true << true << QColor(Qt::blue) << 12;
    }

    void indicator()
    {
        QFETCH(bool, expanded);
        QFETCH(bool, inverted);
        QFETCH(bool, minimized);
        QFETCH(QColor, colour);
        QFETCH(int, size);
        CardWidgetBaseHeader header(nullptr);
        header.setExpandable(true);
        header.setExpanded(expanded);
        header.setInvertedAppearance(inverted);
        header.setMinimized(minimized);
        auto *indicator = header.findChild<QLabel *>(QStringLiteral("expandIndicator"));
        QVERIFY(!indicator->isHidden());
        QCOMPARE(indicator->pixmap(Qt::ReturnByValue).size(), QSize(size, size));
        QCOMPARE(CardTest::centreColour(indicator), colour);
    }

    void hoverAndPointer()
    {
        Parent parent;
        parent.resize(400, 200);
        auto *header = new CardWidgetBaseHeader(QStringLiteral("Title"), &parent);
        header->setGeometry(0, 0, 400, 100);
        auto *right = new QLabel(QStringLiteral("right"));
        header->setHeaderRightWidget(right);
        parent.show();
        QVERIFY(QTest::qWaitForWindowActive(&parent));
        QSignalSpy spy(header, &CardWidgetBaseHeader::expandedChanged);
        auto *title = header->findChild<QLabel *>(QStringLiteral("title"));
        const QPoint onTitle = title->mapTo(&parent, title->rect().center());

        // Not expandable: releases reach the parent, keys do nothing.
        QTest::mouseMove(&parent, onTitle);
        QTest::mouseClick(title, Qt::LeftButton);
        QCOMPARE(parent.releases, 1);

        header->setExpandable(true);
        style->requests.clear();
        QTest::mouseMove(&parent, QPoint(200, 150));
        QTest::mouseMove(&parent, onTitle);
        QTRY_VERIFY(header->underMouse());
        QCOMPARE(style->requests.value(0), QStringLiteral("chevron.right"));
        auto *indicator = header->findChild<QLabel *>(QStringLiteral("expandIndicator"));
        QCOMPARE(CardTest::centreColour(indicator), QColor(Qt::magenta));

        QTest::mouseClick(title, Qt::RightButton);
        QCOMPARE(parent.releases, 2);
        QTest::mouseClick(title, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QVERIFY(header->isExpanded());
        QCOMPARE(style->requests.last(), QStringLiteral("chevron.down"));
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Enter, Qt::Key_Return}) {
            QTest::keyClick(&parent, key);
        }
        QCOMPARE(spy.count(), 4);

        const QPoint onRight = right->mapTo(&parent, right->rect().center());
        QTest::mouseMove(&parent, onRight);
        QTRY_VERIFY(right->underMouse());
        QTest::mouseClick(right, Qt::LeftButton);
        QTest::keyClick(&parent, Qt::Key_Space);
        QCOMPARE(spy.count(), 4);

        // Away from the header the keys are free again.
        QTest::mouseMove(&parent, QPoint(200, 150));
        QTRY_VERIFY(!header->underMouse());
        QTest::keyClick(&parent, Qt::Key_Space);
        QCOMPARE(spy.count(), 4);
        QCOMPARE(CardTest::centreColour(indicator), QColor(Qt::blue));

        // A header deleted while its shortcuts are active takes them along.
        QTest::mouseMove(&parent, onTitle);
        QTRY_VERIFY(header->underMouse());
        QPointer<QLabel> guard(right);
        delete header;
        QVERIFY(guard.isNull());
        QTest::keyClick(&parent, Qt::Key_Space);
    }

    void sideWidgetsMenuAndSizeHint()
    {
        CardWidgetBaseHeader header(QStringLiteral("Title"), nullptr);
        auto *grid = qobject_cast<QGridLayout *>(header.layout());
        const int base = header.sizeHint().width();
        QLabel first(QStringLiteral("first"));
        auto *second = new QLabel(QStringLiteral("second, longer"));
        header.setHeaderRightWidget(&first);
        QCOMPARE(first.parentWidget(), header.findChild<QWidget *>(QStringLiteral("headerRightWidget")));
        QCOMPARE(header.sizeHint().width(), base + first.sizeHint().width() + grid->horizontalSpacing());
        header.setHeaderRightWidget(second);
        QCOMPARE(first.parentWidget(), nullptr);
        QCOMPARE(header.getHeaderRightWidget(), second);
        delete second;
        QCOMPARE(header.getHeaderRightWidget(), nullptr);
        header.setHeaderRightWidget(nullptr);
        QVERIFY(header.findChild<QWidget *>(QStringLiteral("headerRightWidget"))->isHidden());
        header.setHeaderBottomWidget(&first);
        header.setHeaderBottomWidget(&first);
        QCOMPARE(header.getHeaderBottomWidget(), &first);
        QCOMPARE(first.parentWidget()->layout()->contentsMargins(), QMargins(0, 6, 0, 0));
        header.setHeaderBottomWidget(nullptr);
        QCOMPARE(first.parentWidget(), nullptr);

        QMenu menu;
        auto *button = header.findChild<QToolButton *>(QStringLiteral("menuButton"));
        header.setMenu(&menu);
        QCOMPARE(header.getMenu(), &menu);
        QVERIFY(!button->isHidden());
        QCOMPARE(header.sizeHint().width(), base + button->sizeHint().width());
        header.setMenu(nullptr);
        QVERIFY(button->isHidden());
    }

    void minimizedFontsAndMargins()
    {
        CardWidgetBaseHeader header(QStringLiteral("Title"), nullptr);
        auto *title = header.findChild<QLabel *>(QStringLiteral("title"));
        QFont small(QStringLiteral("Sans"), 7);
        QFont large(QStringLiteral("Sans"), 19);
        title->setProperty("CardWidgetBase_Title_MinimizedFont", small);
        title->setProperty("CardWidgetBase_Title_DefaultFont", large);
        header.setMinimized(true);
        QCOMPARE(header.layout()->contentsMargins(), QMargins(7, 5, 4, 5));
        QCOMPARE(title->font().pointSize(), 7);
        small.setPointSize(8);
        title->setProperty("CardWidgetBase_Title_MinimizedFont", small);
        header.grab();
        QCOMPARE(title->font().pointSize(), 8);
        header.setMinimized(false);
        QCOMPARE(header.layout()->contentsMargins(), QMargins(7, 4, 4, 6));
        QCOMPARE(title->font().pointSize(), 19);
    }
};

QTEST_MAIN(tst_CardWidgetBaseHeader)
#include "tst_cardwidgetbaseheader.moc"
