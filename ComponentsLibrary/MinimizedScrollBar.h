// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QScrollBar>

#include <memory>

class QAbstractScrollArea;

namespace Nalu {
namespace Components {

class MinimizedScrollBarPrivate;

/**
 * @brief A scroll bar that is thin while the pointer is elsewhere, grows to the normal thickness after the pointer
 * rested 100 ms on it, and shrinks back in a 200 ms animation one second after the pointer left.
 *
 * A scroll bar that stays thin until the pointer rests on it, and shrinks back a second after it leaves.
 *
 * The thin thickness is what the style answers for CT_ScrollBar with an invalid contents size; the expanded one is the
 * plain QScrollBar size hint. A transient bar also hides itself, through the scroll-bar policy of the scroll area it
 * belongs to, while the pointer is outside that area.
 */
class COMPONENTSLIBRARY_EXPORT MinimizedScrollBar : public QScrollBar
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A scroll bar that is thin while the pointer is elsewhere, grows to the normal thickness after the "
                "pointer rested 100 ms on it, and shrinks back in a 200 ms animation one second after the pointer "
                "left. Both thicknesses come from the style. With transient set, the bar is hidden through the "
                "scroll-bar policy of its scroll area until the pointer is over that area.")
    Q_CLASSINFO("example",
                "auto *layout = new QVBoxLayout(parent);\n"
                "auto *area = new QScrollArea(parent);\n"
                "auto *bar = new Nalu::Components::MinimizedScrollBar(nullptr, Qt::Vertical);\n"
                "area->setVerticalScrollBar(bar);\n"
                "bar->setTransient(true);\n"
                "auto *text = new QLabel(QStringLiteral(\"Line\\n\").repeated(100), area);\n"
                "area->setWidget(text);\n"
                "layout->addWidget(area);")
    /** @brief Whether the bar is (or is becoming) thin; default true. Set by hovering, not by callers. */
    Q_PROPERTY(bool minimized READ isMinimized NOTIFY minimizedChanged)
    /** @brief Whether the bar is hidden while the pointer is outside its scroll area; default false. */
    Q_PROPERTY(bool transient READ isTransient WRITE setTransient NOTIFY transientChanged)
    /** @brief Thickness imposed while shrinking; default -1 (none). Written by the shrink animation. */
    Q_PROPERTY(int animatedSize READ getAnimatedSize WRITE setAnimatedSize DESIGNABLE false SCRIPTABLE true)

public:
    /** @brief Creates a thin, not transient bar of @p orientation. */
    explicit MinimizedScrollBar(QWidget *parent = nullptr, Qt::Orientation orientation = Qt::Vertical);
    ~MinimizedScrollBar() override;

    /** @brief Whether the bar is thin or shrinking (the minimized property). */
    bool isMinimized() const;
    /** @brief Whether the bar hides while the pointer is outside its scroll area (the transient property). */
    bool isTransient() const;
    /** @brief The thickness imposed by the shrink animation, or -1 (the animatedSize property). */
    int getAnimatedSize() const;

    /** @brief QScrollBar's size hint with the thickness replaced: the animated one while shrinking, the style's thin
     * one while minimized. */
    QSize sizeHint() const override;
    /** @brief Same as sizeHint(). */
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    /** @brief Hides the bar while the pointer is outside its scroll area, or not; when it changes, applies the scroll
     * area's policy, then emits transientChanged(). */
    void setTransient(bool transient);
    /** @brief Imposes a thickness on the size hint (-1 for none); the shrink animation writes it. Emits nothing. */
    void setAnimatedSize(int animatedSize);

Q_SIGNALS:
    /** @brief Emitted when the bar starts growing (false, 100 ms after the pointer came to rest on it) or starts
     * shrinking (true, one second after the pointer left, or when a transient bar is hidden), after the geometry update
     * was requested. */
    void minimizedChanged(bool minimized);
    /** @brief Emitted by setTransient() when the flag changed, after the scroll area's policy was applied, with the new
     * value. */
    void transientChanged(bool transient);

protected Q_SLOTS:
    /** @brief Makes the bar thin or thick; when it changes, requests a geometry update, then emits minimizedChanged().
     */
    void setMinimized(bool minimized);
    /** @brief Shows or hides a transient bar through its scroll area's policy, from the pointer and enabled state. */
    void updateParentScrollAreaScrollBarPolicy();

protected:
    /** @brief The thin thickness as the style gives it; -1 when the style has none. */
    int getMinimumSize() const;
    /** @brief The nearest ancestor that is a scroll area, or null. */
    QAbstractScrollArea *getParentScrollArea() const;

    /** @brief Follows reparenting: watches the new scroll area for the pointer entering and leaving it. */
    bool event(QEvent *event) override;
    /** @brief Shows a transient bar 100 ms after the pointer entered its scroll area and hides it when the pointer
     * leaves; consumes nothing. */
    bool eventFilter(QObject *watched, QEvent *event) override;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0) // Qt 6 passes enter events as QEnterEvent
    void enterEvent(QEnterEvent *event) override;
#else
    /** @brief Stops a pending shrink; 100 ms later, if the pointer is still on the enabled bar, makes it thick. */
    void enterEvent(QEvent *event) override;
#endif
    /** @brief Starts the one-second delay after which an enabled bar shrinks. */
    void leaveEvent(QEvent *event) override;

private:
    void startShrinking();

    Q_DISABLE_COPY(MinimizedScrollBar)
    std::unique_ptr<MinimizedScrollBarPrivate> const d;
};

} // namespace Components
} // namespace Nalu
