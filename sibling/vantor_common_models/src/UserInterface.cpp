// SPDX-License-Identifier: MIT

#include <vantor_common_models/UserInterface.h>

namespace Nalu {
namespace Models {

UserInterface::UserInterface(QObject *parent)
    : QObject(parent)
{
    // Derived classes only need to report name changes; the full name follows here.
    connect(this, &UserInterface::firstNameChanged, this, &UserInterface::fullNameChanged);
    connect(this, &UserInterface::lastNameChanged, this, &UserInterface::fullNameChanged);
}

UserInterface::~UserInterface() = default;

QString UserInterface::getFullName() const
{
    const QString fullName = getFirstName() + QLatin1Char(' ') + getLastName();
    return fullName.trimmed();
}

} // namespace Models
} // namespace Nalu
