#include "ButtonsPage.h"

#include <ComponentsLibrary/ButtonConfig.h>
#include <ComponentsLibrary/ButtonDanger.h>
#include <ComponentsLibrary/ButtonInfo.h>
#include <ComponentsLibrary/ButtonPrimary.h>
#include <ComponentsLibrary/ButtonSecondary.h>
#include <ComponentsLibrary/ButtonSuccess.h>
#include <ComponentsLibrary/ButtonTertiary.h>
#include <ComponentsLibrary/ButtonWarning.h>
#include <ComponentsLibrary/PushButton.h>
#include <ComponentsLibrary/ToolButton.h>

#include <QStyle>

namespace Nalu {
namespace Gallery {

namespace {

using Components::PushButton;
using Components::ToolButton;

// Circular buttons need a square; the style sheet's radius is half of this.
constexpr int CircularSide = 36;

// The same button twice: as is, and with outline set before the first
// polish, so the style sheet sees the flag.
template<typename Button>
QList<QWidget *> filledAndOutline(const QString &text, QWidget *parent)
{
    auto *filled = new Button(text, parent);
    auto *outlined = new Button(text, parent);
    outlined->setOutline(true);
    return {filled, outlined};
}

PushButton *makePushButton(const QString &text, QWidget *parent)
{
    auto *button = new PushButton(parent);
    button->setText(text);
    return button;
}

ToolButton *makeToolButton(const QString &text, QWidget *parent)
{
    auto *button = new ToolButton(parent);
    button->setText(text);
    return button;
}

} // namespace

ButtonsPage::ButtonsPage(QWidget *parent)
    : GalleryPage(tr("Buttons"),
                  tr("Push buttons named after their role. Each role sets style sheet properties, so a theme can "
                     "colour the buttons without knowing the classes; the outline, highlighted, circular and "
                     "frameless flags refine the rendering of any of them."),
                  parent)
{
    addPriorityButtons();
    addStatusButtons();
    addFlagButtons();
}

ButtonsPage::~ButtonsPage() = default;

void ButtonsPage::addPriorityButtons()
{
    addSection(tr("Priority buttons"),
               tr("Order of importance within an area. Each button is shown as is, then with outline set to true."));
    addComponents(filledAndOutline<Components::ButtonPrimary>(tr("Save changes"), this));
    addComponents(filledAndOutline<Components::ButtonSecondary>(tr("Preview"), this));
    addComponents(filledAndOutline<Components::ButtonTertiary>(tr("Skip for now"), this));
}

void ButtonsPage::addStatusButtons()
{
    addSection(tr("Status buttons"),
               tr("The kind of message a button answers. Each button is shown as is, then with outline set to true."));
    addComponents(filledAndOutline<Components::ButtonConfig>(tr("Network settings"), this));
    addComponents(filledAndOutline<Components::ButtonDanger>(tr("Delete project"), this));
    addComponents(filledAndOutline<Components::ButtonInfo>(tr("Show details"), this));
    addComponents(filledAndOutline<Components::ButtonSuccess>(tr("Mark as done"), this));
    addComponents(filledAndOutline<Components::ButtonWarning>(tr("Overwrite file"), this));
}

void ButtonsPage::addFlagButtons()
{
    addSection(tr("Appearance flags"),
               tr("PushButton and ToolButton carry the four flags as properties; the style sheet selects on them."));

    addComponents({makePushButton(tr("Export"), this), makeToolButton(tr("Refresh"), this)},
                  tr("PushButton and ToolButton, no flag set"));

    auto *outlinedPush = makePushButton(tr("Export"), this);
    outlinedPush->setOutline(true);
    auto *outlinedTool = makeToolButton(tr("Refresh"), this);
    outlinedTool->setOutline(true);
    addComponents({outlinedPush, outlinedTool}, tr("outline: transparent fill, coloured border and text"));

    // Highlighting only shows on a checked button: one checked, one not.
    auto *checkedPush = makePushButton(tr("Bold"), this);
    checkedPush->setCheckable(true);
    checkedPush->setChecked(true);
    checkedPush->setHighlighted(true);
    auto *uncheckedPush = makePushButton(tr("Italic"), this);
    uncheckedPush->setCheckable(true);
    uncheckedPush->setHighlighted(true);
    auto *checkedTool = makeToolButton(tr("Pin"), this);
    checkedTool->setCheckable(true);
    checkedTool->setChecked(true);
    checkedTool->setHighlighted(true);
    addComponents({checkedPush, uncheckedPush, checkedTool},
                  tr("highlighted: checkable buttons stand out while checked (Bold and Pin are checked)"));

    auto *circularTool = makeToolButton(tr("+"), this);
    circularTool->setToolTip(tr("Add"));
    circularTool->setFixedSize(CircularSide, CircularSide);
    circularTool->setCircular(true);
    auto *circularPush = makePushButton(tr("?"), this);
    circularPush->setToolTip(tr("Help"));
    circularPush->setFixedSize(CircularSide, CircularSide);
    circularPush->setCircular(true);
    addComponents({circularTool, circularPush}, tr("circular: a round border for square buttons"));

    auto *framelessPush = makePushButton(tr("Learn more"), this);
    framelessPush->setFrameless(true);
    auto *framelessTool = makeToolButton(tr("Close"), this);
    framelessTool->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    framelessTool->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    framelessTool->setFrameless(true);
    addComponents({framelessPush, framelessTool}, tr("frameless: no border, for actions inside other content"));
}

} // namespace Gallery
} // namespace Nalu
