// SPDX-License-Identifier: MIT

#include "InputsPage.h"

#include <ComponentsLibrary/ErrorCheckBox.h>
#include <ComponentsLibrary/ErrorComboBox.h>
#include <ComponentsLibrary/ErrorLineEdit.h>
#include <ComponentsLibrary/SwitchCheckBox.h>

#include <QFormLayout>
#include <QRegularExpression>
#include <QStyle>

namespace Nalu {
namespace Gallery {

namespace {

// The error inputs do not re-polish when their state changes; the gallery's style sheet selects on
// drawErrorIndicator, so the application re-polishes them itself.
void repolish(QWidget *widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

// Empty means valid.
QString userNameProblem(const QString &name)
{
    if (name.isEmpty()) {
        return {};
    }
    if (name.size() < 3) {
        return InputsPage::tr("A user name has at least 3 characters.");
    }
    static const QRegularExpression allowed(QStringLiteral("^[A-Za-z0-9_.-]+$"));
    if (!allowed.match(name).hasMatch()) {
        return InputsPage::tr("Use letters, digits, dots, dashes and underscores only.");
    }
    return {};
}

} // namespace

InputsPage::InputsPage(QWidget *parent)
    : GalleryPage(tr("Inputs"), tr("Fields and controls through which the user enters text, numbers and choices."),
                  parent)
{
    addErrorInputsSection();
    addSwitchSection();
}

InputsPage::~InputsPage() = default;

void InputsPage::addErrorInputsSection()
{
    addSection(tr("Error-state inputs"),
               tr("ErrorLineEdit, ErrorComboBox and ErrorCheckBox carry errorState and errorMessage. The style "
                  "sheet outlines an input in error; hovering its top-right corner (the check indicator, for the "
                  "check box) shows the message."));

    auto *form = new QWidget(this);
    auto *layout = new QFormLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *userName = new Components::ErrorLineEdit(form);
    userName->setPlaceholderText(tr("for example ada.l"));
    userName->setToolTip(tr("The name you sign in with"));
    connect(userName, &QLineEdit::textChanged, userName, [userName](const QString &text) {
        const QString problem = userNameProblem(text);
        userName->setErrorMessage(problem);
        userName->setErrorState(!problem.isEmpty());
        repolish(userName);
    });
    userName->setText(tr("a!"));
    layout->addRow(tr("User name"), userName);

    auto *country = new Components::ErrorComboBox(form);
    country->addItems({tr("Choose a country..."), tr("France"), tr("Iceland"), tr("Japan"), tr("Peru")});
    country->setErrorMessage(tr("Please choose a country."));
    connect(country, QOverload<int>::of(&QComboBox::currentIndexChanged), country, [country](int index) {
        country->setErrorState(index <= 0);
        repolish(country);
    });
    country->setErrorState(true);
    layout->addRow(tr("Country"), country);

    auto *terms = new Components::ErrorCheckBox(tr("I accept the terms of use"), form);
    terms->setErrorMessage(tr("You must accept the terms to continue."));
    connect(terms, &QCheckBox::toggled, terms, [terms](bool checked) {
        terms->setErrorState(!checked);
        repolish(terms);
    });
    terms->setErrorState(true);
    layout->addRow(QString(), terms);
    form->setMinimumWidth(320);
    addComponent(form, tr("A sign-up form that checks as you type"));

    auto *frameless = new Components::ErrorLineEdit(tr("draft-2024.txt"), this);
    frameless->setFrame(false);
    frameless->setErrorMessage(tr("A file with this name already exists."));
    frameless->setErrorState(true);
    frameless->setMinimumWidth(220);
    frameless->setAccessibleName(tr("File name"));
    addComponent(frameless, tr("ErrorLineEdit without a frame draws its own red marker"));
}

void InputsPage::addSwitchSection()
{
    addSection(tr("Switch check box"),
               tr("SwitchCheckBox carries switch=true, which the style sheet draws as an on/off switch, and keeps "
                  "the alignment of its label in textAlignment for the style to read."));

    const QList<QPair<Qt::AlignmentFlag, QString>> alignments = {
        {Qt::AlignLeft, tr("Left aligned")},
        {Qt::AlignHCenter, tr("Centred")},
        {Qt::AlignRight, tr("Right aligned")},
    };
    QList<QWidget *> switches;
    for (const auto &alignment : alignments) {
        auto *box = new Components::SwitchCheckBox(alignment.second, this);
        box->setTextAlignment(alignment.first);
        box->setChecked(alignment.first != Qt::AlignHCenter);
        switches.append(box);
    }
    addComponents(switches, tr("textAlignment: Qt::AlignLeft, Qt::AlignHCenter and Qt::AlignRight"));
}

} // namespace Gallery
} // namespace Nalu
