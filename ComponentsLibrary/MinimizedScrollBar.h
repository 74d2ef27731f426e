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
 * @brief A scroll bar that stays thin until the pointer rests on it, and shrinks back a second after it leaves.
 *
 * The thin thickness is what the style answers for CT_ScrollBar with an invalid contents size; the
 * expanded one is the plain QScrollBar size hint. A transient bar also hides itself, through the
 * scroll-bar policy of the scroll area it belongs to, while the pointer is outside that area.
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
    explicit MinimizedScrollBar(QWidget *parent = nullptr, Qt::Orientation orientation = Qt::Vertical);
    ~MinimizedScrollBar() override;

    bool isMinimized() const;
    bool isTransient() const;
    int getAnimatedSize() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    void setTransient(bool transient);
    void setAnimatedSize(int animatedSize);

Q_SIGNALS:
    void minimizedChanged(bool minimized);
    void transientChanged(bool transient);

protected Q_SLOTS:
    void setMinimized(bool minimized);
    /** @brief Shows or hides a transient bar through its scroll area's policy, from the pointer and enabled state. */
    void updateParentScrollAreaScrollBarPolicy();

protected:
    /** @brief The thin thickness as the style gives it; -1 when the style has none. */
    int getMinimumSize() const;
    /** @brief The nearest ancestor that is a scroll area, or null. */
    QAbstractScrollArea *getParentScrollArea() const;

    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0) // Qt 6 passes enter events as QEnterEvent
    void enterEvent(QEnterEvent *event) override;
#else
    void enterEvent(QEvent *event) override;
#endif
    void leaveEvent(QEvent *event) override;

private:
    void startShrinking();

    Q_DISABLE_COPY(MinimizedScrollBar)
    std::unique_ptr<MinimizedScrollBarPrivate> const d;
};

} // namespace Components
} // namespace Nalu
