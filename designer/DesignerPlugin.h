// SPDX-License-Identifier: MIT

#pragma once

#include "LibraryComponents.h"

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace Nalu {
namespace Designer {

// The PNG icon rendered for a class at build time (64 x 64 pixels), or empty.
QByteArray componentIconPng(const char *className);

// One widget class of the library as Qt Designer sees it. Everything is read from the
// class's meta-object: the widget-box group from the "package" class-info, tool tip and
// What's This from "description".
class ComponentWidget : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    ComponentWidget(const QMetaObject *metaObject, WidgetFactory factory, QObject *parent);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget *createWidget(QWidget *parent) override;
    QString domXml() const override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface *core) override;

private:
    const QMetaObject *const m_metaObject;
    const WidgetFactory m_factory;
    bool m_initialized = false;
};

// The collection Designer loads: one ComponentWidget per widget class of the library
// that declares a "description" class-info.
class ComponentCollection : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit ComponentCollection(QObject *parent = nullptr);

    QList<QDesignerCustomWidgetInterface *> customWidgets() const override;

private:
    QList<QDesignerCustomWidgetInterface *> m_widgets;
};

} // namespace Designer
} // namespace Nalu
