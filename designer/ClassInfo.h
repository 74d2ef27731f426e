// SPDX-License-Identifier: MIT

#pragma once

#include <QMetaClassInfo>
#include <QMetaObject>
#include <QString>

namespace Nalu {
namespace Designer {

// The value of a class-info entry that the class declares itself (not one inherited
// from a base class), or an empty string.
inline QString ownClassInfo(const QMetaObject *metaObject, const char *name)
{
    const int index = metaObject->indexOfClassInfo(name);
    if (index < metaObject->classInfoOffset()) {
        return QString();
    }
    return QString::fromUtf8(metaObject->classInfo(index).value());
}

// A class is meant for direct use when it declares a "description" of its own.
inline bool isMeantForDirectUse(const QMetaObject *metaObject)
{
    return !ownClassInfo(metaObject, "description").isEmpty();
}

// The first sentence of a description: up to the first full stop that ends the
// paragraph or is followed by a space, or the whole first paragraph.
inline QString firstSentence(const QString &text)
{
    const QString paragraph = text.section(QStringLiteral("\n\n"), 0, 0).simplified();
    for (int i = 0; i < paragraph.size(); ++i) {
        if (paragraph.at(i) == QLatin1Char('.')
            && (i + 1 == paragraph.size() || paragraph.at(i + 1) == QLatin1Char(' '))) {
            return paragraph.left(i + 1);
        }
    }
    return paragraph;
}

// The class name without its namespaces.
inline QString shortClassName(const QMetaObject *metaObject)
{
    return QString::fromLatin1(metaObject->className()).section(QStringLiteral("::"), -1);
}

} // namespace Designer
} // namespace Nalu
