// SPDX-License-Identifier: MIT

#pragma once

#include <vantor_common_models/UserInterface.h>

#include <QObject>

#include <memory>

namespace Nalu {
namespace Models {

class UserConnectorModelPrivate;

/**
 * @brief Holds the signed-in user (default: none) shared by the components; never owns it.
 *
 * The model watches the current user: when that object is destroyed while still current,
 * the model forgets it and emits currentUserChanged(nullptr, nullptr). The old pointer is not
 * passed then because the object is already half destroyed (only its QObject part is left),
 * and a receiver calling into it would be undefined behaviour.
 */
class VANTOR_COMMON_MODELS_EXPORT UserConnectorModel : public QObject
{
    Q_OBJECT
    /** @brief The signed-in user, or null (the default) when nobody is signed in. */
    Q_PROPERTY(const Nalu::Models::UserInterface *currentUser READ getCurrentUser WRITE setCurrentUser NOTIFY
                   currentUserChanged)

public:
    /** @brief Creates a model with nobody signed in. */
    explicit UserConnectorModel(QObject *parent = nullptr);
    ~UserConnectorModel() override;

    /** @brief The signed-in user, or null (the currentUser property). */
    const UserInterface *getCurrentUser() const;

public Q_SLOTS:
    /** @brief Makes @p user the current one; null signs out. Setting the current user again does nothing. */
    void setCurrentUser(const Nalu::Models::UserInterface *user);

Q_SIGNALS:
    /**
     * @brief Emitted by setCurrentUser() when the current user changed, with the previous and the new one (null for
     * nobody). When the current user is destroyed, the model forgets it and emits currentUserChanged(nullptr, nullptr):
     * the dying object is not handed out.
     */
    void currentUserChanged(const Nalu::Models::UserInterface *oldUser, const Nalu::Models::UserInterface *newUser);

private:
    Q_DISABLE_COPY(UserConnectorModel)
    std::unique_ptr<UserConnectorModelPrivate> const d;
};

} // namespace Models
} // namespace Nalu
