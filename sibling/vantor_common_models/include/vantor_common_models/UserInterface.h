// SPDX-License-Identifier: MIT

#pragma once

#include <vantor_common_models/vantor_common_models_export.h>

#include <QMetaType>
#include <QObject>
#include <QString>

QT_BEGIN_NAMESPACE
class QIcon;
QT_END_NAMESPACE

namespace Nalu {
namespace Models {

/**
 * @brief Abstract user as the components display it: a name and an avatar.
 *
 * Implementations emit firstNameChanged() / lastNameChanged() with the old and the new
 * value whenever a name actually changes; fullNameChanged() follows each of them by itself.
 */
class VANTOR_COMMON_MODELS_EXPORT UserInterface : public QObject
{
    Q_OBJECT
    /** @brief First name, read-only here; its value is up to the implementation. */
    Q_PROPERTY(QString firstName READ getFirstName NOTIFY firstNameChanged)
    /** @brief Last name, read-only here; its value is up to the implementation. */
    Q_PROPERTY(QString lastName READ getLastName NOTIFY lastNameChanged)
    /** @brief Display name, by default "first last" trimmed. */
    Q_PROPERTY(QString fullName READ getFullName NOTIFY fullNameChanged)

public:
    /** @brief Creates the QObject part of a user; the names are up to the implementation. */
    explicit UserInterface(QObject *parent = nullptr);
    ~UserInterface() override;

    /** @brief The first name (the firstName property). */
    virtual QString getFirstName() const = 0;
    /** @brief The last name (the lastName property). */
    virtual QString getLastName() const = 0;
    /** @brief First and last name separated by a space, trimmed (so a missing part leaves no stray space). */
    virtual QString getFullName() const;
    /** @brief The user's picture; the reference stays valid while the user exists. */
    virtual const QIcon &getAvatar() const = 0;

Q_SIGNALS:
    /** @brief Emitted by implementations when the first name changed, with the old and the new name. Its first receiver
     * emits fullNameChanged(), so receivers connected to the user see fullNameChanged() before this signal. */
    void firstNameChanged(const QString &oldName, const QString &newName);
    /** @brief Emitted by implementations when the last name changed, with the old and the new name. Its first receiver
     * emits fullNameChanged(), so receivers connected to the user see fullNameChanged() before this signal. */
    void lastNameChanged(const QString &oldName, const QString &newName);
    /**
     * @brief Emitted with each firstNameChanged() and lastNameChanged(): the constructor connects those signals to
     * this one first, so it is emitted before their other receivers are called.
     */
    void fullNameChanged();

private:
    Q_DISABLE_COPY(UserInterface)
};

} // namespace Models
} // namespace Nalu

// Needed to carry the pointer in queued connections, QVariant and QSignalSpy:
// Qt only registers pointers to non-const QObject subclasses by itself.
Q_DECLARE_METATYPE(const Nalu::Models::UserInterface *)
