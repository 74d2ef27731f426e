// SPDX-License-Identifier: MIT

#include "SliderPieces_p.h"

#include <QPaintEngine>
#include <QPainter>

#include <cmath>
#include <cstring>

namespace Nalu {
namespace Components {

bool SliderPieces::copyable(const QPainter *painter, const QRectF &rect)
{
    if (!painter || !painter->isActive()) {
        return false;
    }
    const QTransform transform = painter->deviceTransform();
    const bool wholePixels = transform.type() <= QTransform::TxTranslate && transform.dx() == std::floor(transform.dx())
        && transform.dy() == std::floor(transform.dy());
    const bool finite = std::isfinite(rect.x()) && std::isfinite(rect.y()) && std::isfinite(rect.width())
        && std::isfinite(rect.height());
    // Copies equal drawing only for the raster engine at one device pixel per pixel, painting over.
    return wholePixels && finite && rect.width() > 0 && rect.height() > 0 && rect.width() < 1e5 && rect.height() < 1e4
        && painter->paintEngine() && painter->paintEngine()->type() == QPaintEngine::Raster
        && painter->device()->devicePixelRatioF() == 1.0 && painter->opacity() == 1.0
        && painter->compositionMode() == QPainter::CompositionMode_SourceOver;
}

void SliderPieces::draw(QPainter *painter, const QRectF &rect, qreal endWidth, const Look &look, const Paint &paint,
                        bool middleOnly)
{
    if (!painter || !painter->isActive()) {
        return;
    }
    if (!copyable(painter, rect)) {
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
        Entry e;
        e.key = key;
        e.pixmap = QPixmap(int(std::ceil(reference.right())) + 3, int(std::ceil(reference.bottom())) + 3);
        e.pixmap.fill(Qt::transparent);
        {
            QPainter layer(&e.pixmap);
            paint(&layer, reference);
        }
        e.leftEnd = e.rightStart = e.pixmap.width();
        if (stretched) {
            e.leftEnd = int(std::ceil(reference.left() + endWidth)) + 2;
            e.rightStart = int(std::floor(reference.right() - endWidth)) - 2;
            // An end made of more middle columns beside clear ones (a straight edge on whole pixels)
            // is drawn as part of the middle: one copy less.
            const QImage image = e.pixmap.toImage();
            const auto columnIs = [&image](int x, int like) {
                for (int y = 0; y < image.height(); ++y) {
                    if (image.pixel(x, y) != (like < 0 ? 0u : image.pixel(like, y))) {
                        return false;
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
            while (e.middleEnd < image.width() && columnIs(e.middleEnd, e.leftEnd)) {
                ++e.middleEnd;
            }
            e.copyRight = false;
            for (int x = e.middleEnd; x < image.width(); ++x) {
                e.copyRight = e.copyRight || !columnIs(x, -1);
            }
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
    if (!stretched) {
        painter->drawPixmap(origin, e.pixmap);
        return;
    }
    const int height = e.pixmap.height();
    const bool copyLeft = !middleOnly && e.copyLeft;
    const bool copyRight = !middleOnly && e.copyRight;
    const int from = middleOnly || copyLeft ? e.leftEnd : e.middleStart;
    const int to = (middleOnly || copyRight ? e.rightStart : e.middleEnd) + cut;
    const int rightWidth = e.pixmap.width() - e.rightStart;
    // The middle column is kept repeated in a strip as wide as the widest middle asked so far, joined
    // to the one end to copy if there is one: copying a strip costs far less than scaling or tiling
    // one column, and each copy less is much saved.
    const bool joinLeft = copyLeft && !copyRight;
    const bool joinRight = copyRight && !copyLeft;
    QPixmap &strip = joinLeft || joinRight ? e.joined : e.middle;
    const int stripEnds = joinLeft ? e.leftEnd : joinRight ? rightWidth : 0;
    if (strip.width() - stripEnds < to - from) {
        const int repeated = (to - from + 63) / 64 * 64;
        strip = QPixmap(repeated + stripEnds, height);
        strip.fill(Qt::transparent);
        QPainter layer(&strip);
        layer.setCompositionMode(QPainter::CompositionMode_Source);
        layer.drawPixmap(joinLeft ? e.leftEnd : 0, 0, e.pixmap.copy(e.leftEnd, 0, 1, height).scaled(repeated, height));
        if (joinLeft) {
            layer.drawPixmap(0, 0, e.pixmap, 0, 0, e.leftEnd, height);
        } else if (joinRight) {
            layer.drawPixmap(repeated, 0, e.pixmap, e.rightStart, 0, rightWidth, height);
        }
    }
    if (joinLeft) {
        painter->drawPixmap(origin, strip, QRect(0, 0, e.leftEnd + to - from, height));
        return;
    }
    if (joinRight) {
        const int repeated = strip.width() - rightWidth;
        painter->drawPixmap(QPoint(origin.x() + from, origin.y()), strip,
                            QRect(repeated - (to - from), 0, to - from + rightWidth, height));
        return;
    }
    if (copyLeft) {
        painter->drawPixmap(origin, e.pixmap, QRect(0, 0, e.leftEnd, height));
    }
    painter->drawPixmap(QPoint(origin.x() + from, origin.y()), strip, QRect(0, 0, to - from, height));
    if (copyRight) {
        painter->drawPixmap(origin + QPoint(e.rightStart + cut, 0), e.pixmap,
                            QRect(e.rightStart, 0, rightWidth, height));
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
    // The four sides are blended one by one, twice over the corners, where a copy would round
    // differently. So the ends are drawn, as a narrow frame clipped to them, and only the middle,
    // where each pixel gets one side, is copied. The bounds are those of draw().
    if (rect.width() <= 16 || !copyable(painter, rect)) {
        painter->save();
        paint(painter, rect);
        painter->restore();
        return;
    }
    const int leftEnd = int(std::ceil(rect.left() + 0.5)) + 2;
    const int rightStart = int(std::floor(rect.right() - 0.5)) - 2;
    const int top = int(std::floor(rect.top())) - 2;
    const int height = int(std::ceil(rect.height())) + 5;
    const int left = int(std::floor(rect.left())) - 2;
    const QRect leftClip(left, top, leftEnd - left, height);
    const QRect rightClip(rightStart, top, int(std::ceil(rect.right())) + 3 - rightStart, height);
    painter->save();
    // Without a clip of the caller's, the second clip can simply replace the first.
    const bool ownClip = !painter->hasClipping();
    painter->setClipRect(leftClip, Qt::IntersectClip);
    paint(painter, QRectF(rect.left(), rect.top(), leftEnd + 2 - rect.left(), rect.height()));
    if (!ownClip) {
        painter->restore();
        painter->save();
    }
    painter->setClipRect(rightClip, ownClip ? Qt::ReplaceClip : Qt::IntersectClip);
    paint(painter, QRectF(rightStart - 2, rect.top(), rect.right() - rightStart + 2, rect.height()));
    painter->restore();
    draw(painter, rect, 0.5, {FrameKind, 0, color.isValid() ? 0 : InvalidColorFlag, color.rgba64()}, paint, true);
}

} // namespace Components
} // namespace Nalu
