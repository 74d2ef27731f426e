// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ErrorCheckBox.h>

#include "ErrorState_p.h"

#include <QStyleOptionButton>

namespace Nalu {
namespace Components {

class ErrorCheckBoxPrivate : public Internal::ErrorState
{
public:
    using ErrorState::ErrorState;

    // Where the check indicator was last painted; empty until the first paint.
    QRect indicatorArea;
};

ErrorCheckBox::ErrorCheckBox(QWidget *parent)
    : QCheckBox(parent)
    , d(std::make_unique<ErrorCheckBoxPrivate>(tr("Error")))
{
    Internal::keepErrorTextsTranslated(this, *d, [] { return tr("Error"); });
    setMouseTracking(true);
}

ErrorCheckBox::ErrorCheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
    , d(std::make_unique<ErrorCheckBoxPrivate>(tr("Error")))
{
    Internal::keepErrorTextsTranslated(this, *d, [] { return tr("Error"); });
    setMouseTracking(true);
}

ErrorCheckBox::~ErrorCheckBox() = default;

bool ErrorCheckBox::getErrorState() const
{
    return d->errorState;
}

const QString &ErrorCheckBox::getErrorMessage() const
{
    return d->errorMessage;
}

void ErrorCheckBox::setErrorState(bool errorState)
{
    Internal::assignErrorState(this, *d, errorState);
}

void ErrorCheckBox::setErrorMessage(const QString &errorMessage)
{
    Internal::assignErrorMessage(this, *d, errorMessage);
}

bool ErrorCheckBox::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip) {
        return QCheckBox::event(event);
    }
    return Internal::showErrorToolTip(this, event, *d, d->indicatorArea);
}

void ErrorCheckBox::paintEvent(QPaintEvent *event)
{
    QCheckBox::paintEvent(event);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int half = Internal::indicatorHalf(this, option);
    const QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    d->indicatorArea = Internal::indicatorZone(this, indicator, half);
}

} // namespace Components
} // namespace Nalu
