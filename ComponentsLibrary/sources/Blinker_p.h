// SPDX-License-Identifier: MIT

#pragma once

// Internal: the blink cycle shared by the push and tool forms of the
// blinking button.

#include "Accessibility_p.h"
#include "DefaultText_p.h"

#include <QEvent>
#include <QStyle>
#include <QTimer>
#include <QVariant>
#include <QWidget>

namespace Nalu {
namespace Components {
namespace Internal {

class Blinker
{
public:
    static constexpr int intervalMs = 500;

    // The timer is a child of the button, so it can never outlive it.
    explicit Blinker(QWidget *button)
        : m_button(button)
        , m_timer(new QTimer(button))
    {
        Internal::onLanguageChange(button, [this] { describe(); });
    }

    QTimer *timer() const { return m_timer; }
    bool isBlinking() const { return m_blinking; }

    // Returns whether the flag changed; the caller emits the notification.
    bool setBlinking(bool blinking)
    {
        if (m_blinking == blinking) {
            return false;
        }
        m_blinking = blinking;
        if (blinking) {
            m_timer->start(intervalMs);
        } else {
            stop();
        }
        // Said once, when the flag changes: the steps of the blink are no news.
        describe();
        return true;
    }

    // One step: phase 1 shows the unchecked look, phase 0 the checked one.
    void step()
    {
        const bool showChecked = m_phase == 0;
        m_button->setProperty("blink_checked", showChecked);
        m_button->setProperty("blink_unchecked", !showChecked);
        m_phase = showChecked ? 1 : 0;
        repolish();
    }

    // Keeps the look of the last step and the blinking flag.
    void stop()
    {
        m_timer->stop();
        repolish();
    }

    // Disabling pauses on the unchecked look; enabling resumes a blinking button.
    void handleEnabledChange()
    {
        if (!m_button->isEnabled()) {
            stop();
            m_button->setProperty("blink_checked", false);
            m_button->setProperty("blink_unchecked", true);
            m_phase = 1;
        } else if (m_blinking) {
            m_timer->start(intervalMs);
        }
    }

    // The language-change handler refers to this object: it must stay where it was built.
    Blinker(const Blinker &) = delete;
    Blinker &operator=(const Blinker &) = delete;

private:
    void describe()
    {
        Accessibility::setDescriptionPart(
            m_button,
            m_blinking ? QCoreApplication::translate("Nalu::Components::Blinker", "Needs attention") : QString());
    }

    // The style sheet only re-evaluates dynamic properties on a new polish.
    void repolish()
    {
        QStyle *style = m_button->style();
        style->unpolish(m_button);
        style->polish(m_button);
        m_button->update();
    }

    QWidget *const m_button;
    QTimer *const m_timer;
    bool m_blinking = false;
    int m_phase = 1;
};

} // namespace Internal
} // namespace Components
} // namespace Nalu
