// SPDX-License-Identifier: MIT

// The Designer plugin as Designer uses it: loaded with QPluginLoader, asked for its
// widgets, their descriptions and form XML, and made to create each widget.

#include "ClassInfo.h"
#include "TestSupport.h"
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
Q_DECLARE_METATYPE(const QMetaObject *)
using Designer::ownClassInfo;

namespace {

// The classes the plugin must offer: widgets that declare a description of their own.
QList<const QMetaObject *> classesMeantForDirectUse()
{
    QList<const QMetaObject *> classes;
    for (const LibraryClass &libraryClass : libraryClasses) {
        const QMetaObject *meta = libraryClass.metaObject;
        if (Designer::isMeantForDirectUse(meta) && meta->inherits(&QWidget::staticMetaObject)) {
            classes.append(meta);
        }
    }
    return classes;
}

// The class and object name of the top-level <widget> element of a form XML; empty when the XML is not a form.
QPair<QString, QString> topWidgetOf(const QString &xml)
{
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("ui")) {
        return {};
    }
    QPair<QString, QString> widget;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("widget") && widget.first.isEmpty()) {
            widget = {reader.attributes().value(QLatin1String("class")).toString(),
                      reader.attributes().value(QLatin1String("name")).toString()};
        }
        reader.skipCurrentElement();
    }
    return reader.hasError() ? QPair<QString, QString>() : widget;
}

// The @brief paragraph of the class's comment in its header, joined into one line.
QString briefInHeader(const QString &shortName)
{
    QFile header(QStringLiteral(NALU_SOURCE_DIR "/ComponentsLibrary/%1.h").arg(shortName));
    if (!header.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return QString();
    }
    const QString text = QString::fromUtf8(header.readAll());
    const int classAt = text.indexOf(QStringLiteral("class COMPONENTSLIBRARY_EXPORT %1 ").arg(shortName));
    const int start = text.lastIndexOf(QLatin1String("/**"), classAt);
    const int end = text.lastIndexOf(QLatin1String("*/"), classAt);
    if (classAt < 0 || start < 0 || end < start) {
        return QString();
    }
    QStringList brief;
    for (QString line : text.mid(start + 3, end - start - 3).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        line = line.startsWith(QLatin1Char('*')) ? line.mid(1).trimmed() : line;
        if (line.isEmpty() && !brief.isEmpty()) {
            break;
        }
        if (!line.isEmpty()) {
            brief.append(line);
        }
    }
    return brief.join(QLatin1Char(' '));
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

    static void addClassRows(bool cardsOnly)
    {
        QTest::addColumn<const QMetaObject *>("meta");
        for (const QMetaObject *meta : classesMeantForDirectUse()) {
            if (!cardsOnly || meta->inherits(&Components::CardWidgetBase::staticMetaObject)) {
                QTest::newRow(meta->className()) << meta;
            }
        }
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

    // Every widget class that describes itself, and only those: the card and expander groups describe themselves
    // but cannot be placed on a form. Code that uic generates creates each with `new Class(parent)`.
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
        for (const LibraryClass &libraryClass : libraryClasses) {
            if (m_widgets.contains(QString::fromLatin1(libraryClass.metaObject->className()))) {
                QVERIFY2(libraryClass.constructibleFromParent, libraryClass.metaObject->className());
            }
        }
    }

    // What Designer shows of each class: its group, description, tool tip (the @brief of its header), include file,
    // icon, form XML; and the widget it creates, without a parent (deleted again: clean under AddressSanitizer) or
    // in a form.
    void describesAndCreatesEachClass_data() { addClassRows(false); }
    void describesAndCreatesEachClass()
    {
        QFETCH(const QMetaObject *, meta);
        const QString className = QString::fromLatin1(meta->className());
        QDesignerCustomWidgetInterface *widget = m_widgets.value(className);
        QVERIFY(widget);
        const QString description = ownClassInfo(meta, "description");
        const QString package = ownClassInfo(meta, "package");
        QCOMPARE(widget->group(), package.isEmpty() ? QStringLiteral("ComponentsLibrary") : package);
        QCOMPARE(widget->whatsThis(), description);
        QVERIFY(!widget->toolTip().isEmpty());
        QVERIFY(description.simplified().startsWith(widget->toolTip()));
        QCOMPARE(QStringLiteral("@brief ") + Designer::firstSentence(description),
                 briefInHeader(Designer::shortClassName(meta)));
        QCOMPARE(widget->includeFile(), QStringLiteral("<ComponentsLibrary/%1.h>").arg(Designer::shortClassName(meta)));
        // A 32 x 32 icon, drawn with 64 x 64 pixels for 2x screens, and not (nearly) empty.
        QCOMPARE(widget->icon().availableSizes(), QList<QSize> {QSize(64, 64)});
        const QImage icon = widget->icon().pixmap(QSize(64, 64)).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), QSize(64, 64));
        QVERIFY(TestSupport::countPixels(icon, Qt::transparent) < 64 * 64 - 32);

        const QPair<QString, QString> top = topWidgetOf(widget->domXml());
        QCOMPARE(top.first, className);
        QVERIFY(!top.second.isEmpty() && top.second.at(0).isLower());
        QCOMPARE(widget->isContainer(),
                 meta->inherits(&Components::CardWidgetBase::staticMetaObject)
                     || meta == &Components::ButtonGroupWidget::staticMetaObject);

        std::unique_ptr<QWidget> orphan(widget->createWidget(nullptr));
        QVERIFY(orphan && !orphan->parent());
        QCOMPARE(orphan->metaObject(), meta);
        orphan.reset();
        QWidget form;
        QWidget *child = widget->createWidget(&form);
        QVERIFY(child);
        QCOMPARE(child->parentWidget(), &form);
        QCOMPARE(child->metaObject(), meta);
        form.show();
        QCoreApplication::processEvents();
    }

    // A card or expander dropped from the widget box brings its contents container: widgets put into
    // "contentsWidget" are the card's contents and show.
    void cardsComeWithTheirContents_data() { addClassRows(true); }
    void cardsComeWithTheirContents()
    {
        QFETCH(const QMetaObject *, meta);
        QUiLoader loader;
        loader.clearPluginPaths();
        loader.addPluginPath(QFileInfo(m_loader.fileName()).absolutePath());
        QByteArray xml = m_widgets.value(QString::fromLatin1(meta->className()))->domXml().toUtf8();
        QBuffer buffer(&xml);
        std::unique_ptr<QWidget> loaded(loader.load(&buffer));
        QVERIFY2(loaded, qPrintable(loader.errorString()));
        auto *card = qobject_cast<Components::CardWidgetBase *>(loaded.get());
        QVERIFY(card);
        QCOMPARE(card->metaObject(), meta);
        QCOMPARE(card->title(), QStringLiteral("Title"));
        QWidget *contents = card->getContentsWidget();
        QVERIFY(contents && contents->layout());
        QCOMPARE(contents->objectName(), QStringLiteral("contentsWidget"));
        QCOMPARE(contents->parentWidget()->objectName(), QStringLiteral("contentsContainer"));
        auto *label = new QLabel(QStringLiteral("dropped"), contents);
        contents->layout()->addWidget(label);
        card->show();
        QCoreApplication::processEvents();
        QVERIFY(label->isVisible());
        QVERIFY(card->sizeHint().height() > contents->parentWidget()->y());
    }

    // Buttons placed into a button group of a form loaded by QUiLoader (which never initializes the
    // plugin) become members, laid out by the group.
    void buttonGroupTakesTheButtonsPlacedIntoIt()
    {
        std::unique_ptr<QWidget> created(
            m_widgets.value(QStringLiteral("Nalu::Components::ButtonGroupWidget"))->createWidget(nullptr));
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

    // Designer shows a property whose type is an enumeration as a drop-down list only when the enumeration is
    // registered with the meta-object system: every designable property of the library's own of a type that is
    // not Qt's is one.
    void enumeratedPropertiesAreDropDowns()
    {
        QStringList enumerated;
        for (const QMetaObject *meta : classesMeantForDirectUse()) {
            for (int i = 0; i < meta->propertyCount(); ++i) {
                const QMetaObject *declaring = meta;
                while (i < declaring->propertyOffset()) {
                    declaring = declaring->superClass();
                }
                const QMetaProperty property = meta->property(i);
                if (QByteArray(declaring->className()).startsWith("Nalu::") && property.isWritable()
                    && property.isDesignable() && (property.userType() >= QMetaType::User || property.isEnumType())) {
                    const QString name = QStringLiteral("%1::%2").arg(QLatin1String(meta->className()),
                                                                      QLatin1String(property.name()));
                    QVERIFY2(property.isEnumType() && property.enumerator().keyCount() > 1, qPrintable(name));
                    enumerated.append(name);
                }
            }
        }
        for (const char *known : {"RangeSlider::popupsPosition", "CascadingListView::previewPolicy",
                                  "ColorButton::colorDialogMode", "CardWidget::shape", "ExpanderWidget::shape"}) {
            QVERIFY2(enumerated.contains(QStringLiteral("Nalu::Components::") + QLatin1String(known)), known);
        }
    }

    // Inside Designer, which initializes the plugin, the buttons are only laid out: a button of a
    // QButtonGroup would be saved with a "buttonGroup" attribute, which makes uic create a stray group.
    // Last, since the plugin stays initialized.
    void buttonGroupInDesignerOnlyLaysOutItsButtons()
    {
        QDesignerCustomWidgetInterface *widget = m_widgets.value(QStringLiteral("Nalu::Components::ButtonGroupWidget"));
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
