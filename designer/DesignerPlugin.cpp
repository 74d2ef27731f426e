// SPDX-License-Identifier: MIT

#include "DesignerPlugin.h"

#include "ClassInfo.h"

#include <QAbstractButton>
#include <QChildEvent>
#include <QIcon>
#include <QLayout>
#include <QPixmap>
#include <QPointer>

namespace Nalu {
namespace Designer {

namespace {

// Puts the buttons placed into a button group into the group, in the order they are named: a
// form builder creates a child, then names it. Inside Designer the buttons are only laid out:
// a button that belongs to a QButtonGroup would be saved with a "buttonGroup" attribute, and
// uic would create a stray QButtonGroup for it. Compiled forms add the buttons with addButton()
// (the "addpagemethod" of the form XML); a QUiLoader, which never initializes the plugin, gets
// members here.
class ButtonGroupAdopter : public QObject
{
public:
    // A child of the group: it dies with it. The group is held as a plain QObject, which stays
    // valid to compare with while the group's destructor runs and sends it child events.
    ButtonGroupAdopter(Components::ButtonGroupWidget *group, bool layOutOnly)
        : QObject(group)
        , m_group(group)
        , m_layOutOnly(layOutOnly)
    {
        group->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ChildAdded && watched == m_group) {
            QObject *child = static_cast<QChildEvent *>(event)->child();
            if (child->isWidgetType()) {
                const QPointer<QObject> group = m_group;
                const bool layOutOnly = m_layOutOnly;
                connect(child, &QObject::objectNameChanged, child, [group, child, layOutOnly]() {
                    // Null once the group is gone or is being destroyed.
                    auto *buttonGroup = qobject_cast<Components::ButtonGroupWidget *>(group.data());
                    auto *button = qobject_cast<QAbstractButton *>(child);
                    if (!buttonGroup || !button || button->parent() != buttonGroup) {
                        return;
                    }
                    if (!layOutOnly) {
                        buttonGroup->addButton(button); // ignores members
                    } else if (buttonGroup->layout() && buttonGroup->layout()->indexOf(button) < 0) {
                        buttonGroup->layout()->addWidget(button);
                    }
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QObject *const m_group;
    const bool m_layOutOnly;
};

QString lowerFirst(QString text)
{
    if (!text.isEmpty()) {
        text[0] = text.at(0).toLower();
    }
    return text;
}

} // namespace

ComponentWidget::ComponentWidget(const QMetaObject *metaObject, WidgetFactory factory, QObject *parent)
    : QObject(parent)
    , m_metaObject(metaObject)
    , m_factory(factory)
{
}

QString ComponentWidget::name() const
{
    return QString::fromLatin1(m_metaObject->className());
}

QString ComponentWidget::group() const
{
    // The blinking buttons declare no package; they belong to the library all the same.
    const QString package = ownClassInfo(m_metaObject, "package");
    return package.isEmpty() ? QStringLiteral("ComponentsLibrary") : package;
}

QString ComponentWidget::toolTip() const
{
    return firstSentence(ownClassInfo(m_metaObject, "description"));
}

QString ComponentWidget::whatsThis() const
{
    return ownClassInfo(m_metaObject, "description");
}

QString ComponentWidget::includeFile() const
{
    // Angle brackets make Designer write a global include: #include <ComponentsLibrary/ClassName.h>
    return QStringLiteral("<ComponentsLibrary/%1.h>").arg(shortClassName(m_metaObject));
}

QIcon ComponentWidget::icon() const
{
    QPixmap pixmap;
    if (!pixmap.loadFromData(componentIconPng(m_metaObject->className()), "PNG")) {
        return QIcon();
    }
    pixmap.setDevicePixelRatio(2.0); // 64 x 64 pixels shown at 32 x 32
    return QIcon(pixmap);
}

bool ComponentWidget::isContainer() const
{
    return m_metaObject->inherits(&Components::CardWidgetBase::staticMetaObject)
        || m_metaObject->inherits(&Components::ButtonGroupWidget::staticMetaObject);
}

QWidget *ComponentWidget::createWidget(QWidget *parent)
{
    QWidget *widget = m_factory(parent);
    if (auto *group = qobject_cast<Components::ButtonGroupWidget *>(widget)) {
        new ButtonGroupAdopter(group, m_initialized);
    }
    return widget;
}

QString ComponentWidget::domXml() const
{
    QString contents;
    QString customWidgetExtra;
    if (m_metaObject->inherits(&Components::CardWidgetBase::staticMetaObject)) {
        // The card frame takes a child named "contentsContainer..." as its contents container and
        // that container's child named "contentsWidget..." as its contents: widgets dropped into
        // contentsWidget are the card's contents, in Designer and at run time.
        contents = QStringLiteral(
            "  <property "
            "name=\"geometry\"><rect><x>0</x><y>0</y><width>240</width><height>160</height></rect></property>\n"
            "  <property name=\"title\"><string>Title</string></property>\n"
            "  <widget class=\"QWidget\" name=\"contentsContainer\">\n"
            "   <widget class=\"QWidget\" name=\"contentsWidget\">\n"
            "    <layout class=\"QVBoxLayout\" name=\"contentsLayout\"/>\n"
            "   </widget>\n"
            "  </widget>\n");
    } else if (m_metaObject->inherits(&Components::ButtonGroupWidget::staticMetaObject)) {
        // Room to drop the first buttons into; compiled forms add them to the group with addButton().
        contents = QStringLiteral(
            "  <property "
            "name=\"geometry\"><rect><x>0</x><y>0</y><width>200</width><height>40</height></rect></property>\n");
        customWidgetExtra = QStringLiteral("   <addpagemethod>addButton</addpagemethod>\n");
    }
    return QStringLiteral("<ui language=\"c++\" displayname=\"%1\">\n"
                          " <widget class=\"%2\" name=\"%3\">\n"
                          "%4"
                          " </widget>\n"
                          " <customwidgets>\n"
                          "  <customwidget>\n"
                          "   <class>%2</class>\n"
                          "%5"
                          "  </customwidget>\n"
                          " </customwidgets>\n"
                          "</ui>\n")
        .arg(shortClassName(m_metaObject), name(), lowerFirst(shortClassName(m_metaObject)), contents,
             customWidgetExtra);
}

bool ComponentWidget::isInitialized() const
{
    return m_initialized;
}

void ComponentWidget::initialize(QDesignerFormEditorInterface *core)
{
    Q_UNUSED(core)
    m_initialized = true;
}

ComponentCollection::ComponentCollection(QObject *parent)
    : QObject(parent)
{
    for (const LibraryComponent &component : libraryComponents) {
        if (component.create && isMeantForDirectUse(component.metaObject)) {
            m_widgets.append(new ComponentWidget(component.metaObject, component.create, this));
        }
    }
}

QList<QDesignerCustomWidgetInterface *> ComponentCollection::customWidgets() const
{
    return m_widgets;
}

} // namespace Designer
} // namespace Nalu
