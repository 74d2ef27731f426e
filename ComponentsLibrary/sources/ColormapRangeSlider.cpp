#include <ComponentsLibrary/ColormapRangeSlider.h>

#include "SliderPieces_p.h"

#include <vantor_common_models/HistogramModel.h>
#include <vantor_common_utils/Helpers.h>

#include <QCursor>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QStyleOptionSlider>
#include <QStylePainter>

#include <algorithm>

namespace Nalu {
namespace Components {

class ColormapRangeSliderPrivate
{
public:
    bool histogramVisible = false;
    bool boundColormapToRange = false;
    // Not owned; QPointer so that a model deleted behind our back paints as no model.
    QPointer<Models::ColormapModel> colormapModel;
    QPointer<Models::HistogramModel> histogramModel;
};

namespace {

constexpr int ChessboardSize = 10;

// Shapes of the colormap slider in the range slider's piece cache, numbered after the range slider's own.
enum PieceKind { OuterPiece = 100 };

QPixmap chessboard(bool enabled)
{
    const QColor dark = enabled ? QColor(Qt::black) : QColor(Qt::black).lighter(150);
    const QColor grey = enabled ? QColor(70, 70, 70, 255) : QColor(70, 70, 70, 255).darker(200);
    const int half = ChessboardSize / 2;
    QPixmap pixmap(ChessboardSize, ChessboardSize);
    QPainter painter(&pixmap);
    painter.fillRect(0, 0, half, half, dark);
    painter.fillRect(half, half, half, half, dark);
    painter.fillRect(0, half, half, half, grey);
    painter.fillRect(half, 0, half, half, grey);
    return pixmap;
}

} // namespace

ColormapRangeSlider::ColormapRangeSlider(QWidget *parent)
    : RangeSlider(parent)
    , d(std::make_unique<ColormapRangeSliderPrivate>())
{
    ColormapRangeSlider::init();
}

ColormapRangeSlider::~ColormapRangeSlider() = default;

void ColormapRangeSlider::init()
{
    d->histogramVisible = false;
    d->boundColormapToRange = false;
    d->colormapModel = nullptr;
    d->histogramModel = nullptr;
}

bool ColormapRangeSlider::getHistogramVisibility() const
{
    return d->histogramVisible;
}

void ColormapRangeSlider::setHistogramVisibility(bool histogramVisible)
{
    if (d->histogramVisible == histogramVisible) {
        return;
    }
    d->histogramVisible = histogramVisible;
    update();
}

bool ColormapRangeSlider::getBoundColormapToRange() const
{
    return d->boundColormapToRange;
}

void ColormapRangeSlider::setBoundColormapToRange(bool boundColormapToRange)
{
    if (d->boundColormapToRange == boundColormapToRange) {
        return;
    }
    d->boundColormapToRange = boundColormapToRange;
    update();
}

void ColormapRangeSlider::setColormapModel(Models::ColormapModel *colormapModel)
{
    d->colormapModel = colormapModel;
}

void ColormapRangeSlider::setHistogramModel(Models::HistogramModel *histogramModel)
{
    d->histogramModel = histogramModel;
}

void ColormapRangeSlider::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    if (size().isEmpty()) {
        return;
    }
    QStylePainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintColormapSlider(&painter);
}

void ColormapRangeSlider::paintColormapSlider(QStylePainter *target) const
{
    QStylePainter &painter = *target;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const int radius = themeProperty("CornerRadius").toInt();
    const bool enabled = isEnabled();
    const auto shade = [enabled](const QColor &color) { return enabled ? color : color.darker(200); };

    QRectF grooveF = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    if (minimumHeight() > grooveF.height()) {
        grooveF.setHeight(minimumHeight());
    }
    if (grooveF.isValid()) {
        const QColor border = themeBrush("BorderBrush").color();
        QByteArray key;
        appendKey(key, grooveF.x(), grooveF.y(), grooveF.width(), grooveF.height(), radius, border.rgba64(), enabled);
        paintGrooveCached(&painter, grooveF.toAlignedRect(), key, [&](QPainter *layer) {
            QPen pen(border, 1);
            pen.setJoinStyle(Qt::MiterJoin);
            layer->setPen(pen);
            layer->setBrush(QBrush(chessboard(enabled)));
            // Centre the pattern on the groove.
            const QPointF center(grooveF.x() + grooveF.width() / 2.0, grooveF.y() + grooveF.height() / 2.0);
            layer->setBrushOrigin(QPoint(static_cast<int>(center.x() - ChessboardSize / 2.0),
                                         static_cast<int>(center.y() - ChessboardSize / 2.0)));
            Helpers::drawRoundedRectShape(grooveF.adjusted(0.5, 0.5, -0.5, -0.5), radius, Helpers::NoStraightCorner,
                                          layer);
        });
    }

    // As QSlider does: styles are asked for tick marks only when there are some.
    if (tickPosition() != NoTicks) {
        QStyleOptionSlider ticks = option;
        ticks.subControls = QStyle::SC_SliderTickmarks;
        painter.drawComplexControl(QStyle::CC_Slider, ticks);
    }

    QRect minHandleRect = sliderHandleRect(this, option, getMinHandleValue());
    QRect maxHandleRect = sliderHandleRect(this, option, getMaxHandleValue());
    if (minimumHeight() > minHandleRect.height()) {
        minHandleRect.setHeight(minimumHeight());
    }
    if (minimumHeight() > maxHandleRect.height()) {
        maxHandleRect.setHeight(minimumHeight());
    }

    // A model without a current colormap paints as no model at all.
    const Models::ColormapInterface *colormap = d->colormapModel ? d->colormapModel->getCurrentColormap() : nullptr;
    const QMap<double, QColor> stops = colormap ? colormap->getColorValues() : QMap<double, QColor>();

    if (!d->boundColormapToRange && colormap) {
        // The groove left and right of the range: a rounded end that stays, a straight one that moves.
        const auto outer = [&](const QRectF &rect, Helpers::StraightCornerFlags straight, const QColor &color) {
            drawPiece(&painter, rect, std::max(0.0, std::min<qreal>(radius, rect.height() / 2.0)), OuterPiece, radius,
                      int(straight), color, [radius, straight, color](QPainter *p, const QRectF &area) {
                          p->setRenderHint(QPainter::Antialiasing, true);
                          p->setPen(Qt::NoPen);
                          p->setBrush(color);
                          Helpers::drawRoundedRectShape(area, radius, straight, p);
                      });
        };
        outer(grooveF.adjusted(1.0, 1.0, -(grooveF.width() - minHandleRect.center().x()), -1.0),
              Helpers::TopRightCorner | Helpers::BottomRightCorner, shade(stops.value(0.0, QColor())));
        outer(grooveF.adjusted(maxHandleRect.center().x() + 1, 1.0, -1.0, -1.0),
              Helpers::TopLeftCorner | Helpers::BottomLeftCorner, shade(stops.value(1.0, QColor())));
    }

    const int minCenter = minHandleRect.center().x();
    const int maxCenter = maxHandleRect.center().x();
    QRectF box(grooveF);
    box.setLeft(std::min(minCenter, maxCenter));
    box.setRight(std::max(minCenter, maxCenter));
    // The pointer is asked for once: on some window systems that is a round trip.
    const QPointF cursor = mapFromGlobal(QCursor::pos());
    const QRectF gap = box.adjusted(minHandleRect.width() / 2, 0.5, -(maxHandleRect.width() / 2), -0.5);
    const bool rangeHovered = gap.contains(cursor);
    const QColor frameColor = stateBrush(isMinimumHandleDown() && isMaximumHandleDown(), rangeHovered).color();
    box.adjust(0, 0.5, 1.5, -0.5);

    painter.setPen(Qt::NoPen);
    if (colormap && colormap->isDiscrete()) {
        drawRangeFrame(&painter, box, frameColor);
        const int count = stops.size();
        if (count > 0) {
            int sectionWidth = static_cast<int>(box.width() / count);
            if (box.width() > sectionWidth * count) {
                sectionWidth += 1;
            }
            box.setTop(box.top() + 1.0);
            int i = 0;
            for (auto it = stops.constBegin(); it != stops.constEnd(); ++it, ++i) {
                painter.setBrush(shade(it.value()));
                painter.drawRect(static_cast<int>(box.x() + i * sectionWidth), static_cast<int>(box.y()), sectionWidth,
                                 static_cast<int>(box.height()));
            }
        }
    } else if (colormap) {
        QLinearGradient gradient(box.topLeft(), box.bottomRight());
        for (auto it = stops.constBegin(); it != stops.constEnd(); ++it) {
            gradient.setColorAt(qBound(0.0, it.key(), 1.0), shade(it.value()));
        }
        painter.setBrush(gradient);
        painter.drawRect(fillUnderFrame(box, frameColor));
        drawRangeFrame(&painter, box, frameColor);
    }

    drawHandle(&painter, minHandleRect, MinimumHandle, isMinimumHandleDown(),
               QRectF(minHandleRect).contains(cursor) || rangeHovered);
    drawHandle(&painter, maxHandleRect, MaximumHandle, isMaximumHandleDown(),
               QRectF(maxHandleRect).contains(cursor) || rangeHovered);
}

} // namespace Components
} // namespace Nalu
