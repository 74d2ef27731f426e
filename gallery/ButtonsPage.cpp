// SPDX-License-Identifier: MIT

#include "ButtonsPage.h"

#include <ComponentsLibrary/ButtonConfig.h>
#include <ComponentsLibrary/ButtonDanger.h>
#include <ComponentsLibrary/ButtonGroupWidget.h>
#include <ComponentsLibrary/ButtonInfo.h>
#include <ComponentsLibrary/ButtonPrimary.h>
#include <ComponentsLibrary/ButtonSecondary.h>
#include <ComponentsLibrary/ButtonSuccess.h>
#include <ComponentsLibrary/ButtonTertiary.h>
#include <ComponentsLibrary/ButtonWarning.h>
#include <ComponentsLibrary/ColorButton.h>
#include <ComponentsLibrary/PushButton.h>
#include <ComponentsLibrary/PushButtonBlink.h>
#include <ComponentsLibrary/PushButtonCircular.h>
#include <ComponentsLibrary/PushButtonHighlighted.h>
#include <ComponentsLibrary/PushButtonPavo.h>
#include <ComponentsLibrary/ToolButton.h>
#include <ComponentsLibrary/ToolButtonBlink.h>
#include <ComponentsLibrary/ToolButtonCircular.h>
#include <ComponentsLibrary/ToolButtonGroupPopUp.h>
#include <ComponentsLibrary/ToolButtonHighlighted.h>
#include <ComponentsLibrary/ToolButtonPavo.h>
#include <ComponentsLibrary/ToolButtonPopUp.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QToolBar>

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

// Widgets that paint themselves read their colours from theme properties,
// which a style sheet cannot set on Qt 5: the gallery sets them here.
void applyGroupTheme(QWidget *group)
{
    group->setProperty("BackgroundBrush", QBrush(QColor(0xf4, 0xf6, 0xf9)));
    group->setProperty("BackgroundBrushDisabled", QBrush(QColor(0xe4, 0xe9, 0xf0)));
    group->setProperty("BorderBrush", QBrush(QColor(0x8a, 0x99, 0xad)));
    group->setProperty("BorderBrushDisabled", QBrush(QColor(0xb8, 0xc2, 0xcf)));
    group->setProperty("WorkflowLinkBrush", QBrush(QColor(0x1f, 0x5f, 0xbf)));
    group->setProperty("WorkflowLinkBrushDisabled", QBrush(QColor(0x8a, 0x99, 0xad)));
    group->setProperty("CornerRadius", 6);
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
    addLookVariants();
    addBlinkingButtons();
    addGroupsAndPopUps();
    addColorButtons();
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
    circularTool->setAccessibleName(tr("Add"));
    circularTool->setFixedSize(CircularSide, CircularSide);
    circularTool->setCircular(true);
    auto *circularPush = makePushButton(tr("?"), this);
    circularPush->setToolTip(tr("Help"));
    circularPush->setAccessibleName(tr("Help"));
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

void ButtonsPage::addLookVariants()
{
    addSection(tr("Look variants"), tr("Ready-made buttons that switch one flag on, or carry a style selector."));

    auto *circularPush
        = new Components::PushButtonCircular(style()->standardIcon(QStyle::SP_MediaPlay), QString(), this);
    circularPush->setToolTip(tr("Play"));
    circularPush->setAccessibleName(tr("Play"));
    circularPush->setFixedSize(CircularSide, CircularSide);
    auto *circularTool = new Components::ToolButtonCircular(this);
    circularTool->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
    circularTool->setToolTip(tr("Pause"));
    circularTool->setAccessibleName(tr("Pause"));
    circularTool->setFixedSize(CircularSide, CircularSide);
    addComponent(circularPush);
    addComponent(circularTool);

    auto *highlightedPush = new Components::PushButtonHighlighted(tr("Grid"), this);
    highlightedPush->setCheckable(true);
    highlightedPush->setChecked(true);
    auto *highlightedTool = new Components::ToolButtonHighlighted(this);
    highlightedTool->setText(tr("List"));
    highlightedTool->setCheckable(true);
    addComponent(highlightedPush);
    addComponent(highlightedTool);

    auto *pavoPush = new Components::PushButtonPavo(tr("Open in Pavo"), this);
    auto *pavoTool = new Components::ToolButtonPavo(this);
    pavoTool->setText(tr("Sync"));
    pavoTool->setCheckable(true);
    pavoTool->setChecked(true);
    addComponent(pavoPush);
    addComponent(pavoTool);
}

void ButtonsPage::addBlinkingButtons()
{
    addSection(tr("Blinking buttons"),
               tr("A step that waits for the user blinks until it is done; checking the step stops it."));
    auto *step = new Components::PushButtonBlink(tr("Confirm the calibration"), this);
    step->setCheckable(true);
    connect(step, &QPushButton::toggled, step, [step](bool checked) { step->setBlinking(!checked); });
    addComponent(step);

    auto *record = new Components::ToolButtonBlink(this);
    record->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    record->setText(tr("Recording"));
    record->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(record, &QToolButton::clicked, record, [record] { record->setBlinking(!record->isBlinking()); });
    addComponent(record);
}

void ButtonsPage::addGroupsAndPopUps()
{
    addSection(tr("Button groups and pop-ups"),
               tr("Buttons grouped in a framed row or column, exclusive like radio buttons, or as the steps of a "
                  "workflow; tool buttons that open a pop-up at once."));

    auto *steps = new Components::ButtonGroupWidget(this);
    applyGroupTheme(steps);
    steps->setExclusive(true);
    steps->setWorkflow(true);
    for (const QString &text : {tr("Prepare"), tr("Acquire"), tr("Process"), tr("Report")}) {
        steps->addButton(new QPushButton(text, steps));
    }
    steps->getButton(0)->setChecked(true);
    steps->getButton(2)->setEnabled(false);
    addComponent(steps, tr("Exclusive workflow: four steps, the first checked, the third not yet possible"));

    auto *priorities = new Components::ButtonGroupWidget(this);
    applyGroupTheme(priorities);
    priorities->setOrientation(Qt::Vertical);
    priorities->setExclusive(true);
    for (const QString &text : {tr("Day"), tr("Week"), tr("Month")}) {
        priorities->addButton(new Components::PushButtonHighlighted(text, priorities));
    }
    priorities->getButton(1)->setChecked(true);
    addComponent(priorities, tr("Vertical exclusive group of highlighted buttons"));

    auto *toolBar = new QToolBar(this);
    auto *tools = new Components::ToolButtonGroupPopUp(toolBar);
    tools->setExclusive(true);
    tools->setDrawPopUpIndicator(true);
    const QStyle::StandardPixmap icons[] = {QStyle::SP_MediaPlay, QStyle::SP_MediaPause, QStyle::SP_MediaStop};
    const QString names[] = {tr("Play"), tr("Pause"), tr("Stop")};
    for (int i = 0; i < 3; ++i) {
        auto *choice = new QToolButton;
        choice->setIcon(style()->standardIcon(icons[i]));
        choice->setText(names[i]);
        choice->setToolTip(names[i]);
        tools->addButton(choice);
    }
    tools->getButton(0)->setChecked(true);
    toolBar->addWidget(tools);

    auto *volume = new Components::ToolButtonPopUp(toolBar);
    volume->setIcon(style()->standardIcon(QStyle::SP_MediaVolume));
    volume->setToolTip(tr("Volume"));
    volume->setAccessibleName(tr("Volume"));
    volume->setDrawPopUpIndicator(true);
    auto *sliderBox = new QWidget;
    auto *sliderLayout = new QHBoxLayout(sliderBox);
    auto *volumeLabel = new QLabel(tr("Volume"), sliderBox);
    auto *volumeSlider = new QSlider(Qt::Horizontal, sliderBox);
    volumeLabel->setBuddy(volumeSlider);
    sliderLayout->addWidget(volumeLabel);
    sliderLayout->addWidget(volumeSlider);
    volume->setMenuWidget(sliderBox);
    toolBar->addWidget(volume);
    addComponent(toolBar,
                 tr("In a tool bar: a group pop-up that shows the checked choice, and a split pop-up "
                    "holding a slider (the corner triangle opens it)"));
}

void ButtonsPage::addColorButtons()
{
    addSection(tr("Colour buttons"),
               tr("A swatch that opens a colour dialog, a menu with live update, or a tool "
                  "window; translucent colours show over a chessboard."));
    auto *colors = new Components::ButtonGroupWidget(this);
    applyGroupTheme(colors);
    const struct
    {
        QColor color;
        Components::ColorButton::ColorDialogMode mode;
        QString name;
        QString tip;
    } swatches[] = {
        {QColor(31, 95, 191), Components::ColorButton::Dialog, tr("Accent colour"), tr("Opens a dialog")},
        {QColor(179, 38, 30, 128), Components::ColorButton::Popup, tr("Warning colour"),
         tr("Opens a menu; the colour follows live")},
        {QColor(46, 125, 50), Components::ColorButton::Tool, tr("Success colour"), tr("Opens a tool window")},
        {QColor(255, 160, 0), Components::ColorButton::Dialog, tr("Highlight colour"), tr("Disabled")},
    };
    for (const auto &swatch : swatches) {
        auto *button = new Components::ColorButton(swatch.color, colors);
        button->setColorDialogMode(swatch.mode);
        button->setProperty("CornerRadius", 4);
        button->setFixedSize(48, 28);
        button->setToolTip(swatch.tip);
        button->setAccessibleName(swatch.name);
        colors->addButton(button);
    }
    colors->getButton(3)->setEnabled(false);
    addComponent(colors, tr("ColorButton: dialog, pop-up (translucent), tool window and disabled, in a button group"));
    auto *transparent = new Components::ColorButton(QColor(Qt::transparent), this);
    transparent->setFixedSize(48, 28);
    transparent->setAccessibleName(tr("Background colour"));
    addComponent(transparent, tr("A new colour button: transparent, over the chessboard"));
}

} // namespace Gallery
} // namespace Nalu
