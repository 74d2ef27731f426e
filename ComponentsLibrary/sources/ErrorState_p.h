// SPDX-License-Identifier: MIT

#pragma once

// Internal: the error state shared by the error-state inputs.

#include "Accessibility_p.h"
#include "DefaultText_p.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QRect>
#include <QString>
#include <QStyle>
#include <QToolTip>
#include <QVariant>
#include <QWidget>

namespace Nalu {
namespace Components {
namespace Internal {

struct ErrorState
{
    explicit ErrorState(const QString &message)
        : errorMessage(message)
    {
    }

    bool errorState = false;
    QString errorMessage;
};

// What assistive technologies add to the input's description: the error, not only its colour.
template<typename Input>
void describeError(Input *input, const ErrorState &state)
{
    QString part;
    if (state.errorState) {
        const QString message = Accessibility::plainText(state.errorMessage).trimmed();
        // One context for the three inputs: a template parameter is no context the translation tools know.
        const QString error = QCoreApplication::translate("Nalu::Components::ErrorState", "Error");
        part = message.isEmpty() || message == error
            ? error
            : QCoreApplication::translate("Nalu::Components::ErrorState", "Error: %1").arg(message);
    }
    Accessibility::setDescriptionPart(input, part);
}

// The default message and the description's "Error" follow the language; a message the
// application set stays, only the "Error" around it in the description changes.
template<typename Input>
void keepErrorTextsTranslated(Input *input, const ErrorState &state, std::function<QString()> defaultMessage)
{
    keepDefaultText(
        input, std::move(defaultMessage), [input] { return input->getErrorMessage(); },
        [input](const QString &message) { input->setErrorMessage(message); });
    onLanguageChange(input, [input, &state] { describeError(input, state); });
}

// The selector property only appears with the first change, so that untouched inputs carry none.
template<typename Input>
void assignErrorState(Input *input, ErrorState &state, bool value)
{
    if (state.errorState == value) {
        return;
    }
    state.errorState = value;
    input->setProperty("drawErrorIndicator", value);
    describeError(input, state);
    input->update();
    Q_EMIT input->errorStateChanged(value);
}

template<typename Input>
void assignErrorMessage(Input *input, ErrorState &state, const QString &value)
{
    if (state.errorMessage == value) {
        return;
    }
    state.errorMessage = value;
    describeError(input, state);
    input->update();
    Q_EMIT input->errorMessageChanged(value);
}

// Half the style's indicator width, truncated toward zero.
inline int indicatorHalf(const QWidget *widget, const QStyleOption &option)
{
    return static_cast<int>(widget->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, widget) / 2.0);
}

// The square zone that shows the error tip, hanging from the top-right corner of @p anchor to the left and
// down; from right to left, mirrored within @p anchor.
inline QRect indicatorZone(const QWidget *widget, const QRect &anchor, int half)
{
    const QPoint topRight = anchor.topRight();
    return QStyle::visualRect(widget->layoutDirection(), anchor,
                              QRect(topRight.x() - 2 * half, topRight.y(), 2 * half, 2 * half));
}

// Answers a tool-tip event: the error message over the zone while in error, the widget's own tip
// (or none) elsewhere. The event is always consumed.
inline bool showErrorToolTip(QWidget *widget, QEvent *event, const ErrorState &state, const QRect &zone)
{
    const auto *help = static_cast<QHelpEvent *>(event);
    if (state.errorState && zone.contains(help->pos())) {
        const QString text = QStringLiteral("<p class=\"errorTooltip\">") + state.errorMessage + QStringLiteral("</p>");
        QToolTip::showText(help->globalPos(), text, widget, zone);
    } else {
        QToolTip::showText(help->globalPos(), widget->toolTip(), nullptr);
    }
    return true;
}

} // namespace Internal
} // namespace Components
} // namespace Nalu
