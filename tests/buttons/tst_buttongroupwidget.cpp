#include <ComponentsLibrary/ButtonGroupWidget.h>

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QMetaClassInfo>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <numeric>

using namespace Nalu::Components;

namespace {

int unit()
{
    return QApplication::style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
}

QList<QAbstractButton *> addButtons(ButtonGroupWidget &group, int count)
{
    QList<QAbstractButton *> buttons;
    for (int i = 0; i < count; ++i) {
        buttons << new QPushButton(QStringLiteral("Button %1").arg(i));
        group.addButton(buttons.last());
    }
    return buttons;
}

QVector<int> indices(const ButtonGroupWidget &group)
{
    QVector<int> result;
    for (const QAbstractButton *button : group.getButtons()) {
        result << button->property("Button_VisibleIndex").toInt();
    }
    return result << group.property("ButtonGroupWidget_VisibleCount").toInt(); // the count comes last
}

void showAndWait(QWidget &widget)
{
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
}

void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

// The group's own painting only (no children, no background) on a transparent image.
QImage renderSelf(QWidget &widget)
{
    widget.layout()->activate(); // rendering would do it, possibly resizing the widget under the image
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// The pixel indices that a 1-pixel antialiased line centred on `position` touches.
QVector<int> covered(qreal position)
{
    QVector<int> pixels;
    for (int k = int(std::floor(position - 0.5)); k < position + 0.5; ++k) {
        if (k + 1 > position - 0.5) {
            pixels << k;
        }
    }
    return pixels;
}

// Summed alpha of a line across its width: 255 where a line is, 0 where none is.
int coverage(const QImage &image, bool horizontalLine, int along, qreal at)
{
    int sum = 0;
    for (int pixel : covered(at)) {
        sum += (horizontalLine ? image.pixelColor(along, pixel) : image.pixelColor(pixel, along)).alpha();
    }
    return sum;
}

bool similar(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 3 && qAbs(a.green() - b.green()) <= 3 && qAbs(a.blue() - b.blue()) <= 3;
}

void setThemeBrushes(QWidget &group)
{
    group.setProperty("BackgroundBrush", QBrush(QColor(0, 0, 255)));
    group.setProperty("BackgroundBrushDisabled", QBrush(QColor(0, 0, 100)));
    group.setProperty("BorderBrush", QBrush(QColor(255, 0, 0)));
    group.setProperty("BorderBrushDisabled", QBrush(QColor(100, 0, 0)));
    group.setProperty("WorkflowLinkBrush", QBrush(QColor(0, 255, 0)));
    group.setProperty("WorkflowLinkBrushDisabled", QBrush(QColor(0, 100, 0)));
}

} // namespace

class tst_ButtonGroupWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<QAbstractButton *>(); }
    void defaults();
    void membershipAndBadInput();
    void visibleIndices_data();
    void visibleIndices();
    void deletedMemberLeavesGroupConsistent_data();
    void deletedMemberLeavesGroupConsistent();
    void deletionOrderWithToolBarAndMembers();
    void exclusiveModeWithMouse();
    void orientationRebuildsLayoutAndFollowsToolBar();
    void workflowSpacingAndMinimumSizes();
    void paintsFrame_data();
    void paintsFrame();
    void paintsLinesBetweenMembers_data();
    void paintsLinesBetweenMembers();
};

void tst_ButtonGroupWidget::defaults()
{
    ButtonGroupWidget group;
    QCOMPARE(group.getOrientation(), Qt::Horizontal);
    QVERIFY(!group.isExclusive() && !group.isWorkflow() && !group.getCheckedButton());
    auto *layout = qobject_cast<QHBoxLayout *>(group.layout());
    QVERIFY(layout);
    QCOMPARE(layout->contentsMargins(), QMargins(3, 3, 3, 3));
    QCOMPARE(layout->spacing(), unit());
    // The mode selectors appear with their first change only.
    QCOMPARE(group.property("ButtonGroupWidget_Container"), QVariant(true));
    QVERIFY(!group.property("ButtonGroupWidget_Exclusive").isValid());
    QVERIFY(!group.property("ButtonGroupWidget_Workflow").isValid());
    group.setExclusive(true);
    group.setWorkflow(true);
    QCOMPARE(group.property("ButtonGroupWidget_Exclusive"), QVariant(true));
    QCOMPARE(group.property("ButtonGroupWidget_Workflow"), QVariant(true));
    QVERIFY(group.setProperty("orientation", QVariant::fromValue(Qt::Vertical)));
    QCOMPARE(group.getOrientation(), Qt::Vertical);
    const QMetaObject *meta = group.metaObject();
    QCOMPARE(meta->classInfo(meta->indexOfClassInfo("package")).value(), "ComponentsLibrary");
    for (const char *key : {"description", "example_cut_copy_paste", "example_priority", "example_workflow"}) {
        QVERIFY2(meta->indexOfClassInfo(key) >= meta->classInfoOffset(), key);
    }
}

void tst_ButtonGroupWidget::membershipAndBadInput()
{
    ButtonGroupWidget group;
    QWidget elsewhere;
    auto *push = new QPushButton(&elsewhere);
    auto *check = new QCheckBox;
    auto *tool = new QToolButton;
    group.setButtons({push, nullptr, check, tool, push});
    group.addButton(nullptr);
    group.addButton(check);
    QCOMPARE(group.getButtons(), (QList<QAbstractButton *> {push, check, tool}));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(group.getButton(i)->parentWidget(), &group);
        QCOMPARE(group.layout()->itemAt(i)->widget(), group.getButton(i));
        QCOMPARE(group.getButton(i)->sizePolicy(),
                 QSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding));
    }
    for (int index : {-1, 3, std::numeric_limits<int>::min()}) {
        QVERIFY(!group.getButton(index));
    }

    auto *foreign = new QPushButton(&elsewhere);
    group.removeButton(foreign);
    group.removeButton(nullptr);
    QCOMPARE(foreign->parentWidget(), &elsewhere);
    group.removeButton(check);
    group.removeButton(check);
    std::unique_ptr<QAbstractButton> removed(check);
    QVERIFY(!check->parent());
    QCOMPARE(group.getButtons(), (QList<QAbstractButton *> {push, tool}));
    QCOMPARE(group.layout()->count(), 2);

    // A removed button no longer reports to the group.
    showAndWait(group);
    check->show();
    check->hide();
    QCOMPARE(indices(group), (QVector<int> {0, 1, 2}));
}

void tst_ButtonGroupWidget::visibleIndices_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QVector<int>>("expected"); // indices, then the count
    QTest::newRow("all shown") << QString() << QVector<int> {0, 1, 2, 3};
    QTest::newRow("hide first") << QStringLiteral("hide 0") << QVector<int> {-1, 0, 1, 2};
    QTest::newRow("hide middle") << QStringLiteral("hide 1") << QVector<int> {0, -1, 1, 2};
    QTest::newRow("hide last") << QStringLiteral("hide 2") << QVector<int> {0, 1, -1, 2};
    QTest::newRow("remove first") << QStringLiteral("remove 0") << QVector<int> {0, 1, 2};
    QTest::newRow("add one") << QStringLiteral("add") << QVector<int> {0, 1, 2, 3, 4};
    QTest::newRow("hide the group") << QStringLiteral("hide group") << QVector<int> {-1, -1, -1, 0};
}

void tst_ButtonGroupWidget::visibleIndices()
{
    QFETCH(QString, action);
    QFETCH(QVector<int>, expected);
    ButtonGroupWidget group;
    const QList<QAbstractButton *> buttons = addButtons(group, 3);
    QCOMPARE(indices(group), (QVector<int> {-1, -1, -1, 0})); // not shown yet
    showAndWait(group);

    std::unique_ptr<QAbstractButton> removed;
    const int which = action.section(QLatin1Char(' '), 1).toInt();
    if (action == QLatin1String("hide group")) {
        group.hide();
    } else if (action.startsWith(QLatin1String("hide"))) {
        buttons.at(which)->hide();
    } else if (action.startsWith(QLatin1String("remove"))) {
        removed.reset(buttons.at(which));
        group.removeButton(removed.get());
    } else if (action == QLatin1String("add")) {
        group.addButton(new QPushButton); // shown by the layout a moment later
    }
    QTRY_COMPARE(indices(group), expected);

    group.show();
    for (QAbstractButton *button : group.getButtons()) {
        button->show();
    }
    expected.clear();
    for (int i = 0; i <= group.getButtons().size(); ++i) {
        expected << i;
    }
    QCOMPARE(indices(group), expected);
}

void tst_ButtonGroupWidget::deletedMemberLeavesGroupConsistent_data()
{
    QTest::addColumn<int>("victim");
    QTest::addColumn<bool>("shown");
    for (int victim = 0; victim < 3; ++victim) {
        QTest::addRow("member %d, shown", victim) << victim << true;
        QTest::addRow("member %d, hidden", victim) << victim << false;
    }
}

void tst_ButtonGroupWidget::deletedMemberLeavesGroupConsistent()
{
    QFETCH(int, victim);
    QFETCH(bool, shown);
    ButtonGroupWidget group;
    group.setExclusive(true);
    QList<QAbstractButton *> buttons = addButtons(group, 3);
    buttons.at(victim)->setChecked(true);
    if (shown) {
        showAndWait(group);
    }
    delete buttons.takeAt(victim);

    QCOMPARE(group.getButtons(), buttons);
    QCOMPARE(group.layout()->count(), 2);
    QVERIFY(!group.getCheckedButton());
    QCOMPARE(indices(group), shown ? (QVector<int> {0, 1, 2}) : (QVector<int> {-1, -1, 0}));
    // The survivors keep working.
    buttons.at(0)->hide();
    QCOMPARE(indices(group), shown ? (QVector<int> {-1, 0, 1}) : (QVector<int> {-1, -1, 0}));
    group.setWorkflow(true);
    group.setOrientation(Qt::Vertical);
    QVERIFY(!renderSelf(group).isNull());
    QCOMPARE(group.layout()->count(), 2);
    buttons.at(1)->setChecked(true);
    QCOMPARE(group.getCheckedButton(), buttons.at(1));
}

void tst_ButtonGroupWidget::deletionOrderWithToolBarAndMembers()
{
    // The group with its members, checked and shown, in workflow mode.
    QWidget window;
    auto *group = new ButtonGroupWidget(&window);
    group->setExclusive(true);
    group->setWorkflow(true);
    QList<QPointer<QAbstractButton>> members;
    for (QAbstractButton *button : addButtons(*group, 3)) {
        members << button;
    }
    members.at(1)->setChecked(true);
    showAndWait(window);
    delete group;
    QVERIFY(std::all_of(members.cbegin(), members.cend(), [](const auto &member) { return member.isNull(); }));

    // The tool bar before a group it no longer holds.
    auto *toolBar = new QToolBar;
    std::unique_ptr<ButtonGroupWidget> orphan(new ButtonGroupWidget(toolBar));
    orphan->setParent(nullptr);
    delete toolBar;
    orphan->setOrientation(Qt::Vertical);

    // The group before its tool bar.
    QToolBar survivor;
    delete new ButtonGroupWidget(&survivor);
    survivor.setOrientation(Qt::Vertical);
}

void tst_ButtonGroupWidget::exclusiveModeWithMouse()
{
    ButtonGroupWidget group;
    const QList<QAbstractButton *> buttons = addButtons(group, 3);
    showAndWait(group);
    click(buttons.at(0));
    QVERIFY(!buttons.at(0)->isChecked());

    group.setExclusive(true);
    QVERIFY(std::all_of(buttons.cbegin(), buttons.cend(), [](auto *b) { return b->isCheckable() && !b->isChecked(); }));
    QStringList log;
    using B = QAbstractButton;
    connect(&group, &ButtonGroupWidget::buttonPressed, this, [&](B *b) { log << QStringLiteral("p ") + b->text(); });
    connect(&group, &ButtonGroupWidget::buttonReleased, this, [&](B *b) { log << QStringLiteral("r ") + b->text(); });
    connect(&group, &ButtonGroupWidget::buttonClicked, this, [&](B *b) { log << QStringLiteral("c ") + b->text(); });
    connect(&group, &ButtonGroupWidget::buttonToggled, this,
            [&](B *b, bool on) { log << QStringLiteral("t %1 %2").arg(b->text()).arg(on); });
    click(buttons.at(1));
    click(buttons.at(2));
    click(buttons.at(2)); // stays checked
    QCOMPARE(log.join(QLatin1Char('|')),
             QStringLiteral("p Button 1|t Button 1 1|r Button 1|c Button 1|"
                            "p Button 2|t Button 1 0|t Button 2 1|r Button 2|c Button 2|"
                            "p Button 2|r Button 2|c Button 2"));
    QCOMPARE(group.getCheckedButton(), buttons.at(2));
    group.addButton(new QPushButton);
    QVERIFY(group.getButton(3)->isCheckable());

    // Leaving: the checked member is unchecked visibly, then nobody is checkable.
    QSignalSpy toggled(&group, &ButtonGroupWidget::buttonToggled);
    group.setExclusive(false);
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(toggled.at(0), (QVariantList {QVariant::fromValue(buttons.at(2)), false}));
    for (QAbstractButton *button : group.getButtons()) {
        QVERIFY(!button->isCheckable() && !button->isChecked());
    }
    QCOMPARE(group.property("ButtonGroupWidget_Exclusive"), QVariant(false));
}

void tst_ButtonGroupWidget::orientationRebuildsLayoutAndFollowsToolBar()
{
    QToolBar toolBar;
    toolBar.setOrientation(Qt::Vertical);
    auto *group = new ButtonGroupWidget(&toolBar);
    QCOMPARE(group->getOrientation(), Qt::Vertical);
    toolBar.setOrientation(Qt::Horizontal);
    QCOMPARE(group->getOrientation(), Qt::Horizontal);
    group->setParent(nullptr);
    std::unique_ptr<ButtonGroupWidget> owner(group);
    const QList<QAbstractButton *> buttons = addButtons(*group, 3);
    showAndWait(*group);
    group->setWorkflow(true);

    QPointer<QLayout> before = group->layout();
    group->setOrientation(Qt::Horizontal); // unchanged: the layout stays
    QCOMPARE(group->layout(), before.data());
    toolBar.setOrientation(Qt::Vertical); // still following
    QVERIFY(before.isNull());
    auto *layout = qobject_cast<QVBoxLayout *>(group->layout());
    QVERIFY(layout && group->updatesEnabled());
    QCOMPARE(layout->contentsMargins(), QMargins(3, 3, 3, 3));
    QCOMPARE(layout->spacing(), 2 * unit());
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(layout->itemAt(i)->widget(), buttons.at(i));
    }
    group->adjustSize();
    QTRY_COMPARE(buttons.at(1)->y() - buttons.at(0)->geometry().bottom() - 1, 2 * unit());
    QCOMPARE(buttons.at(0)->x(), buttons.at(1)->x());
}

void tst_ButtonGroupWidget::workflowSpacingAndMinimumSizes()
{
    const int m = unit();
    ButtonGroupWidget group;
    QList<QAbstractButton *> buttons = addButtons(group, 2);
    showAndWait(group);
    const QSize size = buttons.at(0)->size();
    group.setWorkflow(true);
    group.setWorkflow(true); // no second growth
    QCOMPARE(group.layout()->spacing(), 2 * m);
    QCOMPARE(buttons.at(0)->minimumSize(), size + QSize(m, m));
    auto *late = new QPushButton;
    late->resize(40, 20);
    group.addButton(late); // grows from its size at that moment
    QCOMPARE(late->minimumSize(), QSize(40 + m, 20 + m));

    group.adjustSize();
    QTRY_VERIFY(late->width() >= 40 + m);
    const QSize grown = late->size();
    group.setWorkflow(false);
    QCOMPARE(group.layout()->spacing(), m);
    QCOMPARE(late->minimumSize(), grown - QSize(m, m));
}

void tst_ButtonGroupWidget::paintsFrame_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("radius");
    QTest::addColumn<bool>("translucent");
    QTest::addColumn<QColor>("border"); // invalid: nothing drawn
    QTest::addColumn<QColor>("fill");
    QTest::newRow("square") << true << 0 << false << QColor(255, 0, 0) << QColor(0, 0, 255);
    QTest::newRow("rounded") << true << 8 << false << QColor(255, 0, 0) << QColor(0, 0, 255);
    QTest::newRow("disabled") << false << 8 << false << QColor(100, 0, 0) << QColor(0, 0, 100);
    QTest::newRow("translucent") << true << 0 << true << QColor() << QColor();
}

void tst_ButtonGroupWidget::paintsFrame()
{
    QFETCH(bool, enabled);
    QFETCH(int, radius);
    QFETCH(bool, translucent);
    QFETCH(QColor, border);
    QFETCH(QColor, fill);
    ButtonGroupWidget group;
    setThemeBrushes(group);
    group.setProperty("CornerRadius", radius);
    group.setAttribute(Qt::WA_TranslucentBackground, translucent);
    group.setEnabled(enabled);
    addButtons(group, 1);
    group.resize(140, 40);
    const QImage image = renderSelf(group);
    const int w = image.width();
    const int h = image.height();

    for (const QPoint &edge : {QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(w / 2, 0), QPoint(w / 2, h - 1)}) {
        QCOMPARE(image.pixelColor(edge).alpha(), border.isValid() ? 255 : 0);
        QVERIFY(!border.isValid() || image.pixelColor(edge).rgb() == border.rgb());
    }
    for (const QPoint &inside : {QPoint(1, h / 2), QPoint(w / 2, h / 2), QPoint(w / 2, 1)}) {
        QCOMPARE(image.pixelColor(inside).alpha(), fill.isValid() ? 255 : 0);
        QVERIFY(!fill.isValid() || image.pixelColor(inside).rgb() == fill.rgb());
    }
    // Corners: covered when square, cut off when rounded.
    for (const QPoint &corner : {QPoint(0, 0), QPoint(w - 1, h - 1)}) {
        QCOMPARE(image.pixelColor(corner).alpha() > 128, !translucent && radius == 0);
    }

    // Without theme properties: a black border and no fill; a disabled group reads only the Disabled brushes.
    ButtonGroupWidget plain;
    plain.setProperty("BorderBrush", QBrush(Qt::red));
    plain.setProperty("BackgroundBrush", QBrush(Qt::blue));
    plain.setEnabled(false);
    addButtons(plain, 1);
    plain.resize(140, 40);
    const QImage unthemed = renderSelf(plain);
    QCOMPARE(unthemed.pixelColor(0, unthemed.height() / 2), QColor(Qt::black));
    QCOMPARE(unthemed.pixelColor(1, unthemed.height() / 2).alpha(), 0);
}

void tst_ButtonGroupWidget::paintsLinesBetweenMembers_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<bool>("workflow");
    QTest::addColumn<int>("members");
    QTest::addColumn<int>("hidden");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("separators, one member") << Qt::Horizontal << false << 1 << -1 << true;
    QTest::newRow("separators, horizontal") << Qt::Horizontal << false << 3 << -1 << true;
    QTest::newRow("separators, middle hidden") << Qt::Horizontal << false << 3 << 1 << true;
    QTest::newRow("separators, vertical, disabled") << Qt::Vertical << false << 4 << -1 << false;
    QTest::newRow("links, horizontal") << Qt::Horizontal << true << 4 << -1 << true;
    QTest::newRow("links, second hidden, disabled") << Qt::Horizontal << true << 4 << 1 << false;
    QTest::newRow("links, vertical, last hidden") << Qt::Vertical << true << 4 << 3 << true;
}

void tst_ButtonGroupWidget::paintsLinesBetweenMembers()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(bool, workflow);
    QFETCH(int, members);
    QFETCH(int, hidden);
    QFETCH(bool, enabled);
    const bool horizontal = orientation == Qt::Horizontal;
    QWidget window; // a top-level of its own could be wider than the group needs
    ButtonGroupWidget &group = *new ButtonGroupWidget(&window);
    setThemeBrushes(group);
    group.setProperty(enabled ? "BackgroundBrush" : "BackgroundBrushDisabled", QVariant());
    group.setOrientation(orientation);
    group.setWorkflow(workflow);
    group.setEnabled(enabled);
    // Extents along the group: equal for links, which assume so; separators follow each member's own.
    QVector<int> extents;
    for (QAbstractButton *button : addButtons(group, members)) {
        extents << (workflow ? 40 : 40 + 7 * extents.size());
        button->setFixedSize(horizontal ? QSize(extents.last(), 30) : QSize(60, extents.last()));
        button->setVisible(extents.size() - 1 != hidden); // a hidden member still counts
    }
    const int s = group.layout()->spacing();
    const int full = std::accumulate(extents.cbegin(), extents.cend(), 0) + (members - 1) * s + 6;
    group.setMinimumSize(horizontal ? QSize(full, 0) : QSize(0, full)); // every position inside the image
    showAndWait(window);
    group.resize(group.sizeHint().expandedTo(group.minimumSize()));
    const QImage image = renderSelf(group);
    const int length = horizontal ? image.height() : image.width(); // across the group
    const QColor border = enabled ? QColor(255, 0, 0) : QColor(100, 0, 0);
    const QColor link = enabled ? QColor(0, 255, 0) : QColor(0, 100, 0);
    auto pixel = [&](int acrossGroup, int alongGroup) {
        return horizontal ? image.pixelColor(alongGroup, acrossGroup) : image.pixelColor(acrossGroup, alongGroup);
    };
    auto start = [&](int i) { return horizontal ? group.getButton(i)->x() : group.getButton(i)->y(); };

    QVector<int> expectedSeparators;
    qreal position = 3 + s / 2; // x = 3 + S/2 + w0, then + S + w1, ... (y when vertical)
    for (int i = 0; i + 1 < members; ++i) {
        position += (i == 0 ? 0 : s) + extents.at(i);
        if (hidden < 0) { // in the gap between the two neighbours
            QVERIFY(start(i) + extents.at(i) <= position && position <= start(i + 1));
        }
        if (workflow) { // a link across the gap, as if all members had member i's extent
            const int from = (i + 1) * extents.at(i) + i * s + 3;
            const int to = (i + 1) * (extents.at(i) + s) + 3;
            QVERIFY(hidden >= 0 || (from == start(i) + extents.at(i) && to == start(i + 1)));
            for (int p = from; p < to; ++p) {
                QVERIFY(qAbs(coverage(image, horizontal, p, length / 2.0) - (i + 1 == hidden ? 0 : 255)) <= 8);
            }
            QVERIFY(i + 1 == hidden || similar(pixel(covered(length / 2.0).first(), from + 1), link));
            continue;
        }
        expectedSeparators << covered(position);
        for (int p = 4; p <= length - 6; ++p) { // from 4 to length - 5
            QVERIFY(qAbs(coverage(image, !horizontal, p, position) - 255) <= 8);
        }
        for (int p : {1, 2, length - 4, length - 2}) {
            QCOMPARE(coverage(image, !horizontal, p, position), 0);
        }
        QVERIFY(similar(pixel(length / 2, covered(position).first()), border));
    }
    // Nothing else inside the frame: across the middle for separators, near the edge for links.
    QVector<int> drawn;
    for (int p = 1; p < (horizontal ? image.width() : image.height()) - 1; ++p) {
        if (pixel(workflow ? 5 : length / 2, p).alpha() > 16) {
            drawn << p;
        }
    }
    QCOMPARE(drawn, expectedSeparators);
}

QTEST_MAIN(tst_ButtonGroupWidget)
#include "tst_buttongroupwidget.moc"
