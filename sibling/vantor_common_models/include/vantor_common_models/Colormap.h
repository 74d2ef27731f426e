// SPDX-License-Identifier: MIT

#pragma once

#include <vantor_common_models/ColormapInterface.h>

#include <QVector>

#include <memory>

namespace Nalu {
namespace Models {

class ColormapPrivate;

/**
 * @brief Immutable colormap built from colour stops or from a list of colours; cheap to copy.
 *
 * Input is cleaned so that getColorValues() keeps the ColormapInterface rules: stops with a
 * non-finite position or an invalid colour are dropped, positions are clamped to [0, 1], and
 * when more than one colour remains the first and last colours are repeated at 0.0 and 1.0 if
 * those keys are missing. A single remaining colour is placed at 0.0. With no colour left the
 * map is empty.
 */
class VANTOR_COMMON_MODELS_EXPORT Colormap : public ColormapInterface
{
public:
    /** @brief Colormap from explicit stops (position in [0, 1] -> colour); continuous by default. */
    explicit Colormap(const QString &name, const QMap<double, QColor> &colorValues, bool discrete = false);
    /** @brief Colormap from evenly spaced colours, colour i at i / (n - 1); discrete by default. */
    explicit Colormap(const QString &name, const QVector<QColor> &colors, bool discrete = true);
    /** @brief Copies @p other; both share the same immutable data. */
    Colormap(const Colormap &other);
    /** @brief Takes over the data of @p other. */
    Colormap(Colormap &&other) noexcept;
    /** @brief Makes this colormap share the immutable data of @p other. */
    Colormap &operator=(const Colormap &other);
    /** @brief Takes over the data of @p other. */
    Colormap &operator=(Colormap &&other) noexcept;
    ~Colormap() override;

    /** @brief The name given at construction. */
    QString getName() const override;
    bool isDiscrete() const override;
    /** @brief The cleaned stops, from 0.0 to 1.0 (empty for an empty map). */
    QMap<double, QColor> getColorValues() const override;

private:
    // Shared and never modified after construction, so copies just share it.
    std::shared_ptr<const ColormapPrivate> d;
};

/** @brief Ready-made colormaps; they live as long as the program and need no application object. */
namespace Colormaps {

/** @brief Perceptually uniform blue-green-yellow gradient (9 stops of the viridis map). */
VANTOR_COMMON_MODELS_EXPORT const ColormapInterface *viridisLike();
/** @brief Ten well-separated categorical colours, discrete. */
VANTOR_COMMON_MODELS_EXPORT const ColormapInterface *categorical10();
/** @brief Black to white gradient. */
VANTOR_COMMON_MODELS_EXPORT const ColormapInterface *grayscale();
/** @brief Every ready-made colormap above, in that order. */
VANTOR_COMMON_MODELS_EXPORT QVector<const ColormapInterface *> all();

} // namespace Colormaps

} // namespace Models
} // namespace Nalu
