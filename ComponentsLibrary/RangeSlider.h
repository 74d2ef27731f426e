// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QFlags>
#include <QSlider>

#include <memory>

class QStylePainter;

namespace Nalu {
namespace Components {

class RangeSliderPrivate;

/**
 * @brief A horizontal slider with two handles that select a range of values between its minimum and maximum.
 *
 * A horizontal slider with two handles selecting a sub-range of integer values.
 *
 * The bounds are the slider's minimum and maximum; the selected range is held in minHandleValue and maxHandleValue,
 * independent of the base slider's single value. Each handle has a value pop-up with a spin box. Style sheet selector:
 * rangeSlider=true. Theme properties read while painting (each brush with a "…Disabled" form): "CornerRadius",
 * "BorderBrush", "BackgroundBrush", "RangeBrush", "SunkenBrush", "HoverBrush" (enabled only), "DefaultBrush".
 */
class COMPONENTSLIBRARY_EXPORT RangeSlider : public QSlider
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A horizontal slider with two handles that select a range of values between its minimum and maximum. "
                "Drag a handle to move one end, or drag the bar between the handles to move the whole range. "
                "Hovering a handle shows a small pop-up with a spin box to type the value; popupsPosition puts the "
                "pop-ups above or below the slider. With keyboardHandles on, Tab goes from one handle to the other "
                "and the arrow keys move the current one. The colours come from the theme properties CornerRadius, "
                "BorderBrush, BackgroundBrush, RangeBrush, SunkenBrush, HoverBrush and DefaultBrush.")
    Q_CLASSINFO("example_range",
                "auto *layout = new QVBoxLayout(parent);\n"
                "auto *slider = new Nalu::Components::RangeSlider(parent);\n"
                "slider->setRange(0, 255);\n"
                "slider->setSliderRange(40, 200);\n"
                "slider->setPopupPosition(Nalu::Components::RangeSlider::Above);\n"
                "auto *label = new QLabel(parent);\n"
                "QObject::connect(slider, &Nalu::Components::RangeSlider::sliderRangeChanged, label,\n"
                "                 [label](int low, int high) { label->setNum(high - low); });\n"
                "layout->addWidget(slider);\n"
                "layout->addWidget(label);")
    /** @brief Lower end of the selected range; default 0. */
    Q_PROPERTY(int minHandleValue READ getMinHandleValue WRITE setMinHandleValue)
    /** @brief Upper end of the selected range; default 99. */
    Q_PROPERTY(int maxHandleValue READ getMaxHandleValue WRITE setMaxHandleValue)
    /** @brief Whether the value pop-ups may appear; default true. */
    Q_PROPERTY(bool canShowInputPopups READ getCanShowInputPopups WRITE setCanShowInputPopups)
    /** @brief Where the value pop-ups appear; default Below. */
    Q_PROPERTY(PopupsPosition popupsPosition READ getPopupPosition WRITE setPopupPosition)
    /**
     * @brief Whether the keyboard moves the handles; default false.
     *
     * While false, keys act on the base slider's single value, as in QSlider, and never move the handles.
     * While true, the focused slider has a current handle, framed by the style's focus frame: Tab goes from
     * the minimum handle to the maximum one before leaving the slider (Shift+Tab the other way); the arrow
     * keys and Page Up and Page Down move the current handle by singleStep and pageStep, Home and End as far
     * as it can go; Enter or Return opens its value pop-up, when the pop-ups may show. The handles never
     * cross, and each key emits the signals of a mouse drag by that step.
     */
    Q_PROPERTY(bool keyboardHandles READ hasKeyboardHandles WRITE setKeyboardHandles NOTIFY keyboardHandlesChanged)

public:
    /** @brief The handles of the slider; combined as flags, both bits mean the whole range. */
    enum Handle {
        NoHandle = 0, ///< no handle
        MinimumHandle = 1, ///< the lower (left) handle
        MaximumHandle = 2, ///< the upper (right) handle
    };
    Q_ENUM(Handle)
    /** @brief A combination of Handle values. */
    Q_DECLARE_FLAGS(Handles, Handle)

    /** @brief Where the value pop-ups appear. */
    enum PopupsPosition {
        Above = 0, ///< above the slider
        Below = 1, ///< below the slider
    };
    Q_ENUM(PopupsPosition)

    /** @brief Creates a horizontal slider over 0 to 99 with the range 0 to 99 selected. */
    explicit RangeSlider(QWidget *parent = nullptr);
    ~RangeSlider() override;

    /** @brief The lower end of the selected range (the minHandleValue property). */
    int getMinHandleValue() const;
    /** @brief The upper end of the selected range (the maxHandleValue property). */
    int getMaxHandleValue() const;
    /** @brief Whether the value pop-ups may appear (the canShowInputPopups property). */
    bool getCanShowInputPopups() const;
    /** @brief Where the value pop-ups appear (the popupsPosition property). */
    PopupsPosition getPopupPosition() const;
    /** @brief Whether the minimum handle is held by the mouse (also during a drag of the whole range). */
    bool isMinimumHandleDown() const;
    /** @brief Whether the maximum handle is held by the mouse (also during a drag of the whole range). */
    bool isMaximumHandleDown() const;
    /**
     * @brief Same as setPopupPosition(): the setter name that code generated from Designer forms (uic) calls
     * for the popupsPosition property.
     */
    void setPopupsPosition(PopupsPosition popupsPosition) { setPopupPosition(popupsPosition); }
    /** @brief Whether the keyboard drives the two handles (false by default). */
    bool hasKeyboardHandles() const;
    /**
     * @brief The handle the keyboard moves: MinimumHandle at first, then the one Tab, Shift+Tab or the
     * last press of the mouse picked.
     */
    Handle getCurrentHandle() const;

public Q_SLOTS:
    /** @brief Moves the minimum handle; a value above the maximum handle pushes it along. */
    void setMinHandleValue(int value);
    /** @brief Moves the maximum handle; a value below the minimum handle pulls it along. */
    void setMaxHandleValue(int value);
    /** @brief Selects the range between @p minValue and @p maxValue (either order), clamped to the bounds. */
    void setSliderRange(int minValue, int maxValue);
    /** @brief Allows or forbids the value pop-ups; emits nothing. */
    void setCanShowInputPopups(bool canShowInputPopups);
    /**
     * @brief Puts the value pop-ups above or below the slider; emits nothing. Ignored, with a warning, for a value
     * that is not a PopupsPosition.
     */
    void setPopupPosition(PopupsPosition popupsPosition);
    /** @brief Lets the keyboard drive the two handles, or gives the keys back to the base slider; emits
     * keyboardHandlesChanged() on a change. */
    void setKeyboardHandles(bool keyboardHandles);
    /** @brief The base slider's hint with an even height. */
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    /** @brief Emitted when the lower end of the range changed, with the new value: after sliderRangeChanged() and
     * before maxHandleValueChanged() of the same change. */
    void minHandleValueChanged(int value);
    /** @brief Emitted when the upper end of the range changed, with the new value: last of the signals of a change,
     * after sliderRangeChanged() and minHandleValueChanged(). */
    void maxHandleValueChanged(int value);
    /**
     * @brief Emitted first whenever the selected range changed (by a setter, a drag, a pop-up edit or new bounds), with
     * both ends. Then minHandleValueChanged() follows if the lower end changed, and maxHandleValueChanged() if the
     * upper end changed; the repaint is requested after the signals.
     */
    void sliderRangeChanged(int minValue, int maxValue);
    /** @brief Emitted when the keyboardHandles property changed, with its new value. */
    void keyboardHandlesChanged(bool keyboardHandles);

protected Q_SLOTS:
    /** @brief Re-clamps the handles into new bounds. */
    void onRangeChanged(int minValue, int maxValue);
    /** @brief Applies the value typed into a pop-up's spin box. */
    void onPopUpEdited();

protected:
    /** @brief A press on a handle grabs it; a press on the groove between the handles grabs the whole range; any other
     * press is ignored (no paging). */
    void mousePressEvent(QMouseEvent *event) override;
    /** @brief Lets go of the grabbed handles. */
    void mouseReleaseEvent(QMouseEvent *event) override;
    /** @brief Shows the pop-up of the hovered handle and moves the grabbed handle or range with the pointer. */
    void mouseMoveEvent(QMouseEvent *event) override;
    /** @brief Starts the timers that hide the value pop-ups one second later. */
    void leaveEvent(QEvent *event) override;
    /** @brief Paints the groove, the range and the two handles from the theme properties. */
    void paintEvent(QPaintEvent *event) override;
    /** @brief With keyboardHandles, moves the current handle; otherwise QSlider's handling. */
    void keyPressEvent(QKeyEvent *event) override;
    /** @brief With keyboardHandles, a focus taken by Tab starts on the minimum handle, by Shift+Tab on the maximum
     * one. */
    void focusInEvent(QFocusEvent *event) override;
    /** @brief Repaints without the focus frame. */
    void focusOutEvent(QFocusEvent *event) override;
    /** @brief With keyboardHandles, Tab and Shift+Tab first move between the handles. */
    bool focusNextPrevChild(bool next) override;

    /** @brief Sets up orientation, tracking, selector property, fields and pop-ups; run by the constructor. */
    virtual void init();
    /** @brief Paints the outer half of a handle and its two grip lines. */
    virtual void drawHandle(QStylePainter *painter, QRect rect, Handle handle, bool down, bool hovered) const;

private:
    friend class RangeSliderPrivate;
    Q_DISABLE_COPY(RangeSlider)
    std::unique_ptr<RangeSliderPrivate> const d;
};

} // namespace Components
} // namespace Nalu

Q_DECLARE_OPERATORS_FOR_FLAGS(Nalu::Components::RangeSlider::Handles)
