// SPDX-License-Identifier: MIT

#pragma once

// Internal: checks before a component takes a caller's widget into its own widget tree.

#include <QWidget>
#include <QtGlobal>

namespace Nalu {
namespace Components {
namespace Internal {

// Whether @p widget may become a descendant of @p host. The host itself or one of its ancestors may not: the
// widget tree would become a cycle, which Qt walks forever (painting, focus, deletion). Such a call is
// ignored with a warning that names it (@p call, "Class::function").
inline bool mayAdopt(const QWidget *host, const QWidget *widget, const char *call)
{
    for (const QWidget *ancestor = host; ancestor && widget; ancestor = ancestor->parentWidget()) {
        if (ancestor == widget) {
            qWarning("Nalu::Components::%s: the widget is the component or one of its ancestors; ignored", call);
            return false;
        }
    }
    return true;
}

} // namespace Internal
} // namespace Components
} // namespace Nalu
