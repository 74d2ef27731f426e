// SPDX-License-Identifier: MIT

#include "DevicePixels_p.h"
#include "RangeSlider_p.h"

#include <vantor_common_utils/Helpers.h>

#include <QCursor>
#include <QDataStream>
#include <QEvent>
#include <QIODevice>
#include <QPainter>
#include <QPixmapCache>
#include <QStylePainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Nalu {
namespace Components {

namespace {

// The theme properties, in the order of RangeSliderPrivate::ThemeIndex.
const char *const ThemeNames[] = {
    "CornerRadius",       "BorderBrush",        "BorderBrushDisabled", "BackgroundBrush",     "BackgroundBrushDisabled",
    "RangeBrush",         "RangeBrushDisabled", "SunkenBrush",         "SunkenBrushDisabled", "HoverBrush",
    "HoverBrushDisabled", "DefaultBrush",       "DefaultBrushDisabled"};
static_assert(sizeof(ThemeNames) / sizeof(ThemeNames[0]) == RangeSliderPrivate::ThemeCount, "one name per theme index");

// The pixels along which a handle's leading edge travels, as QSlider maps values.
struct SliderSpan
{
    int start;
    int length;
};

SliderSpan sliderSpan(const QStyle *style, const QStyleOptionSlider &option, const QWidget *widget)
{
    const QRect groove = style->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, widget);
    const QRect handle = style->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, widget);
    return {groove.x(), groove.right() - handle.width() + 1 - groove.x()};
}

} // namespace

RangeSliderPrivate::RangeSliderPrivate(RangeSlider *slider)
    : q(slider)
{
    q->installEventFilter(this);
}

RangeSliderPrivate::~RangeSliderPrivate() = default;

QStyleOptionSlider RangeSliderPrivate::styleOption() const
{
    QStyleOptionSlider option;
    q->initStyleOption(&option);
    return option;
}

QRect RangeSliderPrivate::handleRect(QStyleOptionSlider &option, int value) const
{
    option.sliderPosition = value;
    option.sliderValue = value;
    return q->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, q);
}

QRect RangeSliderPrivate::handleRect(int value) const
{
    QStyleOptionSlider option = styleOption();
    return handleRect(option, value);
}

int RangeSliderPrivate::pixelToRangeValue(int pixel) const
{
    const QStyleOptionSlider option = styleOption();
    const SliderSpan span = sliderSpan(q->style(), option, q);
    return QStyle::sliderValueFromPosition(q->minimum(), q->maximum(), pixel - span.start, span.length,
                                           option.upsideDown);
}

int RangeSliderPrivate::pixelFromRangeValue(int value) const
{
    const QStyleOptionSlider option = styleOption();
    const SliderSpan span = sliderSpan(q->style(), option, q);
    return QStyle::sliderPositionFromValue(q->minimum(), q->maximum(), value, span.length, option.upsideDown)
        + span.start;
}

RangeSlider::Handle RangeSliderPrivate::handleAtPos(const QPoint &pos, QRect &rect) const
{
    const QStyle *style = q->style();
    QStyleOptionSlider option = styleOption();
    const QRect minRect = handleRect(option, minHandleValue);
    QStyle::SubControl minHit = style->hitTestComplexControl(QStyle::CC_Slider, &option, pos, q);
    const QRect maxRect = handleRect(option, maxHandleValue);
    const QStyle::SubControl maxHit = style->hitTestComplexControl(QStyle::CC_Slider, &option, pos, q);

    if (minHit == QStyle::SC_SliderHandle && maxHit == QStyle::SC_SliderHandle) {
        // Overlapping handles: the nearer outer edge wins, the maximum handle on a tie, so
        // that handles stacked at the minimum can still be pulled apart.
        const bool mirror = mirrored();
        const int minDist = mirror ? minRect.right() - pos.x() : pos.x() - minRect.left();
        const int maxDist = mirror ? pos.x() - maxRect.left() : maxRect.right() - pos.x();
        if (!(minDist < maxDist)) {
            minHit = QStyle::SC_None;
        }
    }
    if (minHit == QStyle::SC_SliderHandle) {
        rect = minRect;
        return RangeSlider::MinimumHandle;
    }
    if (maxHit == QStyle::SC_SliderHandle) {
        rect = maxRect;
        return RangeSlider::MaximumHandle;
    }
    rect = minRect.united(maxRect);
    return RangeSlider::NoHandle;
}

bool RangeSliderPrivate::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != q) {
        return keyboardPopupFilter(watched, event);
    }
    if (event->type() == QEvent::DynamicPropertyChange) {
        themeValid = false;
    }
    return false;
}

// Reads the theme into the kept brushes unless they are still valid; false when they cannot be kept.
bool RangeSliderPrivate::keepTheme()
{
    if (themeValid) {
        return true;
    }
    const QMetaObject *meta = q->metaObject();
    if (themeCheckedFor != meta) {
        themeCheckedFor = meta;
        themeObservable = std::none_of(std::begin(ThemeNames), std::end(ThemeNames),
                                       [meta](const char *n) { return meta->indexOfProperty(n) >= 0; });
    }
    if (!themeObservable) {
        return false;
    }
    for (int i = 0; i < ThemeCount; ++i) {
        themeBrushes[i] = q->property(ThemeNames[i]).value<QBrush>();
    }
    cornerRadius = q->property(ThemeNames[RadiusIndex]).toInt();
    themeValid = true;
    return true;
}

QBrush RangeSliderPrivate::themeBrush(ThemeIndex index)
{
    const int i = q->isEnabled() ? index : index + 1;
    return keepTheme() ? themeBrushes[i] : q->property(ThemeNames[i]).value<QBrush>();
}

int RangeSliderPrivate::themeRadius()
{
    return keepTheme() ? cornerRadius : q->property(ThemeNames[RadiusIndex]).toInt();
}

QBrush RangeSliderPrivate::stateBrush(bool down, bool hovered)
{
    if (down) {
        return themeBrush(SunkenIndex);
    }
    if (!q->isSliderDown() && hovered && q->isEnabled()) {
        return themeBrush(HoverIndex);
    }
    return themeBrush(DefaultIndex);
}

void RangeSliderPrivate::paint(QStylePainter *painter, RangeSliderLook &look)
{
    QStyleOptionSlider option = styleOption();
    RangeSliderParts parts;
    parts.radius = themeRadius();
    const int tall = look.minimumPaintedHeight();

    parts.groove = q->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, q);
    if (tall > parts.groove.height()) {
        parts.groove.setHeight(tall);
    }
    if (parts.groove.isValid()) {
        look.paintGroove(painter, parts.groove, parts.radius);
    }

    // As QSlider does: styles are asked for tick marks only when there are some.
    if (q->tickPosition() != QSlider::NoTicks) {
        QStyleOptionSlider ticks = option;
        ticks.subControls = QStyle::SC_SliderTickmarks;
        // Styles draw one line per interval: over a range of millions that is millions of lines on a few hundred
        // pixels. The interval grows so that there is at most one mark per pixel, which looks the same.
        const qint64 range = qint64(ticks.maximum) - ticks.minimum;
        const qint64 pixels
            = std::max(1, ticks.orientation == Qt::Horizontal ? ticks.rect.width() : ticks.rect.height());
        const qint64 interval = ticks.tickInterval > 0 ? ticks.tickInterval : std::max(1, ticks.pageStep);
        if (range / interval > pixels) {
            ticks.tickInterval = int(std::min<qint64>(std::numeric_limits<int>::max(), range / pixels + 1));
        }
        // A style's loop over the marks steps past the maximum: near the largest int it would never end.
        const qint64 step = ticks.tickInterval > 0 ? ticks.tickInterval : interval;
        if (qint64(ticks.maximum) + 2 * step < std::numeric_limits<int>::max()) {
            painter->drawComplexControl(QStyle::CC_Slider, ticks);
        }
    }

    parts.minHandle = handleRect(option, minHandleValue);
    parts.maxHandle = handleRect(option, maxHandleValue);
    for (QRect *handle : {&parts.minHandle, &parts.maxHandle}) {
        if (tall > handle->height()) {
            handle->setHeight(tall);
        }
    }
    const int minCenter = parts.minHandle.center().x();
    const int maxCenter = parts.maxHandle.center().x();
    parts.box = parts.groove;
    parts.box.setLeft(std::min(minCenter, maxCenter));
    parts.box.setRight(std::max(minCenter, maxCenter));
    // The pointer is asked for once: on some window systems that is a round trip.
    const QPointF cursor = q->mapFromGlobal(QCursor::pos());
    // The gap between the two handles.
    const QRectF gap = parts.box.adjusted(parts.minHandle.width() / 2, 0.5, -(parts.maxHandle.width() / 2), -0.5);
    const bool rangeHovered = gap.contains(cursor);
    parts.state = stateBrush(q->isMinimumHandleDown() && q->isMaximumHandleDown(), rangeHovered).color();
    look.paintRange(painter, parts);

    q->drawHandle(painter, parts.minHandle, RangeSlider::MinimumHandle, q->isMinimumHandleDown(),
                  QRectF(parts.minHandle).contains(cursor) || rangeHovered);
    q->drawHandle(painter, parts.maxHandle, RangeSlider::MaximumHandle, q->isMaximumHandleDown(),
                  QRectF(parts.maxHandle).contains(cursor) || rangeHovered);
    paintFocus(painter, parts);
}

int RangeSliderPrivate::minimumPaintedHeight() const
{
    return 0;
}

void RangeSliderPrivate::paintGroove(QPainter *painter, const QRectF &groove, int radius)
{
    const QBrush border = themeBrush(BorderIndex);
    const QBrush background = themeBrush(BackgroundIndex);
    QByteArray key;
    key.reserve(64); // one allocation for the whole key
    // With the look's letter at one place in all keys: the groove pictures of all sliders share one cache.
    appendKey(key, groove.x(), groove.y(), groove.width(), groove.height(), radius, border.color().rgba64(), 'r');
    if (background.style() == Qt::SolidPattern) {
        appendKey(key, background.color().rgba64());
    } else {
        QDataStream stream(&key, QIODevice::Append);
        stream << background;
    }
    paintGrooveCached(painter, groove.toAlignedRect(), key, [&](QPainter *layer) {
        QPen pen(border.color(), 1);
        pen.setJoinStyle(Qt::MiterJoin);
        layer->setPen(pen);
        layer->setBrush(background);
        Helpers::drawRoundedRectShape(groove.adjusted(0.5, 0.5, -0.5, -0.5), radius, Helpers::NoStraightCorner, layer);
    });
}

// A bar half as high as the groove between the handle centres, under a translucent box of the range's state colour.
void RangeSliderPrivate::paintRange(QPainter *painter, const RangeSliderParts &parts)
{
    QRectF bar = parts.box.adjusted(0, 0, 0, 1);
    bar.setTop(bar.top() + bar.height() / 4);
    bar.setHeight(bar.height() / 2);
    painter->setPen(Qt::NoPen);
    painter->setBrush(themeBrush(RangeIndex));
    painter->drawRect(bar.adjusted(-1, 0.5, 1, 0.5));

    QColor fill = parts.state;
    fill.setAlphaF(0.4);
    const QRectF frame = parts.box.adjusted(0, 0.5, 2, -0.5);
    painter->setBrush(fill);
    painter->drawRect(fillUnderFrame(frame, parts.state));
    pieces.drawFrame(painter, frame, parts.state);
}

void RangeSliderPrivate::drawHandle(QPainter *painter, QRect rect, RangeSlider::Handle handle, bool down, bool hovered)
{
    if (!painter || handle == RangeSlider::NoHandle) {
        return;
    }
    const int radius = themeRadius();
    const bool minimum = handle == RangeSlider::MinimumHandle;
    // Only the outer half is drawn: the left one of the handle on the left.
    const bool leftHalf = minimum != mirrored();
    const Helpers::StraightCornerFlags straight = leftHalf ? Helpers::TopRightCorner | Helpers::BottomRightCorner
                                                           : Helpers::TopLeftCorner | Helpers::BottomLeftCorner;
    const QRectF r(rect);
    const QRectF shape = leftHalf ? r.adjusted(0, 0, -rect.width() / 2.0, 0) : r.adjusted(rect.width() / 2.0, 0, 0, 0);
    const QBrush brush = stateBrush(down, hovered);
    const auto paintShape = [radius, straight, brush](QPainter *p, const QRectF &area) {
        p->setRenderHint(QPainter::Antialiasing, true);
        p->setPen(Qt::NoPen);
        p->setBrush(brush);
        Helpers::drawRoundedRectShape(area, radius, straight, p);
    };
    // The two grip lines, one pixel wide, two apart.
    const QRectF grips(leftHalf ? rect.left() + 2 : rect.right() - 4, rect.y() + rect.height() / 4.0, 3.0,
                       rect.height() / 2.0);
    const QBrush grip = themeBrush(BackgroundIndex);
    const auto paintGrips = [grip](QPainter *p, const QRectF &area) {
        p->setRenderHint(QPainter::Antialiasing, true);
        p->setPen(Qt::NoPen);
        p->setBrush(grip);
        p->drawRect(QRectF(area.left(), area.top(), 1.0, area.height()));
        p->drawRect(QRectF(area.right() - 1.0, area.top(), 1.0, area.height()));
    };

    // Over an opaque shape that covers their pixels whole, the grips replace whole pixels of one colour:
    // shape and grips then make one copy. The shape is convex, so it covers the pixels of the grips when it
    // holds the four corners of their block (with half a pixel to spare near its rounded corners).
    const bool opaque
        = brush.style() == Qt::SolidPattern && brush.color().alpha() == 255 && grip.style() == Qt::SolidPattern;
    // The answer depends on the handle's size and the radius only; it is kept for each handle.
    GripsInside &inside = gripsInside[leftHalf ? 0 : 1];
    if (opaque && (inside.size != rect.size() || inside.radius != radius)) {
        const qreal corner = std::min<qreal>(radius, std::min(shape.width(), shape.height()) / 2.0); // as drawn
        const auto holds = [&](qreal x, qreal y) {
            const qreal cx = leftHalf ? std::max(x, shape.left() + corner) : std::min(x, shape.right() - corner);
            const qreal cy = qBound(shape.top() + corner, y, shape.bottom() - corner);
            return shape.contains(x, y) && (corner <= 0 || std::hypot(x - cx, y - cy) <= corner - 0.5);
        };
        const QRectF block(QPointF(grips.left(), std::floor(grips.top())),
                           QPointF(grips.right(), std::ceil(grips.bottom())));
        inside = {rect.size(), radius,
                  holds(block.left(), block.top()) && holds(block.right(), block.top())
                      && holds(block.left(), block.bottom()) && holds(block.right(), block.bottom())};
    }
    if (!(opaque && inside.holds)) {
        pieces.drawShape(painter, shape, -1, HandleShapePiece, radius, int(straight), brush, paintShape);
        pieces.drawShape(painter, grips, -1, HandleGripsPiece, 0, 0, grip, paintGrips);
        return;
    }
    const QPointF offset = grips.topLeft() - shape.topLeft();
    const QSizeF gripsSize = grips.size();
    SliderPieces::Look look {HandlePiece, radius, int(straight), brush.color().rgba64()};
    look.color2 = grip.color().rgba64();
    pieces.draw(painter, shape, -1, look, [&](QPainter *p, const QRectF &area) {
        paintShape(p, area);
        paintGrips(p, QRectF(area.topLeft() + offset, gripsSize));
    });
}

void RangeSliderPrivate::paintGrooveCached(QPainter *painter, const QRect &area, const QByteArray &key,
                                           const std::function<void(QPainter *)> &paint)
{
    if (!painter || area.isEmpty()) {
        return;
    }
    const qreal ratio = Internal::deviceRatio(painter);
    if (grooveCache.isNull() || grooveCacheKey != key || grooveCacheArea != area || grooveCacheRatio != ratio) {
        // Sliders of the same size and theme paint the same groove: they share its picture through the application's
        // pixmap cache, each keeping a reference to it, so that a form of many sliders holds one.
        const QString shared = QStringLiteral("nalu-rangeslider-groove-%1-%2-%3-%4-%5-%6")
                                   .arg(QString::fromLatin1(key.toHex()))
                                   .arg(area.x())
                                   .arg(area.y())
                                   .arg(area.width())
                                   .arg(area.height())
                                   .arg(ratio, 0, 'g', 17);
        QPixmap pixmap;
        if (!QPixmapCache::find(shared, &pixmap)) {
            pixmap = QPixmap(area.size() * ratio);
            pixmap.setDevicePixelRatio(ratio);
            pixmap.fill(Qt::transparent);
            QPainter layer(&pixmap);
            layer.setRenderHint(QPainter::Antialiasing, true);
            layer.translate(-area.topLeft());
            paint(&layer);
            layer.end();
            QPixmapCache::insert(shared, pixmap);
        }
        grooveCache = pixmap;
        grooveCacheKey = key;
        grooveCacheArea = area;
        grooveCacheRatio = ratio;
    }
    painter->drawPixmap(area.topLeft(), grooveCache);
}

} // namespace Components
} // namespace Nalu
