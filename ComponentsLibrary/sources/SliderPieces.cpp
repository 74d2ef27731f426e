// SPDX-License-Identifier: MIT

#include "SliderPieces_p.h"

#include "DevicePixels_p.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Nalu {
namespace Components {

int SliderPieces::copyRatio(const QPainter *painter, const QRectF &rect)
{
    if (!painter || !painter->isActive()) {
        return 0;
    }
    const QPaintEngine *engine = painter->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster) {
        return 0;
    }
    // Copies land on whole device pixels only at a whole number of device pixels per pixel, with no
    // transformation but that scale and a move by whole device pixels.
    const qreal ratio = Internal::deviceRatio(painter);
    const QTransform transform = painter->deviceTransform();
    const bool wholePixels = ratio >= 1 && ratio <= 4 && ratio == std::floor(ratio)
        && transform.type() <= QTransform::TxScale && transform.m11() == ratio && transform.m22() == ratio
        && transform.dx() == std::floor(transform.dx()) && transform.dy() == std::floor(transform.dy());
    const bool finite = std::isfinite(rect.x()) && std::isfinite(rect.y()) && std::isfinite(rect.width())
        && std::isfinite(rect.height());
    // Copies equal drawing only when painting over.
    const bool copies = wholePixels && finite && rect.width() > 0 && rect.height() > 0 && rect.width() < 1e5
        && rect.height() < 1e4 && painter->opacity() == 1.0
        && painter->compositionMode() == QPainter::CompositionMode_SourceOver;
    return copies ? int(ratio) : 0;
}

void SliderPieces::draw(QPainter *painter, const QRectF &rect, qreal endWidth, const Look &look, const Paint &paint)
{
    if (!painter || !painter->isActive()) {
        return;
    }
    const int ratio = copyRatio(painter, rect);
    if (ratio == 0) {
        painter->save();
        paint(painter, rect);
        painter->restore();
        return;
    }

    // Two pixels of margin on the left and top so that pens and antialiasing stay inside.
    const QPoint origin(int(std::floor(rect.left())) - 2, int(std::floor(rect.top())) - 2);
    QRectF reference = rect.translated(-origin);
    const bool stretched = endWidth >= 0 && reference.width() > 2 * endWidth + 12;
    int cut = 0; // whole columns the reference lacks
    if (stretched) {
        cut = int(std::floor(reference.width() - 2 * endWidth - 8));
        reference.setWidth(reference.width() - cut);
    }

    // Compared as bytes: cheaper than field by field, and a key nobody set is all zeros.
    Key key;
    std::memset(&key, 0, sizeof(key));
    key.x = reference.x();
    key.y = reference.y();
    key.width = reference.width();
    key.height = reference.height();
    key.endWidth = endWidth;
    key.kind = look.kind;
    key.radius = look.radius;
    key.flags = look.flags;
    key.stretched = stretched;
    key.ratio = ratio;
    key.color = look.color;
    key.color2 = look.color2;
    Entry *found = nullptr;
    for (Entry &e : entries) {
        if (std::memcmp(&e.key, &key, sizeof(key)) == 0) {
            found = &e;
            break;
        }
    }
    if (!found) {
        // Columns below are counted in pixels of the widget; the pictures hold ratio device pixels per pixel.
        Entry e;
        e.key = key;
        e.width = int(std::ceil(reference.right())) + 3;
        e.pixmap = QPixmap(QSize(e.width, int(std::ceil(reference.bottom())) + 3) * ratio);
        e.pixmap.setDevicePixelRatio(ratio);
        e.pixmap.fill(Qt::transparent);
        {
            QPainter layer(&e.pixmap);
            paint(&layer, reference);
        }
        e.leftEnd = e.rightStart = e.width;
        const QImage image = e.pixmap.toImage();
        e.clear = true;
        for (int y = 0; y < image.height() && e.clear; ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            e.clear = std::all_of(line, line + image.width(), [](QRgb pixel) { return pixel == 0; });
        }
        if (stretched) {
            e.leftEnd = int(std::ceil(reference.left() + endWidth)) + 2;
            e.rightStart = int(std::floor(reference.right() - endWidth)) - 2;
            // An end made of more middle columns beside clear ones (a straight edge on whole pixels)
            // is drawn as part of the middle: one copy less.
            // Whether the device columns of column x equal those of column like, or are clear for a negative like.
            const auto columnIs = [&image, ratio](int x, int like) {
                for (int i = 0; i < ratio; ++i) {
                    for (int y = 0; y < image.height(); ++y) {
                        if (image.pixel(x * ratio + i, y) != (like < 0 ? 0u : image.pixel(like * ratio, y))) {
                            return false;
                        }
                    }
                }
                return true;
            };
            e.middleStart = e.leftEnd;
            while (e.middleStart > 0 && columnIs(e.middleStart - 1, e.leftEnd)) {
                --e.middleStart;
            }
            e.copyLeft = false;
            for (int x = 0; x < e.middleStart; ++x) {
                e.copyLeft = e.copyLeft || !columnIs(x, -1);
            }
            e.middleEnd = e.rightStart;
            while (e.middleEnd < e.width && columnIs(e.middleEnd, e.leftEnd)) {
                ++e.middleEnd;
            }
            e.copyRight = false;
            for (int x = e.middleEnd; x < e.width; ++x) {
                e.copyRight = e.copyRight || !columnIs(x, -1);
            }
            e.middleClear = columnIs(e.leftEnd, -1);
        }
        if (entries.size() < MaxEntries) {
            entries.append(e);
            found = &entries.last();
        } else {
            found = &entries[nextEntry];
            *found = e;
            nextEntry = (nextEntry + 1) % MaxEntries;
        }
    }

    Entry &e = *found;
    if (e.clear) {
        return;
    }
    if (!stretched) {
        painter->drawPixmap(origin, e.pixmap);
        return;
    }
    const int height = e.pixmap.height(); // in device pixels
    const auto copy = [painter, ratio, height](int x, int y, const QPixmap &from, int sourceX, int width) {
        painter->drawPixmap(QPoint(x, y), from, QRect(sourceX * ratio, 0, width * ratio, height));
    };
    const bool copyLeft = e.copyLeft;
    const bool copyRight = e.copyRight;
    if (e.middleClear) { // only the ends, if they are not clear either
        if (copyLeft) {
            copy(origin.x(), origin.y(), e.pixmap, 0, e.middleStart);
        }
        if (copyRight) {
            copy(origin.x() + e.middleEnd + cut, origin.y(), e.pixmap, e.middleEnd, e.width - e.middleEnd);
        }
        return;
    }
    const int from = copyLeft ? e.leftEnd : e.middleStart;
    const int to = (copyRight ? e.rightStart : e.middleEnd) + cut;
    const int rightWidth = e.width - e.rightStart;
    // The middle column is kept repeated in a strip as wide as the widest middle asked so far, joined
    // to the left end if that is copied, else to the right one if that is: copying a strip costs far
    // less than scaling or tiling one column, and each copy less is much saved.
    const bool joinLeft = copyLeft;
    const bool joinRight = copyRight && !copyLeft;
    QPixmap &strip = joinLeft || joinRight ? e.joined : e.middle;
    const int stripEnds = joinLeft ? e.leftEnd : joinRight ? rightWidth : 0;
    if (strip.width() / ratio - stripEnds < to - from) {
        const int repeated = (to - from + 63) / 64 * 64;
        strip = QPixmap(QSize(repeated + stripEnds, height / ratio) * ratio);
        strip.setDevicePixelRatio(ratio);
        strip.fill(Qt::transparent);
        QPainter layer(&strip);
        layer.setCompositionMode(QPainter::CompositionMode_Source);
        QPixmap column = e.pixmap.copy(e.leftEnd * ratio, 0, 1, height).scaled(repeated * ratio, height);
        column.setDevicePixelRatio(ratio);
        layer.drawPixmap(joinLeft ? e.leftEnd : 0, 0, column);
        if (joinLeft) {
            layer.drawPixmap(QPoint(0, 0), e.pixmap, QRect(0, 0, e.leftEnd * ratio, height));
        } else if (joinRight) {
            layer.drawPixmap(QPoint(repeated, 0), e.pixmap, QRect(e.rightStart * ratio, 0, rightWidth * ratio, height));
        }
    }
    if (joinRight) {
        const int repeated = strip.width() / ratio - rightWidth;
        copy(origin.x() + from, origin.y(), strip, repeated - (to - from), to - from + rightWidth);
        return;
    }
    if (joinLeft) {
        copy(origin.x(), origin.y(), strip, 0, e.leftEnd + to - from);
    } else {
        copy(origin.x() + from, origin.y(), strip, 0, to - from);
    }
    if (copyRight) {
        copy(origin.x() + e.rightStart + cut, origin.y(), e.pixmap, e.rightStart, rightWidth);
    }
}

void SliderPieces::drawShape(QPainter *painter, const QRectF &rect, qreal endWidth, int kind, int radius, int flags,
                             const QBrush &brush, const Paint &paint)
{
    if (!painter) {
        return;
    }
    // Gradients and textures are placed by painter coordinates: a moved copy would differ.
    if (brush.style() != Qt::SolidPattern) {
        painter->save();
        paint(painter, rect);
        painter->restore();
        return;
    }
    const QColor color = brush.color();
    draw(painter, rect, endWidth, {kind, radius, flags | (color.isValid() ? 0 : InvalidColorFlag), color.rgba64()},
         paint);
}

QImage SliderPieces::frameLayer(const QColor &color, const QRectF &rect, const QSize &size, int layer)
{
    // Both layers are made at once: the second is asked for right after the first, in the same drawFrame().
    FrameLayers &made = frameLayers;
    if (made.color == color && made.rect == rect && made.size == size) {
        return made.layers[layer];
    }
    // The raster engine strokes a rectangle with a one-pixel pen as four lines, top, right, bottom, left, each
    // blended on its own. Each side is drawn alone here, in a band of its own, and each pixel gets the blends of
    // its sides in that order, one per layer. The last band holds the whole frame as drawn.
    const QLineF lines[4] = {{rect.topLeft(), rect.topRight()},
                             {rect.topRight(), rect.bottomRight()},
                             {rect.bottomRight(), rect.bottomLeft()},
                             {rect.bottomLeft(), rect.topLeft()}};
    QImage bands(size.width(), size.height() * 5, QImage::Format_ARGB32_Premultiplied);
    bands.fill(Qt::transparent);
    {
        QPainter p(&bands);
        p.setRenderHint(QPainter::Antialiasing, true);
        QPen pen(color, 1);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        for (const QLineF &line : lines) {
            p.drawLine(line);
            p.translate(0, size.height());
        }
        p.setPen(QPen(color, 1));
        p.drawRect(rect);
    }
    const auto pixel = [&bands, &size](int band, int x, int y) {
        return reinterpret_cast<const QRgb *>(bands.constScanLine(band * size.height() + y))[x];
    };
    for (QImage &image : made.layers) {
        image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    }
    for (int y = 0; y < size.height(); ++y) {
        auto *first = reinterpret_cast<QRgb *>(made.layers[0].scanLine(y));
        auto *second = reinterpret_cast<QRgb *>(made.layers[1].scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            QRgb blends[4];
            int count = 0;
            for (int side = 0; side < 4; ++side) {
                if (const QRgb blend = pixel(side, x, y)) {
                    blends[count++] = blend;
                }
            }
            // An opaque colour given whole makes the pixel the same whatever lay beneath, before or after
            // another blend: then the pixel is copied as drawn, in the first layer.
            const bool asDrawn = count <= 1
                || (color.alpha() == 255 && count == 2 && (qAlpha(blends[0]) == 255 || qAlpha(blends[1]) == 255));
            first[x] = asDrawn ? pixel(4, x, y) : blends[0];
            second[x] = asDrawn ? 0 : blends[1];
        }
    }
    made.color = color;
    made.rect = rect;
    made.size = size;
    return made.layers[layer];
}

void SliderPieces::drawFrame(QPainter *painter, const QRectF &rect, const QColor &color)
{
    const auto paint = [color](QPainter *p, const QRectF &area) {
        p->setRenderHint(QPainter::Antialiasing, true);
        p->setPen(QPen(color, 1));
        p->setBrush(Qt::NoBrush);
        p->drawRect(area);
    };
    if (!painter) {
        return;
    }
    // Short frames would be kept at each width.
    const int ratio = rect.width() > 16 ? copyRatio(painter, rect) : 0;
    const int flags = color.isValid() ? 0 : InvalidColorFlag;
    if (ratio > 1) {
        // The pen is more than one device pixel wide: the raster engine fills its outline, each pixel blended once.
        draw(painter, rect, 0.5, {FrameKind, 0, flags, color.rgba64()}, paint);
        return;
    }
    // At one device pixel per pixel, corner pixels are blended twice (once per side); copying them, drawn in
    // one picture, would round differently. So they are copied in two layers, blended in turn. With the top
    // and bottom three pixels apart or more, no pixel gets more than one horizontal and one vertical side.
    if (ratio == 0 || rect.height() < 3) {
        painter->save();
        paint(painter, rect);
        painter->restore();
        return;
    }
    // An opaque frame with its top and bottom on pixel centres and its sides on pixel edges has one layer: there
    // each corner pixel gets one side's blend whole, before or after the other side's.
    const auto onCentre = [](qreal y) { return y - std::floor(y) == 0.5; };
    const auto onEdge = [](qreal x) { return x == std::floor(x); };
    const bool oneLayer = color.alpha() == 255 && onCentre(rect.top()) && onCentre(rect.bottom()) && onEdge(rect.left())
        && onEdge(rect.right());
    if (oneLayer) {
        draw(painter, rect, 0.5, {FrameKind, 0, flags, color.rgba64()}, paint);
        return;
    }
    for (int layer = 0; layer < 2; ++layer) {
        draw(painter, rect, 0.5, {FrameKind, 0, flags | (layer + 1), color.rgba64()},
             [this, color, layer](QPainter *p, const QRectF &area) {
                 const QPaintDevice *device = p->device();
                 p->drawImage(0, 0, frameLayer(color, area, QSize(device->width(), device->height()), layer));
             });
    }
    frameLayers = FrameLayers(); // kept in the pieces now, if they were made
}

} // namespace Components
} // namespace Nalu
