// SPDX-License-Identifier: MIT

#include <vantor_common_models/UserConnectorModel.h>

#include <QPointer>

namespace Nalu {
namespace Models {

class UserConnectorModelPrivate
{
public:
    QPointer<const UserInterface> currentUser;
    QMetaObject::Connection destroyedConnection;
};

UserConnectorModel::UserConnectorModel(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<UserConnectorModelPrivate>())
{
}

// The connection to the user's destroyed() has this model as context, so Qt drops it
// when the model goes first; nothing to undo here.
UserConnectorModel::~UserConnectorModel() = default;

const UserInterface *UserConnectorModel::getCurrentUser() const
{
    return d->currentUser.data();
}

void UserConnectorModel::setCurrentUser(const Nalu::Models::UserInterface *user)
{
    const UserInterface *oldUser = d->currentUser.data();
    if (oldUser == user) {
        return;
    }

    QObject::disconnect(d->destroyedConnection);
    d->destroyedConnection = {};
    d->currentUser = user;
    if (user) {
        // By the time destroyed() is emitted the user is only a QObject any more: forget it
        // and announce the sign-out without handing out the dying pointer.
        d->destroyedConnection = connect(user, &QObject::destroyed, this, [this]() {
            d->destroyedConnection = {};
            d->currentUser.clear();
            Q_EMIT currentUserChanged(nullptr, nullptr);
        });
    }
    Q_EMIT currentUserChanged(oldUser, user);
}

} // namespace Models
} // namespace Nalu
