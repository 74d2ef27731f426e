// SPDX-License-Identifier: MIT

#pragma once

// Internal: keeps the default texts of a component in the current language.

#include <QObject>
#include <QString>

#include <functional>

namespace Nalu {
namespace Components {
namespace Internal {

// Calls @p retranslate each time @p watched receives QEvent::LanguageChange (an application
// translator was installed or removed). The filter is a child of @p watched.
void onLanguageChange(QObject *watched, std::function<void()> retranslate);

// Calls @p apply now and on each language change: for texts built from translated pieces that a
// component hands over once (accessible names and descriptions), so nothing reads them again later.
void keepTranslated(QObject *watched, const std::function<void()> &apply);

// A default text shown by a component: @p translated gives it in the current language, @p current
// reads what the component shows and @p apply shows a new text. On each language change the text
// is translated again, but only while the component still shows the default: a text the
// application set itself stays.
void keepDefaultText(QObject *watched, std::function<QString()> translated, std::function<QString()> current,
                     std::function<void(const QString &)> apply);

// The usual case: the text() / setText() pair of a button or label.
template<typename Widget>
void keepDefaultText(Widget *widget, std::function<QString()> translated)
{
    keepDefaultText(
        widget, std::move(translated), [widget] { return widget->text(); },
        [widget](const QString &text) { widget->setText(text); });
}

} // namespace Internal
} // namespace Components
} // namespace Nalu
