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

    /** @brief The colormap's display name. */
    virtual QString getName() const = 0;
    /** @brief True when the colours are distinct classes that must not be interpolated. */
    virtual bool isDiscrete() const = 0;
    /** @brief The stops, position in [0, 1] to colour, in ascending order with both 0.0 and 1.0 present (empty for an
     * empty colormap). */
    virtual QMap<double, QColor> getColorValues() const = 0;

protected:
    // Copying through the interface would slice; only implementations may copy.
    ColormapInterface() = default;
    /** @brief For implementations only: copying through the interface would slice. */
    ColormapInterface(const ColormapInterface &) = default;
    /** @brief For implementations only: moving through the interface would slice. */
    ColormapInterface(ColormapInterface &&) = default;
    /** @brief For implementations only: assigning through the interface would slice. */
    ColormapInterface &operator=(const ColormapInterface &) = default;
    /** @brief For implementations only: assigning through the interface would slice. */
    ColormapInterface &operator=(ColormapInterface &&) = default;
};

} // namespace Models
} // namespace Nalu

// Lets the pointer travel through signals, properties, QVariant and QSignalSpy.
Q_DECLARE_METATYPE(const Nalu::Models::ColormapInterface *)
