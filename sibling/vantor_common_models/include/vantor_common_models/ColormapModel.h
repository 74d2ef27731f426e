// SPDX-License-Identifier: MIT

#pragma once

#include <vantor_common_models/ColormapInterface.h>

#include <QObject>
#include <QVector>

#include <memory>

namespace Nalu {
namespace Models {

class ColormapModelPrivate;

/**
 * @brief Holds the selected colormap and the list offered to choose from; owns neither.
 *
 * Colormaps are plain objects that cannot report their destruction, so callers keep them
 * alive while they are set here (the Colormaps:: ones live for the whole program).
 */
class VANTOR_COMMON_MODELS_EXPORT ColormapModel : public QObject
{
    Q_OBJECT
    /** @brief Selected colormap, or null (the default) for none. */
    Q_PROPERTY(const Nalu::Models::ColormapInterface *currentColormap READ getCurrentColormap WRITE setCurrentColormap
                   NOTIFY currentColormapChanged)
    /** @brief Colormaps offered for selection; empty by default. */
    Q_PROPERTY(QVector<const Nalu::Models::ColormapInterface *> colormaps READ getColormaps WRITE setColormaps NOTIFY
                   colormapsChanged)

public:
    /** @brief Creates a model offering no colormap, with none selected. */
    explicit ColormapModel(QObject *parent = nullptr);
    ~ColormapModel() override;

    /** @brief The selected colormap, or null (the currentColormap property). */
    const ColormapInterface *getCurrentColormap() const;
    /** @brief The colormaps offered, in order (the colormaps property). */
    QVector<const ColormapInterface *> getColormaps() const;

public Q_SLOTS:
    /** @brief Selects @p colormap (null for none); selecting the current one again does nothing. */
    void setCurrentColormap(const Nalu::Models::ColormapInterface *colormap);
    /**
     * @brief Replaces the offered colormaps; null entries and repeats are dropped, order kept.
     * The current colormap is left alone even when it is not in the list.
     */
    void setColormaps(const QVector<const Nalu::Models::ColormapInterface *> &colormaps);

Q_SIGNALS:
    /** @brief Emitted by setCurrentColormap() when the selection changed, with the new colormap (null for none). */
    void currentColormapChanged(const Nalu::Models::ColormapInterface *colormap);
    /** @brief Emitted by setColormaps() when the cleaned list differs from the previous one. */
    void colormapsChanged();

private:
    Q_DISABLE_COPY(ColormapModel)
    std::unique_ptr<ColormapModelPrivate> const d;
};

} // namespace Models
} // namespace Nalu
