// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ToolButtonBlink.h>

#include "Blinker_p.h"

namespace Nalu {
namespace Components {

class ToolButtonBlinkPrivate
{
public:
    explicit ToolButtonBlinkPrivate(QWidget *button)
        : blinker(button)
    {
    }

    Internal::Blinker blinker;
};

ToolButtonBlink::ToolButtonBlink(QWidget *parent)
    : ToolButton(parent, false, true, false, false)
    , d(std::make_unique<ToolButtonBlinkPrivate>(this))
{
    setBlinking(true);
    connect(d->blinker.timer(), &QTimer::timeout, this, &ToolButtonBlink::blink);
}

ToolButtonBlink::~ToolButtonBlink() = default;

bool ToolButtonBlink::isBlinking() const
{
    return d->blinker.isBlinking();
}

void ToolButtonBlink::setBlinking(bool blinking)
{
    if (d->blinker.setBlinking(blinking)) {
        Q_EMIT blinkingChanged(blinking);
    }
}

void ToolButtonBlink::blink()
{
    d->blinker.step();
}

void ToolButtonBlink::stopBlink()
{
    d->blinker.stop();
}

void ToolButtonBlink::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        d->blinker.handleEnabledChange();
    }
    QToolButton::changeEvent(event);
}

} // namespace Components
} // namespace Nalu
