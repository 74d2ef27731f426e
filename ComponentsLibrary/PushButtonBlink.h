// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>
#include <ComponentsLibrary/PushButton.h>

#include <memory>

namespace Nalu {
namespace Components {

class PushButtonBlinkPrivate;

/**
 * @brief A push button that can blink between its checked and its unchecked look, to draw attention to a step that
 * waits for the user.
 *
 * A push button that blinks between its checked and unchecked look.
 *
 * Every 500 ms it flips the bool selector properties "blink_checked" and "blink_unchecked" and re-polishes itself, so
 * the style sheet re-evaluates them. Constructed highlighted and blinking.
 */
class COMPONENTSLIBRARY_EXPORT PushButtonBlink : public PushButton
{
    Q_OBJECT
    Q_CLASSINFO("description",
                "A push button that can blink between its checked and its unchecked look, to draw attention to a step "
                "that waits for the user. Every 500 ms it flips the style sheet selectors blink_checked and "
                "blink_unchecked and re-polishes itself. It blinks from construction; set blinking to false to stop. "
                "Disabling pauses the blinking, enabling resumes it.")
    Q_CLASSINFO("example",
                "auto *next = new Nalu::Components::PushButtonBlink(QStringLiteral(\"Next step\"), "
                "parent);\nnext->setCheckable(true);\nQObject::connect(next, &QPushButton::toggled, next, [next](bool "
                "checked) { next->setBlinking(!checked); });")
    /** @brief Whether the button blinks (paused while disabled); default true. */
    Q_PROPERTY(bool blinking READ isBlinking WRITE setBlinking NOTIFY blinkingChanged)

public:
    /** @brief Creates the button with the default text tr("PushButtonBlink"). */
    explicit PushButtonBlink(QWidget *parent = nullptr);
    /** @brief Creates the button showing @p text; highlighted true, the other appearance flags false. */
    PushButtonBlink(const QString &text, QWidget *parent);
    /** @brief Creates the button showing @p icon and @p text; highlighted true, the other appearance flags false. */
    PushButtonBlink(const QIcon &icon, const QString &text, QWidget *parent);
    ~PushButtonBlink() override;

    /** @brief Whether the button blinks (the blinking property). */
    bool isBlinking() const;

public Q_SLOTS:
    /** @brief Starts (500 ms steps) or stops blinking; when the flag changes, the timer is started or stopped first,
     * then blinkingChanged() is emitted. */
    void setBlinking(bool blinking);

Q_SIGNALS:
    /** @brief Emitted by setBlinking() when the flag changed, after the timer was started or stopped, with the new
     * value. */
    void blinkingChanged(bool blinking);

protected Q_SLOTS:
    /** @brief One blink step; connected to the 500 ms timer. */
    void blink();
    /** @brief Stops the timer and keeps the look of the last step. */
    void stopBlink();
    /** @brief Disabling pauses the blinking on the unchecked look; enabling resumes it while blinking is set. */
    void changeEvent(QEvent *event) override;

protected:
    /** @brief Starts blinking and connects the timer; called by every constructor. */
    void init();

private:
    std::unique_ptr<PushButtonBlinkPrivate> const d;
    Q_DISABLE_COPY(PushButtonBlink)
};

} // namespace Components
} // namespace Nalu
