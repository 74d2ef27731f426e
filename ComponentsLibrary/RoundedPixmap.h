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
    explicit RoundedPixmap(QWidget *parent = nullptr);
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

    QSize sizeHint() const override;

Q_SIGNALS:
    void pixmapChanged(const QPixmap &pixmap);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap roundedPixmap() const;

    Q_DISABLE_COPY(RoundedPixmap)
    std::unique_ptr<RoundedPixmapPrivate> const d;
};

} // namespace Components
} // namespace Nalu
