// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ErrorComboBox.h>

#include "ErrorState_p.h"

#include <QStyleOptionComboBox>

namespace Nalu {
namespace Components {

class ErrorComboBoxPrivate : public Internal::ErrorState
{
public:
    using ErrorState::ErrorState;
};

ErrorComboBox::ErrorComboBox(QWidget *parent)
    : QComboBox(parent)
    , d(std::make_unique<ErrorComboBoxPrivate>(tr("Error")))
{
    Internal::keepErrorTextsTranslated(this, *d, [] { return tr("Error"); });
    setMouseTracking(true);
}

ErrorComboBox::~ErrorComboBox() = default;

bool ErrorComboBox::getErrorState() const
{
    return d->errorState;
}

const QString &ErrorComboBox::getErrorMessage() const
{
    return d->errorMessage;
}

void ErrorComboBox::setErrorState(bool errorState)
{
    Internal::assignErrorState(this, *d, errorState);
}

void ErrorComboBox::setErrorMessage(const QString &errorMessage)
{
    Internal::assignErrorMessage(this, *d, errorMessage);
}

bool ErrorComboBox::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip) {
        return QComboBox::event(event);
    }
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const int half = Internal::indicatorHalf(this, option);
    return Internal::showErrorToolTip(this, event, *d, Internal::indicatorZone(this, rect(), half));
}

} // namespace Components
} // namespace Nalu
