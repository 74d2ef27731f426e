// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/PushButtonBlink.h>

#include "Blinker_p.h"
#include "DefaultText_p.h"

namespace Nalu {
namespace Components {

class PushButtonBlinkPrivate
{
public:
    explicit PushButtonBlinkPrivate(QWidget *button)
        : blinker(button)
    {
    }

    Internal::Blinker blinker;
};

PushButtonBlink::PushButtonBlink(QWidget *parent)
    : PushButton(tr("PushButtonBlink"), parent, false, true, false, false)
    , d(std::make_unique<PushButtonBlinkPrivate>(this))
{
    init();
    Internal::keepDefaultText(this, [] { return tr("PushButtonBlink"); });
}

PushButtonBlink::PushButtonBlink(const QString &text, QWidget *parent)
    : PushButton(text, parent, false, true, false, false)
    , d(std::make_unique<PushButtonBlinkPrivate>(this))
{
    init();
}

PushButtonBlink::PushButtonBlink(const QIcon &icon, const QString &text, QWidget *parent)
    : PushButton(icon, text, parent, false, true, false, false)
    , d(std::make_unique<PushButtonBlinkPrivate>(this))
{
    init();
}

void PushButtonBlink::init()
{
    setBlinking(true);
    connect(d->blinker.timer(), &QTimer::timeout, this, &PushButtonBlink::blink);
}

PushButtonBlink::~PushButtonBlink() = default;

bool PushButtonBlink::isBlinking() const
{
    return d->blinker.isBlinking();
}

void PushButtonBlink::setBlinking(bool blinking)
{
    if (d->blinker.setBlinking(blinking)) {
        Q_EMIT blinkingChanged(blinking);
    }
}

void PushButtonBlink::blink()
{
    d->blinker.step();
}

void PushButtonBlink::stopBlink()
{
    d->blinker.stop();
}

void PushButtonBlink::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        d->blinker.handleEnabledChange();
    }
    QAbstractButton::changeEvent(event);
}

} // namespace Components
} // namespace Nalu
