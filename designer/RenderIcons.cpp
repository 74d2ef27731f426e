// SPDX-License-Identifier: MIT

// Renders the Designer icon of every widget class the plugin offers and writes them,
// as PNG data, into a source file of the plugin.
//
// Each widget is created as Designer creates it, given the reference theme and a little
// content so that it shows what it is (a text or title, two tabs, an item, a small tree,
// a scroll range), and laid out at its size hint cut to 120 x 72. Run with
// QT_SCALE_FACTOR=2: the widgets are painted at twice their size and fitted into
// 64 x 64 pixels, which the plugin shows at 32 x 32, crisp at 2x.

#include "ClassInfo.h"
#include "LibraryComponents.h"

#include <ComponentsTheme/Theme.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QBuffer>
#include <QColor>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int IconSize = 64;

void setText(QWidget *widget, const char *property, const QString &value)
{
    if (widget->property(property).isValid()) {
        widget->setProperty(property, value);
    }
}

QStandardItemModel *smallTree(QObject *parent)
{
    auto *model = new QStandardItemModel(parent);
    for (const QString &name : {QStringLiteral("Ab"), QStringLiteral("Cd"), QStringLiteral("Ef")}) {
        auto *item = new QStandardItem(name);
        item->appendRow(new QStandardItem(QStringLiteral("Gh")));
        model->appendRow(item);
    }
    return model;
}

// Content by the Qt class a component derives from: a new tab bar, combo box, item view or
// scroll bar is empty and would give a blank icon.
void addContent(QWidget *widget)
{
    setText(widget, "text", QStringLiteral("OK"));
    setText(widget, "title", QStringLiteral("Ab"));
    if (widget->property("pillColor").isValid()) {
        widget->setProperty("pillColor", QColor(QStringLiteral("#2e7d32")));
    }
    if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
        tabs->addTab(QStringLiteral("Ab"));
        tabs->addTab(QStringLiteral("Cd"));
    } else if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
        tabs->addTab(new QWidget(tabs), QStringLiteral("Ab"));
        tabs->addTab(new QWidget(tabs), QStringLiteral("Cd"));
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        combo->addItem(QStringLiteral("Ab"));
    } else if (auto *bar = qobject_cast<QScrollBar *>(widget)) {
        bar->setRange(0, 100);
        bar->setPageStep(60);
        bar->setValue(30);
    } else if (auto *view = qobject_cast<QAbstractItemView *>(widget)) {
        view->setModel(smallTree(view));
    } else if (auto *cascade = qobject_cast<Nalu::Components::CascadingListView *>(widget)) {
        cascade->setModel(smallTree(cascade));
    } else if (auto *group = qobject_cast<Nalu::Components::ButtonGroupWidget *>(widget)) {
        group->addButton(new QPushButton(QStringLiteral("A"), group));
        group->addButton(new QPushButton(QStringLiteral("B"), group));
    }
}

// At most 120 x 72 logical pixels. A titled widget gets room for its title: a card's hint
// counts the title's elided minimum only.
QSize pictureSize(const QWidget *widget)
{
    const int minimumWidth = widget->property("title").isValid() ? 96 : 16;
    return widget->sizeHint().expandedTo(QSize(minimumWidth, 16)).boundedTo(QSize(120, 72));
}

QByteArray renderIcon(const Nalu::Designer::LibraryComponent &component)
{
    QWidget host;
    host.setAttribute(Qt::WA_DontShowOnScreen);
    QWidget *widget = component.create(&host);
    addContent(widget);
    // Sized once shown: the size hint counts the style sheet's fonts only after the polish.
    host.show();
    QCoreApplication::processEvents();
    const QSize size = pictureSize(widget);
    widget->setGeometry(QRect(QPoint(0, 0), size));
    host.resize(size);
    QCoreApplication::processEvents();
    const QImage picture = widget->grab().toImage();

    QImage icon(IconSize, IconSize, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    const QImage scaled = picture.width() > IconSize || picture.height() > IconSize
        ? picture.scaled(IconSize, IconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)
        : picture;
    QPainter painter(&icon);
    painter.drawImage((IconSize - scaled.width()) / 2, (IconSize - scaled.height()) / 2, scaled);
    painter.end();

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    icon.save(&buffer, "PNG");
    return png;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: nalu_render_designer_icons OUTPUT.cpp\n");
        return 2;
    }
    Nalu::Theme::apply(application, Nalu::Theme::Variant::Light);

    QString data;
    QString table;
    int count = 0;
    for (const Nalu::Designer::LibraryComponent &component : Nalu::Designer::libraryComponents) {
        if (!component.create || !Nalu::Designer::isMeantForDirectUse(component.metaObject)) {
            continue;
        }
        const QByteArray png = renderIcon(component);
        // One string literal of hex escapes: much quicker to compile than a list of numbers.
        data += QStringLiteral("const char icon%1[] =").arg(count);
        for (int i = 0; i < png.size(); ++i) {
            if (i % 40 == 0) {
                data += QStringLiteral("\n    \"");
            }
            data += QStringLiteral("\\x%1").arg(static_cast<unsigned char>(png.at(i)), 2, 16, QLatin1Char('0'));
            if (i % 40 == 39 || i + 1 == png.size()) {
                data += QLatin1Char('"');
            }
        }
        data += QStringLiteral(";\n");
        table += QStringLiteral("    {\"%1\", icon%2, sizeof(icon%2) - 1},\n")
                     .arg(QString::fromLatin1(component.metaObject->className()))
                     .arg(count);
        ++count;
    }

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    QTextStream out(&file);
    out << "// Generated by nalu_render_designer_icons; do not edit.\n"
           "#include \"DesignerPlugin.h\"\n\n"
           "#include <cstring>\n\n"
           "namespace {\n\n"
        << data
        << "\nstruct Icon {\n"
           "    const char *className;\n"
           "    const char *png;\n"
           "    int size;\n"
           "};\n\n"
           "const Icon icons[] = {\n"
        << table
        << "};\n\n"
           "} // namespace\n\n"
           "QByteArray Nalu::Designer::componentIconPng(const char *className)\n"
           "{\n"
           "    for (const Icon &icon : icons) {\n"
           "        if (std::strcmp(icon.className, className) == 0) {\n"
           "            return QByteArray::fromRawData(icon.png, icon.size);\n"
           "        }\n"
           "    }\n"
           "    return QByteArray();\n"
           "}\n";
    std::printf("%d icons rendered\n", count);
    return 0;
}
