// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/PillLabel.h>

#include "Accessibility_p.h"

#include <QPainter>
#include <QStyle>
#include <QVariant>

#include <vantor_common_utils/Helpers.h>

namespace Nalu {
namespace Components {

class PillLabelPrivate
{
public:
    QString text;
    QColor pillColor;
};

PillLabel::PillLabel(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<PillLabelPrivate>())
{
    setProperty("Pill_Font", true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

PillLabel::~PillLabel() = default;

QString PillLabel::getText() const
{
    return d->text;
}

void PillLabel::setText(const QString &text)
{
    if (d->text == text) {
        return;
    }
    d->text = text;
    Accessibility::notify(this, QAccessible::NameChanged);
    Q_EMIT textChanged(text);
}

QColor PillLabel::getPillColor() const
{
    return d->pillColor;
}

void PillLabel::setPillColor(const QColor &pillColor)
{
    if (d->pillColor == pillColor) {
        return;
    }
    d->pillColor = pillColor;
    Q_EMIT pillColorChanged(pillColor);
}

QSize PillLabel::sizeHint() const
{
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin);
    return QSize(fontMetrics().boundingRect(d->text).width() + 2 * margin,
                 style()->pixelMetric(QStyle::PM_SmallIconSize));
}

QSize PillLabel::minimumSizeHint() const
{
    return QSize(QWidget::minimumSizeHint().width(), style()->pixelMetric(QStyle::PM_SmallIconSize));
}

void PillLabel::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor fill = isEnabled() ? d->pillColor : d->pillColor.darker(200);
    painter.setBrush(fill);
    painter.setPen(Qt::NoPen);

    // A widget taller than the pill keeps the pill at its top.
    QRectF pill(rect());
    pill.setHeight(style()->pixelMetric(QStyle::PM_SmallIconSize));
    const qreal height = pill.height();
    painter.drawRoundedRect(pill.adjusted(0.5, 0.5, -0.5, -0.5), height / 2.0, height, Qt::AbsoluteSize);

    // The text colour follows the pill's own colour, also while the pill is drawn darker.
    painter.setPen(Nalu::Helpers::getReadableForegroundColor(d->pillColor));
    painter.drawText(pill.adjusted(0.5, -0.5, -0.5, 0.0), Qt::AlignCenter, d->text);
}

namespace {

using Accessibility::WidgetAccessible;

class PillLabelAccessible : public WidgetAccessible
{
public:
    explicit PillLabelAccessible(PillLabel *label)
        : WidgetAccessible(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const PillLabel *label = qobject_cast<PillLabel *>(object());
        if (!label) {
            return {};
        }
        return t == QAccessible::Name ? either(applicationName(), label->getText()) : WidgetAccessible::text(t);
    }
};

[[maybe_unused]] const bool pillInterface = Accessibility::registerInterface(
    "Nalu::Components::PillLabel", Accessibility::make<PillLabel, PillLabelAccessible>);

} // namespace

} // namespace Components
} // namespace Nalu
