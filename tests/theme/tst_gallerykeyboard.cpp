// SPDX-License-Identifier: MIT

// The gallery from the keyboard alone: every control a user can reach has an accessible name, and Tab
// walks each page from its first control to its last, reaching every interactive component of the
// library, which the keys then operate.

#include "GalleryPage.h"
#include "GalleryWindow.h"
#include "KeyboardSupport.h"

#include <ComponentsLibrary/ButtonGroupWidget.h>
#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/CardWidgetBaseHeader.h>
#include <ComponentsLibrary/ColorButton.h>
#include <ComponentsLibrary/RangeSlider.h>
#include <ComponentsLibrary/ToolButtonPopUpBase.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace Components = Nalu::Components;

namespace {

using namespace KeyboardSupport;

QString label(const QWidget *widget)
{
    if (!widget) {
        return QStringLiteral("(nothing)");
    }
    QString text = QString::fromLatin1(widget->metaObject()->className());
    if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(const_cast<QWidget *>(widget))) {
        text += QStringLiteral(" \"%1\"").arg(iface->text(QAccessible::Name));
    }
    return text;
}

// Whether two presses of key, then of back, change what value reads and then restore it.
QString changesAndRestores(const std::function<QVariant()> &value, int key, int back, const char *what)
{
    const QVariant before = value();
    press(key);
    if (value() == before) {
        press(back);
        if (value() == before) {
            return QStringLiteral("%1 did not change").arg(QLatin1String(what));
        }
        press(key);
    } else {
        press(back);
    }
    return value() == before ? QString() : QStringLiteral("%1 was not restored").arg(QLatin1String(what));
}

QMenu *menuOf(QAbstractButton *button)
{
    if (auto *tool = qobject_cast<QToolButton *>(button)) {
        return tool->menu();
    }
    if (auto *push = qobject_cast<QPushButton *>(button)) {
        return push->menu();
    }
    return nullptr;
}

// What a mouse user can operate, whatever its focus policy says: the keyboard must reach it too.
bool isInteractive(QWidget *widget)
{
    if (auto *header = qobject_cast<Components::CardWidgetBaseHeader *>(widget)) {
        return header->isExpandable();
    }
    if (auto *card = qobject_cast<Components::CardWidget *>(widget)) {
        return card->isCheckable();
    }
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        // The members of an exclusive group count as one, the group.
        return !(button->group() && button->group()->exclusive());
    }
    return (qobject_cast<QAbstractSlider *>(widget) && !qobject_cast<QScrollBar *>(widget))
        || qobject_cast<QAbstractItemView *>(widget) || qobject_cast<QLineEdit *>(widget)
        || qobject_cast<QComboBox *>(widget) || qobject_cast<QTabBar *>(widget);
}

bool isTabStop(const QWidget *widget)
{
    return widget->isVisible() && (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy();
}

} // namespace

class tst_GalleryKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void controlsHaveNames_data();
    void controlsHaveNames();
    void keyboardWalk_data();
    void keyboardWalk();

private:
    // Operates the widget that has the focus with the keys its kind answers to; what went wrong, if anything.
    QString operate(QWidget *widget);

    Nalu::Gallery::GalleryWindow *m_window = nullptr;
};

void tst_GalleryKeyboard::initTestCase()
{
    m_window = new Nalu::Gallery::GalleryWindow;
    m_window->resize(1100, 800);
    // Every page gets a row: none of the seven went missing.
    QVERIFY(m_window->pageCount() >= 7);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void tst_GalleryKeyboard::cleanupTestCase()
{
    delete m_window;
}

void tst_GalleryKeyboard::controlsHaveNames_data()
{
    QTest::addColumn<int>("page");
    for (int i = 0; i < m_window->pageCount(); ++i) {
        QTest::newRow(qPrintable(m_window->page(i)->accessibleName())) << i;
    }
}

void tst_GalleryKeyboard::controlsHaveNames()
{
    QFETCH(int, page);
    m_window->setCurrentPage(page);
    QCoreApplication::processEvents();
    QStringList unnamed;
    int named = 0;
    const QList<QWidget *> widgets = m_window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!isTabStop(widget)) {
            continue;
        }
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
        QList<QAccessibleInterface *> named_ {iface};
        // The handles of the range sliders are named too.
        if (qobject_cast<Components::RangeSlider *>(widget)) {
            named_ << iface->child(0) << iface->child(1);
        }
        for (QAccessibleInterface *element : named_) {
            if (element->text(QAccessible::Name).trimmed().isEmpty()) {
                unnamed << label(widget);
            } else {
                ++named;
            }
        }
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1String(", "))));
    QVERIFY(named > 3);
}

void tst_GalleryKeyboard::keyboardWalk_data()
{
    controlsHaveNames_data();
}

void tst_GalleryKeyboard::keyboardWalk()
{
    QFETCH(int, page);
    m_window->setCurrentPage(page);
    QCoreApplication::processEvents();
    Nalu::Gallery::GalleryPage *galleryPage = m_window->page(page);
    galleryPage->setFocus(Qt::TabFocusReason);
    QCOMPARE(focus(), galleryPage);

    QStringList walk;
    QStringList problems;
    QSet<QWidget *> reached;
    QSet<QString> stops;
    for (int i = 0; i < 500; ++i) {
        press(Qt::Key_Tab);
        QWidget *widget = focus();
        if (!widget || !galleryPage->isAncestorOf(widget)) {
            break; // past the last control of the page
        }
        QString stop = label(widget);
        if (auto *slider = qobject_cast<Components::RangeSlider *>(widget)) {
            stop += slider->getCurrentHandle() == Components::RangeSlider::MinimumHandle ? QStringLiteral(" min")
                                                                                         : QStringLiteral(" max");
        }
        stop += QStringLiteral(" @%1").arg(reinterpret_cast<quintptr>(widget), 0, 16);
        if (stops.contains(stop)) {
            problems << QStringLiteral("Tab went round to %1").arg(stop);
            break;
        }
        stops.insert(stop);
        walk << stop.section(QLatin1String(" @"), 0, 0);
        reached.insert(widget);
        const QString problem = operate(widget);
        if (!problem.isEmpty()) {
            problems << QStringLiteral("%1: %2").arg(label(widget), problem);
        }
        if (focus() != widget) {
            problems << QStringLiteral("%1 lost the focus to %2").arg(label(widget), label(focus()));
            widget->setFocus(Qt::OtherFocusReason);
        }
    }

    // Every interactive component of the library on the page was among the stops (both handles of a
    // range slider); of a button group, a member, since an exclusive group keeps only its checked one
    // in the Tab chain and the arrows go to the others.
    int components = 0;
    const QList<QWidget *> widgets = galleryPage->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!widget->isVisible() || !widget->isEnabled()
            || !QByteArray(widget->metaObject()->className()).startsWith("Nalu::Components::")) {
            continue;
        }
        if (auto *group = qobject_cast<Components::ButtonGroupWidget *>(widget)) {
            ++components;
            const QList<QAbstractButton *> buttons = group->getButtons();
            if (std::none_of(buttons.begin(), buttons.end(), [&](QAbstractButton *b) { return reached.contains(b); })) {
                problems << QStringLiteral("not reached: %1").arg(label(widget));
            }
            continue;
        }
        if (!isInteractive(widget)) {
            continue;
        }
        ++components;
        const auto *slider = qobject_cast<Components::RangeSlider *>(widget);
        const int expectedStops = slider && slider->hasKeyboardHandles() ? 2 : 1;
        const int stopsOf = int(std::count_if(stops.begin(), stops.end(), [&](const QString &stop) {
            return stop.endsWith(QStringLiteral(" @%1").arg(reinterpret_cast<quintptr>(widget), 0, 16));
        }));
        if (stopsOf != expectedStops) {
            problems << QStringLiteral("reached %1 times of %2: %3").arg(stopsOf).arg(expectedStops).arg(label(widget));
        }
    }
    QVERIFY2(
        problems.isEmpty(),
        qPrintable(problems.join(QLatin1Char('\n')) + QStringLiteral("\nwalk: ") + walk.join(QLatin1String(", "))));
    QVERIFY2(components > 0, qPrintable(walk.join(QLatin1String(", "))));
}

QString tst_GalleryKeyboard::operate(QWidget *widget)
{
    if (auto *header = qobject_cast<Components::CardWidgetBaseHeader *>(widget)) {
        return changesAndRestores([header] { return header->isExpanded(); }, Qt::Key_Space, Qt::Key_Space,
                                  "the expanded state");
    }
    if (auto *card = qobject_cast<Components::CardWidget *>(widget)) {
        return changesAndRestores([card] { return card->isChecked(); }, Qt::Key_Space, Qt::Key_Space,
                                  "the checked state");
    }
    if (auto *slider = qobject_cast<Components::RangeSlider *>(widget)) {
        return changesAndRestores(
            [slider] {
                return slider->getCurrentHandle() == Components::RangeSlider::MinimumHandle
                    ? slider->getMinHandleValue()
                    : slider->getMaxHandleValue();
            },
            Qt::Key_Right, Qt::Key_Left, "the current handle");
    }
    if (auto *color = qobject_cast<Components::ColorButton *>(widget)) {
        if (color->getColorDialogMode() == Components::ColorButton::Tool) {
            // A tool window: not modal, it takes the focus; closing it gives the window back.
            press(Qt::Key_Space);
            QColorDialog *dialog = color->findChild<QColorDialog *>();
            const bool shown = dialog && dialog->isVisible();
            if (dialog) {
                dialog->close();
            }
            if (!reactivate(m_window)) {
                return QStringLiteral("the gallery did not come back");
            }
            color->setFocus(Qt::OtherFocusReason);
            return shown ? QString() : QStringLiteral("Space opened no tool window");
        }
        bool inside = false;
        const bool opened = pressWhileOpen(Qt::Key_Space, Qt::NoModifier, [&] {
                                QWidget *open = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                                                  : QApplication::activeModalWidget();
                                inside = focusComesInto(open);
                            }).opened;
        return opened && inside ? QString() : QStringLiteral("Space opened no colour dialog with the focus in it");
    }
    if (auto *popUp = qobject_cast<Components::ToolButtonPopUpBase *>(widget)) {
        bool inside = false;
        const bool opened = pressWhileOpen(Qt::Key_F4, Qt::NoModifier, [&] {
                                inside = focusComesInto(QApplication::activePopupWidget());
                            }).opened;
        if (!opened || !inside) {
            return QStringLiteral("F4 opened no menu with the focus in its widget");
        }
        if (popUp->getDrawPopUpIndicator()) {
            QSignalSpy clicked(popUp, &QAbstractButton::clicked);
            const bool menu = pressWhileOpen(Qt::Key_Space, Qt::NoModifier, [] {}).opened;
            if (menu || clicked.count() != 1) {
                return QStringLiteral("Space did not click the button part");
            }
        }
        return {};
    }
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        QButtonGroup *group = button->group();
        if (group && group->exclusive() && button->isCheckable()) {
            // As radio buttons: Space checks an unchecked member, the arrows move the check to a neighbour.
            QAbstractButton *checked = group->checkedButton();
            if (checked != button) {
                press(Qt::Key_Space);
                const bool done = group->checkedButton() == button;
                if (checked) {
                    checked->setChecked(true);
                }
                button->setFocus(Qt::OtherFocusReason);
                return done ? QString() : QStringLiteral("Space did not check it");
            }
            const int pairs[][2] = {{Qt::Key_Right, Qt::Key_Left},
                                    {Qt::Key_Down, Qt::Key_Up},
                                    {Qt::Key_Left, Qt::Key_Right},
                                    {Qt::Key_Up, Qt::Key_Down}};
            for (const auto &pair : pairs) {
                press(pair[0]);
                if (group->checkedButton() != button) {
                    press(pair[1]);
                    return group->checkedButton() == button ? QString()
                                                            : QStringLiteral("the arrows did not bring the check back");
                }
            }
            return QStringLiteral("the arrows moved the check nowhere");
        }
        if (menuOf(button)) {
            return pressWhileOpen(Qt::Key_Space, Qt::NoModifier, [] {}).opened ? QString()
                                                                               : QStringLiteral("Space opened no menu");
        }
        if (button->isCheckable()) {
            return changesAndRestores([button] { return button->isChecked(); }, Qt::Key_Space, Qt::Key_Space,
                                      "the checked state");
        }
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        const bool opened = pressWhileOpen(Qt::Key_Space, Qt::NoModifier, [] {}).opened;
        return clicked.count() == 1 || opened ? QString() : QStringLiteral("Space did not click");
    }
    if (auto *slider = qobject_cast<QAbstractSlider *>(widget)) {
        return changesAndRestores([slider] { return slider->value(); }, Qt::Key_Right, Qt::Key_Left, "the value");
    }
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        // Tab selected the text: End leaves it as it is.
        press(Qt::Key_End);
        return changesAndRestores([edit] { return edit->text(); }, Qt::Key_X, Qt::Key_Backspace, "the text");
    }
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        return changesAndRestores([combo] { return combo->currentIndex(); }, Qt::Key_Down, Qt::Key_Up,
                                  "the current item");
    }
    if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
        return changesAndRestores([tabs] { return tabs->currentIndex(); }, Qt::Key_Right, Qt::Key_Left,
                                  "the current tab");
    }
    if (auto *view = qobject_cast<QAbstractItemView *>(widget)) {
        if (!view->model() || view->model()->rowCount(view->rootIndex()) < 2) {
            return {}; // nothing to choose from
        }
        const QModelIndex before = view->currentIndex();
        press(before.isValid() && before.row() + 1 == view->model()->rowCount(view->rootIndex()) ? Qt::Key_Up
                                                                                                 : Qt::Key_Down);
        return view->currentIndex() != before ? QString() : QStringLiteral("the arrows chose nothing");
    }
    return {}; // a scroll area, which the keys scroll when there is something to scroll
}

QTEST_MAIN(tst_GalleryKeyboard)
#include "tst_gallerykeyboard.moc"
