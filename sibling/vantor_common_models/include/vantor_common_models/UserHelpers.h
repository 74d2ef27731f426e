// SPDX-License-Identifier: MIT

#pragma once

#include <vantor_common_models/vantor_common_models_export.h>

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QIcon;
QT_END_NAMESPACE

namespace Nalu {
namespace Models {

/** @brief Stateless helpers around users; not instantiable. */
class VANTOR_COMMON_MODELS_EXPORT UserHelpers
{
public:
    UserHelpers() = delete;

    /**
     * @brief Neutral avatar (head-and-shoulders silhouette in a circle) for users without a picture.
     *
     * The icon is drawn on demand at the requested size, so it is sharp at any size and keeps
     * no pixmap alive: the shared instance may safely outlive the application object. Painting
     * it (pixmap(), paint()) needs a QGuiApplication, as for any icon.
     */
    static const QIcon &getDefaultAvatar();
};

} // namespace Models
} // namespace Nalu
