// SPDX-License-Identifier: MIT

#include <vantor_common_models/Colormap.h>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace Nalu {
namespace Models {

class ColormapPrivate
{
public:
    QString name;
    bool discrete = false;
    QMap<double, QColor> colorValues;
};

namespace {

QMap<double, QColor> cleanedStops(const QMap<double, QColor> &input)
{
    QMap<double, QColor> stops;
    for (auto it = input.constBegin(); it != input.constEnd(); ++it) {
        if (!std::isfinite(it.key()) || !it.value().isValid()) {
            continue;
        }
        // Keys arrive ascending, so when clamping merges positions the later colour wins,
        // as it would for a later stop at the same position.
        double position = std::clamp(it.key(), 0.0, 1.0);
        if (position == 0.0) {
            position = 0.0; // -0.0 compares equal but would print as "-0"
        }
        stops.insert(position, it.value());
    }
    if (stops.size() == 1) {
        const QColor only = stops.first();
        stops.clear();
        stops.insert(0.0, only);
    } else if (stops.size() > 1) {
        const QColor first = stops.first();
        const QColor last = stops.last();
        if (stops.firstKey() > 0.0) {
            stops.insert(0.0, first);
        }
        if (stops.lastKey() < 1.0) {
            stops.insert(1.0, last);
        }
    }
    return stops;
}

QMap<double, QColor> evenlySpaced(const QVector<QColor> &input)
{
    QVector<QColor> colors;
    colors.reserve(input.size());
    std::copy_if(input.cbegin(), input.cend(), std::back_inserter(colors),
                 [](const QColor &color) { return color.isValid(); });

    QMap<double, QColor> stops;
    const int count = colors.size();
    if (count == 1) {
        stops.insert(0.0, colors.first());
        return stops;
    }
    for (int i = 0; i < count; ++i) {
        // The last colour goes to exactly 1.0, whatever i / (n - 1) rounds to.
        const double position = i == count - 1 ? 1.0 : double(i) / double(count - 1);
        stops.insert(position, colors.at(i));
    }
    return stops;
}

std::shared_ptr<const ColormapPrivate> makePrivate(const QString &name, bool discrete, QMap<double, QColor> colorValues)
{
    auto d = std::make_shared<ColormapPrivate>();
    d->name = name;
    d->discrete = discrete;
    d->colorValues = std::move(colorValues);
    return d;
}

} // namespace

Colormap::Colormap(const QString &name, const QMap<double, QColor> &colorValues, bool discrete)
    : d(makePrivate(name, discrete, cleanedStops(colorValues)))
{
}

Colormap::Colormap(const QString &name, const QVector<QColor> &colors, bool discrete)
    : d(makePrivate(name, discrete, evenlySpaced(colors)))
{
}

Colormap::Colormap(const Colormap &other) = default;
Colormap::Colormap(Colormap &&other) noexcept = default;
Colormap &Colormap::operator=(const Colormap &other) = default;
Colormap &Colormap::operator=(Colormap &&other) noexcept = default;
Colormap::~Colormap() = default;

QString Colormap::getName() const
{
    return d->name;
}

bool Colormap::isDiscrete() const
{
    return d->discrete;
}

QMap<double, QColor> Colormap::getColorValues() const
{
    return d->colorValues;
}

namespace Colormaps {

const ColormapInterface *viridisLike()
{
    // The viridis map sampled at i / 8.
    static const Colormap colormap(
        QStringLiteral("Viridis"),
        QVector<QColor> {QColor(0x44, 0x01, 0x54), QColor(0x47, 0x2d, 0x7b), QColor(0x3b, 0x52, 0x8b),
                         QColor(0x2c, 0x72, 0x8e), QColor(0x21, 0x90, 0x8c), QColor(0x27, 0xad, 0x81),
                         QColor(0x5d, 0xc8, 0x63), QColor(0xaa, 0xdc, 0x32), QColor(0xfd, 0xe7, 0x25)},
        false);
    return &colormap;
}

const ColormapInterface *categorical10()
{
    static const Colormap colormap(QStringLiteral("Category 10"),
                                   QVector<QColor> {QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e),
                                                    QColor(0x2c, 0xa0, 0x2c), QColor(0xd6, 0x27, 0x28),
                                                    QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
                                                    QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f),
                                                    QColor(0xbc, 0xbd, 0x22), QColor(0x17, 0xbe, 0xcf)},
                                   true);
    return &colormap;
}

const ColormapInterface *grayscale()
{
    static const Colormap colormap(QStringLiteral("Grayscale"), QVector<QColor> {QColor(Qt::black), QColor(Qt::white)},
                                   false);
    return &colormap;
}

QVector<const ColormapInterface *> all()
{
    return {viridisLike(), categorical10(), grayscale()};
}

} // namespace Colormaps

} // namespace Models
} // namespace Nalu
