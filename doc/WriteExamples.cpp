// SPDX-License-Identifier: MIT

// Writes the usage examples that the library's classes publish in their class-info
// (keys starting with "example") as one source file each, and a Doxygen page that
// lists them, so that the reference shows them as examples of their classes.

#include "doc_classes.h"

#include <QDir>
#include <QFile>
#include <QMetaClassInfo>
#include <QTextStream>

#include <cstdio>

namespace {

bool write(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    QTextStream(&file) << text;
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: nalu_doc_examples OUTPUT_DIRECTORY\n");
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(directory)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    QString page
        = QStringLiteral("/**\n"
                         " * @page examples Usage examples\n"
                         " *\n"
                         " * Each example is the body of a function that receives `QWidget *parent` and builds the\n"
                         " * arrangement it shows inside it. The classes publish them in their class-info (keys\n"
                         " * starting with \"example\"), and the test suite compiles and runs every one.\n"
                         " */\n\n");
    int count = 0;
    for (const QMetaObject *meta : documentedMetaObjects) {
        const QString className = QString::fromLatin1(meta->className());
        for (int i = meta->classInfoOffset(); i < meta->classInfoCount(); ++i) {
            const QMetaClassInfo info = meta->classInfo(i);
            if (qstrncmp(info.name(), "example", 7) != 0) {
                continue;
            }
            const QString fileName = className.section(QStringLiteral("::"), -1) + QLatin1Char('_')
                + QLatin1String(info.name()) + QStringLiteral(".cpp");
            QString body;
            for (const QString &line : QString::fromUtf8(info.value()).split(QLatin1Char('\n'))) {
                body += line.isEmpty() ? QStringLiteral("\n") : QStringLiteral("    ") + line + QLatin1Char('\n');
            }
            const QString code
                = QStringLiteral("// %1, class-info \"%2\": builds its arrangement inside `QWidget *parent`.\n"
                                 "void example(QWidget *parent)\n{\n%3}\n")
                      .arg(className, QLatin1String(info.name()), body);
            if (!write(directory + QLatin1Char('/') + fileName, code)) {
                return 1;
            }
            page += QStringLiteral("/**\n * @example %1\n * Usage example of %2 (class-info \"%3\").\n */\n\n")
                        .arg(fileName, className, QLatin1String(info.name()));
            ++count;
        }
    }
    if (!write(directory + QStringLiteral("/examples.dox"), page)) {
        return 1;
    }
    std::printf("%d examples written to %s\n", count, argv[1]);
    return 0;
}
