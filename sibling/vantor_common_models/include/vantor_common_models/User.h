// SPDX-License-Identifier: MIT

#pragma once

#include <vantor_common_models/UserInterface.h>

#include <QIcon>

#include <memory>

namespace Nalu {
namespace Models {

class UserPrivate;

/**
 * @brief Plain user holding its names and an optional avatar (default: UserHelpers::getDefaultAvatar()).
 *
 * The firstName, lastName and fullName properties come from UserInterface and are read-only
 * there: moc only accepts an inherited NOTIFY signal that can be called without arguments,
 * and the name signals carry the old and new value. Rename with setFirstName()/setLastName().
 */
class VANTOR_COMMON_MODELS_EXPORT User : public UserInterface
{
    Q_OBJECT
    /** @brief Avatar; default (and when set to a null icon) UserHelpers::getDefaultAvatar(). */
    Q_PROPERTY(QIcon avatar READ getAvatar WRITE setAvatar NOTIFY avatarChanged)

public:
    User(const QString &firstName, const QString &lastName, QObject *parent = nullptr);
    User(const QString &firstName, const QString &lastName, const QIcon &avatar, QObject *parent = nullptr);
    ~User() override;

    QString getFirstName() const override;
    QString getLastName() const override;
    const QIcon &getAvatar() const override;

    /** @brief True when an own avatar is set, false when the default one is shown. */
    bool hasCustomAvatar() const;

public Q_SLOTS:
    void setFirstName(const QString &firstName);
    void setLastName(const QString &lastName);
    /** @brief Sets the avatar; a null icon falls back to the default avatar. */
    void setAvatar(const QIcon &avatar);

Q_SIGNALS:
    void avatarChanged();

private:
    Q_DISABLE_COPY(User)
    std::unique_ptr<UserPrivate> const d;
};

} // namespace Models
} // namespace Nalu
