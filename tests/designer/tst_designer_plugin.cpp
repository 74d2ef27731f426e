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

// The @brief paragraph of the doc comment before the class in its header, as one line.
QString briefInHeader(const QString &shortName)
{
    QFile header(QStringLiteral(NALU_SOURCE_DIR "/ComponentsLibrary/%1.h").arg(shortName));
    const QString text = header.open(QIODevice::ReadOnly) ? QString::fromUtf8(header.readAll()) : QString();
    const int classAt = text.indexOf(QStringLiteral("class COMPONENTSLIBRARY_EXPORT %1 ").arg(shortName));
    const int start = text.lastIndexOf(QLatin1String("/**"), classAt) + 3;
    QString comment = text.mid(start, text.lastIndexOf(QLatin1String("*/"), classAt) - start);
    comment.replace(QRegularExpression(QStringLiteral("\\n[ \\t]*\\*?")), QStringLiteral("\n"));
    return classAt < 0 || start < 3 ? QString() : comment.trimmed().section(QStringLiteral("\n\n"), 0, 0).simplified();
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

    void describesAndCreatesEachClass_data()
    {
        QTest::addColumn<const QMetaObject *>("meta");
        for (const QMetaObject *meta : classesMeantForDirectUse())
            QTest::newRow(meta->className()) << meta;
    }
    // What Designer shows of each class: its group, description, tool tip (the @brief of its header), include file,
    // icon; the form XML it drops, which QUiLoader loads into the class without a parent (deleted again: clean under
    // AddressSanitizer); and the widget it creates in a form. A card or expander comes with its contents container:
    // widgets put into "contentsWidget" are the card's contents and show.
    void describesAndCreatesEachClass()
    {
        QFETCH(const QMetaObject *, meta);
        QDesignerCustomWidgetInterface *widget = m_widgets.value(QString::fromLatin1(meta->className()));
        QVERIFY(widget);
        const QString description = ownClassInfo(meta, "description");
        const QString package = ownClassInfo(meta, "package");
        QCOMPARE(widget->group(), package.isEmpty() ? QStringLiteral("ComponentsLibrary") : package);
        QCOMPARE(widget->whatsThis(), description);
        QCOMPARE(QStringLiteral("@brief ") + widget->toolTip(), briefInHeader(Designer::shortClassName(meta)));
        QCOMPARE(widget->includeFile(), QStringLiteral("<ComponentsLibrary/%1.h>").arg(Designer::shortClassName(meta)));
        // A 32 x 32 icon, drawn with 64 x 64 pixels for 2x screens, and not (nearly) empty.
        QCOMPARE(widget->icon().availableSizes(), QList<QSize> {QSize(64, 64)});
        const QImage icon = widget->icon().pixmap(QSize(64, 64)).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), QSize(64, 64));
        QVERIFY(TestSupport::countPixels(icon, Qt::transparent) < 64 * 64 - 32);
        QCOMPARE(widget->isContainer(),
                 meta->inherits(&Components::CardWidgetBase::staticMetaObject)
                     || meta == &Components::ButtonGroupWidget::staticMetaObject);

        QUiLoader loader;
        loader.clearPluginPaths();
        loader.addPluginPath(QFileInfo(m_loader.fileName()).absolutePath());
        QByteArray xml = widget->domXml().toUtf8();
        QBuffer buffer(&xml);
        std::unique_ptr<QWidget> loaded(loader.load(&buffer));
        QVERIFY2(loaded && !loaded->parent(), qPrintable(loader.errorString()));
        QCOMPARE(loaded->metaObject(), meta);
        QVERIFY(loaded->objectName().at(0).isLower());
        if (auto *card = qobject_cast<Components::CardWidgetBase *>(loaded.get())) {
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
        loaded.reset();
        QWidget form;
        QWidget *child = widget->createWidget(&form);
        QVERIFY(child);
        QCOMPARE(child->parentWidget(), &form);
        QCOMPARE(child->metaObject(), meta);
        form.show();
        QCoreApplication::processEvents();
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

    void buttonGroupTakesTheButtonsNamedInIt_data()
    {
        QTest::addColumn<bool>("inDesigner");
        QTest::newRow("loaded by QUiLoader, which never initializes the plugin") << false;
        QTest::newRow("inside Designer, which does (last: it stays initialized)") << true;
    }
    // A form builder names a child after creating it: buttons named in a button group become members, laid out in
    // that order, once each. Inside Designer they are only laid out: a member of a QButtonGroup would be saved with a
    // "buttonGroup" attribute, which makes uic create a stray group.
    void buttonGroupTakesTheButtonsNamedInIt()
    {
        QFETCH(bool, inDesigner);
        QDesignerCustomWidgetInterface *widget = m_widgets.value(QStringLiteral("Nalu::Components::ButtonGroupWidget"));
        if (inDesigner)
            widget->initialize(nullptr);
        QCOMPARE(widget->isInitialized(), inDesigner);
        std::unique_ptr<QWidget> created(widget->createWidget(nullptr));
        auto *group = qobject_cast<Components::ButtonGroupWidget *>(created.get());
        QVERIFY(group);
        auto *first = new QPushButton(QStringLiteral("One"), group);
        auto *label = new QLabel(QStringLiteral("not a button"), group);
        auto *second = new QPushButton(QStringLiteral("Two"), group);
        QVERIFY(group->getButtons().isEmpty() && group->layout()->count() == 0);
        second->setObjectName(QStringLiteral("pushButton_2"));
        label->setObjectName(QStringLiteral("label"));
        first->setObjectName(QStringLiteral("pushButton"));
        const QList<QAbstractButton *> members {second, first};
        QCOMPARE(group->getButtons(), inDesigner ? QList<QAbstractButton *>() : members);
        QCOMPARE(first->group() != nullptr, !inDesigner);
        QCOMPARE(group->layout()->indexOf(second), 0);
        QCOMPARE(group->layout()->indexOf(first), 1);
        QCOMPARE(group->layout()->indexOf(label), -1);
        first->setObjectName(QStringLiteral("renamed"));
        // A button moved elsewhere before it is named is left alone.
        QWidget elsewhere;
        auto *moved = new QPushButton(group);
        moved->setParent(&elsewhere);
        moved->setObjectName(QStringLiteral("moved"));
        QCOMPARE(group->getButtons().size(), inDesigner ? 0 : 2);
        QCOMPARE(group->layout()->count(), 2);
    }
};

QTEST_MAIN(DesignerPluginTest)
#include "tst_designer_plugin.moc"
