// SPDX-License-Identifier: MIT

// Writes a program that runs every class-info example of the library.
//
// A class-info entry whose key starts with "example" holds C++ statements
// that build the arrangement they describe inside `QWidget *parent`. Each
// becomes a function of its own, so every example must compile on its own,
// with the library's headers and QtWidgets in scope.

#include "component_list.h"

#include <QFile>
#include <QMetaClassInfo>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: extract_examples OUTPUT.cpp\n");
        return 2;
    }
    QString functions;
    QString calls;
    int count = 0;
    for (const QMetaObject *meta : componentMetaObjects) {
        for (int i = meta->classInfoOffset(); i < meta->classInfoCount(); ++i) {
            const QMetaClassInfo info = meta->classInfo(i);
            if (qstrncmp(info.name(), "example", 7) != 0) {
                continue;
            }
            const QString name = QString::fromLatin1(meta->className()).section(QStringLiteral("::"), -1)
                + QLatin1Char('_') + QString::fromLatin1(info.name());
            functions += QStringLiteral("static void %1(QWidget *parent)\n{\n%2\n}\n\n")
                             .arg(name, QString::fromUtf8(info.value()));
            calls += QStringLiteral("    run(\"%1\", %1);\n").arg(name);
            ++count;
        }
    }

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    QTextStream out(&file);
    out << "// Generated from the class-info examples; do not edit.\n"
           "#include \"component_list.h\"\n\n"
           "#include <QtWidgets>\n\n"
           "#include <cstdio>\n\n"
        << functions
        << "static int examplesRun = 0;\n\n"
           "static void run(const char *name, void (*example)(QWidget *))\n"
           "{\n"
           "    QWidget window;\n"
           "    auto *content = new QWidget(&window);\n"
           "    example(content);\n"
           "    window.show();\n"
           "    QCoreApplication::processEvents();\n"
           "    // Every example must put something into its parent.\n"
           "    if (content->findChildren<QWidget *>().isEmpty()) {\n"
           "        std::printf(\"FAIL: %s builds nothing\\n\", name);\n"
           "        std::exit(1);\n"
           "    }\n"
           "    std::printf(\"PASS: %s\\n\", name);\n"
           "    ++examplesRun;\n"
           "}\n\n"
           "int main(int argc, char *argv[])\n"
           "{\n"
           "    QApplication app(argc, argv);\n"
        << calls
        << "    std::printf(\"%d passed, 0 failed\\n\", examplesRun);\n"
           "    return examplesRun == "
        << count << " ? 0 : 1;\n}\n";
    return 0;
}
