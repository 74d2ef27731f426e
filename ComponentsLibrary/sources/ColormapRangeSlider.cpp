// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ColormapRangeSlider.h>

#include "Accessibility_p.h"
#include "DefaultText_p.h"
#include "DevicePixels_p.h"
#include "RangeSlider_p.h"

#include <vantor_common_models/HistogramModel.h>
#include <vantor_common_utils/Helpers.h>

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QStylePainter>

#include <algorithm>

namespace Nalu {
namespace Components {

namespace {

// The groove's pattern, in squares of 5 pixels, at @p ratio device pixels per pixel.
QBrush chessboard(bool enabled, qreal ratio, qreal *size)
{
    const QColor dark = enabled ? QColor(Qt::black) : QColor(Qt::black).lighter(150);
    const QColor grey = enabled ? QColor(70, 70, 70, 255) : QColor(70, 70, 70, 255).darker(200);
    return Internal::chessboardBrush(5, dark, grey, ratio, size);
}

} // namespace

// The fields of the colormap slider and its look: a chessboard groove, as tall as the minimum height,
// and the colormap in place of the range bar.
class ColormapRangeSliderPrivate : public RangeSliderLook
{
public:
    explicit ColormapRangeSliderPrivate(ColormapRangeSlider *slider)
        : q(slider)
        , base(RangeSliderPrivate::get(slider))
    {
    }

    int minimumPaintedHeight() const override { return q->minimumHeight(); }
    void paintGroove(QPainter *painter, const QRectF &groove, int radius) override;
    void paintRange(QPainter *painter, const RangeSliderParts &parts) override;

    QColor shade(const QColor &color) const { return q->isEnabled() ? color : color.darker(200); }

    ColormapRangeSlider *const q;
    RangeSliderPrivate *const base;
    bool histogramVisible = false;
    bool boundColormapToRange = false;
    // Not owned; QPointer so that a model deleted behind our back paints as no model.
    QPointer<Models::ColormapModel> colormapModel;
    QPointer<Models::HistogramModel> histogramModel;
    QList<QMetaObject::Connection> modelConnections;
    // The gradient of the range, kept with what its stops were made from: inserting each stop is dear, while
    // the colormap and the state rarely change between paints.
    QLinearGradient gradient;
    QMap<double, QColor> gradientColors;
    bool gradientEnabled = false;
    bool gradientValid = false;

    // Assistive technologies read the name of the colormap in the description; it follows the model.
    void describeColormap()
    {
        const Models::ColormapInterface *colormap = colormapModel ? colormapModel->getCurrentColormap() : nullptr;
        Accessibility::setDescriptionPart(
            q, colormap ? ColormapRangeSlider::tr("Colormap: %1").arg(colormap->getName()) : QString());
    }
};

ColormapRangeSlider::ColormapRangeSlider(QWidget *parent)
    : RangeSlider(parent)
    , d(std::make_unique<ColormapRangeSliderPrivate>(this))
{
    ColormapRangeSlider::init();
    Internal::onLanguageChange(this, [this] { d->describeColormap(); });
}

ColormapRangeSlider::~ColormapRangeSlider()
{
    // A model that is a child of this slider dies in QWidget's destructor, after this object's state is gone.
    for (const QMetaObject::Connection &connection : qAsConst(d->modelConnections)) {
        disconnect(connection);
    }
}

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
    for (const QMetaObject::Connection &connection : qAsConst(d->modelConnections)) {
        disconnect(connection);
    }
    d->modelConnections.clear();
    d->colormapModel = colormapModel;
    if (colormapModel) {
        // Only the description follows the model; the painting still does not.
        const auto describe = [this] { d->describeColormap(); };
        d->modelConnections << connect(colormapModel, &Models::ColormapModel::currentColormapChanged, this, describe)
                            << connect(colormapModel, &QObject::destroyed, this, describe);
    }
    d->describeColormap();
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
    d->base->paint(&painter, *d);
}

void ColormapRangeSliderPrivate::paintGroove(QPainter *painter, const QRectF &groove, int radius)
{
    const bool enabled = q->isEnabled();
    const QColor border = base->themeBrush(RangeSliderPrivate::BorderIndex).color();
    QByteArray key;
    key.reserve(64); // one allocation for the whole key
    appendKey(key, groove.x(), groove.y(), groove.width(), groove.height(), radius, border.rgba64(), 'c', enabled);
    base->paintGrooveCached(painter, groove.toAlignedRect(), key, [&](QPainter *layer) {
        QPen pen(border, 1);
        pen.setJoinStyle(Qt::MiterJoin);
        layer->setPen(pen);
        qreal size = 0;
        layer->setBrush(chessboard(enabled, Internal::deviceRatio(layer), &size));
        // Centre the pattern on the groove.
        const QPointF center(groove.x() + groove.width() / 2.0, groove.y() + groove.height() / 2.0);
        layer->setBrushOrigin(
            QPoint(static_cast<int>(center.x() - size / 2.0), static_cast<int>(center.y() - size / 2.0)));
        Helpers::drawRoundedRectShape(groove.adjusted(0.5, 0.5, -0.5, -0.5), radius, Helpers::NoStraightCorner, layer);
    });
}

// Beside the range the first and last colours, unless the colormap is bound to the range; between the
// handles the colormap, in equal sections when it is discrete, else as a gradient.
void ColormapRangeSliderPrivate::paintRange(QPainter *painter, const RangeSliderParts &parts)
{
    // A model without a current colormap paints as no model at all.
    const Models::ColormapInterface *colormap = colormapModel ? colormapModel->getCurrentColormap() : nullptr;
    if (!colormap) {
        return;
    }
    const QMap<double, QColor> stops = colormap->getColorValues();
    const QRectF &groove = parts.groove;
    const int radius = parts.radius;
    const bool mirror = base->mirrored();

    if (!boundColormapToRange) {
        // A rounded end that stays, a straight one that moves.
        const auto outer = [&](const QRectF &rect, Helpers::StraightCornerFlags straight, const QColor &color) {
            base->pieces.drawShape(painter, rect, std::max(0.0, std::min<qreal>(radius, rect.height() / 2.0)),
                                   OuterPiece, radius, int(straight), color,
                                   [radius, straight, color](QPainter *p, const QRectF &area) {
                                       p->setRenderHint(QPainter::Antialiasing, true);
                                       p->setPen(Qt::NoPen);
                                       p->setBrush(color);
                                       Helpers::drawRoundedRectShape(area, radius, straight, p);
                                   });
        };
        // Left and right of the range, mirrored when the minimum lies on the right.
        const QRect &left = mirror ? parts.maxHandle : parts.minHandle;
        const QRect &right = mirror ? parts.minHandle : parts.maxHandle;
        outer(groove.adjusted(1.0, 1.0, -(groove.width() - left.center().x()), -1.0),
              Helpers::TopRightCorner | Helpers::BottomRightCorner, shade(stops.value(mirror ? 1.0 : 0.0, QColor())));
        outer(groove.adjusted(right.center().x() + 1, 1.0, -1.0, -1.0),
              Helpers::TopLeftCorner | Helpers::BottomLeftCorner, shade(stops.value(mirror ? 0.0 : 1.0, QColor())));
    }

    QRectF box = parts.box.adjusted(0, 0.5, 1.5, -0.5);
    painter->setPen(Qt::NoPen);
    if (colormap->isDiscrete()) {
        base->pieces.drawFrame(painter, box, parts.state);
        const int count = stops.size();
        if (count == 0) {
            return;
        }
        // Sections of whole pixels that cover the box; the last one may overhang.
        int sectionWidth = static_cast<int>(box.width() / count);
        if (box.width() > sectionWidth * count) {
            sectionWidth += 1;
        }
        box.setTop(box.top() + 1.0);
        int i = 0;
        for (auto it = stops.constBegin(); it != stops.constEnd(); ++it, ++i) {
            painter->setBrush(shade(it.value()));
            const int section = mirror ? count - 1 - i : i;
            painter->drawRect(static_cast<int>(box.x() + section * sectionWidth), static_cast<int>(box.y()),
                              sectionWidth, static_cast<int>(box.height()));
        }
        return;
    }
    const bool enabled = q->isEnabled();
    if (!gradientValid || gradientEnabled != enabled || gradientColors != stops) {
        gradient = QLinearGradient();
        for (auto it = stops.constBegin(); it != stops.constEnd(); ++it) {
            gradient.setColorAt(qBound(0.0, it.key(), 1.0), shade(it.value()));
        }
        gradientColors = stops;
        gradientEnabled = enabled;
        gradientValid = true;
    }
    gradient.setStart(mirror ? box.topRight() : box.topLeft());
    gradient.setFinalStop(mirror ? box.bottomLeft() : box.bottomRight());
    painter->setBrush(gradient);
    painter->drawRect(fillUnderFrame(box, parts.state));
    base->pieces.drawFrame(painter, box, parts.state);
}

} // namespace Components
} // namespace Nalu
