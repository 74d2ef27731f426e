// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/UserConnector.h>

#include "Accessibility_p.h"
#include "DefaultText_p.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QPointer>
#include <QVariant>

#include <vantor_common_models/UserHelpers.h>

namespace Nalu {
namespace Components {

namespace {

// The name is the user's; the description says what pressing does.
void describe(UserConnector *connector, bool signedIn)
{
    Accessibility::setDescriptionPart(connector,
                                      signedIn ? UserConnector::tr("Signed in; opens a menu to log out") : QString());
}

} // namespace

class UserConnectorPrivate
{
public:
    bool minimized = false;
    // Not owned: the application may delete the model at any time; a deleted one counts as none.
    QPointer<Nalu::Models::UserConnectorModel> model;
    QMetaObject::Connection modelDestroyed;
    QAction *logOutAction = nullptr;
    QMenu *menu = nullptr;
};

UserConnector::UserConnector(Nalu::Models::UserConnectorModel *model, QWidget *parent)
    : ToolButton(parent, false, false, false, true)
    , d(std::make_unique<UserConnectorPrivate>())
{
    d->logOutAction = new QAction(QIcon::fromTheme(QStringLiteral("action.exit.right")), tr("Log Out"), this);
    d->menu = new QMenu(this);
    setText(tr("UserConnector"));
    setProperty("ButtonType", QStringLiteral("UserConnector"));
    setIconSize(QSize(24, 24));
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(this, &QToolButton::clicked, this, &UserConnector::logInRequested);
    d->menu->addAction(d->logOutAction);
    connect(d->logOutAction, &QAction::triggered, this, [this] {
        Q_EMIT logOutRequested();
        if (d->model) {
            d->model->setCurrentUser(nullptr);
        }
    });
    d->logOutAction->setEnabled(false);
    setModel(model);
    // Signed out, the connector shows "Log In"; signed in, the user's name, which stays.
    Internal::keepDefaultText(
        this, [] { return tr("Log In"); }, [this] { return text(); },
        [this](const QString &) { updateDisplayedContents(); });
    Internal::keepDefaultText(
        this, [] { return tr("Log Out"); }, [this] { return d->logOutAction->text(); },
        [this](const QString &text) { d->logOutAction->setText(text); });
    Internal::onLanguageChange(this, [this] { describe(this, d->model && d->model->getCurrentUser()); });
}

UserConnector::~UserConnector()
{
    // A model that is a child of this button dies in QWidget's destructor, after this object's state is gone.
    disconnect(d->modelDestroyed);
}

bool UserConnector::isMinimized() const
{
    return d->minimized;
}

void UserConnector::setMinimized(bool minimized)
{
    if (d->minimized == minimized) {
        return;
    }
    d->minimized = minimized;
    updateDisplayedContents();
    Q_EMIT minimizedChanged(minimized);
}

void UserConnector::setModel(Nalu::Models::UserConnectorModel *model)
{
    if (d->model) {
        disconnect(d->model, &Nalu::Models::UserConnectorModel::currentUserChanged, this,
                   &UserConnector::onCurrentUserChanged);
    }
    disconnect(d->modelDestroyed);
    d->model = model;
    if (model) {
        connect(model, &Nalu::Models::UserConnectorModel::currentUserChanged, this,
                &UserConnector::onCurrentUserChanged);
        // The pointer is already cleared when destroyed() arrives: this shows the signed-out look.
        d->modelDestroyed = connect(model, &QObject::destroyed, this, &UserConnector::updateDisplayedContents);
    }
    updateDisplayedContents();
}

void UserConnector::onCurrentUserChanged(const Nalu::Models::UserInterface *oldUser,
                                         const Nalu::Models::UserInterface *newUser)
{
    using Nalu::Models::UserInterface;
    if (oldUser) {
        disconnect(oldUser, &UserInterface::firstNameChanged, this, &UserConnector::updateDisplayedContents);
        disconnect(oldUser, &UserInterface::lastNameChanged, this, &UserConnector::updateDisplayedContents);
    }
    if (newUser) {
        connect(newUser, &UserInterface::firstNameChanged, this, &UserConnector::updateDisplayedContents,
                Qt::UniqueConnection);
        connect(newUser, &UserInterface::lastNameChanged, this, &UserConnector::updateDisplayedContents,
                Qt::UniqueConnection);
    }
    updateDisplayedContents();
}

void UserConnector::updateDisplayedContents()
{
    const Nalu::Models::UserInterface *user = d->model ? d->model->getCurrentUser() : nullptr;
    const bool signedIn = user != nullptr;
    setIcon(signedIn ? user->getAvatar() : Nalu::Models::UserHelpers::getDefaultAvatar());
    setText(signedIn ? user->getFullName() : tr("Log In"));
    setToolTip(text());
    setToolButtonStyle(d->minimized ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    d->logOutAction->setEnabled(signedIn);
    setMenu(signedIn ? d->menu : nullptr);
    describe(this, signedIn);
}

} // namespace Components
} // namespace Nalu
