// SPDX-License-Identifier: MIT

#pragma once

#include <vantor_common_models/vantor_common_models_export.h>

#include <QColor>
#include <QMap>
#include <QMetaType>
#include <QString>

namespace Nalu {
namespace Models {

/**
 * @brief Abstract named colormap: colour stops over [0, 1], continuous or discrete.
 *
 * getColorValues() holds the stops in ascending order from 0.0 to 1.0, both keys present
 * exactly. A discrete colormap of n colours places them at i / (n - 1); a single colour
 * sits alone at 0.0.
 */
class VANTOR_COMMON_MODELS_EXPORT ColormapInterface
{
public:
    virtual ~ColormapInterface();

    virtual QString getName() const = 0;
    /** @brief True when the colours are distinct classes that must not be interpolated. */
    virtual bool isDiscrete() const = 0;
    virtual QMap<double, QColor> getColorValues() const = 0;

protected:
    // Copying through the interface would slice; only implementations may copy.
    ColormapInterface() = default;
    ColormapInterface(const ColormapInterface &) = default;
    ColormapInterface(ColormapInterface &&) = default;
    ColormapInterface &operator=(const ColormapInterface &) = default;
    ColormapInterface &operator=(ColormapInterface &&) = default;
};

} // namespace Models
} // namespace Nalu

// Lets the pointer travel through signals, properties, QVariant and QSignalSpy.
Q_DECLARE_METATYPE(const Nalu::Models::ColormapInterface *)
