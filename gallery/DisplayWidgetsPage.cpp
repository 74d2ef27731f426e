// SPDX-License-Identifier: MIT

#include "DisplayWidgetsPage.h"

#include <ComponentsLibrary/PillLabel.h>
#include <ComponentsLibrary/UserConnector.h>

#include <vantor_common_models/User.h>
#include <vantor_common_models/UserConnectorModel.h>

#include <memory>

namespace Nalu {
namespace Gallery {

DisplayWidgetsPage::DisplayWidgetsPage(QWidget *parent)
    : GalleryPage(tr("Display widgets"), tr("Components that show information without asking for input."), parent)
{
    addPillLabelSection();
    addUserConnectorSection();
}

DisplayWidgetsPage::~DisplayWidgetsPage() = default;

void DisplayWidgetsPage::addPillLabelSection()
{
    addSection(tr("Pill label"),
               tr("PillLabel fills a pill with pillColor and picks a readable text colour for it; a disabled pill "
                  "is drawn darker."));

    const QList<QPair<QString, QColor>> statuses = {
        {tr("Open"), QColor(0x2e, 0x7d, 0x32)},
        {tr("In review"), QColor(0xf2, 0xc2, 0x3a)},
        {tr("Closed"), QColor(0xb3, 0x26, 0x1e)},
        {tr("Draft"), QColor(0xe0, 0xe6, 0xee)},
    };
    QList<QWidget *> pills;
    for (const auto &status : statuses) {
        auto *pill = new Components::PillLabel(this);
        pill->setText(status.first);
        pill->setPillColor(status.second);
        pills.append(pill);
    }
    addComponents(pills, tr("Status pills"));

    auto *disabled = new Components::PillLabel(this);
    disabled->setText(tr("Archived"));
    disabled->setPillColor(QColor(0x1f, 0x5f, 0xbf));
    disabled->setEnabled(false);
    addComponent(disabled, tr("A disabled pill"));
}

void DisplayWidgetsPage::addUserConnectorSection()
{
    addSection(tr("User connector"),
               tr("UserConnector follows a UserConnectorModel. Click \"Log In\": the demo signs in the next of "
                  "three users; click the name and choose \"Log Out\" to sign out. The second button, minimized, "
                  "follows the same model."));

    auto *model = new Models::UserConnectorModel(this);
    const QList<Models::User *> users = {
        new Models::User(tr("Ada"), tr("Lovelace"), model),
        new Models::User(tr("Alan"), tr("Turing"), model),
        new Models::User(tr("Grace"), tr("Hopper"), model),
    };
    auto *connector = new Components::UserConnector(model, this);
    auto *minimized = new Components::UserConnector(model, this);
    minimized->setMinimized(true);
    // Signing in is the application's business: this demo just takes turns.
    auto next = std::make_shared<int>(0);
    auto signInNext = [model, users, next] {
        model->setCurrentUser(users.at(*next));
        *next = (*next + 1) % users.size();
    };
    connect(connector, &Components::UserConnector::logInRequested, model, signInNext);
    connect(minimized, &Components::UserConnector::logInRequested, model, signInNext);
    addComponents({connector, minimized}, tr("UserConnector, normal and minimized, sharing one model"));
}

} // namespace Gallery
} // namespace Nalu
