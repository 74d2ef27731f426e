// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ColorButton.h>

#include "Accessibility_p.h"
#include "DevicePixels_p.h"

#include <QColorDialog>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QVariant>
#include <QWidgetAction>

namespace Nalu {
namespace Components {

class ColorButtonPrivate
{
public:
    explicit ColorButtonPrivate(const QColor &initial)
        : color(initial)
    {
    }

    // The colour handed to a dialog: QColorDialog splits it into RGB and alpha, so the
    // alpha is set explicitly to survive the conversion to RGB.
    QColor dialogColor() const
    {
        QColor result = color.toRgb();
        result.setAlpha(color.alpha());
        return result;
    }

    QColor color;
    bool alphaChannelEnabled = true;
    bool alphaChannelChessboardDrawn = true;
    ColorButton::ColorDialogMode colorDialogMode = ColorButton::Dialog;
};

namespace {

// The embedded dialog of Popup mode, if the menu still holds it.
QColorDialog *embeddedDialog(const QMenu *menu)
{
    if (!menu || menu->actions().isEmpty()) {
        return nullptr;
    }
    auto *action = qobject_cast<QWidgetAction *>(menu->actions().constFirst());
    return action ? qobject_cast<QColorDialog *>(action->defaultWidget()) : nullptr;
}

// The pattern behind a translucent colour, in squares of 8 pixels, at @p ratio device pixels per pixel.
QBrush chessboard(bool enabled, qreal ratio, qreal *size)
{
    const QColor dark = enabled ? QColor(Qt::black) : QColor(Qt::black).lighter(150);
    const QColor light = enabled ? QColor(Qt::white) : QColor(Qt::white).darker(200);
    return Internal::chessboardBrush(8, dark, light, ratio, size);
}

} // namespace

ColorButton::ColorButton(QWidget *parent)
    : ColorButton(QColor(Qt::transparent), parent)
{
}

ColorButton::ColorButton(const QColor &color, QWidget *parent)
    : QPushButton(parent)
    , d(std::make_unique<ColorButtonPrivate>(color))
{
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(this, SIGNAL(clicked()), this, SLOT(onClicked()));
    setProperty("ColorButtonWidget_Container", true);
}

ColorButton::~ColorButton() = default;

const QColor &ColorButton::getColor() const
{
    return d->color;
}

void ColorButton::setColor(const QColor &color)
{
    if (d->color == color) {
        return;
    }
    d->color = color;
    // Assistive technologies read the colour in words, as the value and in the description.
    Accessibility::notifyValue(this, Accessibility::describeColor(color));
    Accessibility::notify(this, QAccessible::DescriptionChanged);
    update();
    Q_EMIT colorChanged(color);
}

bool ColorButton::isAlphaChannelEnabled() const
{
    return d->alphaChannelEnabled;
}

void ColorButton::setAlphaChannelEnabled(bool enabled)
{
    if (d->alphaChannelEnabled == enabled) {
        return;
    }
    d->alphaChannelEnabled = enabled;
    // Dialogs of the other modes are made per click and read the flag then.
    if (d->colorDialogMode == Popup) {
        if (QColorDialog *dialog = embeddedDialog(menu())) {
            dialog->setOption(QColorDialog::ShowAlphaChannel, enabled);
        }
    }
}

bool ColorButton::isAlphaChannelChessboardDrawn() const
{
    return d->alphaChannelChessboardDrawn;
}

void ColorButton::setDrawAlphaChannelChessboard(bool drawn)
{
    if (d->alphaChannelChessboardDrawn == drawn) {
        return;
    }
    d->alphaChannelChessboardDrawn = drawn;
    update();
}

ColorButton::ColorDialogMode ColorButton::getColorDialogMode() const
{
    return d->colorDialogMode;
}

void ColorButton::setColorDialogMode(ColorDialogMode mode)
{
    if (d->colorDialogMode == mode || mode < Dialog || mode > Tool) {
        return;
    }
    d->colorDialogMode = mode;
    QAccessible::State changed;
    changed.hasPopup = true;
    Accessibility::notifyState(this, changed);
    // The old menu and its dialog stay children of the button: an application may still
    // hold on to them.
    if (menu()) {
        setMenu(nullptr);
    }
    if (mode != Popup) {
        return;
    }

    // Tab moves among the dialog's controls in the menu.
    auto *popupMenu = new Keyboard::FocusCyclingMenu(this);
    setMenu(popupMenu);

    auto *dialog = new QColorDialog(this);
    dialog->setWindowFlag(Qt::Popup, true);
    // A native dialog cannot live inside a menu.
    dialog->setOption(QColorDialog::DontUseNativeDialog, true);
    dialog->setOption(QColorDialog::NoButtons, true);
    dialog->setOption(QColorDialog::ShowAlphaChannel, d->alphaChannelEnabled);
    dialog->setCurrentColor(d->dialogColor());
    connect(dialog, &QColorDialog::currentColorChanged, this, &ColorButton::setColor);
    connect(dialog, &QColorDialog::rejected, popupMenu, &QMenu::hide);
    connect(popupMenu, &QMenu::aboutToShow, dialog, &QColorDialog::show);

    auto *action = new QWidgetAction(popupMenu);
    action->setDefaultWidget(dialog);
    connect(popupMenu, &QMenu::aboutToShow, dialog, [this, dialog] {
        // QColorDialog reports the RGB and the alpha change separately; resetting it must not
        // bounce the button through a mixed colour.
        const QSignalBlocker blocker(dialog);
        dialog->setCurrentColor(d->dialogColor());
    });
    popupMenu->addAction(action);
}

void ColorButton::onClicked()
{
    if (d->colorDialogMode == Popup) {
        return; // QPushButton opens the menu on press
    }
    auto *dialog = new QColorDialog(this);
    dialog->setOption(QColorDialog::ShowAlphaChannel, d->alphaChannelEnabled);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Only an accepted colour reaches the button; browsing in the dialog does not.
    connect(dialog, &QColorDialog::colorSelected, this, &ColorButton::setColor);
    dialog->setCurrentColor(d->dialogColor());
    if (d->colorDialogMode == Dialog) {
        // The button may be gone when exec() returns: nothing may follow it.
        dialog->exec();
        return;
    }
    dialog->setWindowFlag(Qt::Tool, true);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void ColorButton::initStyleOption(QStyleOptionButton *option) const
{
    if (!option) {
        return;
    }
    option->initFrom(this);
    option->state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    option->state |= isChecked() ? QStyle::State_On : QStyle::State_Off;
    option->features = QStyleOptionButton::None;
    option->text.clear();
    option->icon = QIcon();
}

QSize ColorButton::sizeHint() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).size();
}

QSize ColorButton::minimumSizeHint() const
{
    return sizeHint();
}

void ColorButton::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    QStyle *buttonStyle = style();
    QStyleOptionButton option;
    initStyleOption(&option);
    const bool enabled = isEnabled();
    const bool hovered = enabled && option.state.testFlag(QStyle::State_MouseOver);

    if (!isFlat()) {
        buttonStyle->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    }

    QRect labelRect = buttonStyle->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int fw = isFlat() ? 0 : buttonStyle->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2;
    labelRect.adjust(fw, fw, -fw, -fw);
    int x = labelRect.x();
    int y = labelRect.y();
    const int w = labelRect.width();
    const int h = labelRect.height();
    if (isChecked() || isDown()) {
        x += buttonStyle->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this);
        y += buttonStyle->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this);
    }

    const int radius = property("CornerRadius").toInt();
    QColor fillColor = d->color;
    if (fillColor.isValid()) {
        const QRect rect(x + 1, y + 1, w - 2, h - 2);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        if (fillColor.alpha() < 255) {
            if (d->alphaChannelChessboardDrawn) {
                // Centre the pattern on the swatch so that it looks the same whatever the size.
                qreal size = 0;
                const QBrush pattern = chessboard(enabled, Internal::deviceRatio(&painter), &size);
                painter.setBrushOrigin(int(rect.x() + rect.width() / 2.0 - size / 2.0),
                                       int(rect.y() + rect.height() / 2.0 - size / 2.0));
                painter.setBrush(pattern);
                painter.drawRoundedRect(rect, radius, radius, Qt::AbsoluteSize);
            } else {
                fillColor.setAlpha(255);
            }
        }
        QColor swatch = enabled ? fillColor : fillColor.darker(200);
        if (hovered) {
            swatch = fillColor.lighter(110);
        }
        painter.setBrush(swatch);
        painter.drawRoundedRect(rect, radius, radius, Qt::AbsoluteSize);
        painter.restore();
    }

    if (hasFocus()) {
        QStyleOptionFocusRect focusOption;
        focusOption.initFrom(this);
        focusOption.rect = buttonStyle->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        focusOption.backgroundColor = palette().color(QPalette::Window);
        buttonStyle->drawPrimitive(QStyle::PE_FrameFocusRect, &focusOption, &painter, this);
    }
}

} // namespace Components
} // namespace Nalu
