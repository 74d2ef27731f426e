// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QTabBar>

namespace Nalu {
namespace Components {

/**
 * @brief A tab bar whose tabs the application style stretches over the whole width of the bar (or its height, for
 * vertical tabs).
 *
 * A QTabBar marked for the style to stretch its tabs over the whole bar.
 *
 * Style sheet selector: stretched=true, set in the constructor; the stretching itself is the style's.
 */
class COMPONENTSLIBRARY_EXPORT TabBarStretched : public QTabBar
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A tab bar whose tabs the application style stretches over the whole width of the bar (or its "
                "height, for vertical tabs). It carries the style selector property stretched=true.")

public:
    /** @brief Creates the tab bar with the selector property stretched=true. */
    explicit TabBarStretched(QWidget *parent = nullptr);
    ~TabBarStretched() override;

private:
    Q_DISABLE_COPY(TabBarStretched)
};

} // namespace Components
} // namespace Nalu
