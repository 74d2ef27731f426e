// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/CardWidgetBaseHeader.h>
#include <ComponentsLibrary/CardWidgetGroup.h>
#include <ComponentsLibrary/ExpanderWidget.h>
#include <ComponentsLibrary/ExpanderWidgetGroup.h>
#include <ComponentsLibrary/RoundedPixmap.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QRubberBand>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>

#include "TestSupport.h"

Q_DECLARE_METATYPE(QMargins)

using namespace Nalu::Components;
using namespace TestSupport;

namespace {

// Answers SP_CustomBase with a magenta mark in the middle half and records the "highlightedIcon" names asked for;
// gives tool buttons the size hint toolButtonHint when it is valid.
class HighlightStyle : public QProxyStyle
{
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        return type == CT_ToolButton && toolButtonHint.isValid()
            ? toolButtonHint
            : QProxyStyle::sizeFromContents(type, option, size, widget);
    }
    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption *option, const QWidget *widget) const override
    {
        if (pixmap != SP_CustomBase) {
            return QProxyStyle::standardIcon(pixmap, option, widget);
        }
        requests.append(widget ? widget->property("highlightedIcon").toString() : QString());
        QPixmap mark(64, 64);
        mark.fill(Qt::transparent);
        QPainter(&mark).fillRect(16, 16, 32, 32, Qt::magenta);
        return QIcon(mark);
    }
    mutable QStringList requests;
    QSize toolButtonHint;
};

QColor pixel(const QLabel *label, int x, int y)
{
    return label->pixmap(Qt::ReturnByValue).toImage().pixelColor(x, y);
}

template<typename T = QLabel>
T *child(const QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

// Records the releases that the header passes on.
class Parent : public QWidget
{
public:
    int releases = 0;

protected:
    void mouseReleaseEvent(QMouseEvent *) override { ++releases; }
};

QList<QWidget *> parts(const CardWidgetBase &frame)
{
    QList<QWidget *> result;
    for (int i = 0; i < frame.layout()->count(); ++i) {
        result << frame.layout()->itemAt(i)->widget();
    }
    return result;
}

// A window of stacked members named A, B, C..., and a log of their state signals ("B on") and of the group's
// ("group A off").
template<typename Member>
struct Fixture
{
    QWidget window;
    QList<Member *> members;
    SignalLog log;

    Fixture(int count, void (Member::*state)(bool))
    {
        auto *layout = new QVBoxLayout(&window);
        for (int i = 0; i < count; ++i) {
            auto *member = new Member(QString(QLatin1Char('A' + i)), &window);
            member->setObjectName(member->title());
            member->setContentsWidget(new QLabel(QStringLiteral("contents")));
            layout->addWidget(member);
            members << member;
            log.record(member, state, member->title());
        }
    }
    void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton); }
    QLabel *title(Member *m) { return child(m, "title"); }
};

} // namespace

class tst_Cards : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir iconDir;
    HighlightStyle *style = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        // Single-colour icons found by name: the colour tells which name was looked up.
        QDir(iconDir.path()).mkdir(QStringLiteral("i"));
        QFile index(iconDir.filePath(QStringLiteral("index.theme")));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nDirectories=i\n[i]\nSize=64\nType=Scalable\nMinSize=8\nMaxSize=256\n");
        index.close();
        for (const auto &[name, colour] :
             QList<QPair<const char *, QColor>> {{"chevron.down.ForegroundBrush", Qt::red},
                                                 {"chevron.up.ForegroundBrush", Qt::green},
                                                 {"chevron.right.ForegroundBrush", Qt::blue},
                                                 {"chevron.left.ForegroundBrush", Qt::magenta},
                                                 {"chevron.down", Qt::yellow}}) {
            QImage image(64, 64, QImage::Format_ARGB32);
            image.fill(colour);
            QVERIFY(image.save(iconDir.filePath(QStringLiteral("i/%1.png").arg(QLatin1String(name)))));
        }
        QIcon::setThemeSearchPaths({QFileInfo(iconDir.path()).path()});
        QIcon::setThemeName(QFileInfo(iconDir.path()).fileName());
        QApplication::setStyle(style = new HighlightStyle);
    }

    void headerShowsUpperCaseTitleAndSignalsChanges()
    {
        CardWidgetBaseHeader header(QStringLiteral("abc"), nullptr);
        auto *grid = static_cast<QGridLayout *>(header.layout());
        QCOMPARE(header.objectName(), QStringLiteral("CardWidgetBaseHeader"));
        // The grid cell of each child (row, column, row span, column span); only the title is shown.
        const QList<QPair<const char *, QVector<int>>> cells {
            {"expandIndicator", {0, 0, 1, 1}}, {"title", {0, 1, 1, 1}},    {"headerRightWidget", {0, 2, 1, 1}},
            {"menuButton", {0, 3, 1, 1}},      {"subtitle", {1, 1, 1, 2}}, {"headerBottomWidget", {2, 1, 1, 3}}};
        for (const auto &[name, cell] : cells) {
            auto *widget = child<QWidget>(&header, name);
            QVERIFY2(widget->isHidden() == (qstrcmp(name, "title") != 0), name);
            QVector<int> at(4);
            grid->getItemPosition(grid->indexOf(widget), &at[0], &at[1], &at[2], &at[3]);
            QCOMPARE(at, cell);
        }
        QLabel *title = child(&header, "title");
        SignalLog log;
        log.record(&header, &CardWidgetBaseHeader::titleChanged, QStringLiteral("title"));
        log.record(&header, &CardWidgetBaseHeader::upperCaseTitleChanged, QStringLiteral("upper case"));
        log.record(&header, &CardWidgetBaseHeader::expandedChanged, QStringLiteral("expanded"));
        log.record(&header, &CardWidgetBaseHeader::expandableChanged, QStringLiteral("expandable"));
        QCOMPARE(title->text(), QStringLiteral("ABC"));
        QCOMPARE(header.title(), QStringLiteral("abc"));
        header.setTitle(QStringLiteral("abc"));
        header.setUpperCaseTitle(false);
        header.setUpperCaseTitle(false);
        QCOMPARE(title->text(), QStringLiteral("abc"));
        header.setTitle(QString());
        QVERIFY(title->isHidden());
        header.setExpandable(true);
        header.expand();
        header.setExpandable(false);
        QCOMPARE(
            log.joined(),
            QStringLiteral("upper case off, title \"\", expandable on, expanded on, expanded off, expandable off"));
    }

    void headerTogglesOnLeftReleaseAndKeysWhileHovered()
    {
        Parent parent;
        parent.resize(400, 200);
        auto *header = new CardWidgetBaseHeader(QStringLiteral("Title"), &parent);
        header->setGeometry(0, 0, 400, 100);
        auto *right = new QLabel(QStringLiteral("right"));
        header->setHeaderRightWidget(right);
        QVERIFY(showActive(parent));
        QSignalSpy spy(header, &CardWidgetBaseHeader::expandedChanged);
        QLabel *title = child(header, "title"), *indicator = child(header, "expandIndicator");

        // Not expandable: releases reach the parent, keys do nothing.
        QVERIFY(hoverCentre(parent, title));
        QTest::mouseClick(title, Qt::LeftButton);
        QTest::keyClick(&parent, Qt::Key_Space);
        QCOMPARE(parent.releases, 1);
        header->setExpandable(true);
        QTest::mouseMove(&parent, QPoint(200, 170));
        QTRY_VERIFY(!header->underMouse());
        style->requests.clear();
        QVERIFY(hoverCentre(parent, title));
        QCOMPARE(style->requests, QStringList(QStringLiteral("chevron.right")));
        QCOMPARE(pixel(indicator, 10, 10), QColor(Qt::magenta));
        QTest::mouseClick(title, Qt::RightButton);
        QCOMPARE(parent.releases, 2);
        QTest::mouseClick(title, Qt::LeftButton);
        QVERIFY(header->isExpanded());
        QCOMPARE(style->requests.last(), QStringLiteral("chevron.down"));
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Enter, Qt::Key_Return}) {
            QTest::keyClick(&parent, key);
        }
        QCOMPARE(spy.count(), 4);
        // Neither clicks nor keys aimed at the caller's widget, nor keys away from the header.
        QVERIFY(hoverCentre(parent, right));
        QTest::mouseClick(right, Qt::LeftButton);
        QTest::keyClick(&parent, Qt::Key_Space);
        QTest::mouseMove(&parent, QPoint(200, 170));
        QTRY_VERIFY(!header->underMouse());
        QTest::keyClick(&parent, Qt::Key_Space);
        QCOMPARE(spy.count(), 4);
        QCOMPARE(pixel(indicator, 10, 10), QColor(Qt::blue));
        // Deleted while its shortcuts are active: the caller's widget dies with it, keys are harmless.
        QVERIFY(hoverCentre(parent, title));
        QPointer<QLabel> guard(right);
        delete header;
        QVERIFY(guard.isNull());
        QTest::keyClick(&parent, Qt::Key_Space);
    }

    void sideWidgetsAndMenuWidenSizeHint()
    {
        CardWidgetBaseHeader header(QStringLiteral("Title"), nullptr);
        const int base = header.sizeHint().width();
        QLabel first(QStringLiteral("first"));
        auto *second = new QLabel(QStringLiteral("second, longer"));
        header.setHeaderRightWidget(&first);
        QCOMPARE(header.sizeHint().width(),
                 base + first.sizeHint().width() + static_cast<QGridLayout *>(header.layout())->horizontalSpacing());
        header.setHeaderRightWidget(second);
        QCOMPARE(first.parentWidget(), nullptr);
        delete second;
        QCOMPARE(header.getHeaderRightWidget(), nullptr);
        header.setHeaderRightWidget(nullptr);
        QVERIFY(child<QWidget>(&header, "headerRightWidget")->isHidden());
        header.setHeaderBottomWidget(&first);
        QCOMPARE(first.parentWidget()->layout()->contentsMargins(), QMargins(0, 6, 0, 0));

        QMenu menu;
        auto *button = child<QToolButton>(&header, "menuButton");
        header.setMenu(&menu);
        QVERIFY(!button->isHidden());
        QCOMPARE(header.sizeHint().width(), base + button->sizeHint().width());
        header.setMenu(nullptr);
        QVERIFY(button->isHidden());
    }

    void indicatorFontMarginsAndMenuButtonFollowState()
    {
        CardWidgetBaseHeader header(QStringLiteral("Title"), nullptr);
        QLabel *title = child(&header, "title"), *indicator = child(&header, "expandIndicator");
        title->setProperty("CardWidgetBase_Title_MinimizedFont", QFont(QStringLiteral("Sans"), 7));
        title->setProperty("CardWidgetBase_Title_DefaultFont", QFont(QStringLiteral("Sans"), 19));
        header.setExpandable(true);
        header.resize(300, 40);
        auto *button = child<QToolButton>(&header, "menuButton");
        style->toolButtonHint = QSize(33, 27);
        const auto reset = qScopeGuard([this] { style->toolButtonHint = QSize(); });
        button->setStyle(style); // a new style: the button asks for its size hint again
        // Expanded, inverted, minimized, right to left: the icon's colour tells which name was looked up.
        const QList<std::tuple<bool, bool, bool, bool, QColor>> rows {{true, false, false, true, Qt::red},
                                                                      {false, false, false, true, Qt::magenta},
                                                                      {true, true, false, false, Qt::green},
                                                                      {false, true, true, false, Qt::blue}};
        for (const auto &[expanded, inverted, minimized, rtl, colour] : rows) {
            header.setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
            header.layout()->activate();
            // The indicator leads the title.
            QCOMPARE(indicator->x() > title->x(), rtl);
            header.setExpanded(expanded);
            header.setInvertedAppearance(inverted);
            header.setMinimized(minimized);
            const int size = minimized ? 12 : 20;
            QCOMPARE(indicator->pixmap(Qt::ReturnByValue).size(), QSize(size, size));
            QCOMPARE(pixel(indicator, size / 2, size / 2), colour);
        }
        // Minimized, the menu button's hint is halved, each side rounded down.
        QVERIFY(button->maximumSize() == QSize(16, 13) && title->minimumHeight() == 13);
        QCOMPARE(header.layout()->contentsMargins(), QMargins(7, 5, 4, 5));
        QCOMPARE(title->font().pointSize(), 7);
        // A theme change takes effect at the next paint.
        title->setProperty("CardWidgetBase_Title_MinimizedFont", QFont(QStringLiteral("Sans"), 8));
        header.grab();
        QCOMPARE(title->font().pointSize(), 8);
        header.setMinimized(false);
        QVERIFY(button->maximumSize() == QSize(33, 27) && title->minimumHeight() == 27);
        QCOMPARE(header.layout()->contentsMargins(), QMargins(7, 4, 4, 6));
        QCOMPARE(title->font().pointSize(), 19);
    }

    // The rounded pixmap, the image contents of cards.
    void roundedPixmapPaintsSquareAndRoundCorners()
    {
        QPixmap hiDpi(200, 100);
        hiDpi.setDevicePixelRatio(2);
        RoundedPixmap widget(hiDpi);
        QCOMPARE(widget.sizeHint(), QSize(100, 50));
        QPixmap pixmap(20, 20);
        pixmap.fill(Qt::red);
        QSignalSpy spy(&widget, &RoundedPixmap::pixmapChanged);
        widget.setPixmap(pixmap);
        widget.setPixmap(pixmap);
        QCOMPARE(spy.count(), 2);
        widget.resize(60, 40);
        widget.setProperty("CornerRadius", 12);
        widget.setProperty("BorderBrush", QBrush(Qt::blue));
        widget.setStraightCornerFlags(Nalu::Helpers::StraightCornerFlags(9)); // left corners square
        // Disabled: red at 60 % opacity over white.
        for (const auto &[enabled, fill] :
             {std::pair(true, QColor(255, 0, 0)), std::pair(false, QColor(255, 102, 102))}) {
            widget.setEnabled(enabled);
            const QImage out = rendered(widget);
            for (const QPoint &p : {QPoint(30, 20), QPoint(1, 1), QPoint(1, 38)}) {
                QCOMPARE(colourMismatch(out.pixelColor(p), fill, 2), QString());
            }
            QVERIFY(out.pixelColor(58, 1) == QColor(Qt::white) && out.pixelColor(58, 38) == QColor(Qt::white));
            int blue = 0; // the outline along the rounded corner stays at full opacity
            for (int i = 0; i < 144; ++i) {
                const QColor c = out.pixelColor(48 + i % 12, i / 12);
                blue += c.blue() - c.red() > 150 && c.blue() - c.green() > 150;
            }
            QVERIFY(blue > 0);
        }
        RoundedPixmap().grab(); // a null pixmap paints only the outline
    }

    void frameOrdersPartsAndFollowsHeader()
    {
        CardWidgetBase frame(QStringLiteral("t"), QStringLiteral("s"), nullptr);
        auto *header = frame.findChild<CardWidgetBaseHeader *>();
        const QList<QWidget *> initial = parts(frame);
        QCOMPARE(QList<bool>({initial.at(1)->isHidden(), initial.at(2)->isHidden()}), QList<bool>({true, true}));
        const char *selectors[] = {"CardWidgetBase_Header", "CardWidgetBase_Contents", "CardWidgetBase_Footer"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(initial.at(i)->property(selectors[i]), QVariant(true));
        }
        QCOMPARE(initial.at(1)->property("footerVisible"), QVariant(false));
        QCOMPARE(frame.sizeHint(), QSize(header->sizeHint().width(), 0));

        SignalLog log;
        log.record(&frame, &CardWidgetBase::invertedAppearanceChanged, QStringLiteral("inverted"));
        log.record(&frame, &CardWidgetBase::titleChanged, QStringLiteral("title"));
        log.record(&frame, &CardWidgetBase::shapeChanged, QStringLiteral("shape"));
        frame.setInvertedAppearance(true);
        frame.setInvertedAppearance(true);
        frame.setShape(CardWidgetBase::NoFrame);
        frame.setShape(CardWidgetBase::NoFrame);
        QCOMPARE(parts(frame), QList<QWidget *>({initial.at(2), initial.at(1), header}));
        for (QWidget *part : initial) {
            QCOMPARE(part->property("invertedAppearance"), QVariant(true));
            QCOMPARE(part->property("shape"), QVariant(0));
        }
        // Changes made on the header directly reach the frame.
        header->setInvertedAppearance(false);
        header->setTitle(QStringLiteral("direct"));
        QCOMPARE(log.joined(), QStringLiteral("inverted on, shape 0, inverted off, title \"direct\""));
        QVERIFY(frame.setProperty("shape", QVariant::fromValue(CardWidgetBase::Box)));
        QCOMPARE(parts(frame), initial);
    }

    void contentsImageMarginsAndCornersFollowNeighbours_data()
    {
        QTest::addColumn<bool>("headerVisible");
        QTest::addColumn<bool>("footer");
        QTest::addColumn<bool>("inverted");
        QTest::addColumn<QMargins>("margins");
        QTest::addColumn<int>("flags");
        QTest::newRow("header") << true << false << false << QMargins(1, 0, 1, 1) << 3;
        QTest::newRow("none") << false << false << false << QMargins(1, 1, 1, 1) << 16;
        QTest::newRow("both") << true << true << true << QMargins(1, 1, 1, 0) << 15;
        QTest::newRow("header inverted") << true << false << true << QMargins(1, 1, 1, 0) << 12;
        QTest::newRow("footer") << false << true << false << QMargins(1, 1, 1, 1) << 12;
        QTest::newRow("footer inverted") << false << true << true << QMargins(1, 1, 1, 1) << 3;
    }
    void contentsImageMarginsAndCornersFollowNeighbours()
    {
        QFETCH(bool, headerVisible);
        QFETCH(bool, footer);
        QFETCH(bool, inverted);
        CardWidgetBase frame(nullptr);
        frame.setContentsImage(QPixmap(10, 10));
        auto *image = qobject_cast<RoundedPixmap *>(frame.getContentsWidget());
        QVERIFY(image);
        frame.setHeaderVisible(headerVisible);
        frame.setInvertedAppearance(inverted);
        frame.setFooterWidget(footer ? new QLabel(QStringLiteral("footer")) : nullptr);
        frame.setContentsImage(QPixmap(20, 20));
        QCOMPARE(frame.getContentsWidget(), image);
        QTEST(image->parentWidget()->layout()->contentsMargins(), "margins");
        QTEST(int(image->getStraightCornerFlags()), "flags");
        QCOMPARE(image->parentWidget()->property("headerVisible"), QVariant(headerVisible));
    }

    void frameHandsBackReplacedWidgetsAndAdoptsDesignedContents()
    {
        CardWidgetBase frame(QStringLiteral("Title"), nullptr);
        QSignalSpy footerSpy(&frame, &CardWidgetBase::footerVisibleChanged);
        QLabel contents(QStringLiteral("contents")), footer(QStringLiteral("footer"));
        frame.setContentsWidget(&contents);
        frame.setFooterWidget(&footer);
        frame.setFooterWidget(nullptr);
        QVERIFY(parts(frame).at(2)->isHidden());
        QCOMPARE(footer.parentWidget(), nullptr);
        QCOMPARE(footerSpy.count(), 2);

        // An image replaced by a plain widget stays stored and comes back; another rounded pixmap replaces it.
        frame.setContentsImage(QPixmap(4, 4));
        QPointer<RoundedPixmap> image = qobject_cast<RoundedPixmap *>(frame.getContentsWidget());
        QVERIFY(image);
        QCOMPARE(contents.parentWidget(), nullptr);
        frame.setContentsWidget(&contents);
        QCOMPARE(image->parentWidget(), nullptr);
        frame.setContentsImage(QPixmap(8, 8));
        QCOMPARE(frame.getContentsWidget(), image.data());
        RoundedPixmap second;
        frame.setContentsWidget(&second);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(image.isNull());
        frame.setContentsWidget(nullptr);
        QCOMPARE(frame.getContentsWidget(), nullptr);
        QCOMPARE(second.parentWidget(), nullptr);

        // What a designer form does: a "contentsContainer" child, then a "contentsWidget" inside it.
        QPointer<QWidget> oldContainer = parts(frame).at(1);
        auto *container = new QWidget(&frame);
        container->setObjectName(QStringLiteral("contentsContainer"));
        auto *designed = new QLabel(QStringLiteral("designed"), container);
        designed->setObjectName(QStringLiteral("contentsWidget"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(oldContainer.isNull());
        QCOMPARE(parts(frame).at(1), container);
        QCOMPARE(container->property("CardWidgetBase_Contents"), QVariant(true));
        QCOMPARE(container->layout()->indexOf(designed), 0);
        frame.setContentsWidget(nullptr); // a designed contents widget is never handed out
        QCOMPARE(frame.getContentsWidget(), designed);
    }

    void checkableCardTogglesOnLeftReleaseAndShowsHighlightAndMark()
    {
        QWidget window;
        auto *card = new CardWidget(QStringLiteral("Card"), &window);
        SignalLog log;
        log.record(card, &CardWidget::checkableChanged, QStringLiteral("checkable"));
        log.record(card, &CardWidget::checkedChanged, QStringLiteral("checked"));
        card->setProperty("BackgroundBrush", QBrush(Qt::green));
        card->setContentsWidget(new QLabel(QStringLiteral("contents")));
        card->setChecked(true); // ignored while not checkable
        card->setCheckable(true);
        card->setChecked(true);
        card->setChecked(true);
        window.resize(400, 300);
        QVERIFY(showExposed(window));
        QWidget *container = card->getContentsWidget()->parentWidget();
        auto *band = card->findChild<QRubberBand *>();
        QLabel *mark = band->findChild<QLabel *>();
        // Near the bottom-right corner, or bottom-left from right to left.
        const auto placed = [&] {
            const QRect c = container->geometry();
            return QRect(card->isRightToLeft() ? c.left() + 13 : c.right() - 44, c.bottom() - 44, 32, 32);
        };
        card->resize(250, 280);
        QTRY_COMPARE(mark->geometry(), placed());
        card->setLayoutDirection(Qt::RightToLeft);
        QTRY_COMPARE(mark->geometry(), placed());
        card->setLayoutDirection(Qt::LeftToRight);
        QTRY_COMPARE(mark->geometry(), placed());
        QCOMPARE(band->geometry(), card->rect());
        // A taller header moves the contents, and the mark with them.
        card->setSubtitle(QStringLiteral("a subtitle that adds a line"));
        QTRY_COMPARE(mark->geometry(), placed());
        QCOMPARE(mark->property("highlightedIcon"), QVariant(QStringLiteral("status.checked.circular.colored")));
        QCOMPARE(mark->pixmap(Qt::ReturnByValue).size(), QSize(32, 32));
        QCOMPARE(pixel(mark, 16, 16), QColor(Qt::magenta));
        QCOMPARE(pixel(mark, 16, 5), QColor(Qt::green));
        QCOMPARE(pixel(mark, 1, 1).alpha(), 0);
        QCOMPARE(QList<bool>({mark->isHidden(), band->isHidden()}), QList<bool>({false, false}));
        // Only a left release on the contents toggles it, also through the highlight; not checkable, none.
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton, Qt::LeftButton, Qt::LeftButton}) {
            QTest::mouseClick(card->getContentsWidget(), button);
        }
        card->setCheckable(false);
        QTest::mouseClick(card->getContentsWidget(), Qt::LeftButton);
        QCOMPARE(log.joined(),
                 QStringLiteral("checkable on, checked on, checked off, checked on, checked off, checkable off"));
        QCOMPARE(QList<bool>({mark->isHidden(), band->isHidden()}), QList<bool>({true, true}));
    }

    void expanderShowsPartsOnlyWhileExpanded()
    {
        QWidget window;
        auto *inner = new QWidget(&window);
        auto *expander = new ExpanderWidget(QStringLiteral("Expander"), inner);
        (new QVBoxLayout(inner))->addWidget(expander);
        (new QVBoxLayout(&window))->addWidget(inner);
        auto *header = expander->findChild<CardWidgetBaseHeader *>();
        QCOMPARE(expander->shape(), CardWidgetBase::NoFrame);
        QCOMPARE(expander->sizePolicy(), QSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Fixed));
        QSignalSpy expanded(expander, &ExpanderWidget::expandedChanged);
        QSignalSpy footerVisible(expander, &CardWidgetBase::footerVisibleChanged);
        expander->collapse();
        expander->collapse();
        auto *contents = new QLabel(QStringLiteral("contents"));
        auto *footer = new QLabel(QStringLiteral("footer"));
        expander->setContentsWidget(contents);
        expander->setFooterWidget(footer);
        QVERIFY(expander->isFooterVisible());
        QCOMPARE(footerVisible.count(), 1);
        const auto partsHidden = [&] {
            return QList<bool>({contents->parentWidget()->isHidden(), footer->parentWidget()->isHidden()});
        };
        QCOMPARE(partsHidden(), QList<bool>({true, true}));
        QVERIFY(showActive(window));
        QCOMPARE(expander->sizeHint().height(), header->sizeHint().height());

        // The user opens it; while it says so, the whole window is frozen.
        QList<bool> updates;
        connect(expander, &ExpanderWidget::expandedChanged,
                [&] { updates << expander->updatesEnabled() << inner->updatesEnabled() << window.updatesEnabled(); });
        QLabel *title = child(expander, "title");
        QTest::mouseClick(title, Qt::LeftButton);
        QCOMPARE(partsHidden(), QList<bool>({false, false}));
        QVERIFY(expander->sizeHint().height() > header->sizeHint().height());
        updates << expander->updatesEnabled() << inner->updatesEnabled() << window.updatesEnabled();
        QCOMPARE(updates, QList<bool>({false, false, false, true, true, true}));
        // Not expandable: collapses at once (hiding the contents), and clicks no longer open it.
        expander->setExpandable(false);
        QVERIFY(contents->parentWidget()->isHidden());
        QTest::mouseClick(title, Qt::LeftButton);
        QVERIFY(!expander->isExpanded());
        QCOMPARE(expanded.count(), 3);
        expander->setMinimized(true);
        QVERIFY(header->isMinimized());
    }

    void groupMembershipSignalsAndConstructors()
    {
        for (const QMetaObject *meta : {&CardWidgetGroup::staticMetaObject, &ExpanderWidgetGroup::staticMetaObject}) {
            QObject parent; // both constructors can be invoked, as a form loader does
            QVERIFY(std::unique_ptr<QObject>(meta->newInstance()) && meta->newInstance(Q_ARG(QObject *, &parent)));
            QCOMPARE(parent.children().size(), 1);
        }
        Fixture<CardWidget> f(3, &CardWidget::checkedChanged);
        CardWidget *a = f.members[0], *b = f.members[1], *c = f.members[2];
        CardWidgetGroup group;
        QVERIFY(!group.getCheckedCardWidget() && !group.getCardWidget(-1));
        f.log.record(&group, &CardWidgetGroup::cardWidgetAdded, QStringLiteral("added"));
        f.log.record(&group, &CardWidgetGroup::cardWidgetRemoved, QStringLiteral("removed"));
        f.log.record(&group, &CardWidgetGroup::cardWidgetChecked, QStringLiteral("group"));
        group.addCardWidget(a);
        group.addCardWidget(a);
        a->setChecked(true); // made checkable by the exclusive group
        group.addCardWidget(b);
        QCOMPARE(group.getCheckedCardWidget(), a);
        // Replacing the members announces the old ones as removed, and they no longer count.
        group.setCardWidgets({c, b});
        a->setChecked(false);
        QCOMPARE(f.log.joined(),
                 QStringLiteral("added A, A on, group A on, added B, removed A, removed B, added C, "
                                "added B, A off"));
        QCOMPARE(group.getCardWidgets(), QList<CardWidget *>({c, b}));
    }

    // Cards and expanders: one on at a time in an exclusive group (members joining switched off, silently),
    // independent otherwise; a member deleted while in the group (and hovered) leaves it.
    void exclusiveGroupLeavesOneOn_data()
    {
        QTest::addColumn<bool>("cards");
        QTest::addColumn<bool>("exclusive");
        QTest::addColumn<QString>("emitted"); // once C is clicked on, by the members and the group, in order
        QTest::newRow("cards") << true << true << QStringLiteral("C on, A off, group A off, group C on");
        QTest::newRow("cards, not exclusive") << true << false << QStringLiteral("C on, group C on");
        QTest::newRow("expanders") << false << true << QStringLiteral("C on, A off, group A off, group C on");
        QTest::newRow("expanders, not exclusive") << false << false << QStringLiteral("C on");
    }
    void exclusiveGroupLeavesOneOn()
    {
        QFETCH(bool, cards);
        cards ? exclusiveGroup(&CardWidget::checkedChanged, &CardWidgetGroup::setCardWidgets,
                               &CardWidgetGroup::getCardWidgets, &CardWidgetGroup::cardWidgetChecked)
              : exclusiveGroup(&ExpanderWidget::expandedChanged, &ExpanderWidgetGroup::setExpanderWidgets,
                               &ExpanderWidgetGroup::getExpanderWidgets, &ExpanderWidgetGroup::expanderWidgetToggled);
    }

private:
    template<typename Member, typename Group>
    void exclusiveGroup(void (Member::*state)(bool), void (Group::*set)(const QList<Member *> &),
                        QList<Member *> (Group::*get)() const, void (Group::*toggled)(Member *, bool))
    {
        QFETCH(bool, exclusive);
        Fixture<Member> f(3, state);
        Member *a = f.members[0], *b = f.members[1], *c = f.members[2];
        const char *on = std::is_same_v<Member, CardWidget> ? "checked" : "expanded";
        for (Member *m : f.members) {
            m->setProperty("checkable", true); // cards only; an expander just keeps the name
            m->setProperty(on, m != c);
        }
        Group group;
        group.setExclusive(exclusive);
        f.log.clear();
        (group.*set)(f.members);
        QCOMPARE(f.log.joined(), exclusive ? QStringLiteral("B off") : QString());
        f.log.record(&group, toggled, QStringLiteral("group"));
        b->setProperty(on, false);
        QVERIFY(showActive(f.window));
        f.log.clear();
        f.click(f.title(c));
        QTEST(f.log.joined(), "emitted");

        f.window.layout()->activate();
        QTest::mouseMove(&f.window, QPoint(1, 1)); // a move to the same place would be dropped
        QVERIFY(hoverCentre(f.window, f.title(c))); // and so its header, whose shortcuts are then active
        delete c;
        QTest::keyClick(&f.window, Qt::Key_Space);
        QCOMPARE((group.*get)(), QList<Member *>({a, b}));
        f.click(f.title(b));
        QCOMPARE(a->property(on).toBool(), !exclusive);
    }
};

QTEST_MAIN(tst_Cards)
#include "tst_cards.moc"
