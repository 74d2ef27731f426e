// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ToolButtonPopUpBase.h>

#include "Accessibility_p.h"
#include "QtCompat_p.h"
#include "WidgetTree_p.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QVariant>
#include <QWidgetAction>

namespace Nalu {
namespace Components {

namespace {

// The button part of a split button: a checkable one toggles; otherwise @p press runs with the menu taken
// off, so that QToolButton handles it as a plain button. The menu comes back unless a receiver deleted the
// button meanwhile.
template<typename Press>
void pressButtonPart(ToolButtonPopUpBase *button, Press press)
{
    if (button->isCheckable()) {
        button->setChecked(!button->isChecked());
        return;
    }
    const QPointer<QMenu> detached = button->menu();
    const QPointer<ToolButtonPopUpBase> alive(button);
    button->setMenu(nullptr);
    press();
    if (alive) {
        button->setMenu(detached);
    }
}

} // namespace

class ToolButtonPopUpBasePrivate
{
public:
    bool drawPopUpIndicator = false;
};

ToolButtonPopUpBase::ToolButtonPopUpBase(QWidget *parent)
    : QToolButton(parent)
    , d(std::make_unique<ToolButtonPopUpBasePrivate>())
{
    setProperty("no menu arrow", true);
    setPopupMode(QToolButton::InstantPopup);
}

ToolButtonPopUpBase::~ToolButtonPopUpBase() = default;

bool ToolButtonPopUpBase::getDrawPopUpIndicator() const
{
    return d->drawPopUpIndicator;
}

void ToolButtonPopUpBase::setDrawPopUpIndicator(bool draw)
{
    d->drawPopUpIndicator = draw;
    update();
}

QMenu *ToolButtonPopUpBase::createMenuInstance()
{
    return new Keyboard::FocusCyclingMenu(this);
}

void ToolButtonPopUpBase::setMenuWidget(QWidget *widget)
{
    // The menu is a child of this button: the widget may not be the button or one of its ancestors.
    if (!widget || !Internal::mayAdopt(this, widget, "ToolButtonPopUpBase::setMenuWidget")) {
        return;
    }

    QWidgetAction *reused = nullptr;
    if (QMenu *oldMenu = menu()) {
        while (!oldMenu->actions().isEmpty()) {
            QAction *action = oldMenu->actions().constFirst();
            auto *widgetAction = qobject_cast<QWidgetAction *>(action);
            if (widgetAction && widgetAction->defaultWidget() == widget) {
                reused = widgetAction;
            }
            oldMenu->removeAction(action);
        }
        // The old menu stays a child of the button: the actions it parents may still be in use.
        setMenu(nullptr);
    }

    if (!reused) {
        // A widget handed over before is owned by its action, which may sit in a menu replaced since. Reusing that
        // action keeps a single owner for the widget.
        const QList<QMenu *> menus = findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly);
        for (const QMenu *earlier : menus) {
            const QList<QWidgetAction *> actions
                = earlier->findChildren<QWidgetAction *>(QString(), Qt::FindDirectChildrenOnly);
            for (QWidgetAction *action : actions) {
                if (action->defaultWidget() == widget) {
                    reused = action;
                }
            }
        }
    }

    QMenu *newMenu = createMenuInstance();
    setMenu(newMenu);
    if (reused) {
        newMenu->addAction(reused);
        return;
    }
    auto *action = new QWidgetAction(newMenu);
    action->setDefaultWidget(widget);
    newMenu->addAction(action);
}

void ToolButtonPopUpBase::paintEvent(QPaintEvent *event)
{
    QToolButton::paintEvent(event);
    if (!d->drawPopUpIndicator) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isEnabled() ? palette().brush(QPalette::WindowText)
                                 : palette().brush(QPalette::Disabled, QPalette::WindowText));
    const qreal w = width();
    const qreal h = height();
    const QPointF triangle[3] = {
        QPointF(3 * w / 4, 3 * h / 4 + 1),
        QPointF(3 * w / 4 + 3, h - 2),
        QPointF(3 * w / 4 + 6, 3 * h / 4 + 1),
    };
    painter.drawPolygon(triangle, 3);
}

void ToolButtonPopUpBase::mousePressEvent(QMouseEvent *event)
{
    // Only the left button has a split meaning; QToolButton ignores the others anyway.
    if (!d->drawPopUpIndicator || event->button() != Qt::LeftButton) {
        QToolButton::mousePressEvent(event);
        return;
    }

    const qreal w = width();
    const qreal h = height();
    const QRectF menuZone = QRectF(rect()).adjusted(2 * w / 3, 2 * h / 3, 0, 0);
    if (menuZone.contains(Compat::position(event))) {
        QToolButton::mousePressEvent(event);
        return;
    }

    // Without a menu QToolButton treats the press as an ordinary button press, so the release clicks.
    pressButtonPart(this, [this, event] { QToolButton::mousePressEvent(event); });
}

void ToolButtonPopUpBase::keyPressEvent(QKeyEvent *event)
{
    const bool openKey
        = event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && event->modifiers().testFlag(Qt::AltModifier));
    if (openKey && menu()) {
        event->accept();
        showMenu();
        return;
    }
    if (!d->drawPopUpIndicator || event->key() != Qt::Key_Space || event->isAutoRepeat() || !menu()) {
        QToolButton::keyPressEvent(event);
        return;
    }
    // The button part of a split button, as a press outside the menu zone.
    event->accept();
    pressButtonPart(this, [this] { click(); });
}

} // namespace Components
} // namespace Nalu
