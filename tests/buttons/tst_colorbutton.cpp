#include <ComponentsLibrary/ColorButton.h>

#include <QApplication>
#include <QColorDialog>
#include <QMenu>
#include <QMetaEnum>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QWidgetAction>

#include <functional>

using namespace Nalu::Components;

namespace {

class ProbeButton : public ColorButton
{
public:
    using ColorButton::ColorButton;
    using ColorButton::initStyleOption;
};

// Fusion with visible press shifts, recording the focus frames it is asked to draw.
class RecordingStyle : public QProxyStyle
{
public:
    RecordingStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_ButtonShiftHorizontal) {
            return 3;
        }
        if (metric == PM_ButtonShiftVertical) {
            return 2;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameFocusRect) {
            if (auto *focus = qstyleoption_cast<const QStyleOptionFocusRect *>(option)) {
                focusFrames.append({focus->rect, focus->backgroundColor});
            }
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    mutable QVector<QPair<QRect, QColor>> focusFrames;
};

// The swatch rectangle, derived from the style rectangles and metrics as the button does.
QRect swatchRect(const ProbeButton &button)
{
    QStyleOptionButton option;
    button.initStyleOption(&option);
    const QStyle *style = button.style();
    QRect r = style->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const int fw = button.isFlat() ? 0 : style->pixelMetric(QStyle::PM_ButtonMargin, &option, &button) / 2;
    r.adjust(fw, fw, -fw, -fw);
    if (button.isChecked() || button.isDown()) {
        r.translate(style->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, &button),
                    style->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, &button));
    }
    return r.adjusted(1, 1, -1, -1);
}

QImage render(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(QColor(1, 2, 3));
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QColor over(const QColor &top, const QColor &bottom)
{
    const double a = top.alphaF();
    return QColor::fromRgbF(top.redF() * a + bottom.redF() * (1 - a), top.greenF() * a + bottom.greenF() * (1 - a),
                            top.blueF() * a + bottom.blueF() * (1 - a));
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2 && qAbs(a.blue() - b.blue()) <= 2;
}

// Runs action on the dialog once a modal QColorDialog is up, so that exec() never blocks the test.
void onModalDialog(QObject *context, std::function<void(QColorDialog *)> action)
{
    auto *poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        if (auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget())) {
            poll->stop();
            action(dialog);
        }
    });
    poll->start(10);
}

QList<QColorDialog *> visibleDialogs(const QWidget &button)
{
    QList<QColorDialog *> result;
    for (QColorDialog *dialog : button.findChildren<QColorDialog *>()) {
        if (dialog->isVisible()) {
            result.append(dialog);
        }
    }
    return result;
}

QColorDialog *embeddedDialog(const QMenu *menu)
{
    if (!menu || menu->actions().size() != 1) {
        return nullptr;
    }
    auto *action = qobject_cast<QWidgetAction *>(menu->actions().constFirst());
    return action ? qobject_cast<QColorDialog *>(action->defaultWidget()) : nullptr;
}

} // namespace

class tst_ColorButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void constructionDefaults_data();
    void constructionDefaults();
    void setColorNotifiesOnlyOnChange_data();
    void setColorNotifiesOnlyOnChange();
    void painting_data();
    void painting();
    void invalidColorLeavesOnlyBevel_data();
    void invalidColorLeavesOnlyBevel();
    void focusFrame();
    void sizeHintIsContentsRect_data();
    void sizeHintIsContentsRect();
    void dialogModeAppliesOnlyAcceptedColor_data();
    void dialogModeAppliesOnlyAcceptedColor();
    void toolModeDialogsAreIndependent();
    void popupModeUpdatesLive();
    void popupClickOpensMenuWithoutNewDialog();
    void modeSwitchesDetachMenu();
    void deletingButtonWithOpenDialogs();
};

void tst_ColorButton::constructionDefaults_data()
{
    QTest::addColumn<bool>("withColor");
    QTest::newRow("parent only") << false;
    QTest::newRow("with colour") << true;
}

void tst_ColorButton::constructionDefaults()
{
    QFETCH(bool, withColor);
    QWidget parent;
    auto *button = withColor ? new ColorButton(QColor(10, 20, 30, 40), &parent) : new ColorButton(&parent);
    QCOMPARE(button->parentWidget(), &parent);
    QCOMPARE(button->getColor(), withColor ? QColor(10, 20, 30, 40) : QColor(Qt::transparent));
    QVERIFY(button->isAlphaChannelEnabled());
    QVERIFY(button->isAlphaChannelChessboardDrawn());
    QCOMPARE(button->getColorDialogMode(), ColorButton::Dialog);
    QVERIFY(!button->menu());
    QVERIFY(button->findChildren<QObject *>().isEmpty());
    QCOMPARE(button->focusPolicy(), Qt::TabFocus);
    QCOMPARE(button->sizePolicy(), QSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed));
    QCOMPARE(button->property("ColorButtonWidget_Container"), QVariant(true));

    const QMetaObject *meta = button->metaObject();
    QCOMPARE(meta->classInfo(meta->indexOfClassInfo("package")).value(), "ComponentsLibrary");
    QVERIFY(qstrlen(meta->classInfo(meta->indexOfClassInfo("description")).value()) > 20);
    const QMetaEnum modes = QMetaEnum::fromType<ColorButton::ColorDialogMode>();
    QCOMPARE(modes.keyToValue("Tool"), 2);
    QVERIFY(meta->property(meta->indexOfProperty("color")).hasNotifySignal());
    // The enum property is writable by name, as Designer and style sheets do.
    QVERIFY(button->setProperty("colorDialogMode", QStringLiteral("Tool")));
    QCOMPARE(button->getColorDialogMode(), ColorButton::Tool);
    button->setColorDialogMode(static_cast<ColorButton::ColorDialogMode>(7)); // ignored
    QCOMPARE(button->getColorDialogMode(), ColorButton::Tool);
}

void tst_ColorButton::setColorNotifiesOnlyOnChange_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("changes");
    QTest::newRow("same") << QColor(200, 100, 50) << false;
    QTest::newRow("other") << QColor(Qt::blue) << true;
    QTest::newRow("other alpha") << QColor(200, 100, 50, 99) << true;
    QTest::newRow("invalid") << QColor() << true;
}

void tst_ColorButton::setColorNotifiesOnlyOnChange()
{
    QFETCH(QColor, color);
    QFETCH(bool, changes);
    QWidget window;
    auto *button = new ColorButton(QColor(200, 100, 50), &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();

    int paints = 0;
    struct Filter : QObject
    {
        int *count;
        explicit Filter(int *c)
            : count(c)
        {
        }
        bool eventFilter(QObject *, QEvent *event) override
        {
            *count += event->type() == QEvent::Paint;
            return false;
        }
    } filter(&paints);
    button->installEventFilter(&filter);
    QSignalSpy spy(button, &ColorButton::colorChanged);
    button->setColor(color);
    if (!changes) {
        QCoreApplication::processEvents();
        QCOMPARE(paints, 0);
        QCOMPARE(spy.count(), 0);
        return;
    }
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<QColor>(), color);
    QCOMPARE(button->getColor(), color);
    QCOMPARE(button->getColor().isValid(), color.isValid());
    QTRY_VERIFY(paints >= 1);

    // The other flags signal nothing; only the chessboard repaints.
    paints = 0;
    button->setAlphaChannelEnabled(false);
    QCoreApplication::processEvents();
    QCOMPARE(paints, 0);
    QVERIFY(!button->isAlphaChannelEnabled());
    button->setDrawAlphaChannelChessboard(false);
    QTRY_VERIFY(paints >= 1);
    QVERIFY(!button->isAlphaChannelChessboardDrawn());
    QCOMPARE(spy.count(), 1);
}

void tst_ColorButton::painting_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("chessboard");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("radius");
    const QColor red(220, 40, 30);
    const QColor translucent(0, 90, 255, 100);
    QTest::newRow("opaque") << red << true << true << false << false << 0;
    QTest::newRow("opaque rounded") << red << true << true << false << false << 6;
    QTest::newRow("transparent default") << QColor(Qt::transparent) << true << true << false << false << 4;
    QTest::newRow("translucent") << translucent << true << true << false << false << 0;
    QTest::newRow("translucent no chessboard") << translucent << true << false << false << false << 0;
    QTest::newRow("disabled") << red << false << true << false << false << 0;
    QTest::newRow("disabled transparent") << QColor(Qt::transparent) << false << true << false << false << 0;
    QTest::newRow("disabled no chessboard") << translucent << false << false << false << false << 0;
    QTest::newRow("hovered") << red << true << true << true << false << 0;
    QTest::newRow("hovered translucent") << translucent << true << true << true << false << 0;
    QTest::newRow("hovered disabled") << red << false << true << true << false << 0;
    QTest::newRow("checked shifts") << red << true << true << false << true << 0;
}

void tst_ColorButton::painting()
{
    QFETCH(QColor, color);
    QFETCH(bool, enabled);
    QFETCH(bool, chessboard);
    QFETCH(bool, hovered);
    QFETCH(bool, checked);
    QFETCH(int, radius);
    RecordingStyle style;
    QWidget window;
    window.setGeometry(100, 100, 200, 100);
    auto *button = new ProbeButton(color, &window);
    button->setStyle(&style);
    button->setGeometry(20, 20, 120, 44);
    button->setProperty("CornerRadius", radius);
    button->setDrawAlphaChannelChessboard(chessboard);
    button->setCheckable(checked);
    button->setChecked(checked);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseMove(&window, QPoint(5, 5));
    if (hovered) {
        QTest::mouseMove(button, button->rect().center());
        QTRY_VERIFY(button->underMouse());
    }
    button->setEnabled(enabled);
    QCOMPARE(button->underMouse(), hovered); // a disabled button keeps the pointer state
    QCOMPARE(button->getColor(), color); // drawing opaque never changes the colour itself

    const QRect rect = swatchRect(*button);
    QVERIFY(rect.width() > 32 && rect.height() > 16);
    const QImage image = render(*button);
    QColor fill = color;
    if (!chessboard) {
        fill.setAlpha(255);
    }
    fill = !enabled ? fill.darker(200) : hovered ? fill.lighter(110) : fill;
    const QPoint origin(int(rect.x() + rect.width() / 2.0 - 8), int(rect.y() + rect.height() / 2.0 - 8));
    const QPoint c = rect.center();
    const int inset = radius + 2;
    const QPoint samples[] = {c + QPoint(-4, -4),
                              c + QPoint(4, -4),
                              c + QPoint(-4, 4),
                              c + QPoint(4, 4),
                              {rect.x() + rect.width() / 4, c.y()},
                              {rect.x() + 3 * rect.width() / 4, c.y()},
                              {rect.left() + 1, c.y()},
                              {rect.right() - 1, c.y()},
                              {rect.left() + inset, rect.top() + 1},
                              {rect.right() - inset, rect.bottom() - 1}};
    const auto expectedAt = [&](const QPoint &p) {
        if (fill.alpha() == 255) {
            return fill;
        }
        // Dark squares where both offsets in the 16 px pattern fall in the same half.
        const bool dark = (((p.x() - origin.x()) & 15) < 8) == (((p.y() - origin.y()) & 15) < 8);
        const QColor base = dark ? (enabled ? QColor(Qt::black) : QColor(Qt::black).lighter(150))
                                 : (enabled ? QColor(Qt::white) : QColor(Qt::white).darker(200));
        return over(fill, base);
    };
    for (const QPoint &p : samples) {
        const QColor actual = image.pixelColor(p);
        const QColor expected = expectedAt(p);
        QVERIFY2(near(actual, expected),
                 qPrintable(QStringLiteral("at (%1,%2): %3, expected %4")
                                .arg(p.x())
                                .arg(p.y())
                                .arg(actual.name(), expected.name())));
    }
    // The corner pixel of the swatch is filled only when the corners are square.
    QCOMPARE(near(image.pixelColor(rect.topLeft()), expectedAt(rect.topLeft())), radius == 0);
}

void tst_ColorButton::invalidColorLeavesOnlyBevel_data()
{
    QTest::addColumn<bool>("flat");
    QTest::newRow("raised") << false;
    QTest::newRow("flat") << true;
}

void tst_ColorButton::invalidColorLeavesOnlyBevel()
{
    QFETCH(bool, flat);
    ProbeButton button {QColor()};
    button.setText(QStringLiteral("Never shown"));
    button.setIcon(QIcon(QPixmap(8, 8)));
    button.setFlat(flat);
    button.resize(90, 36);
    QStyleOptionButton option;
    option.text = QStringLiteral("x");
    button.initStyleOption(&option);
    QVERIFY(option.text.isEmpty() && option.icon.isNull());
    QCOMPARE(option.features, QStyleOptionButton::None);
    QVERIFY(option.state.testFlag(QStyle::State_Raised) && option.state.testFlag(QStyle::State_Off));

    QImage expected(button.size(), QImage::Format_ARGB32);
    expected.fill(QColor(1, 2, 3));
    if (!flat) {
        QPainter painter(&expected);
        button.style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, &button);
    }
    QCOMPARE(render(button), expected);
    QVERIFY(!flat || render(button).pixelColor(button.rect().center()) == QColor(1, 2, 3));
}

void tst_ColorButton::focusFrame()
{
    RecordingStyle style;
    QWidget window;
    auto *button = new ProbeButton(QColor(Qt::green), &window);
    button->setStyle(&style);
    button->setGeometry(10, 10, 80, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    button->clearFocus(); // activation gives the only focusable widget the focus
    QCoreApplication::processEvents();
    style.focusFrames.clear();
    render(*button);
    QVERIFY(style.focusFrames.isEmpty());
    button->setFocus();
    QVERIFY(button->hasFocus());
    render(*button);
    QCOMPARE(style.focusFrames.size(), 1);
    QStyleOptionButton option;
    button->initStyleOption(&option);
    QCOMPARE(style.focusFrames.at(0).first, style.subElementRect(QStyle::SE_PushButtonFocusRect, &option, button));
    QCOMPARE(style.focusFrames.at(0).second, button->palette().color(QPalette::Window));
}

void tst_ColorButton::sizeHintIsContentsRect_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("small") << QSize(30, 20);
    QTest::newRow("wide") << QSize(160, 40);
}

void tst_ColorButton::sizeHintIsContentsRect()
{
    QFETCH(QSize, size);
    ProbeButton button;
    button.resize(size);
    QStyleOptionButton option;
    button.initStyleOption(&option);
    QCOMPARE(option.rect, QRect(QPoint(), size));
    const QSize expected = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).size();
    QVERIFY(expected.width() <= size.width() && expected.height() <= size.height());
    QCOMPARE(button.sizeHint(), expected);
    QCOMPARE(button.minimumSizeHint(), expected);
}

void tst_ColorButton::dialogModeAppliesOnlyAcceptedColor_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<bool>("alpha");
    QTest::newRow("accept") << true << true;
    QTest::newRow("accept without alpha") << true << false;
    QTest::newRow("reject") << false << true;
}

void tst_ColorButton::dialogModeAppliesOnlyAcceptedColor()
{
    QFETCH(bool, accept);
    QFETCH(bool, alpha);
    QWidget window;
    auto *button = new ColorButton(QColor(10, 20, 30, 128), &window);
    button->setGeometry(10, 10, 80, 30);
    button->setAlphaChannelEnabled(alpha);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy spy(button, &ColorButton::colorChanged);

    QObject context;
    QPointer<QColorDialog> seen;
    QColor initial;
    bool optionAlpha = !alpha;
    onModalDialog(&context, [&](QColorDialog *dialog) {
        seen = dialog;
        initial = dialog->currentColor();
        optionAlpha = dialog->testOption(QColorDialog::ShowAlphaChannel);
        dialog->setCurrentColor(Qt::yellow); // browsing applies nothing
        dialog->setCurrentColor(QColor(40, 50, 60));
        if (accept) {
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());

    QVERIFY(!seen); // closed dialogs delete themselves
    QCOMPARE(optionAlpha, alpha);
    QCOMPARE(initial.rgb(), QColor(10, 20, 30).rgb());
    if (alpha) {
        QCOMPARE(initial.alpha(), 128);
    }
    if (accept) {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<QColor>().rgb(), QColor(40, 50, 60).rgb());
        QCOMPARE(button->getColor().rgb(), QColor(40, 50, 60).rgb());
    } else {
        QCOMPARE(spy.count(), 0);
        QCOMPARE(button->getColor(), QColor(10, 20, 30, 128));
    }
}

void tst_ColorButton::toolModeDialogsAreIndependent()
{
    QWidget window;
    auto *button = new ColorButton(Qt::red, &window);
    button->setGeometry(10, 10, 80, 30);
    button->setColorDialogMode(ColorButton::Tool);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy spy(button, &ColorButton::colorChanged);

    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    const QList<QColorDialog *> dialogs = visibleDialogs(*button);
    QCOMPARE(dialogs.size(), 3);
    QVector<QPointer<QColorDialog>> guards;
    for (QColorDialog *dialog : dialogs) {
        QVERIFY(!dialog->isModal() && !QApplication::activeModalWidget());
        QVERIFY(dialog->windowFlags().testFlag(Qt::Tool));
        QCOMPARE(dialog->currentColor(), QColor(Qt::red));
        guards.append(dialog);
    }
    dialogs.at(1)->setCurrentColor(Qt::blue);
    QCOMPARE(spy.count(), 0);
    dialogs.at(1)->accept();
    dialogs.at(0)->setCurrentColor(Qt::green);
    dialogs.at(0)->accept();
    dialogs.at(2)->setCurrentColor(Qt::yellow);
    dialogs.at(2)->reject();
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).value<QColor>(), QColor(Qt::blue));
    QCOMPARE(spy.at(1).at(0).value<QColor>(), QColor(Qt::green));
    QCOMPARE(button->getColor(), QColor(Qt::green));
    for (const QPointer<QColorDialog> &guard : qAsConst(guards)) {
        QTRY_VERIFY(guard.isNull());
    }
}

void tst_ColorButton::popupModeUpdatesLive()
{
    QWidget window;
    auto *button = new ColorButton(QColor(1, 2, 3, 200), &window);
    button->setGeometry(10, 10, 80, 30);
    button->setColorDialogMode(ColorButton::Popup);
    QMenu *menu = button->menu();
    QVERIFY(menu && menu->parent() == button);
    QColorDialog *dialog = embeddedDialog(menu);
    QVERIFY(dialog);
    QVERIFY(dialog->testOption(QColorDialog::NoButtons));
    QVERIFY(dialog->testOption(QColorDialog::ShowAlphaChannel));
    QCOMPARE(dialog->currentColor(), QColor(1, 2, 3, 200));
    button->setAlphaChannelEnabled(false);
    QVERIFY(!dialog->testOption(QColorDialog::ShowAlphaChannel));
    button->setAlphaChannelEnabled(true);
    QVERIFY(dialog->testOption(QColorDialog::ShowAlphaChannel));

    // Every current colour the dialog reports reaches the button at once, in order.
    QSignalSpy spy(button, &ColorButton::colorChanged);
    QSignalSpy dialogSpy(dialog, &QColorDialog::currentColorChanged);
    const QVector<QColor> path = {QColor(10, 10, 10), QColor(60, 10, 10), QColor(120, 10, 10, 50)};
    for (const QColor &step : path) {
        dialog->setCurrentColor(step);
        QCOMPARE(button->getColor(), step);
    }
    QVERIFY(dialogSpy.count() >= path.size());
    QCOMPARE(spy, dialogSpy);

    // Opening the menu shows the dialog reset to the button's colour; rejecting closes the menu.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    button->setColor(QColor(0, 200, 100, 20));
    QSignalSpy shown(menu, &QMenu::aboutToShow);
    spy.clear();
    menu->popup(button->mapToGlobal(button->rect().bottomLeft()));
    QCOMPARE(shown.count(), 1);
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->currentColor(), QColor(0, 200, 100, 20));
    QCOMPARE(spy.count(), 0); // resetting the dialog is no colour change
    dialog->reject();
    QTRY_VERIFY(!menu->isVisible());
    QCOMPARE(button->getColor(), QColor(0, 200, 100, 20));
}

void tst_ColorButton::popupClickOpensMenuWithoutNewDialog()
{
    QWidget window;
    auto *button = new ColorButton(Qt::cyan, &window);
    button->setGeometry(10, 10, 80, 30);
    button->setColorDialogMode(ColorButton::Popup);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy shown(button->menu(), &QMenu::aboutToShow);
    const int dialogs = button->findChildren<QColorDialog *>().size();

    // The press opens the menu in its own loop; close it from a timer.
    QObject context;
    auto *poll = new QTimer(&context);
    connect(poll, &QTimer::timeout, poll, [poll] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            poll->stop();
            popup->close();
        }
    });
    poll->start(10);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QCOMPARE(shown.count(), 1);
    QCOMPARE(button->findChildren<QColorDialog *>().size(), dialogs);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(button->getColor(), QColor(Qt::cyan));
}

void tst_ColorButton::modeSwitchesDetachMenu()
{
    QWidget window;
    auto *button = new ColorButton(Qt::magenta, &window);
    button->setGeometry(10, 10, 80, 30);
    button->setColorDialogMode(ColorButton::Popup);
    QPointer<QMenu> oldMenu = button->menu();
    QVERIFY(oldMenu);
    button->setColorDialogMode(ColorButton::Dialog);
    QVERIFY(!button->menu());
    QVERIFY(oldMenu && oldMenu->parent() == button); // detached, still owned

    // Leaving Popup mode, the embedded dialog no longer follows the alpha flag.
    QColorDialog *detached = embeddedDialog(oldMenu);
    QVERIFY(detached);
    button->setAlphaChannelEnabled(false);
    QVERIFY(detached->testOption(QColorDialog::ShowAlphaChannel));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QObject context;
    bool modalOpened = false;
    onModalDialog(&context, [&](QColorDialog *dialog) {
        modalOpened = dialog->parent() == button && !dialog->testOption(QColorDialog::ShowAlphaChannel);
        dialog->reject();
    });
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QVERIFY(modalOpened);

    // Many switches, a few repeated, end in a working Popup mode.
    const ColorButton::ColorDialogMode modes[] = {ColorButton::Popup, ColorButton::Popup,  ColorButton::Tool,
                                                  ColorButton::Popup, ColorButton::Dialog, ColorButton::Popup};
    for (int round = 0; round < 5; ++round) {
        for (ColorButton::ColorDialogMode mode : modes) {
            button->setColorDialogMode(mode);
            button->setAlphaChannelEnabled(round % 2);
        }
    }
    QColorDialog *current = embeddedDialog(button->menu());
    QVERIFY(current && current != detached);
    QCOMPARE(current->testOption(QColorDialog::ShowAlphaChannel), button->isAlphaChannelEnabled());
    current->setCurrentColor(Qt::darkRed);
    QCOMPARE(button->getColor(), QColor(Qt::darkRed));
}

void tst_ColorButton::deletingButtonWithOpenDialogs()
{
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Tool dialogs are children of the button and go with it.
    QPointer<ColorButton> button = new ColorButton(Qt::red, &window);
    button->setColorDialogMode(ColorButton::Tool);
    button->click();
    button->click();
    QList<QPointer<QColorDialog>> dialogs;
    for (QColorDialog *dialog : visibleDialogs(*button)) {
        dialogs.append(dialog);
    }
    QCOMPARE(dialogs.size(), 2);
    delete button;
    for (const QPointer<QColorDialog> &dialog : qAsConst(dialogs)) {
        QVERIFY(dialog.isNull());
    }

    // A modal dialog whose button dies while it runs ends the click quietly.
    button = new ColorButton(Qt::red, &window);
    QObject context;
    onModalDialog(&context, [&](QColorDialog *) { delete button; });
    button->click();
    QVERIFY(button.isNull());

    // A shown popup menu goes with its button.
    button = new ColorButton(Qt::red, &window);
    button->setColorDialogMode(ColorButton::Popup);
    QPointer<QMenu> menu = button->menu();
    menu->popup(window.mapToGlobal(QPoint()));
    QTRY_VERIFY(menu->isVisible());
    delete button;
    QVERIFY(menu.isNull());
    QCoreApplication::processEvents();
}

QTEST_MAIN(tst_ColorButton)
#include "tst_colorbutton.moc"
