// SPDX-License-Identifier: MIT

#include <vantor_common_models/User.h>

#include <vantor_common_models/UserHelpers.h>

namespace Nalu {
namespace Models {

class UserPrivate
{
public:
    QString firstName;
    QString lastName;
    QIcon avatar; // null: the default avatar is shown
};

User::User(const QString &firstName, const QString &lastName, QObject *parent)
    : User(firstName, lastName, QIcon(), parent)
{
}

User::User(const QString &firstName, const QString &lastName, const QIcon &avatar, QObject *parent)
    : UserInterface(parent)
    , d(std::make_unique<UserPrivate>())
{
    d->firstName = firstName;
    d->lastName = lastName;
    d->avatar = avatar;
}

User::~User() = default;

QString User::getFirstName() const
{
    return d->firstName;
}

QString User::getLastName() const
{
    return d->lastName;
}

const QIcon &User::getAvatar() const
{
    return d->avatar.isNull() ? UserHelpers::getDefaultAvatar() : d->avatar;
}

bool User::hasCustomAvatar() const
{
    return !d->avatar.isNull();
}

void User::setFirstName(const QString &firstName)
{
    if (d->firstName == firstName) {
        return;
    }
    const QString oldName = d->firstName;
    d->firstName = firstName;
    Q_EMIT firstNameChanged(oldName, firstName);
}

void User::setLastName(const QString &lastName)
{
    if (d->lastName == lastName) {
        return;
    }
    const QString oldName = d->lastName;
    d->lastName = lastName;
    Q_EMIT lastNameChanged(oldName, lastName);
}

void User::setAvatar(const QIcon &avatar)
{
    // QIcon has no operator==; copies of one icon share the cache key. Two null icons
    // both mean "default avatar".
    if (avatar.isNull() ? d->avatar.isNull() : avatar.cacheKey() == d->avatar.cacheKey()) {
        return;
    }
    d->avatar = avatar;
    Q_EMIT avatarChanged();
}

} // namespace Models
} // namespace Nalu
