// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>
#include <ComponentsLibrary/ToolButtonPopUpBase.h>

#include <QList>

#include <memory>

class QAbstractButton;

namespace Nalu {
namespace Components {

class ToolButtonGroupPopUpPrivate;

/**
 * @brief A tool button that opens, as soon as it is pressed, a pop-up menu holding a button group (ButtonGroupWidget).
 *
 * An instant pop-up tool button whose menu holds a button group; when exclusive it shows the checked choice.
 *
 * In a QToolBar the group is laid out across the tool bar (a horizontal tool bar gets a vertical group and the
 * reverse, following the tool bar's later changes) and the menu is centred on the button along the tool bar.
 */
class COMPONENTSLIBRARY_EXPORT ToolButtonGroupPopUp : public ToolButtonPopUpBase
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A tool button that opens, as soon as it is pressed, a pop-up menu holding a button group "
                "(ButtonGroupWidget). Add the choices with addButton; tool buttons are switched to auto-raise. When "
                "the group is exclusive, the button takes over the icon, text and tool tip of the member that gets "
                "checked, by the user or by the application, and closes the menu, so that it always shows the current "
                "choice.\n\n"
                "Placed in a QToolBar, the group is laid out across the tool bar (vertically below a horizontal tool "
                "bar, horizontally beside a vertical one) and follows the tool bar's orientation; the menu is centred "
                "on the button along the tool bar. Elsewhere the menu opens where Qt places it. The button shows no "
                "menu arrow (selector property \"no menu arrow\"); drawPopUpIndicator turns it into a split button.")
    Q_CLASSINFO("example_experiment_button_group",
                "auto *toolBar = new QToolBar(parent);\n"
                "auto *popUp = new Nalu::Components::ToolButtonGroupPopUp(toolBar);\n"
                "popUp->setExclusive(true);\n"
                "const QStringList iconNames {QStringLiteral(\"media-record\"), "
                "QStringLiteral(\"media-playback-start\"), QStringLiteral(\"media-playback-pause\"), "
                "QStringLiteral(\"media-playback-stop\")};\n"
                "for (const QString &iconName : iconNames) {\n"
                "    auto *button = new QToolButton;\n"
                "    button->setIcon(QIcon::fromTheme(iconName));\n"
                "    button->setText(iconName);\n"
                "    button->setToolTip(iconName);\n"
                "    popUp->addButton(button);\n"
                "}\n"
                "popUp->getButton(0)->setChecked(true);\n"
                "toolBar->addWidget(popUp);\n")

public:
    /**
     * @brief Creates the button with an empty button group as its pop-up.
     * Created with a QToolBar as parent, the group is laid out across the tool bar's orientation and follows its
     * changes.
     */
    explicit ToolButtonGroupPopUp(QWidget *parent = nullptr);
    ~ToolButtonGroupPopUp() override;

    /** @brief Adds a button to the group, switching a tool button to auto-raise first; null and duplicates are ignored.
     */
    void addButton(QAbstractButton *button);
    /** @brief Takes a member out of the group and leaves it without a parent; other buttons are ignored. */
    void removeButton(QAbstractButton *button);
    /** @brief The members in order of addition. */
    QList<QAbstractButton *> getButtons() const;
    /** @brief Adds each button of the list in order, as the group does (auto-raise untouched). */
    void setButtons(QList<QAbstractButton *> buttons);
    /** @brief The member at index in order of addition, or null when the index is out of range. */
    QAbstractButton *getButton(int index) const;
    /** @brief The checked member of an exclusive group, or null. */
    QAbstractButton *getCheckedButton() const;
    /** @brief Whether the group is exclusive; default false. */
    bool isExclusive() const;
    /** @brief Makes the group exclusive (members checkable, at most one checked) or not. */
    void setExclusive(bool exclusive);

private:
    QMenu *createMenuInstance() override;

    Q_DISABLE_COPY(ToolButtonGroupPopUp)
    std::unique_ptr<ToolButtonGroupPopUpPrivate> const d;
};

} // namespace Components
} // namespace Nalu
