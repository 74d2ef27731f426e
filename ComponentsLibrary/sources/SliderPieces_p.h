// SPDX-License-Identifier: MIT

#pragma once

#include <QBrush>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRectF>
#include <QRgba64>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QVector>
#include <QWidget>

#include <cmath>
#include <functional>

class QPainter;

namespace Nalu {
namespace Components {

// Antialiased shapes that the range sliders paint again at every value change, at new places
// and widths: the handles, the frame of the range and the rounded groove ends. Each shape is
// rasterised once into a pixmap, at the same fractional offsets as asked, and then copied on
// whole pixels only. A short shape is copied whole; a long one as its two ends with its middle
// column repeated in between, since the middle columns of a horizontal rectangle, framed or with
// rounded ends, are all alike whatever its width. A shape is one layer (one fill, or one stroke),
// so every pixel receives exactly what drawing the shape there would give it. Pictures hold as many
// device pixels per pixel as the painter's device, when that is a whole number; else shapes are drawn.
class SliderPieces
{
public:
    // What besides the rectangle decides the look of a shape.
    struct Look
    {
        int kind = 0; // which drawing function; callers number their shapes
        int radius = 0;
        int flags = 0;
        QRgba64 color = QRgba64();
        QRgba64 color2 = QRgba64();
        bool operator==(const Look &o) const
        {
            return kind == o.kind && radius == o.radius && flags == o.flags && color == o.color && color2 == o.color2;
        }
    };
    using Paint = std::function<void(QPainter *, const QRectF &)>;

    // The device pixels per pixel at which copies on painter equal drawing rect there; 0 when they do not.
    static int copyRatio(const QPainter *painter, const QRectF &rect);
    // Draws what paint() would draw for rect on painter. endWidth: how far from the left and right
    // edges the shape differs from its middle (a corner radius, half a pen); a negative endWidth
    // means the shape is not stretchable and is only reused at the same width. paint() sets the
    // pen, brush and antialiasing it needs; painter's state is kept.
    void draw(QPainter *painter, const QRectF &rect, qreal endWidth, const Look &look, const Paint &paint);
    // draw() for a shape filled with brush; kind, radius and flags tell shapes apart. Brushes other than
    // solid colours are drawn directly.
    void drawShape(QPainter *painter, const QRectF &rect, qreal endWidth, int kind, int radius, int flags,
                   const QBrush &brush, const Paint &paint);
    // Strokes rect with a one-pixel pen of color, antialiased, as QPainter::drawRect() does; copied in one or
    // two layers.
    void drawFrame(QPainter *painter, const QRectF &rect, const QColor &color);

private:
    // Layer layer (0 or 1) of a frame stroked around rect with a one-pixel pen of color, in an image of size.
    QImage frameLayer(const QColor &color, const QRectF &rect, const QSize &size, int layer);

    // Kept apart from the kinds of the callers, which count from 0.
    static constexpr int FrameKind = -1;
    // Set in a look's flags for an invalid colour, whose rgba64() is that of a valid one.
    static constexpr int InvalidColorFlag = 0x10000;

    struct Key
    {
        double x, y, width, height; // the shape as drawn into the pixmap
        double endWidth;
        int kind, radius, flags, stretched; // a short shape of the same size is copied whole, without a middle
        int ratio; // device pixels per pixel of the pictures
        QRgba64 color, color2;
    };
    struct Entry
    {
        Key key;
        QPixmap pixmap;
        QPixmap middle; // the middle column of a stretched shape, repeated
        QPixmap joined; // the same, joined to the left end, or else to the right one, if that is copied
        int width = 0; // of pixmap, in pixels: columns are counted in pixels, whatever the ratio
        int leftEnd = 0; // columns [0, leftEnd) and [rightStart, width) are the ends
        int rightStart = 0;
        // Columns [middleStart, middleEnd) are like the middle one; an end is copied only when
        // it has something else than those and clear columns.
        int middleStart = 0;
        int middleEnd = 0;
        bool copyLeft = true;
        bool copyRight = true;
        bool clear = false; // nothing to copy
        bool middleClear = false;
    };
    static constexpr int MaxEntries = 12;
    // The two layers of the last frame made.
    struct FrameLayers
    {
        QColor color;
        QRectF rect;
        QSize size;
        QImage layers[2];
    } frameLayers;
    QVector<Entry> entries;
    int nextEntry = 0;
};

// Appends the bytes of plain values to a cache key; cheaper than a QDataStream.
template<typename... Values>
void appendKey(QByteArray &key, const Values &...values)
{
    (key.append(reinterpret_cast<const char *>(&values), int(sizeof(values))), ...);
}

// What a fill of rect needs to cover when an opaque one-pixel frame of rect is drawn over it next: with
// the frame's top and bottom on pixel centres, its lines replace the rows the fill covers by half.
inline QRectF fillUnderFrame(const QRectF &rect, const QColor &frame)
{
    const auto onCentre = [](qreal y) { return y - std::floor(y) == 0.5; };
    if (!frame.isValid() || frame.alpha() != 255 || !onCentre(rect.top()) || !onCentre(rect.bottom())
        || rect.height() < 2) {
        return rect;
    }
    return rect.adjusted(0, 0.5, 0, -0.5);
}

// The style's handle rectangle of a slider described by option, for a handle at value; option is
// left at that value.
inline QRect sliderHandleRect(const QWidget *slider, QStyleOptionSlider &option, int value)
{
    option.sliderPosition = value;
    option.sliderValue = value;
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
}

} // namespace Components
} // namespace Nalu
