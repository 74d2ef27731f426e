// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <vantor_common_utils/Helpers.h>

#include <QPixmap>
#include <QWidget>

#include <memory>

namespace Nalu {
namespace Components {

class RoundedPixmapPrivate;

/**
 * @brief Shows a pixmap clipped to a rounded rectangle and outlined with the theme's border colour.
 *
 * Reads the theme properties "CornerRadius" and "BorderBrush" at paint time; corners can be squared one by one.
 */
class COMPONENTSLIBRARY_EXPORT RoundedPixmap : public QWidget
{
    Q_OBJECT
    /** @brief The image shown, tiled from the top-left corner; default a null pixmap. */
    Q_PROPERTY(QPixmap roundedPixmap READ roundedPixmap WRITE setPixmap NOTIFY pixmapChanged)

public:
    /** @brief Creates the widget with a null pixmap and rounded corners. */
    explicit RoundedPixmap(QWidget *parent = nullptr);
    /** @brief Creates the widget showing @p pixmap, with rounded corners. */
    explicit RoundedPixmap(const QPixmap &pixmap, QWidget *parent = nullptr);
    ~RoundedPixmap() override;

    /** @brief The stored pixmap; never null. */
    const QPixmap *getPixmap() const;
    /** @brief Stores the pixmap and repaints; emits pixmapChanged even when the pixmap is the same. */
    void setPixmap(const QPixmap &pixmap);

    /** @brief The corners drawn square; default none (0). */
    Nalu::Helpers::StraightCornerFlags getStraightCornerFlags() const;
    /** @brief Sets the corners drawn square and repaints. */
    void setStraightCornerFlags(Nalu::Helpers::StraightCornerFlags flags);

    /** @brief The pixmap's size in device-independent pixels. */
    QSize sizeHint() const override;

Q_SIGNALS:
    /** @brief Emitted by every setPixmap() call, after the repaint was requested, with the new pixmap. */
    void pixmapChanged(const QPixmap &pixmap);

protected:
    /** @brief Fills a rounded rectangle (square where the straight-corner flags say) with the tiled pixmap and draws
     * its border from the theme properties. */
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap roundedPixmap() const;

    Q_DISABLE_COPY(RoundedPixmap)
    std::unique_ptr<RoundedPixmapPrivate> const d;
};

} // namespace Components
} // namespace Nalu
