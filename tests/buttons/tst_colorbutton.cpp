// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ColorButton.h>

#include <QApplication>
#include <QColorDialog>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "TestSupport.h"

#include <functional>

using namespace Nalu::Components;
using namespace TestSupport;

namespace {

// Calls step every few milliseconds until it returns true; it also runs inside the nested loop of a modal dialog
// or a menu opened by a click.
void poll(QObject *context, std::function<bool()> step)
{
    auto *timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, step] {
        if (step()) {
            timer->stop();
        }
    });
    timer->start(10);
}

} // namespace

class tst_ColorButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setColorNotifiesOnlyOnChange_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<int>("emitted");
        QTest::newRow("same") << QColor(200, 100, 50) << 0;
        QTest::newRow("other alpha") << QColor(200, 100, 50, 99) << 1;
        QTest::newRow("invalid") << QColor() << 1;
    }
    void setColorNotifiesOnlyOnChange()
    {
        QFETCH(QColor, color);
        QFETCH(int, emitted);
        ColorButton button(QColor(200, 100, 50));
        QSignalSpy spy(&button, &ColorButton::colorChanged);
        button.setColor(color);
        QCOMPARE(button.getColor(), color);
        QCOMPARE(spy, emitted ? QList<QVariantList>({{color}}) : QList<QVariantList>());
    }

    void swatchPaintsColourOverChessboard_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<bool>("chessboard");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<QColor>("dark"); // the colours of the chessboard squares
        QTest::addColumn<QColor>("light");
        const QColor red(220, 40, 30);
        const QColor translucent(0, 90, 255, 100);
        QTest::newRow("opaque") << red << true << true << false << red << red;
        // (0, 90, 255, 100) over black and over white
        QTest::newRow("translucent") << translucent << true << true << false << QColor(0, 35, 100)
                                     << QColor(155, 190, 255);
        QTest::newRow("no chessboard") << translucent << false << true << false << QColor(0, 90, 255)
                                       << QColor(0, 90, 255);
        QTest::newRow("disabled") << red << true << false << false << red.darker(200) << red.darker(200);
        QTest::newRow("hovered") << red << true << true << true << red.lighter(110) << red.lighter(110);
        QTest::newRow("hovered, disabled") << red << true << false << true << red.darker(200) << red.darker(200);
        // No swatch: the image under the flat button shows through.
        QTest::newRow("invalid") << QColor() << true << true << false << QColor(1, 2, 3) << QColor(1, 2, 3);
    }
    void swatchPaintsColourOverChessboard()
    {
        QFETCH(QColor, color);
        QFETCH(bool, chessboard);
        QFETCH(bool, enabled);
        QFETCH(bool, hovered);
        QFETCH(QColor, dark);
        QFETCH(QColor, light);
        QWidget window;
        auto *button = new ColorButton(color, &window);
        button->setFlat(true); // no bevel: only the swatch is painted
        button->setGeometry(20, 20, 120, 44);
        button->setProperty("CornerRadius", 6);
        button->setDrawAlphaChannelChessboard(chessboard);
        // Qt 6 enters the widget under the pointer as a window shows: start with the pointer off the button.
        QCursor::setPos(window.mapToGlobal(QPoint(2, 2)));
        QVERIFY(showExposed(window));
        QTest::mouseMove(&window, QPoint(2, 2));
        if (hovered) {
            QTest::mouseMove(button, button->rect().center());
        }
        QTRY_COMPARE(button->underMouse(), hovered);
        button->setEnabled(enabled);

        const QImage image = rendered(*button, QColor(1, 2, 3));
        QCOMPARE(button->getColor(), color); // drawing opaque leaves the alpha alone
        // Squares of 8 pixels centred on the swatch: dark ones top left and bottom right of the centre.
        const QPoint centre = button->rect().center();
        for (const QPoint &offset : {QPoint(-4, -4), QPoint(4, 4), QPoint(4, -4), QPoint(-4, 4)}) {
            QCOMPARE(colourMismatch(image.pixelColor(centre + offset), offset.x() == offset.y() ? dark : light, 2),
                     QString());
        }
    }

    void dialogAppliesOnlyTheAcceptedColour_data()
    {
        QTest::addColumn<ColorButton::ColorDialogMode>("mode");
        QTest::addColumn<QString>("close"); // what ends the open dialog
        QTest::newRow("dialog, accepted") << ColorButton::Dialog << "accept";
        QTest::newRow("dialog, rejected") << ColorButton::Dialog << "reject";
        QTest::newRow("dialog, button deleted") << ColorButton::Dialog << "delete";
        QTest::newRow("tool, accepted") << ColorButton::Tool << "accept";
        QTest::newRow("tool, button deleted") << ColorButton::Tool << "delete";
    }
    void dialogAppliesOnlyTheAcceptedColour()
    {
        QFETCH(ColorButton::ColorDialogMode, mode);
        QFETCH(QString, close);
        const QColor start(10, 20, 30, 128);
        QWidget window;
        QPointer<ColorButton> button = new ColorButton(start, &window);
        button->setGeometry(10, 10, 80, 30);
        button->setColorDialogMode(mode);
        QVERIFY(showExposed(window));
        QSignalSpy spy(button.data(), &ColorButton::colorChanged);

        QObject context;
        QPointer<QColorDialog> dialog;
        bool modal = false;
        QColor initial;
        poll(&context, [&] {
            if (!(dialog = button->findChild<QColorDialog *>()) || !dialog->isVisible()) {
                return false;
            }
            modal = dialog == QApplication::activeModalWidget();
            initial = dialog->currentColor();
            dialog->setCurrentColor(Qt::yellow); // browsing applies nothing
            dialog->setCurrentColor(QColor(40, 50, 60));
            if (close == QLatin1String("delete")) {
                delete button;
            } else {
                close == QLatin1String("accept") ? dialog->accept() : dialog->reject();
            }
            return true;
        });
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        QTRY_VERIFY(initial.isValid());
        QTRY_VERIFY(!dialog); // gone once closed, or with its button
        QCOMPARE(modal, mode == ColorButton::Dialog);
        QCOMPARE(initial.rgba(), start.rgba());
        QCOMPARE(button.isNull(), close == QLatin1String("delete"));
        const bool accepted = close == QLatin1String("accept");
        QCOMPARE(spy, accepted ? QList<QVariantList>({{QColor(40, 50, 60)}}) : QList<QVariantList>());
        QVERIFY(!button || button->getColor().rgba() == (accepted ? QColor(40, 50, 60).rgba() : start.rgba()));
    }

    void popupAppliesEveryBrowsedColour()
    {
        QWidget window;
        auto *button = new ColorButton(QColor(1, 2, 3, 200), &window);
        button->setGeometry(10, 10, 80, 30);
        button->setColorDialogMode(ColorButton::Popup);
        QPointer<QMenu> menu = button->menu();
        QColorDialog *dialog = menu ? menu->findChild<QColorDialog *>() : nullptr;
        QVERIFY(dialog);
        QVERIFY(showExposed(window));
        QSignalSpy spy(button, &ColorButton::colorChanged);

        // A click opens the menu with the dialog showing the button's colour; that is no change.
        QObject context;
        bool opened = false;
        poll(&context, [&] {
            QWidget *popup = QApplication::activePopupWidget();
            opened = popup == menu && dialog->isVisible() && dialog->currentColor().rgba() == button->getColor().rgba();
            if (popup) {
                popup->close();
            }
            return popup != nullptr;
        });
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        QTRY_VERIFY(opened);
        QCOMPARE(spy.count(), 0);

        // Every colour browsed in the dialog applies at once.
        for (const QColor &step : {QColor(60, 10, 10), QColor(120, 10, 10, 50)}) {
            dialog->setCurrentColor(step);
            QCOMPARE(button->getColor(), step);
            QCOMPARE(spy.last().at(0).value<QColor>(), step);
        }
        button->setAlphaChannelEnabled(false);
        QVERIFY(!dialog->testOption(QColorDialog::ShowAlphaChannel));

        button->setColorDialogMode(ColorButton::Dialog);
        QVERIFY(!button->menu());
        QVERIFY(menu && menu->parent() == button); // detached, still owned
    }
};

QTEST_MAIN(tst_ColorButton)
#include "tst_colorbutton.moc"
