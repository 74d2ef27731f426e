// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QList>
#include <QWidget>

#include <memory>

class QAbstractButton;

namespace Nalu {
namespace Components {

class ButtonGroupWidgetPrivate;

/**
 * @brief A container that lays buttons out in one row or one column and groups them logically.
 *
 * A framed row or column of buttons that form one logical group, optionally exclusive or drawn as a workflow.
 *
 * The widget lays its member buttons out in order of addition and paints a rounded frame around them with a separator
 * line between neighbours (workflow mode: link lines instead, and wider spacing). The frame reads the theme properties
 * "BackgroundBrush", "BorderBrush", "CornerRadius" and, in workflow mode, "WorkflowLinkBrush" ("...Disabled" variants
 * while disabled); setting Qt::WA_TranslucentBackground leaves the frame out.
 *
 * For the style sheet the widget keeps the selector properties "ButtonGroupWidget_Container",
 * "ButtonGroupWidget_Exclusive", "ButtonGroupWidget_Workflow" and "ButtonGroupWidget_VisibleCount" on itself and
 * "Button_VisibleIndex" on each member (its position among the visible members, -1 while hidden) up to date. They are
 * written without re-polishing.
 *
 * Created with a QToolBar as parent, the group takes the tool bar's orientation and follows it from then on.
 */
class COMPONENTSLIBRARY_EXPORT ButtonGroupWidget : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A container that lays buttons out in one row or one column and groups them logically. Any "
                "QAbstractButton can be a member: library push and tool buttons, plain Qt buttons, check boxes or "
                "radio buttons. The group paints a rounded frame around its members with a separator line between "
                "neighbours, using the theme properties BackgroundBrush, BorderBrush and CornerRadius (and their "
                "Disabled variants while the group is disabled); set Qt::WA_TranslucentBackground to leave the frame "
                "out.\n\n"
                "orientation lays the members out horizontally (default) or vertically; a group created with a "
                "QToolBar as parent follows the tool bar's orientation. exclusive makes every member checkable and "
                "lets at most one be checked, like radio buttons; leaving exclusive mode unchecks the members and "
                "makes them not checkable again. workflow spaces the members further apart and links consecutive "
                "visible members with a line in the WorkflowLinkBrush colour, so that the row reads as a sequence of "
                "steps.\n\n"
                "Members are reparented to the group while they belong to it; removeButton hands a button back "
                "without a parent. The signals buttonClicked, buttonPressed, buttonReleased and buttonToggled report "
                "which member the user acted on.\n\n"
                "Style sheet selectors: ButtonGroupWidget_Container (true), ButtonGroupWidget_Exclusive, "
                "ButtonGroupWidget_Workflow and ButtonGroupWidget_VisibleCount on the group, and Button_VisibleIndex "
                "on every member (its position among the visible members, -1 while hidden), for example to round "
                "the outer corners of the first and last visible buttons.")
    Q_CLASSINFO("example_cut_copy_paste",
                "auto *group = new Nalu::Components::ButtonGroupWidget(parent);\n"
                "const QStringList names {QStringLiteral(\"edit-cut\"), QStringLiteral(\"edit-copy\"), "
                "QStringLiteral(\"edit-paste\")};\n"
                "const QStringList texts {QObject::tr(\"Cut\"), QObject::tr(\"Copy\"), QObject::tr(\"Paste\")};\n"
                "for (int i = 0; i < names.size(); ++i) {\n"
                "    auto *button = new QToolButton(group);\n"
                "    button->setIcon(QIcon::fromTheme(names.at(i)));\n"
                "    button->setText(texts.at(i));\n"
                "    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);\n"
                "    group->addButton(button);\n"
                "}\n")
    Q_CLASSINFO("example_priority",
                "auto *group = new Nalu::Components::ButtonGroupWidget(parent);\n"
                "group->setOrientation(Qt::Vertical);\n"
                "group->setExclusive(true);\n"
                "group->addButton(new Nalu::Components::ButtonPrimary(group));\n"
                "group->addButton(new Nalu::Components::ButtonSecondary(group));\n"
                "group->addButton(new Nalu::Components::ButtonTertiary(group));\n"
                "group->getButton(0)->setChecked(true);\n")
    Q_CLASSINFO("example_workflow",
                "auto *group = new Nalu::Components::ButtonGroupWidget(parent);\n"
                "group->setExclusive(true);\n"
                "group->setWorkflow(true);\n"
                "const QStringList steps {QObject::tr(\"Prepare\"), QObject::tr(\"Acquire\"), "
                "QObject::tr(\"Process\"), QObject::tr(\"Report\")};\n"
                "for (const QString &step : steps) {\n"
                "    group->addButton(new QPushButton(step, group));\n"
                "}\n"
                "group->getButton(0)->setChecked(true);\n"
                "group->getButton(2)->setEnabled(false);\n")
    /** @brief Direction in which the members are laid out; default Qt::Horizontal. */
    Q_PROPERTY(Qt::Orientation orientation READ getOrientation WRITE setOrientation)
    /** @brief Members are checkable and at most one is checked; default false. */
    Q_PROPERTY(bool exclusive READ isExclusive WRITE setExclusive)
    /** @brief Members are spaced further apart and linked by lines instead of separated; default false. */
    Q_PROPERTY(bool workflow READ isWorkflow WRITE setWorkflow)

public:
    /**
     * @brief Creates an empty, non-exclusive, horizontal group.
     * Created with a QToolBar as parent, the group takes the tool bar's orientation and follows its changes.
     */
    explicit ButtonGroupWidget(QWidget *parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    ~ButtonGroupWidget() override;

    /** @brief The direction of the layout (the orientation property). */
    const Qt::Orientation &getOrientation() const;
    /** @brief Whether at most one member is checked (the exclusive property). */
    bool isExclusive() const;
    /** @brief Whether the group is drawn as a workflow (the workflow property). */
    bool isWorkflow() const;

    /** @brief Appends a button and reparents it to the group; null and members already present are ignored. */
    void addButton(QAbstractButton *button);
    /** @brief Takes a member out of the group and leaves it without a parent; other buttons are ignored. */
    void removeButton(QAbstractButton *button);
    /** @brief The members in order of addition. */
    QList<QAbstractButton *> getButtons() const;
    /** @brief Adds each button of the list in order; members already present stay where they are. */
    void setButtons(QList<QAbstractButton *> buttons);
    /** @brief The member at index in order of addition, or null when the index is out of range. */
    QAbstractButton *getButton(int index) const;
    /** @brief The checked member of an exclusive group, or null. */
    QAbstractButton *getCheckedButton() const;

public Q_SLOTS:
    /** @brief Lays the members out in a row or a column; an unchanged orientation does nothing. */
    void setOrientation(const Qt::Orientation &orientation);
    /**
     * @brief Makes the group exclusive (every member checkable) or not (every member unchecked and not checkable).
     * Nothing happens when the value is unchanged. Unchecking members on leaving exclusive mode emits their
     * buttonToggled().
     */
    void setExclusive(bool exclusive);
    /** @brief Switches workflow mode: doubled spacing, each member's minimum size grown (or shrunk back) by the spacing
     * unit, link lines instead of separators. */
    void setWorkflow(bool workflow);

Q_SIGNALS:
    /**
     * @brief Emitted when a member is clicked, last of the signals of a click (after buttonPressed(), any
     * buttonToggled() and buttonReleased()). For a checkable member of an exclusive group a click means that the member
     * has become checked.
     */
    void buttonClicked(QAbstractButton *button);
    /** @brief Emitted when a member is pressed, first of the signals of a click. */
    void buttonPressed(QAbstractButton *button);
    /** @brief Emitted when a member is released, after the buttonToggled() of the click and before buttonClicked(). */
    void buttonReleased(QAbstractButton *button);
    /**
     * @brief Emitted whenever a member's checked state changes, with the new state.
     * When a member becomes checked in an exclusive group, the previously checked member's buttonToggled(previous,
     * false) comes first, then buttonToggled(button, true); a click emits them between buttonPressed() and
     * buttonReleased().
     */
    void buttonToggled(QAbstractButton *button, bool checked);

protected:
    /** @brief Keeps the members' "Button_VisibleIndex" and the group's "ButtonGroupWidget_VisibleCount" current when
     * members are shown or hidden; consumes nothing. */
    bool eventFilter(QObject *watched, QEvent *event) override;
    /** @brief Paints the rounded frame and the separators or, in workflow mode, the link lines from the theme
     * properties. */
    void paintEvent(QPaintEvent *event) override;

private Q_SLOTS:
    void updateButtonVisibleIndex();

private:
    Q_DISABLE_COPY(ButtonGroupWidget)
    std::unique_ptr<ButtonGroupWidgetPrivate> const d;
};

} // namespace Components
} // namespace Nalu
