// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/SwitchCheckBox.h>

#include "Accessibility_p.h"
#include "DefaultText_p.h"

#include <QVariant>

namespace Nalu {
namespace Components {

class SwitchCheckBoxPrivate
{
public:
    // An int, not the enum: values outside the enumerators are stored as given.
    int textAlignment = Qt::AlignLeft;
};

SwitchCheckBox::SwitchCheckBox(QWidget *parent)
    : QCheckBox(parent)
    , d(std::make_unique<SwitchCheckBoxPrivate>())
{
    commonInit();
}

SwitchCheckBox::SwitchCheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
    , d(std::make_unique<SwitchCheckBoxPrivate>())
{
    commonInit();
}

SwitchCheckBox::~SwitchCheckBox() = default;

void SwitchCheckBox::commonInit()
{
    setProperty("switch", true);
    // Qt reads it as a check box; the description says what it looks like.
    Internal::keepTranslated(this, [this] { Accessibility::setDescriptionPart(this, tr("On/off switch")); });
}

Qt::AlignmentFlag SwitchCheckBox::getTextAlignment() const
{
    return static_cast<Qt::AlignmentFlag>(d->textAlignment);
}

void SwitchCheckBox::setTextAlignment(int textAlignment)
{
    if (d->textAlignment == textAlignment) {
        return;
    }
    d->textAlignment = textAlignment;
    update();
    Q_EMIT textAlignmentChanged(static_cast<Qt::AlignmentFlag>(textAlignment));
}

} // namespace Components
} // namespace Nalu
