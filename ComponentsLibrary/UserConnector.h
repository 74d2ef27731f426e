// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>
#include <ComponentsLibrary/ToolButton.h>

#include <vantor_common_models/UserConnectorModel.h>
#include <vantor_common_models/UserInterface.h>

#include <memory>

namespace Nalu {
namespace Components {

class UserConnectorPrivate;

/**
 * @brief The entry point for signing in to and out of another application or service.
 *
 * A frameless tool button to sign in to and out of a service, showing the signed-in user.
 *
 * Follows a Nalu::Models::UserConnectorModel it does not own. Signed out it reads "Log In" with a default avatar and
 * emits logInRequested() when clicked; signed in it shows the user's full name and avatar and opens a menu whose "Log
 * Out" entry emits logOutRequested() and then clears the model's current user. Style sheet selector:
 * ButtonType="UserConnector", set in the constructor.
 */
class COMPONENTSLIBRARY_EXPORT UserConnector : public ToolButton
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "The entry point for signing in to and out of another application or service. It shows the user "
                "signed in to a UserConnectorModel (full name and avatar) and follows the model's changes. "
                "Without a user it reads \"Log In\" and emits logInRequested() when clicked; with a user it opens "
                "a menu whose \"Log Out\" entry emits logOutRequested() and signs the user out. minimized shows "
                "the avatar only.")
    Q_CLASSINFO("example",
                "auto *layout = new QHBoxLayout(parent);\n"
                "auto *model = new Nalu::Models::UserConnectorModel(parent);\n"
                "auto *connector = new Nalu::Components::UserConnector(model, parent);\n"
                "QObject::connect(connector, &Nalu::Components::UserConnector::logInRequested, parent, [] {\n"
                "    // Ask for credentials here, then call model->setCurrentUser(user).\n"
                "});\n"
                "layout->addWidget(connector);")
    /** @brief Shows the avatar only, without the name; default false. */
    Q_PROPERTY(bool minimized READ isMinimized WRITE setMinimized NOTIFY minimizedChanged)

public:
    /** @brief Creates the button following @p model, which may be null (signed out). */
    UserConnector(Nalu::Models::UserConnectorModel *model, QWidget *parent);
    /**
     * @brief Creates the button without a model (signed out), as forms built with Designer do (uic calls it with
     * the parent alone); give it one with setModel().
     */
    explicit UserConnector(QWidget *parent)
        : UserConnector(nullptr, parent)
    {
    }
    ~UserConnector() override;

    /** @brief Whether only the avatar is shown (the minimized property). */
    bool isMinimized() const;

public Q_SLOTS:
    /** @brief Shows the avatar only, or the avatar and the name; when it changes, updates the button, then emits
     * minimizedChanged(). */
    void setMinimized(bool minimized);
    /** @brief Follows @p model (null accepted) and shows its current user at once. */
    void setModel(Nalu::Models::UserConnectorModel *model);

Q_SIGNALS:
    /** @brief Emitted by setMinimized() when the flag changed, after the button was updated, with the new value. */
    void minimizedChanged(bool minimized);
    /**
     * @brief Emitted when the button is clicked while nobody is signed in (a signed-in button opens its menu
     * instead), from the button's clicked(), of which it is the first receiver: the application should sign a user
     * in.
     */
    void logInRequested();
    /** @brief "Log Out" was chosen; emitted before the model's current user is cleared. */
    void logOutRequested();

protected Q_SLOTS:
    /** @brief Shows the model's current user (or the signed-out look) and attaches the menu accordingly. */
    void updateDisplayedContents();
    /** @brief Follows the renames of the new user, no longer those of the old one. */
    void onCurrentUserChanged(const Nalu::Models::UserInterface *oldUser, const Nalu::Models::UserInterface *newUser);

private:
    Q_DISABLE_COPY(UserConnector)
    std::unique_ptr<UserConnectorPrivate> const d;
};

} // namespace Components
} // namespace Nalu
