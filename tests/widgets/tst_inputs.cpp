#include <ComponentsLibrary/ErrorCheckBox.h>
#include <ComponentsLibrary/ErrorComboBox.h>
#include <ComponentsLibrary/ErrorLineEdit.h>
#include <ComponentsLibrary/SwitchCheckBox.h>

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <memory>

using namespace Nalu::Components;

namespace {

// Known metrics: a 13-pixel indicator (half = 6) and the check indicator at (10, 5, 13, 13).
class MetricStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric pm, const QStyleOption *option, const QWidget *widget) const override
    {
        return pm == PM_IndicatorWidth ? 13 : QProxyStyle::pixelMetric(pm, option, widget);
    }
    QRect subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const override
    {
        return element == SE_CheckBoxIndicator ? QRect(10, 5, 13, 13)
                                               : QProxyStyle::subElementRect(element, option, widget);
    }
};

std::unique_ptr<QWidget> makeInput(const QString &kind)
{
    std::unique_ptr<QWidget> input;
    if (kind == QLatin1String("line edit")) {
        input = std::make_unique<ErrorLineEdit>(QStringLiteral("text"), nullptr);
    } else if (kind == QLatin1String("combo box")) {
        input = std::make_unique<ErrorComboBox>();
    } else {
        input = std::make_unique<ErrorCheckBox>(QStringLiteral("label"), nullptr);
    }
    input->setFixedSize(100, 30);
    return input;
}

bool sendToolTip(QWidget *widget, const QPoint &pos)
{
    QHelpEvent event(QEvent::ToolTip, pos, widget->mapToGlobal(pos));
    return QApplication::sendEvent(widget, &event);
}

} // namespace

class tst_Inputs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stateAndMessage_data();
    void stateAndMessage();
    void toolTip_data();
    void toolTip();
    void framelessMarker_data();
    void framelessMarker();
    void switchTextAlignment();
};

void tst_Inputs::stateAndMessage_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("tracking");
    QTest::newRow("line edit") << QStringLiteral("line edit") << false;
    QTest::newRow("combo box") << QStringLiteral("combo box") << true;
    QTest::newRow("check box") << QStringLiteral("check box") << true;
}

void tst_Inputs::stateAndMessage()
{
    QFETCH(QString, kind);
    QFETCH(bool, tracking);
    const auto input = makeInput(kind);
    if (tracking) { // QLineEdit tracks the mouse by itself
        QVERIFY(input->hasMouseTracking());
    }
    QCOMPARE(input->property("errorState"), QVariant(false));
    QCOMPARE(input->property("errorMessage").toString(), QStringLiteral("Error"));
    QVERIFY(!input->property("drawErrorIndicator").isValid());

    QSignalSpy stateSpy(input.get(), SIGNAL(errorStateChanged(bool)));
    QSignalSpy messageSpy(input.get(), SIGNAL(errorMessageChanged(QString)));
    for (bool state : {true, true, false, false, true}) {
        QVERIFY(input->setProperty("errorState", state));
        QCOMPARE(input->property("drawErrorIndicator"), QVariant(state));
    }
    QCOMPARE(stateSpy.size(), 3);
    QCOMPARE(stateSpy.at(1).at(0), QVariant(false));
    QVERIFY(input->setProperty("errorMessage", QStringLiteral("Too short")));
    QVERIFY(input->setProperty("errorMessage", QStringLiteral("Too short")));
    QCOMPARE(messageSpy.size(), 1);
    QCOMPARE(messageSpy.at(0).at(0).toString(), QStringLiteral("Too short"));
}

void tst_Inputs::toolTip_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("error");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("expectError");
    const QString lineEdit = QStringLiteral("line edit");
    const QString comboBox = QStringLiteral("combo box");
    const QString checkBox = QStringLiteral("check box");
    // The zone of the line edit and combo box: QRect(87, 0, 12, 12).
    for (const QString &kind : {lineEdit, comboBox}) {
        const QByteArray name = kind.toLatin1();
        QTest::addRow("%s, zone top-left", name.constData()) << kind << true << QPoint(87, 0) << true;
        QTest::addRow("%s, zone bottom-right", name.constData()) << kind << true << QPoint(98, 11) << true;
        QTest::addRow("%s, last column", name.constData()) << kind << true << QPoint(99, 0) << false;
        QTest::addRow("%s, left of zone", name.constData()) << kind << true << QPoint(86, 5) << false;
        QTest::addRow("%s, below zone", name.constData()) << kind << true << QPoint(90, 12) << false;
        QTest::addRow("%s, no error", name.constData()) << kind << false << QPoint(90, 5) << false;
    }
    // The check box's zone hangs from its indicator: QRect(10, 5, 12, 12).
    QTest::newRow("check box, zone") << checkBox << true << QPoint(15, 10) << true;
    QTest::newRow("check box, widget corner") << checkBox << true << QPoint(90, 5) << false;
    QTest::newRow("check box, no error") << checkBox << false << QPoint(15, 10) << false;
}

void tst_Inputs::toolTip()
{
    QFETCH(QString, kind);
    QFETCH(bool, error);
    QFETCH(QPoint, pos);
    QFETCH(bool, expectError);
    MetricStyle style;
    const auto input = makeInput(kind);
    input->setStyle(&style);
    input->setToolTip(QStringLiteral("Plain"));
    input->setProperty("errorMessage", QStringLiteral("Bad <b>value</b>"));
    input->setProperty("errorState", error);
    input->show();
    QVERIFY(QTest::qWaitForWindowExposed(input.get()));

    if (kind == QLatin1String("check box")) {
        // Before its first paint the check box does not know where its indicator is.
        QImage image(input->size(), QImage::Format_ARGB32);
        auto *box = static_cast<ErrorCheckBox *>(input.get());
        ErrorCheckBox unpainted;
        unpainted.setStyle(&style);
        unpainted.setErrorState(true);
        unpainted.setToolTip(QStringLiteral("Unpainted"));
        QVERIFY(sendToolTip(&unpainted, pos));
        QCOMPARE(QToolTip::text(), QStringLiteral("Unpainted"));
        box->render(&image);
    }
    QVERIFY(sendToolTip(input.get(), pos));
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(),
             expectError ? QStringLiteral("<p class=\"errorTooltip\">Bad <b>value</b></p>") : QStringLiteral("Plain"));

    // Without an ordinary tip, a tool-tip event away from the zone hides the tip.
    input->setToolTip(QString());
    QVERIFY(sendToolTip(input.get(), QPoint(1, 29)));
    QTRY_VERIFY(!QToolTip::isVisible());
}

void tst_Inputs::framelessMarker_data()
{
    QTest::addColumn<bool>("frame");
    QTest::addColumn<bool>("error");
    QTest::newRow("frameless, error") << false << true;
    QTest::newRow("frameless, no error") << false << false;
    QTest::newRow("framed, error") << true << true;
}

void tst_Inputs::framelessMarker()
{
    QFETCH(bool, frame);
    QFETCH(bool, error);
    MetricStyle style;
    ErrorLineEdit plain;
    ErrorLineEdit edit;
    for (ErrorLineEdit *e : {&plain, &edit}) {
        e->setStyle(&style);
        e->setFixedSize(100, 30);
        e->setFrame(frame);
    }
    edit.setErrorState(error);
    QImage withError(edit.size(), QImage::Format_ARGB32);
    QImage without(edit.size(), QImage::Format_ARGB32);
    edit.render(&withError);
    plain.render(&without);
    const bool marked = !frame && error;
    // The 7 x 6 marker at x = 93..99 fills its top-right half only.
    for (const QPoint &p : {QPoint(99, 0), QPoint(98, 1), QPoint(97, 0)}) {
        QCOMPARE(withError.pixelColor(p) == QColor(Qt::red), marked);
    }
    QCOMPARE(withError.pixelColor(94, 4), without.pixelColor(94, 4));
    QCOMPARE(withError.pixelColor(92, 0), without.pixelColor(92, 0));
    QCOMPARE(withError == without, !marked);
}

void tst_Inputs::switchTextAlignment()
{
    SwitchCheckBox box(QStringLiteral("Wi-Fi"), nullptr);
    QCOMPARE(box.property("switch"), QVariant(true));
    QCOMPARE(box.getTextAlignment(), Qt::AlignLeft);
    QList<int> emitted;
    connect(&box, &SwitchCheckBox::textAlignmentChanged, this, [&](Qt::AlignmentFlag a) { emitted.append(a); });
    // Not only the three meant values: anything is stored and announced as given.
    for (int alignment : {int(Qt::AlignLeft), int(Qt::AlignRight), int(Qt::AlignRight), int(Qt::AlignHCenter), 7}) {
        box.setTextAlignment(alignment);
        QCOMPARE(int(box.getTextAlignment()), alignment);
    }
    QCOMPARE(box.property("textAlignment"), QVariant(7));
    QCOMPARE(emitted, (QList<int> {Qt::AlignRight, Qt::AlignHCenter, 7}));
    SwitchCheckBox plain;
    QCOMPARE(plain.property("switch"), QVariant(true));
}

QTEST_MAIN(tst_Inputs)
#include "tst_inputs.moc"
