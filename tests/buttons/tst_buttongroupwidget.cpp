// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ButtonGroupWidget.h>

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>

#include "TestSupport.h"

#include <memory>

using namespace Nalu::Components;
using namespace TestSupport;

namespace {

QList<QAbstractButton *> addButtons(ButtonGroupWidget &group, int count)
{
    QList<QAbstractButton *> buttons;
    for (int i = 0; i < count; ++i) {
        buttons << new QPushButton(QStringLiteral("Button %1").arg(i));
        buttons.last()->setObjectName(buttons.last()->text());
        group.addButton(buttons.last());
    }
    return buttons;
}

// The visible index of each member.
QVector<int> visibleIndices(const ButtonGroupWidget &group)
{
    QVector<int> result;
    for (const QAbstractButton *button : group.getButtons()) {
        result << button->property("Button_VisibleIndex").toInt();
    }
    return result;
}

// Of each member: "plain", "checkable" or "checked".
QString checkStates(const ButtonGroupWidget &group)
{
    QStringList states;
    for (const QAbstractButton *b : group.getButtons()) {
        states << QLatin1String(b->isChecked() ? "checked" : b->isCheckable() ? "checkable" : "plain");
    }
    return states.join(QLatin1String(", "));
}

// The group's own painting only (no members, no background) on a white image.
QImage renderSelf(QWidget &widget)
{
    widget.layout()->activate(); // rendering would do it, possibly resizing the widget under the image
    return rendered(widget, Qt::white, {});
}

} // namespace

class tst_ButtonGroupWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void visibleIndicesFollowMembership_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("which");
        QTest::addColumn<QVector<int>>("indices"); // "Button_VisibleIndex" of each member
        QTest::addColumn<int>("visibleCount");
        QTest::newRow("all shown") << "" << 0 << QVector<int> {0, 1, 2} << 3;
        QTest::newRow("hide middle") << "hide" << 1 << QVector<int> {0, -1, 1} << 2;
        QTest::newRow("remove first") << "remove" << 0 << QVector<int> {0, 1} << 2;
        QTest::newRow("delete middle") << "delete" << 1 << QVector<int> {0, 1} << 2;
        QTest::newRow("add one") << "add" << 0 << QVector<int> {0, 1, 2, 3} << 4;
        QTest::newRow("hide the group") << "hide group" << 0 << QVector<int> {-1, -1, -1} << 0;
        QTest::newRow("bad input ignored") << "bad input" << 1 << QVector<int> {0, 1, 2} << 3;
    }
    void visibleIndicesFollowMembership()
    {
        QFETCH(QString, action);
        QFETCH(int, which);
        QFETCH(QVector<int>, indices);
        ButtonGroupWidget group;
        const QList<QAbstractButton *> buttons = addButtons(group, 3);
        QVERIFY(showExposed(group));
        std::unique_ptr<QAbstractButton> removed;
        if (action == QLatin1String("hide group")) {
            group.hide();
        } else if (action == QLatin1String("hide")) {
            buttons.at(which)->hide();
        } else if (action == QLatin1String("remove")) {
            removed.reset(buttons.at(which));
            group.removeButton(removed.get());
            QVERIFY(!removed->parent());
        } else if (action == QLatin1String("delete")) {
            delete buttons.at(which); // while in the group
        } else if (action == QLatin1String("add")) {
            group.addButton(new QPushButton); // shown by the layout a moment later
        } else if (action == QLatin1String("bad input")) {
            group.setButtons({nullptr, buttons.at(which)});
            group.removeButton(nullptr);
            auto *child = new QCheckBox(&group); // a child, but no member: it stays
            group.removeButton(child);
            QCOMPARE(child->parent(), &group);
            QVERIFY(!group.getButton(-1) && !group.getButton(3));
        }
        QTRY_COMPARE(visibleIndices(group), indices);
        QTEST(group.property("ButtonGroupWidget_VisibleCount").toInt(), "visibleCount");
        // Whatever walks the members sees the current ones only.
        QCOMPARE(group.layout()->count(), group.getButtons().size());
        group.setWorkflow(true);
        group.setOrientation(Qt::Vertical);
        QVERIFY(!renderSelf(group).isNull());
    }

    void exclusiveGroupKeepsOneMemberChecked()
    {
        ButtonGroupWidget group;
        const QList<QAbstractButton *> buttons = addButtons(group, 3);
        QVERIFY(showExposed(group));
        group.setExclusive(true);
        QCOMPARE(checkStates(group), QStringLiteral("checkable, checkable, checkable"));
        SignalLog log;
        log.record(&group, &ButtonGroupWidget::buttonClicked, QStringLiteral("clicked"));
        for (int i : {1, 2, 2}) { // clicking the checked member again keeps it checked
            QTest::mouseClick(buttons.at(i), Qt::LeftButton, {}, buttons.at(i)->rect().center());
        }
        QCOMPARE(log.joined(), QStringLiteral("clicked Button 1, clicked Button 2, clicked Button 2"));
        QCOMPARE(checkStates(group), QStringLiteral("checkable, checkable, checked"));
        QCOMPARE(group.getCheckedButton(), buttons.at(2));
        group.addButton(new QPushButton);
        QCOMPARE(checkStates(group), QStringLiteral("checkable, checkable, checked, checkable"));
        group.setExclusive(false);
        QVERIFY(!group.getCheckedButton());
        QCOMPARE(checkStates(group), QStringLiteral("plain, plain, plain, plain"));
    }

    void layoutFollowsOrientationAndWorkflow()
    {
        const int m = QApplication::style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        auto *toolBar = new QToolBar;
        toolBar->setOrientation(Qt::Vertical);
        std::unique_ptr<ButtonGroupWidget> group(new ButtonGroupWidget(toolBar));
        QCOMPARE(group->getOrientation(), Qt::Vertical);
        group->setParent(nullptr); // taken out of the tool bar, it still follows it
        const QList<QAbstractButton *> buttons = addButtons(*group, 2);
        const QSize size = buttons.at(0)->size();
        group->setWorkflow(true);
        group->setWorkflow(true); // no second growth
        QCOMPARE(buttons.at(0)->minimumSize(), size + QSize(m, m));
        auto *late = new QPushButton;
        late->resize(40, 20);
        group->addButton(late); // grows from its size at that moment
        QCOMPARE(late->minimumSize(), QSize(40 + m, 20 + m));
        toolBar->setOrientation(Qt::Horizontal);
        QCOMPARE(group->getOrientation(), Qt::Horizontal);
        delete toolBar;

        group->setOrientation(Qt::Vertical);
        QVERIFY(qobject_cast<QVBoxLayout *>(group->layout()));
        QCOMPARE(group->layout()->spacing(), 2 * m); // the rebuilt layout keeps the workflow spacing
        QVERIFY(showExposed(*group));
        QTRY_COMPARE(buttons.at(1)->y() - buttons.at(0)->geometry().bottom() - 1, 2 * m);
        QCOMPARE(buttons.at(0)->x(), buttons.at(1)->x());
        const QSize laidOut = buttons.at(0)->size();
        group->setWorkflow(false);
        QCOMPARE(group->layout()->spacing(), m);
        QCOMPARE(buttons.at(0)->minimumSize(), laidOut - QSize(m, m));

        // A tool bar outlives a group deleted before it.
        QToolBar survivor;
        delete new ButtonGroupWidget(&survivor);
        survivor.setOrientation(Qt::Vertical);
    }

    void paintsSeparatorsOrWorkflowLinks_data()
    {
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<bool>("workflow");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("translucent");
        QTest::addColumn<int>("hidden");
        QTest::addColumn<bool>("rtl"); // the members from the right
        QTest::newRow("separators") << Qt::Horizontal << false << true << false << -1 << false;
        QTest::newRow("separators, vertical, disabled") << Qt::Vertical << false << false << false << -1 << false;
        QTest::newRow("links") << Qt::Horizontal << true << true << false << -1 << false;
        QTest::newRow("links, last hidden") << Qt::Horizontal << true << true << false << 3 << false;
        QTest::newRow("links, vertical, disabled, translucent") << Qt::Vertical << true << false << true << -1 << false;
        QTest::newRow("separators, right to left") << Qt::Horizontal << false << true << false << -1 << true;
    }
    void paintsSeparatorsOrWorkflowLinks()
    {
        QFETCH(Qt::Orientation, orientation);
        QFETCH(bool, workflow);
        QFETCH(bool, enabled);
        QFETCH(bool, translucent);
        QFETCH(int, hidden);
        QFETCH(bool, rtl);
        const bool horizontal = orientation == Qt::Horizontal;
        const QColor border = enabled ? QColor(255, 0, 0) : QColor(100, 0, 0);
        const QColor fill = translucent ? QColor(Qt::white) : enabled ? QColor(0, 0, 255) : QColor(0, 0, 100);
        const QColor link = enabled ? QColor(0, 255, 0) : QColor(0, 100, 0);
        ButtonGroupWidget group;
        group.setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
        group.setProperty("BackgroundBrush", QBrush(QColor(0, 0, 255)));
        group.setProperty("BackgroundBrushDisabled", QBrush(QColor(0, 0, 100)));
        group.setProperty("BorderBrush", QBrush(QColor(255, 0, 0)));
        group.setProperty("BorderBrushDisabled", QBrush(QColor(100, 0, 0)));
        group.setProperty("WorkflowLinkBrush", QBrush(QColor(0, 255, 0)));
        group.setProperty("WorkflowLinkBrushDisabled", QBrush(QColor(0, 100, 0)));
        group.setProperty("CornerRadius", 6);
        group.setAttribute(Qt::WA_TranslucentBackground, translucent);
        group.setOrientation(orientation);
        group.setWorkflow(workflow);
        group.setEnabled(enabled);
        // Links assume members of equal extent; separators follow each member's own.
        const int members = workflow ? 4 : 3;
        for (int i = 0; i < members; ++i) {
            const int extent = workflow ? 40 : 40 + 7 * i;
            addButtons(group, 1).first()->setFixedSize(horizontal ? QSize(extent, 30) : QSize(60, extent));
        }
        if (hidden >= 0) {
            group.getButton(hidden)->hide();
        }
        QVERIFY(showExposed(group));
        group.resize(group.sizeHint());
        // Seen in a mirror, a group laid out from the right looks like one laid out from the left.
        const QImage image = renderSelf(group).mirrored(rtl && horizontal, false);
        const int length = horizontal ? image.width() : image.height();
        const int across = (horizontal ? image.height() : image.width()) / 2;
        const auto pixel
            = [&](int along) { return horizontal ? image.pixelColor(along, across) : image.pixelColor(across, along); };

        // The frame: the border at the edge, the background inside, rounded corners.
        QCOMPARE(pixel(0), translucent ? QColor(Qt::white) : border);
        QCOMPARE(pixel(1), fill);
        QVERIFY(image.pixelColor(0, 0).green() > 128); // white: neither border nor background

        // A separator in the middle of each gap, or a link across it unless the next member is hidden.
        const int spacing = group.layout()->spacing();
        QVector<int> expected;
        for (int i = 0; i + 1 < members; ++i) {
            const QRect member = QStyle::visualRect(rtl && horizontal ? Qt::RightToLeft : Qt::LeftToRight, group.rect(),
                                                    group.getButton(i)->geometry());
            const int gap = horizontal ? member.right() + 1 : member.bottom() + 1;
            const int middle = gap + spacing / 2;
            if (workflow && i + 1 == hidden) {
                continue;
            }
            // A separator line touches the two pixels at the middle; a link's square cap reaches past the gap.
            for (int p = workflow ? gap - 1 : middle - 1; p <= (workflow ? gap + spacing : middle); ++p) {
                expected << p;
            }
            // A one-pixel line on a pixel boundary covers half of each pixel it touches.
            QCOMPARE(colourMismatch(pixel(middle), mixed(fill, workflow ? link : border, 0.5), 8), QString());
        }
        QVector<int> drawn;
        for (int p = 1; p < length - 1; ++p) {
            if (pixel(p) != pixel(1)) {
                drawn << p;
            }
        }
        QCOMPARE(drawn, expected);
    }
};

QTEST_MAIN(tst_ButtonGroupWidget)
#include "tst_buttongroupwidget.moc"
