// SPDX-License-Identifier: MIT

#pragma once

#include <vantor_common_utils/vantor_common_utils_export.h>

#include <QColor>
#include <QFlags>
#include <QObject>
#include <QRectF>

QT_BEGIN_NAMESPACE
class QAbstractItemModel;
class QPainter;
QT_END_NAMESPACE

namespace Nalu {

/** @brief Stateless painting, colour and item-model helpers shared by the components; not instantiable. */
class VANTOR_COMMON_UTILS_EXPORT Helpers
{
    Q_GADGET

public:
    /**
     * @brief Corners of a rectangle that stay square; a set bit squares that corner.
     *
     * NoStraightCorner carries no corner bit and means "round every corner"; combined
     * with corner bits, the corner bits win, so stored values can be OR-ed freely.
     */
    enum StraightCornerFlag {
        TopLeftCorner = 1,
        TopRightCorner = 2,
        BottomRightCorner = 4,
        BottomLeftCorner = 8,
        NoStraightCorner = 16
    };
    /** @brief A combination of StraightCornerFlag values. */
    Q_DECLARE_FLAGS(StraightCornerFlags, StraightCornerFlag)
    Q_FLAG(StraightCornerFlags)

    Helpers() = delete;

    /**
     * @brief Draws @p rect with the painter's current pen and brush, rounding every corner
     * with @p cornerRadius except those set in @p straightCorners, which stay square.
     *
     * The radius is clamped to half the smaller side; a radius <= 0 draws a plain rectangle.
     * Does nothing for a null painter or an empty, invalid or non-finite rectangle.
     */
    static void drawRoundedRectShape(const QRectF &rect, int cornerRadius, StraightCornerFlags straightCorners,
                                     QPainter *painter);

    /**
     * @brief Returns Qt::black or Qt::white, whichever has the higher WCAG 2 contrast ratio
     * (see contrastRatio()) against @p background.
     *
     * A tie and an invalid colour give black; the alpha channel is ignored.
     */
    static QColor getReadableForegroundColor(const QColor &background);

    /**
     * @brief WCAG 2 contrast ratio (L1 + 0.05) / (L2 + 0.05), L1 being the higher of the two
     * relative luminances; from 1.0 (equal luminance) to 21.0 (black against white).
     */
    static double contrastRatio(const QColor &a, const QColor &b);

    /**
     * @brief WCAG 2 relative luminance in [0, 1]: 0.2126 R + 0.7152 G + 0.0722 B over the
     * linearised sRGB channels. Alpha is ignored; an invalid colour counts as black (0).
     */
    static double relativeLuminance(const QColor &color);

    /**
     * @brief Fills a marker in @p color over the top-right half of @p rect: the right
     * triangle top-left, top-right, bottom-right, without pen and with the caller's
     * antialiasing hint. The painter's state is left as it was.
     *
     * @p reservedFlags is reserved for further marker styles; pass 0.
     * Does nothing for a null painter, an empty or non-finite rectangle or an invalid colour.
     */
    static void drawInputStatusIndicator(const QRectF &rect, int reservedFlags, const QColor &color, QPainter *painter);

    /**
     * @brief Number of levels of the item tree of @p model; 1 when there are only top-level rows.
     *
     * Only children under column 0 count, as in the item views. An empty model gives 1, so
     * that a view still shows one (empty) level that fills once rows arrive; a null model
     * gives 0. The tree is walked iteratively in time linear to the item count, so a very
     * deep tree cannot overflow the stack. Rows a lazy model has not fetched yet are not seen.
     */
    static int getModelMaxDepth(const QAbstractItemModel *model);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Helpers::StraightCornerFlags)

} // namespace Nalu
