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
    /** @brief Creates a user with these names and the default avatar. */
    User(const QString &firstName, const QString &lastName, QObject *parent = nullptr);
    /** @brief Creates a user with these names and @p avatar (a null icon means the default avatar). */
    User(const QString &firstName, const QString &lastName, const QIcon &avatar, QObject *parent = nullptr);
    ~User() override;

    /** @brief The first name. */
    QString getFirstName() const override;
    /** @brief The last name. */
    QString getLastName() const override;
    const QIcon &getAvatar() const override;

    /** @brief True when an own avatar is set, false when the default one is shown. */
    bool hasCustomAvatar() const;

public Q_SLOTS:
    /** @brief Renames the user; when the name changes, emits firstNameChanged() with the old and the new name
     * (fullNameChanged() is emitted from it, see UserInterface). */
    void setFirstName(const QString &firstName);
    /** @brief Renames the user; when the name changes, emits lastNameChanged() with the old and the new name
     * (fullNameChanged() is emitted from it, see UserInterface). */
    void setLastName(const QString &lastName);
    /** @brief Sets the avatar; a null icon falls back to the default avatar. */
    void setAvatar(const QIcon &avatar);

Q_SIGNALS:
    /** @brief Emitted by setAvatar() when the avatar changed (two null icons count as the same, default avatar). */
    void avatarChanged();

private:
    Q_DISABLE_COPY(User)
    std::unique_ptr<UserPrivate> const d;
};

} // namespace Models
} // namespace Nalu
