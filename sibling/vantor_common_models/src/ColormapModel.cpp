// SPDX-License-Identifier: MIT

#include <vantor_common_models/ColormapModel.h>

namespace Nalu {
namespace Models {

class ColormapModelPrivate
{
public:
    const ColormapInterface *currentColormap = nullptr; // observed, never owned
    QVector<const ColormapInterface *> colormaps; // observed, never owned
};

ColormapModel::ColormapModel(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<ColormapModelPrivate>())
{
}

ColormapModel::~ColormapModel() = default;

const ColormapInterface *ColormapModel::getCurrentColormap() const
{
    return d->currentColormap;
}

QVector<const ColormapInterface *> ColormapModel::getColormaps() const
{
    return d->colormaps;
}

void ColormapModel::setCurrentColormap(const Nalu::Models::ColormapInterface *colormap)
{
    if (d->currentColormap == colormap) {
        return;
    }
    d->currentColormap = colormap;
    Q_EMIT currentColormapChanged(colormap);
}

void ColormapModel::setColormaps(const QVector<const Nalu::Models::ColormapInterface *> &colormaps)
{
    QVector<const ColormapInterface *> cleaned;
    cleaned.reserve(colormaps.size());
    for (const ColormapInterface *colormap : colormaps) {
        if (colormap && !cleaned.contains(colormap)) {
            cleaned.append(colormap);
        }
    }
    if (cleaned == d->colormaps) {
        return;
    }
    d->colormaps = cleaned;
    Q_EMIT colormapsChanged();
}

} // namespace Models
} // namespace Nalu
