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
    QString text = QString::fromLatin1(widget->metaObject()->className());
    if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(const_cast<QWidget *>(widget))) {
        text += QStringLiteral(" \"%1\"").arg(iface->text(QAccessible::Name));
    }
    return text;
}

// Whether two presses of key, then of back, change what value reads and then restore it.
QString changesAndRestores(const std::function<QVariant()> &value, int key, int back)
{
    const QVariant before = value();
    press(key);
    if (value() == before) {
        press(back);
        if (value() == before) {
            return QStringLiteral("the keys changed nothing");
        }
        press(key);
    } else {
        press(back);
    }
    return value() == before ? QString() : QStringLiteral("the keys did not restore it");
}

QMenu *menuOf(QWidget *widget)
{
    auto *tool = qobject_cast<QToolButton *>(widget);
    auto *push = qobject_cast<QPushButton *>(widget);
    return tool ? tool->menu() : push ? push->menu() : nullptr;
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

// Tab stops a widget makes: two for a range slider with keyboard handles.
int stopsOf(const QWidget *widget)
{
    const auto *slider = qobject_cast<const Components::RangeSlider *>(widget);
    return slider && slider->hasKeyboardHandles() ? 2 : 1;
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
        if (!widget->isVisible() || !(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy()) {
            continue;
        }
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
        QList<QAccessibleInterface *> elements {iface};
        // The handles of the range sliders are named too.
        if (qobject_cast<Components::RangeSlider *>(widget)) {
            elements << iface->child(0) << iface->child(1);
        }
        for (QAccessibleInterface *element : elements) {
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
    QHash<QWidget *, int> visits;
    for (int i = 0; i < 500; ++i) {
        press(Qt::Key_Tab);
        QWidget *widget = focus();
        if (!widget || !galleryPage->isAncestorOf(widget)) {
            break; // past the last control of the page
        }
        walk << label(widget);
        if (++visits[widget] > stopsOf(widget)) {
            problems << QStringLiteral("Tab went round to %1").arg(label(widget));
            break;
        }
        const QString problem = operate(widget);
        if (!problem.isEmpty()) {
            problems << QStringLiteral("%1: %2").arg(label(widget), problem);
        }
        if (focus() != widget) {
            problems << QStringLiteral("%1 lost the focus to %2").arg(label(widget), nameOf(focus()));
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
            if (std::none_of(buttons.begin(), buttons.end(), [&](QAbstractButton *b) { return visits.contains(b); })) {
                problems << QStringLiteral("not reached: %1").arg(label(widget));
            }
        } else if (isInteractive(widget)) {
            ++components;
            if (visits.value(widget) != stopsOf(widget)) {
                problems << QStringLiteral("reached %1 times of %2: %3")
                                .arg(visits.value(widget))
                                .arg(stopsOf(widget))
                                .arg(label(widget));
            }
        }
    }
    QVERIFY2(
        problems.isEmpty(),
        qPrintable(problems.join(QLatin1Char('\n')) + QStringLiteral("\nwalk: ") + walk.join(QLatin1String(", "))));
    QVERIFY2(components > 0, qPrintable(walk.join(QLatin1String(", "))));
}

QString tst_GalleryKeyboard::operate(QWidget *widget)
{
    auto *button = qobject_cast<QAbstractButton *>(widget);
    QButtonGroup *group = button ? button->group() : nullptr;
    if (group && group->exclusive() && button->isCheckable()) {
        // As radio buttons: Space checks a member, the arrows move the check to a neighbour.
        press(Qt::Key_Space);
        if (group->checkedButton() != button) {
            return QStringLiteral("Space did not check it");
        }
        for (const int key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left}) {
            press(key);
            if (group->checkedButton() != button) {
                break;
            }
        }
        const bool moved = group->checkedButton() != button;
        button->setChecked(true);
        button->setFocus(Qt::OtherFocusReason);
        return moved ? QString() : QStringLiteral("the arrows moved the check nowhere");
    }
    // What opens a menu or a dialog (F4 for a pop-up tool button, else Space) opens it with the focus in its
    // widgets; a colour button's tool window is not modal and takes the focus as a window.
    const bool popUp = qobject_cast<Components::ToolButtonPopUpBase *>(widget);
    if (popUp || qobject_cast<Components::ColorButton *>(widget) || menuOf(widget)) {
        bool inside = false;
        bool tool = false; // a colour button's tool window, not modal, looked at as soon as it shows
        const auto trigger = [&] {
            press(popUp ? Qt::Key_F4 : Qt::Key_Space);
            auto *dialog = widget->findChild<QColorDialog *>();
            tool = dialog && dialog->isVisible() && !dialog->isModal();
            if (tool) {
                dialog->close();
            }
        };
        const auto check = [&] {
            QWidget *open = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                              : QApplication::activeModalWidget();
            inside = menuOf(widget) || focusComesInto(open); // a plain menu has the keys itself
        };
        const bool opened = whileOpen(trigger, check).opened;
        if (tool) {
            widget->setFocus(Qt::OtherFocusReason);
        }
        return tool || (opened && inside) ? QString() : QStringLiteral("the key opened nothing with the focus in it");
    }
    std::function<QVariant()> value;
    int key = Qt::Key_Right;
    int back = Qt::Key_Left;
    if (auto *header = qobject_cast<Components::CardWidgetBaseHeader *>(widget)) {
        value = [header] { return header->isExpanded(); };
        key = back = Qt::Key_Space;
    } else if (auto *card = qobject_cast<Components::CardWidget *>(widget)) {
        value = [card] { return card->isChecked(); };
        key = back = Qt::Key_Space;
    } else if (button && button->isCheckable()) {
        value = [button] { return button->isChecked(); };
        key = back = Qt::Key_Space;
    } else if (button) {
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        const bool opened = pressWhileOpen(Qt::Key_Space, Qt::NoModifier, [] {}).opened;
        return clicked.count() == 1 || opened ? QString() : QStringLiteral("Space did not click");
    } else if (auto *slider = qobject_cast<Components::RangeSlider *>(widget)) {
        value = [slider] {
            return slider->getCurrentHandle() == Components::RangeSlider::MinimumHandle ? slider->getMinHandleValue()
                                                                                        : slider->getMaxHandleValue();
        };
    } else if (auto *slider = qobject_cast<QAbstractSlider *>(widget)) {
        value = [slider] { return slider->value(); };
    } else if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
        value = [tabs] { return tabs->currentIndex(); };
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        value = [combo] { return combo->currentIndex(); };
        key = Qt::Key_Down;
        back = Qt::Key_Up;
    } else if (auto *view = qobject_cast<QAbstractItemView *>(widget)) {
        const int rows = view->model() ? view->model()->rowCount(view->rootIndex()) : 0;
        const int before = view->currentIndex().row();
        press(before + 1 == rows ? Qt::Key_Up : Qt::Key_Down);
        return rows < 2 || view->currentIndex().row() != before ? QString()
                                                                : QStringLiteral("the arrows chose nothing");
    } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        press(Qt::Key_End); // Tab selected the text: End leaves it as it is
        value = [edit] { return edit->text(); };
        key = Qt::Key_X;
        back = Qt::Key_Backspace;
    }
    return value ? changesAndRestores(value, key, back) : QString(); // a scroll area scrolls when it can
}

QTEST_MAIN(tst_GalleryKeyboard)
#include "tst_gallerykeyboard.moc"
