// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>
#include <ComponentsLibrary/ToolButton.h>

#include <memory>

namespace Nalu {
namespace Components {

class ToolButtonBlinkPrivate;

/**
 * @brief A tool button that can blink between its checked and its unchecked look, to draw attention to a step that
 * waits for the user.
 *
 * A tool button that blinks between its checked and unchecked look.
 *
 * Every 500 ms it flips the bool selector properties "blink_checked" and "blink_unchecked" and re-polishes itself, so
 * the style sheet re-evaluates them. Constructed highlighted and blinking.
 */
class COMPONENTSLIBRARY_EXPORT ToolButtonBlink : public ToolButton
{
    Q_OBJECT
    Q_CLASSINFO("description",
                "A tool button that can blink between its checked and its unchecked look, to draw attention to a step "
                "that waits for the user. Every 500 ms it flips the style sheet selectors blink_checked and "
                "blink_unchecked and re-polishes itself. It blinks from construction; set blinking to false to stop. "
                "Disabling pauses the blinking, enabling resumes it.")
    Q_CLASSINFO("example",
                "auto *record = new "
                "Nalu::Components::ToolButtonBlink(parent);\nrecord->setIcon(QIcon::fromTheme(QStringLiteral(\"media-"
                "record\")));\nrecord->setToolTip(QStringLiteral(\"Recording\"));\nQObject::connect(record, "
                "&QToolButton::clicked, record, [record] { record->setBlinking(!record->isBlinking()); });")
    /** @brief Whether the button blinks (paused while disabled); default true. */
    Q_PROPERTY(bool blinking READ isBlinking WRITE setBlinking NOTIFY blinkingChanged)

public:
    /** @brief Creates a blinking tool button; highlighted true, the other appearance flags false. */
    explicit ToolButtonBlink(QWidget *parent = nullptr);
    ~ToolButtonBlink() override;

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

private:
    std::unique_ptr<ToolButtonBlinkPrivate> const d;
    Q_DISABLE_COPY(ToolButtonBlink)
};

} // namespace Components
} // namespace Nalu
