// SPDX-License-Identifier: MIT

// The Designer plugin as Designer uses it: loaded with QPluginLoader, asked for its
// widgets, their descriptions and form XML, and made to create each widget.

#include "ClassInfo.h"
#include "library_classes.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QPluginLoader>
#include <QPushButton>
#include <QRegularExpression>
#include <QUiLoader>
#include <QXmlStreamReader>
#include <QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <memory>

using namespace Nalu;
using Designer::ownClassInfo;

namespace {

QList<const QMetaObject *> libraryMetaObjects()
{
    QList<const QMetaObject *> metaObjects;
    for (const LibraryClass &libraryClass : libraryClasses) {
        metaObjects.append(libraryClass.metaObject);
    }
    return metaObjects;
}

// The classes the plugin must offer: widgets that declare a description of their own.
QList<const QMetaObject *> classesMeantForDirectUse()
{
    QList<const QMetaObject *> classes;
    for (const QMetaObject *meta : libraryMetaObjects()) {
        if (Designer::isMeantForDirectUse(meta) && meta->inherits(&QWidget::staticMetaObject)) {
            classes.append(meta);
        }
    }
    return classes;
}

// The widget the top-level <widget> element of a form XML names, and its object name.
QPair<QString, QString> topWidgetOf(const QString &xml, QString *error)
{
    QXmlStreamReader reader(xml);
    QPair<QString, QString> widget;
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("ui")) {
        *error = QStringLiteral("no <ui> element");
        return widget;
    }
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("widget") && widget.first.isEmpty()) {
            widget = {reader.attributes().value(QLatin1String("class")).toString(),
                      reader.attributes().value(QLatin1String("name")).toString()};
        }
        reader.skipCurrentElement();
    }
    if (reader.hasError()) {
        *error = reader.errorString();
    }
    return widget;
}

} // namespace

class DesignerPluginTest : public QObject
{
    Q_OBJECT

private:
    // The plugin of the build, or the one NALU_DESIGNER_PLUGIN names (an installed one).
    QPluginLoader m_loader {qEnvironmentVariableIsEmpty("NALU_DESIGNER_PLUGIN")
                                ? QStringLiteral(NALU_DESIGNER_PLUGIN)
                                : qEnvironmentVariable("NALU_DESIGNER_PLUGIN")};
    QHash<QString, QDesignerCustomWidgetInterface *> m_widgets;

    QDesignerCustomWidgetInterface *plugin(const QString &className) const { return m_widgets.value(className); }

    static void addClassRows(bool (*filter)(const QMetaObject *))
    {
        QTest::addColumn<QString>("className");
        for (const QMetaObject *meta : classesMeantForDirectUse()) {
            if (filter(meta)) {
                QTest::newRow(meta->className()) << QString::fromLatin1(meta->className());
            }
        }
    }
    static bool any(const QMetaObject *) { return true; }
    static bool isCardFrame(const QMetaObject *meta)
    {
        return meta->inherits(&Components::CardWidgetBase::staticMetaObject);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
        auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(m_loader.instance());
        QVERIFY(collection);
        for (QDesignerCustomWidgetInterface *widget : collection->customWidgets()) {
            QVERIFY2(!m_widgets.contains(widget->name()), qPrintable(widget->name()));
            m_widgets.insert(widget->name(), widget);
        }
    }

    void offersEveryWidgetMeantForDirectUse()
    {
        QStringList expected;
        for (const QMetaObject *meta : classesMeantForDirectUse()) {
            expected.append(QString::fromLatin1(meta->className()));
        }
        QStringList offered = m_widgets.keys();
        expected.sort();
        offered.sort();
        QCOMPARE(offered, expected);
        // Described classes that are not widgets (the card and expander groups) cannot be placed on a form.
        for (const QMetaObject *meta : libraryMetaObjects()) {
            if (Designer::isMeantForDirectUse(meta) && !meta->inherits(&QWidget::staticMetaObject)) {
                QVERIFY(!m_widgets.contains(QString::fromLatin1(meta->className())));
            }
        }
    }

    void describesEachClass_data() { addClassRows(any); }
    void describesEachClass()
    {
        QFETCH(QString, className);
        QDesignerCustomWidgetInterface *widget = plugin(className);
        QVERIFY(widget);
        const QMetaObject *meta = nullptr;
        for (const QMetaObject *candidate : libraryMetaObjects()) {
            if (QLatin1String(candidate->className()) == className) {
                meta = candidate;
            }
        }
        QVERIFY(meta);
        const QString description = ownClassInfo(meta, "description");
        const QString package = ownClassInfo(meta, "package");
        QCOMPARE(widget->group(), package.isEmpty() ? QStringLiteral("ComponentsLibrary") : package);
        QCOMPARE(widget->whatsThis(), description);
        QVERIFY(!widget->toolTip().isEmpty());
        QVERIFY(description.simplified().startsWith(widget->toolTip()));
        QCOMPARE(widget->includeFile(),
                 QStringLiteral("<ComponentsLibrary/%1.h>").arg(className.section(QLatin1String("::"), -1)));
        QVERIFY(QFileInfo::exists(
            QStringLiteral(NALU_SOURCE_DIR "/ComponentsLibrary/%1.h").arg(className.section(QLatin1String("::"), -1))));
        // A 32 x 32 icon, drawn with 64 x 64 pixels for 2x screens.
        const QIcon icon = widget->icon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.availableSizes(), QList<QSize> {QSize(64, 64)});
        const QImage image = icon.pixmap(QSize(64, 64)).toImage();
        QCOMPARE(image.size(), QSize(64, 64));
        int painted = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                painted += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
            }
        }
        QVERIFY2(painted > 32, "the icon is (nearly) empty");
    }

    // Code that uic generates from a form creates each widget with `new Class(parent)`.
    void formsCanCreateEachClass()
    {
        for (const LibraryClass &libraryClass : libraryClasses) {
            if (m_widgets.contains(QString::fromLatin1(libraryClass.metaObject->className()))) {
                QVERIFY2(libraryClass.constructibleFromParent, libraryClass.metaObject->className());
            }
        }
    }

    // Designer creates widgets with a null parent and deletes them: clean under AddressSanitizer.
    void createsEachClass_data() { addClassRows(any); }
    void createsEachClass()
    {
        QFETCH(QString, className);
        QDesignerCustomWidgetInterface *widget = plugin(className);
        QVERIFY(widget);
        std::unique_ptr<QWidget> orphan(widget->createWidget(nullptr));
        QVERIFY(orphan);
        QCOMPARE(QString::fromLatin1(orphan->metaObject()->className()), className);
        QVERIFY(!orphan->parent());
        orphan.reset();

        QWidget form;
        QWidget *child = widget->createWidget(&form);
        QVERIFY(child);
        QCOMPARE(child->parentWidget(), &form);
        QCOMPARE(QString::fromLatin1(child->metaObject()->className()), className);
        form.show();
        QCoreApplication::processEvents();
    }

    void domXmlNamesEachClass_data() { addClassRows(any); }
    void domXmlNamesEachClass()
    {
        QFETCH(QString, className);
        QDesignerCustomWidgetInterface *widget = plugin(className);
        QVERIFY(widget);
        QString error;
        const QPair<QString, QString> top = topWidgetOf(widget->domXml(), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(top.first, className);
        QVERIFY(!top.second.isEmpty());
        QVERIFY(top.second.at(0).isLower());
        const std::unique_ptr<QWidget> created(widget->createWidget(nullptr));
        QCOMPARE(widget->isContainer(),
                 isCardFrame(created->metaObject())
                     || className == QLatin1String("Nalu::Components::ButtonGroupWidget"));
    }

    // A card or expander dropped from the widget box brings its contents container: widgets put into
    // "contentsWidget" are the card's contents and show.
    void cardsComeWithTheirContents_data() { addClassRows(isCardFrame); }
    void cardsComeWithTheirContents()
    {
        QFETCH(QString, className);
        QDesignerCustomWidgetInterface *widget = plugin(className);
        QVERIFY(widget);
        QUiLoader loader;
        loader.clearPluginPaths();
        loader.addPluginPath(QFileInfo(m_loader.fileName()).absolutePath());
        QVERIFY(loader.availableWidgets().contains(className));
        QByteArray xml = widget->domXml().toUtf8();
        QBuffer buffer(&xml);
        std::unique_ptr<QWidget> loaded(loader.load(&buffer));
        QVERIFY2(loaded, qPrintable(loader.errorString()));
        auto *card = qobject_cast<Components::CardWidgetBase *>(loaded.get());
        QVERIFY(card);
        QCOMPARE(card->title(), QStringLiteral("Title"));
        QWidget *contents = card->getContentsWidget();
        QVERIFY(contents);
        QCOMPARE(contents->objectName(), QStringLiteral("contentsWidget"));
        QCOMPARE(contents->parentWidget()->objectName(), QStringLiteral("contentsContainer"));
        QVERIFY(contents->layout());
        auto *label = new QLabel(QStringLiteral("dropped"), contents);
        contents->layout()->addWidget(label);
        card->show();
        QCoreApplication::processEvents();
        QVERIFY(label->isVisible());
        QVERIFY(card->sizeHint().height() > card->findChild<QWidget *>(QStringLiteral("contentsContainer"))->y());
    }

    // Buttons placed into a button group of a form loaded by QUiLoader (which never initializes the
    // plugin) become members, laid out by the group.
    void buttonGroupTakesTheButtonsPlacedIntoIt()
    {
        QDesignerCustomWidgetInterface *widget = plugin(QStringLiteral("Nalu::Components::ButtonGroupWidget"));
        QVERIFY(widget);
        std::unique_ptr<QWidget> created(widget->createWidget(nullptr));
        auto *group = qobject_cast<Components::ButtonGroupWidget *>(created.get());
        QVERIFY(group);
        auto *first = new QPushButton(QStringLiteral("One"), group);
        auto *label = new QLabel(QStringLiteral("not a button"), group);
        auto *second = new QPushButton(QStringLiteral("Two"), group);
        QVERIFY(group->getButtons().isEmpty()); // a form builder names a child after creating it
        second->setObjectName(QStringLiteral("pushButton_2"));
        label->setObjectName(QStringLiteral("label"));
        first->setObjectName(QStringLiteral("pushButton"));
        QCOMPARE(group->getButtons(), (QList<QAbstractButton *> {second, first}));
        QCOMPARE(group->layout()->indexOf(second), 0);
        QCOMPARE(group->layout()->indexOf(first), 1);
        QCOMPARE(group->layout()->indexOf(label), -1);
        first->setObjectName(QStringLiteral("renamed")); // members are not added twice
        QCOMPARE(group->getButtons().size(), 2);
        // A button moved elsewhere before it is named is left alone.
        QWidget elsewhere;
        auto *moved = new QPushButton(group);
        moved->setParent(&elsewhere);
        moved->setObjectName(QStringLiteral("moved"));
        QCOMPARE(group->getButtons().size(), 2);
    }

    // Designer shows a property whose type is an enumeration as a drop-down list only when the
    // enumeration is registered with the meta-object system.
    void enumeratedPropertiesAreDropDowns_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("property");
        for (const QMetaObject *meta : classesMeantForDirectUse()) {
            for (int i = 0; i < meta->propertyCount(); ++i) {
                // The library's own properties: those of Qt's classes are Qt's business.
                const QMetaObject *declaring = meta;
                while (i < declaring->propertyOffset()) {
                    declaring = declaring->superClass();
                }
                if (!QByteArray(declaring->className()).startsWith("Nalu::")) {
                    continue;
                }
                const QMetaProperty property = meta->property(i);
                if (property.isWritable() && property.isDesignable() && property.userType() >= QMetaType::User) {
                    QTest::addRow("%s::%s", meta->className(), property.name())
                        << QString::fromLatin1(meta->className()) << QString::fromLatin1(property.name());
                }
            }
        }
    }
    void enumeratedPropertiesAreDropDowns()
    {
        QFETCH(QString, className);
        QFETCH(QString, property);
        for (const QMetaObject *meta : classesMeantForDirectUse()) {
            if (QLatin1String(meta->className()) == className) {
                const QMetaProperty metaProperty = meta->property(meta->indexOfProperty(property.toLatin1()));
                QVERIFY2(metaProperty.isEnumType(), metaProperty.typeName());
                QVERIFY(metaProperty.enumerator().keyCount() > 1);
            }
        }
    }

    void enumeratedPropertiesCoverTheKnownOnes()
    {
        const QStringList known = {QStringLiteral("Nalu::Components::RangeSlider::popupsPosition"),
                                   QStringLiteral("Nalu::Components::CascadingListView::previewPolicy"),
                                   QStringLiteral("Nalu::Components::ColorButton::colorDialogMode"),
                                   QStringLiteral("Nalu::Components::CardWidget::shape"),
                                   QStringLiteral("Nalu::Components::ExpanderWidget::shape")};
        for (const QString &name : known) {
            const QString className = name.section(QLatin1String("::"), 0, -2);
            const QByteArray property = name.section(QLatin1String("::"), -1).toLatin1();
            bool found = false;
            for (const QMetaObject *meta : classesMeantForDirectUse()) {
                if (QLatin1String(meta->className()) == className) {
                    found = meta->property(meta->indexOfProperty(property)).isEnumType();
                }
            }
            QVERIFY2(found, qPrintable(name));
        }
    }

    // The first sentence of each class's "description" is the class's @brief in its header.
    void briefMatchesDescription_data() { addClassRows(any); }
    void briefMatchesDescription()
    {
        QFETCH(QString, className);
        const QString shortName = className.section(QLatin1String("::"), -1);
        QFile header(QStringLiteral(NALU_SOURCE_DIR "/ComponentsLibrary/%1.h").arg(shortName));
        QVERIFY(header.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString text = QString::fromUtf8(header.readAll());
        const int classAt = text.indexOf(QStringLiteral("class COMPONENTSLIBRARY_EXPORT %1 ").arg(shortName));
        QVERIFY(classAt > 0);
        const int commentStart = text.lastIndexOf(QLatin1String("/**"), classAt);
        const int commentEnd = text.lastIndexOf(QLatin1String("*/"), classAt);
        QVERIFY(commentStart >= 0 && commentEnd > commentStart);
        // The @brief paragraph: up to the first empty comment line.
        QStringList brief;
        const QStringList lines = text.mid(commentStart + 3, commentEnd - commentStart - 3).split(QLatin1Char('\n'));
        for (QString line : lines) {
            line = line.trimmed();
            if (line.startsWith(QLatin1Char('*'))) {
                line = line.mid(1).trimmed();
            }
            if (line.isEmpty() && !brief.isEmpty()) {
                break;
            }
            if (!line.isEmpty()) {
                brief.append(line);
            }
        }
        QVERIFY(!brief.isEmpty());
        QVERIFY2(brief.first().startsWith(QLatin1String("@brief ")), qPrintable(brief.first()));
        brief.first().remove(0, 7);
        const QMetaObject *meta = nullptr;
        for (const QMetaObject *candidate : libraryMetaObjects()) {
            if (QLatin1String(candidate->className()) == className) {
                meta = candidate;
            }
        }
        QVERIFY(meta);
        QCOMPARE(brief.join(QLatin1Char(' ')), Designer::firstSentence(ownClassInfo(meta, "description")));
    }

    // Inside Designer, which initializes the plugin, the buttons are only laid out: a button of a
    // QButtonGroup would be saved with a "buttonGroup" attribute, which makes uic create a stray group.
    // Last, since the plugin stays initialized.
    void buttonGroupInDesignerOnlyLaysOutItsButtons()
    {
        QDesignerCustomWidgetInterface *widget = plugin(QStringLiteral("Nalu::Components::ButtonGroupWidget"));
        QVERIFY(widget);
        widget->initialize(nullptr);
        QVERIFY(widget->isInitialized());
        std::unique_ptr<QWidget> created(widget->createWidget(nullptr));
        auto *group = qobject_cast<Components::ButtonGroupWidget *>(created.get());
        QVERIFY(group);
        auto *button = new QPushButton(QStringLiteral("One"), group);
        button->setObjectName(QStringLiteral("pushButton"));
        QCOMPARE(group->layout()->indexOf(button), 0);
        QVERIFY(!button->group());
        QVERIFY(group->getButtons().isEmpty());
        button->setObjectName(QStringLiteral("renamed"));
        QCOMPARE(group->layout()->count(), 1);
    }
};

QTEST_MAIN(DesignerPluginTest)
#include "tst_designer_plugin.moc"
