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
#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>

namespace Components = Nalu::Components;
using namespace KeyboardSupport;

namespace {

QString label(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return QStringLiteral("%1 \"%2\"")
        .arg(QLatin1String(widget->metaObject()->className()), iface ? iface->text(QAccessible::Name) : QString());
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
    if (auto *header = qobject_cast<Components::CardWidgetBaseHeader *>(widget))
        return header->isExpandable();
    if (auto *card = qobject_cast<Components::CardWidget *>(widget))
        return card->isCheckable();
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) // an exclusive group's members count as one
        return !(button->group() && button->group()->exclusive());
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

// Whether key (or back, at the end of a range) changes what value reads, and the other key restores it.
QString changesAndRestores(const std::function<QVariant()> &value, int key, int back)
{
    const QVariant before = value();
    press(key);
    if (value() == before) {
        std::swap(key, back);
        press(key);
        if (value() == before)
            return QStringLiteral("the keys changed nothing");
    }
    press(back);
    return value() == before ? QString() : QStringLiteral("the keys did not restore it");
}

// Operates the widget that has the focus with the keys its kind answers to; what went wrong, if anything.
QString operate(QWidget *widget)
{
    auto *button = qobject_cast<QAbstractButton *>(widget);
    QButtonGroup *group = button ? button->group() : nullptr;
    if (group && group->exclusive() && button->isCheckable()) {
        // As radio buttons: Space checks a member, the arrows move the check to a neighbour.
        press(Qt::Key_Space);
        if (group->checkedButton() != button)
            return QStringLiteral("Space did not check it");
        for (const int key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left})
            if (group->checkedButton() == button)
                press(key);
        const bool moved = group->checkedButton() != button;
        button->setChecked(true);
        button->setFocus(Qt::OtherFocusReason);
        return moved ? QString() : QStringLiteral("the arrows moved the check nowhere");
    }
    // What opens a menu or a dialog (F4 for a pop-up tool button, else Space) opens it with the focus in its
    // widgets; a colour button's tool window is not modal and takes the focus as a window.
    const bool popUp = qobject_cast<Components::ToolButtonPopUpBase *>(widget);
    if (popUp || qobject_cast<Components::ColorButton *>(widget) || menuOf(widget)) {
        bool inside = false, tool = false;
        const auto trigger = [&] {
            press(popUp ? Qt::Key_F4 : Qt::Key_Space);
            auto *dialog = widget->findChild<QColorDialog *>();
            if ((tool = dialog && dialog->isVisible() && !dialog->isModal()))
                dialog->close();
        };
        const auto check = [&] {
            QWidget *open = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                              : QApplication::activeModalWidget();
            inside = menuOf(widget) || focusComesInto(open); // a plain menu has the keys itself
        };
        const bool opened = whileOpen(trigger, check).opened;
        if (tool)
            widget->setFocus(Qt::OtherFocusReason);
        return tool || (opened && inside) ? QString() : QStringLiteral("the key opened nothing with the focus in it");
    }
    if (button && !button->isCheckable()) {
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        const bool opened = pressWhileOpen(Qt::Key_Space, Qt::NoModifier, [] {}).opened;
        return clicked.count() == 1 || opened ? QString() : QStringLiteral("Space did not click");
    }
    if (auto *view = qobject_cast<QAbstractItemView *>(widget)) {
        const int rows = view->model() ? view->model()->rowCount(view->rootIndex()) : 0;
        const int before = view->currentIndex().row();
        press(before + 1 == rows ? Qt::Key_Up : Qt::Key_Down);
        return rows < 2 || view->currentIndex().row() != before ? QString()
                                                                : QStringLiteral("the arrows chose nothing");
    }
    // Space toggles, the arrows step, a line edit takes a letter (after End: Tab selected its text).
    auto *header = qobject_cast<Components::CardWidgetBaseHeader *>(widget);
    auto *card = qobject_cast<Components::CardWidget *>(widget);
    auto *range = qobject_cast<Components::RangeSlider *>(widget);
    auto *slider = qobject_cast<QAbstractSlider *>(widget);
    auto *tabs = qobject_cast<QTabBar *>(widget);
    auto *combo = qobject_cast<QComboBox *>(widget);
    auto *edit = qobject_cast<QLineEdit *>(widget);
    const auto value = [=]() -> QVariant {
        if (header || card || button)
            return header ? header->isExpanded() : card ? card->isChecked() : button->isChecked();
        if (range)
            return range->getCurrentHandle() == Components::RangeSlider::MinimumHandle ? range->getMinHandleValue()
                                                                                       : range->getMaxHandleValue();
        return slider ? slider->value()
            : tabs    ? tabs->currentIndex()
            : combo   ? combo->currentIndex()
                      : QVariant(edit->text());
    };
    if (header || card || button)
        return changesAndRestores(value, Qt::Key_Space, Qt::Key_Space);
    if (combo)
        return changesAndRestores(value, Qt::Key_Down, Qt::Key_Up);
    if (edit)
        press(Qt::Key_End);
    return edit          ? changesAndRestores(value, Qt::Key_X, Qt::Key_Backspace)
        : slider || tabs ? changesAndRestores(value, Qt::Key_Right, Qt::Key_Left)
                         : QString(); // a scroll area scrolls when it can
}

} // namespace

class tst_GalleryKeyboard : public QObject
{
    Q_OBJECT

    Nalu::Gallery::GalleryWindow *m_window = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        m_window = new Nalu::Gallery::GalleryWindow;
        m_window->resize(1100, 800);
        QVERIFY(m_window->pageCount() >= 7); // every page gets a row: none of the seven went missing
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    void cleanupTestCase() { delete m_window; }

    void pageIsNamedAndWalkedByTab_data()
    {
        QTest::addColumn<int>("page");
        for (int i = 0; i < m_window->pageCount(); ++i)
            QTest::newRow(qPrintable(m_window->page(i)->accessibleName())) << i;
    }
    // Every control Tab can reach is named (both handles of a range slider too); Tab then walks the page once, each
    // stop answering its keys, and stops at every interactive component of the library on it.
    void pageIsNamedAndWalkedByTab()
    {
        QFETCH(int, page);
        m_window->setCurrentPage(page);
        QCoreApplication::processEvents();
        QStringList walk, problems;
        int named = 0;
        for (QWidget *widget : m_window->findChildren<QWidget *>()) {
            if (!widget->isVisible() || !(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy())
                continue;
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
            QList<QAccessibleInterface *> elements {iface};
            if (qobject_cast<Components::RangeSlider *>(widget))
                elements << iface->child(0) << iface->child(1);
            for (QAccessibleInterface *element : elements) {
                if (element->text(QAccessible::Name).trimmed().isEmpty())
                    problems << QStringLiteral("unnamed: %1").arg(label(widget));
                else
                    ++named;
            }
        }

        Nalu::Gallery::GalleryPage *galleryPage = m_window->page(page);
        galleryPage->setFocus(Qt::TabFocusReason);
        QCOMPARE(focus(), galleryPage);
        QHash<QWidget *, int> visits;
        for (int i = 0; i < 500; ++i) {
            press(Qt::Key_Tab);
            QWidget *widget = focus();
            if (!widget || !galleryPage->isAncestorOf(widget))
                break; // past the last control of the page
            walk << label(widget);
            if (++visits[widget] > stopsOf(widget)) {
                problems << QStringLiteral("Tab went round to %1").arg(label(widget));
                break;
            }
            if (const QString problem = operate(widget); !problem.isEmpty())
                problems << QStringLiteral("%1: %2").arg(label(widget), problem);
            if (focus() != widget) {
                problems << QStringLiteral("%1 lost the focus to %2").arg(label(widget), nameOf(focus()));
                widget->setFocus(Qt::OtherFocusReason);
            }
        }

        // Of a button group, a member: an exclusive group keeps only its checked one in the Tab chain.
        int components = 0;
        for (QWidget *widget : galleryPage->findChildren<QWidget *>()) {
            if (!widget->isVisible() || !widget->isEnabled()
                || !QByteArray(widget->metaObject()->className()).startsWith("Nalu::Components::"))
                continue;
            if (auto *group = qobject_cast<Components::ButtonGroupWidget *>(widget)) {
                ++components;
                const QList<QAbstractButton *> buttons = group->getButtons();
                if (std::none_of(buttons.begin(), buttons.end(),
                                 [&](QAbstractButton *b) { return visits.contains(b); }))
                    problems << QStringLiteral("not reached: %1").arg(label(widget));
            } else if (isInteractive(widget) && ++components && visits.value(widget) != stopsOf(widget)) {
                problems << QStringLiteral("reached %1 times of %2: %3")
                                .arg(visits.value(widget))
                                .arg(stopsOf(widget))
                                .arg(label(widget));
            }
        }
        QVERIFY2(
            problems.isEmpty() && named > 3 && components > 0,
            qPrintable(problems.join(QLatin1Char('\n')) + QStringLiteral("\nwalk: ") + walk.join(QLatin1String(", "))));
    }
};

QTEST_MAIN(tst_GalleryKeyboard)
#include "tst_gallerykeyboard.moc"
