// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/RangeSlider.h>

#include "SliderPieces_p.h"

#include <QBrush>
#include <QByteArray>
#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QStyleOptionSlider>

#include <functional>

class QKeyEvent;
class QPainter;
class QSpinBox;
class QStylePainter;

namespace Nalu {
namespace Components {

class PopupWidget;
class RangeSliderSpinBox;

// Where the parts of a range slider lie in one paint, in widget coordinates.
struct RangeSliderParts
{
    QRectF groove; // as painted
    QRect minHandle;
    QRect maxHandle;
    QRectF box; // from one handle centre to the other, as high as the groove
    QColor state; // of the range: held, hovered or neither
    int radius = 0;
};

// What the range slider and the colormap range slider paint differently. Both go through one paint
// sequence, which asks the look for the groove and for what lies on it beside and between the handles.
class RangeSliderLook
{
public:
    virtual ~RangeSliderLook() = default;
    // The groove and the handles are painted at least this tall, their top edge kept.
    virtual int minimumPaintedHeight() const = 0;
    virtual void paintGroove(QPainter *painter, const QRectF &groove, int radius) = 0;
    // Paints over the groove, under the handles.
    virtual void paintRange(QPainter *painter, const RangeSliderParts &parts) = 0;
};

// The state and the inner workings of a range slider: geometry, theme, painting and the value pop-ups
// (RangeSliderPopup.cpp). The colormap range slider paints through it with a look of its own.
class RangeSliderPrivate : public QObject, public RangeSliderLook
{
public:
    explicit RangeSliderPrivate(RangeSlider *slider);
    ~RangeSliderPrivate() override;

    // The private data of slider: the colormap range slider paints through its base's.
    static RangeSliderPrivate *get(RangeSlider *slider) { return slider->d.get(); }

    // Geometry, all from the style.
    QStyleOptionSlider styleOption() const;
    // The handle rectangle for a handle at value; option is left at that value.
    QRect handleRect(QStyleOptionSlider &option, int value) const;
    QRect handleRect(int value) const;
    int pixelToRangeValue(int pixel) const;
    int pixelFromRangeValue(int value) const;
    // Whether the minimum lies on the right, as QSlider places it in a layout from right to left (unless
    // the appearance is inverted): then the outer side of each handle, and the side its pop-up hangs
    // on, are mirrored too.
    bool mirrored() const { return q->isRightToLeft() && !q->invertedAppearance(); }
    // The handle under pos; rect is its rectangle, or the union of both when there is none.
    RangeSlider::Handle handleAtPos(const QPoint &pos, QRect &rect) const;

    // Theme properties. Each brush is followed by its disabled form.
    enum ThemeIndex {
        RadiusIndex = 0,
        BorderIndex = 1,
        BackgroundIndex = 3,
        RangeIndex = 5,
        SunkenIndex = 7,
        HoverIndex = 9,
        DefaultIndex = 11,
        ThemeCount = 13
    };
    // The brush at index, in its disabled form while the slider is disabled.
    QBrush themeBrush(ThemeIndex index);
    int themeRadius();
    // The brush of a handle or of the range: held, else hovered (enabled and not dragging), else default.
    QBrush stateBrush(bool down, bool hovered);

    // Painting.
    void paint(QStylePainter *painter, RangeSliderLook &look);
    void drawHandle(QPainter *painter, QRect rect, RangeSlider::Handle handle, bool down, bool hovered);
    // Draws what paint draws inside area through a pixmap kept while key stays the same: for the groove,
    // whose antialiased outline is the dearest part of the picture.
    void paintGrooveCached(QPainter *painter, const QRect &area, const QByteArray &key,
                           const std::function<void(QPainter *)> &paint);
    int minimumPaintedHeight() const override;
    void paintGroove(QPainter *painter, const QRectF &groove, int radius) override;
    void paintRange(QPainter *painter, const RangeSliderParts &parts) override;

    // Value pop-ups. They are made when first needed (a hover that shows one, the keyboard opening one), as
    // most sliders never show them: until then minPopup, maxPopup and their spin boxes are null.
    void createPopups();
    void ensurePopups()
    {
        if (!minPopup) {
            createPopups();
        }
    }
    // Shows, moves or hides the pop-ups for a pointer at pos.
    void updatePopups(const QPoint &pos);
    // Moves the pop-up of handle beside it; extra pixels away from the slider.
    void placePopup(RangeSlider::Handle handle, int extra);
    // The pointer left the slider: shown pop-ups hide a while later.
    void startPopupHideTimers();
    // Applies the value typed into spin, a pop-up's spin box.
    void applyPopupEdit(QSpinBox *spin);

    // Keyboard (RangeSliderKeyboard.cpp).
    // Whether the key moved the current handle, or switched it, or opened its pop-up.
    bool keyPress(QKeyEvent *event);
    // Whether Tab (next) or Shift+Tab moved to the other handle instead of leaving the slider.
    bool focusNextPrev(bool next);
    void focusIn(Qt::FocusReason reason);
    void setCurrentHandle(RangeSlider::Handle handle);
    // Moves handle towards value as a drag of the mouse by that step would: never past the other handle,
    // with the signals of a drag. Also what assistive technologies set.
    void moveHandle(RangeSlider::Handle handle, int value);
    // The value pop-up of the current handle, opened to type into.
    void openKeyboardPopup();
    // The pop-up opened by the keyboard closes after an edit; Escape cancels it.
    void closeKeyboardPopup(QSpinBox *spin);
    bool keyboardPopupFilter(QObject *watched, QEvent *event);
    // The style's focus frame around the current handle, while the slider has the focus.
    void paintFocus(QPainter *painter, const RangeSliderParts &parts);
    // Tells assistive technologies which handles changed value.
    void announceValues(bool minChanged, bool maxChanged);

    RangeSlider *const q;
    int minHandleValue = 0;
    int maxHandleValue = 99;
    RangeSlider::Handles pressedHandles;
    RangeSliderSpinBox *minSpinBox = nullptr;
    RangeSliderSpinBox *maxSpinBox = nullptr;
    PopupWidget *minPopup = nullptr;
    PopupWidget *maxPopup = nullptr;
    bool canShowInputPopups = true;
    // Inside updatePopups(): a nested call returns at once.
    bool updatingPopups = false;
    int dragOffset = 0;
    // The x of the press that started the drag: a move back to it restores the values of the press.
    int pressX = 0;
    int pressValue = 0;
    // The distances from the range's centre to its two ends at the press of a range drag. In 64 bits:
    // the width of a range of ints does not fit an int.
    qint64 lowerHalf = 0;
    qint64 upperHalf = 0;
    RangeSlider::PopupsPosition popupsPosition = RangeSlider::Below;
    bool keyboardHandles = false;
    RangeSlider::Handle currentHandle = RangeSlider::MinimumHandle;
    // The handle whose pop-up the keyboard opened, while it is open.
    RangeSlider::Handle keyboardPopup = RangeSlider::NoHandle;

    SliderPieces pieces;

protected:
    // Forgets the theme read so far when a dynamic property of the slider changes.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keepTheme();

    // Reading a property by name costs a walk through the meta-object's property names, so the theme
    // is read once and kept until a dynamic property changes. Declared properties of those names (in a
    // subclass) change without notice: then the theme is read at every use.
    QBrush themeBrushes[ThemeCount];
    int cornerRadius = 0;
    bool themeValid = false;
    const QMetaObject *themeCheckedFor = nullptr;
    bool themeObservable = false;
    // Whether a handle's shape covers the pixels of its grips whole, for the last size and radius.
    struct GripsInside
    {
        QSize size;
        int radius = 0;
        bool holds = false;
    } gripsInside[2];
    QPixmap grooveCache;
    QByteArray grooveCacheKey;
    QRect grooveCacheArea;
    qreal grooveCacheRatio = 0;
};

// Shapes of the range sliders in their piece cache.
enum SliderPieceKind { HandleShapePiece = 1, HandleGripsPiece, HandlePiece, OuterPiece };

} // namespace Components
} // namespace Nalu
