// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ErrorLineEdit.h>

#include "ErrorState_p.h"

#include <QPainter>
#include <QStyleOptionFrame>

#include <vantor_common_utils/Helpers.h>

namespace Nalu {
namespace Components {

class ErrorLineEditPrivate : public Internal::ErrorState
{
public:
    using ErrorState::ErrorState;
};

ErrorLineEdit::ErrorLineEdit(QWidget *parent)
    : QLineEdit(parent)
    , d(std::make_unique<ErrorLineEditPrivate>(tr("Error")))
{
    Internal::keepErrorTextsTranslated(this, *d, [] { return tr("Error"); });
}

ErrorLineEdit::ErrorLineEdit(const QString &contents, QWidget *parent)
    : QLineEdit(contents, parent)
    , d(std::make_unique<ErrorLineEditPrivate>(tr("Error")))
{
    Internal::keepErrorTextsTranslated(this, *d, [] { return tr("Error"); });
}

ErrorLineEdit::~ErrorLineEdit() = default;

bool ErrorLineEdit::getErrorState() const
{
    return d->errorState;
}

const QString &ErrorLineEdit::getErrorMessage() const
{
    return d->errorMessage;
}

void ErrorLineEdit::setErrorState(bool errorState)
{
    Internal::assignErrorState(this, *d, errorState);
}

void ErrorLineEdit::setErrorMessage(const QString &errorMessage)
{
    Internal::assignErrorMessage(this, *d, errorMessage);
}

bool ErrorLineEdit::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip) {
        return QLineEdit::event(event);
    }
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int half = Internal::indicatorHalf(this, option);
    return Internal::showErrorToolTip(this, event, *d, Internal::indicatorZone(this, rect(), half));
}

void ErrorLineEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (hasFrame() || !d->errorState) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int half = Internal::indicatorHalf(this, option);
    const QRect marker(rect().topRight().x() - half, rect().topRight().y(), half, half);
    if (isRightToLeft()) {
        // The marker takes the top-left corner, its right angle there.
        painter.translate(width(), 0);
        painter.scale(-1, 1);
    }
    Nalu::Helpers::drawInputStatusIndicator(QRectF(marker.adjusted(0, 0, 1, 0)), 0, QColor(Qt::red), &painter);
}

} // namespace Components
} // namespace Nalu
