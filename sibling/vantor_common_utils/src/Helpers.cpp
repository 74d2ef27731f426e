// SPDX-License-Identifier: MIT

#include <vantor_common_utils/Helpers.h>

#include <QAbstractItemModel>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace Nalu {

namespace {

bool isFiniteRect(const QRectF &rect)
{
    return std::isfinite(rect.x()) && std::isfinite(rect.y()) && std::isfinite(rect.width())
        && std::isfinite(rect.height());
}

// A rectangle worth painting: positive size (isValid() is false for NaN sizes) and finite.
bool isPaintableRect(const QRectF &rect)
{
    return rect.isValid() && isFiniteRect(rect);
}

// sRGB transfer function inverse. WCAG 2.0 quotes 0.03928 as threshold, the sRGB standard
// 0.04045; no 8-bit channel value lies between the two, so the results are identical.
double linearise(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

void Helpers::drawRoundedRectShape(const QRectF &rect, int cornerRadius, StraightCornerFlags straightCorners,
                                   QPainter *painter)
{
    if (!painter || !isPaintableRect(rect)) {
        return;
    }

    const QRectF &r = rect;
    const qreal radius = std::min<qreal>(cornerRadius, std::min(r.width(), r.height()) / 2.0);
    if (radius <= 0.0) {
        painter->drawRect(r);
        return;
    }

    // NoStraightCorner holds no corner bit, so testing the four corner bits alone is enough.
    const bool squareTopLeft = straightCorners.testFlag(TopLeftCorner);
    const bool squareTopRight = straightCorners.testFlag(TopRightCorner);
    const bool squareBottomRight = straightCorners.testFlag(BottomRightCorner);
    const bool squareBottomLeft = straightCorners.testFlag(BottomLeftCorner);

    const qreal diameter = 2.0 * radius;
    QPainterPath path;
    // Clockwise from the end of the top-left corner; arcTo() adds the straight edge
    // from the current point to the start of each arc.
    path.moveTo(squareTopLeft ? r.topLeft() : QPointF(r.left() + radius, r.top()));
    if (squareTopRight) {
        path.lineTo(r.topRight());
    } else {
        path.arcTo(QRectF(r.right() - diameter, r.top(), diameter, diameter), 90.0, -90.0);
    }
    if (squareBottomRight) {
        path.lineTo(r.bottomRight());
    } else {
        path.arcTo(QRectF(r.right() - diameter, r.bottom() - diameter, diameter, diameter), 0.0, -90.0);
    }
    if (squareBottomLeft) {
        path.lineTo(r.bottomLeft());
    } else {
        path.arcTo(QRectF(r.left(), r.bottom() - diameter, diameter, diameter), 270.0, -90.0);
    }
    if (squareTopLeft) {
        path.lineTo(r.topLeft());
    } else {
        path.arcTo(QRectF(r.left(), r.top(), diameter, diameter), 180.0, -90.0);
    }
    path.closeSubpath();

    // drawPath() uses the current pen and brush and changes no painter state.
    painter->drawPath(path);
}

QColor Helpers::getReadableForegroundColor(const QColor &background)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    if (!background.isValid()) {
        return black;
    }
    return contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
}

double Helpers::contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double Helpers::relativeLuminance(const QColor &color)
{
    if (!color.isValid()) {
        return 0.0;
    }
    // toRgb() so HSV/HSL/CMYK colours are measured in sRGB as well.
    const QColor rgb = color.toRgb();
    return 0.2126 * linearise(rgb.redF()) + 0.7152 * linearise(rgb.greenF()) + 0.0722 * linearise(rgb.blueF());
}

void Helpers::drawInputStatusIndicator(const QRectF &rect, int reservedFlags, const QColor &color, QPainter *painter)
{
    Q_UNUSED(reservedFlags)
    if (!painter || !isPaintableRect(rect) || !color.isValid()) {
        return;
    }

    const QPolygonF triangle({rect.topLeft(), rect.topRight(), rect.bottomRight()});

    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(color);
    painter->drawPolygon(triangle);
    painter->restore();
}

int Helpers::getModelMaxDepth(const QAbstractItemModel *model)
{
    return getModelMaxDepth(model, std::numeric_limits<int>::max());
}

int Helpers::getModelMaxDepth(const QAbstractItemModel *model, int maximumDepth)
{
    if (!model) {
        return 0;
    }
    maximumDepth = std::max(1, maximumDepth);

    // Depth-first walk with an explicit stack of open parents, so that a deep model costs heap,
    // not call stack. Each item is visited once: one index() and one rowCount(), the least any
    // walk over the whole model can do; the loop around them is kept to a few instructions, as
    // the walk runs over every item of the model.
    struct OpenParent
    {
        QModelIndex index;
        int rows;
        int nextRow;
    };
    std::vector<OpenParent> open;
    open.reserve(16);
    open.push_back({QModelIndex(), model->rowCount(), 0});
    int maxDepth = 1;
    // Once the walk is that deep the answer is known: nothing further down is asked for.
    while (maxDepth < maximumDepth) {
        OpenParent &top = open.back();
        if (top.nextRow >= top.rows) {
            open.pop_back();
            if (open.empty()) {
                break;
            }
            continue;
        }
        const QModelIndex child = model->index(top.nextRow++, 0, top.index);
        // An invalid child must not be asked for its rows: that would be the top level again.
        const int rows = child.isValid() ? model->rowCount(child) : 0;
        if (rows > 0) {
            // top is not used past this point: the push may move the stack.
            open.push_back({child, rows, 0});
            maxDepth = std::max(maxDepth, int(open.size()));
        }
    }
    return maxDepth;
}

} // namespace Nalu
