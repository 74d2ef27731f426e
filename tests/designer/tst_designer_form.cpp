// SPDX-License-Identifier: MIT

// A form designed with the library's widgets, built twice: compiled by uic into the test,
// and loaded at run time by QUiLoader with the Designer plugin. Both must give the
// designed widget tree, and the same one.

#include "ui_NaluForm.h"

#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>
#include <QRegularExpression>
#include <QUiLoader>
#include <QtTest>

#include <memory>

using namespace Nalu::Components;

namespace {

std::unique_ptr<QWidget> compiledForm()
{
    auto form = std::make_unique<QWidget>();
    Ui::NaluForm ui;
    ui.setupUi(form.get());
    return form;
}

std::unique_ptr<QWidget> loadedForm()
{
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(QStringLiteral(NALU_DESIGNER_PLUGIN)).absolutePath());
    QFile file(QStringLiteral(NALU_FORM_FILE));
    if (!file.open(QIODevice::ReadOnly)) {
        return nullptr;
    }
    // The form builder calls the "addpagemethod" through the meta-object, where addButton() is not, once per
    // button; the plugin's button group takes the buttons in itself.
    for (int button = 0; button < 2; ++button) {
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression(QStringLiteral("invokeMethod: No such method .*ButtonGroupWidget::addButton")));
    }
    return std::unique_ptr<QWidget>(loader.load(&file));
}

// A value that compares equal whenever the property values are the same, whatever their type.
QVariant comparable(const QVariant &value)
{
    if (value.userType() >= QMetaType::User && value.canConvert<int>()) {
        return value.toInt(); // enumerations
    }
    // Icons and pixmaps have no equality operator (Qt 6 compares them as unequal): the form sets none.
    if (value.userType() == QMetaType::QIcon) {
        return value.value<QIcon>().isNull();
    }
    if (value.userType() == QMetaType::QPixmap) {
        return value.value<QPixmap>().isNull();
    }
    return value;
}

QList<QWidget *> namedChildren(QObject *parent)
{
    QList<QWidget *> children;
    for (QObject *object : parent->children()) {
        if (auto *widget = qobject_cast<QWidget *>(object); widget && !widget->objectName().isEmpty()) {
            children.append(widget);
        }
    }
    return children;
}

// Same classes, names and stored designable properties, down the tree of named widgets.
void compareTrees(QObject *compiled, QObject *loaded, const QString &path)
{
    QCOMPARE(QString::fromLatin1(loaded->metaObject()->className()),
             QString::fromLatin1(compiled->metaObject()->className()));
    QCOMPARE(loaded->objectName(), compiled->objectName());
    const QMetaObject *meta = compiled->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.isReadable() && property.isWritable() && property.isStored() && property.isDesignable()) {
            const QVariant expected = comparable(property.read(compiled));
            const QVariant actual = comparable(property.read(loaded));
            QVERIFY2(
                actual == expected,
                qPrintable(QStringLiteral("%1.%2: %3, compiled %4")
                               .arg(path, QLatin1String(property.name()), actual.toString(), expected.toString())));
        }
    }
    const QList<QWidget *> compiledChildren = namedChildren(compiled), loadedChildren = namedChildren(loaded);
    QCOMPARE(loadedChildren.size(), compiledChildren.size());
    for (int i = 0; i < compiledChildren.size() && !QTest::currentTestFailed(); ++i) {
        compareTrees(compiledChildren.at(i), loadedChildren.at(i),
                     path + QLatin1Char('/') + compiledChildren.at(i)->objectName());
    }
}

} // namespace

class DesignerFormTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formBuildsTheDesignedTree_data()
    {
        QTest::addColumn<bool>("compiled");
        QTest::newRow("compiled by uic") << true;
        QTest::newRow("loaded by QUiLoader, equal to the compiled one") << false;
    }
    // The containers take what the form puts into them; values whose setters depend on others set before them (a
    // check on a checkable card, handles within the maximum) arrive. The loaded form has the classes, names and
    // designable properties of the compiled one, down the tree.
    void formBuildsTheDesignedTree()
    {
        QFETCH(bool, compiled);
        const std::unique_ptr<QWidget> form = compiled ? compiledForm() : loadedForm(), uic = compiledForm();
        QVERIFY(form);
        const auto child = [&form](const char *name) { return form->findChild<QWidget *>(QLatin1String(name)); };
        form->show();
        uic->show();
        QCoreApplication::processEvents();
        if (!compiled)
            compareTrees(uic.get(), form.get(), QStringLiteral("NaluForm"));

        // Cards: the widgets placed into contentsWidget are the contents, and show.
        auto *camera = qobject_cast<CardWidget *>(child("cameraCard"));
        auto *exposure = qobject_cast<ErrorLineEdit *>(child("exposureEdit"));
        QVERIFY(camera && exposure);
        QCOMPARE(camera->getContentsWidget(), child("contentsWidget"));
        QVERIFY(exposure->isVisible() && child("exposureLabel")->isVisible());
        QVERIFY(camera->height() >= exposure->mapTo(camera, QPoint(0, exposure->height())).y());
        auto *filter = qobject_cast<CardWidget *>(child("filterCard"));
        QVERIFY(filter && filter->isChecked());
        QCOMPARE(filter->getContentsWidget(), child("contentsWidget_2"));
        QVERIFY(child("filterCombo")->isVisible() && child("confirmCheck")->isVisible());

        // The expander is collapsed: its contents exist and show once it is expanded.
        auto *expander = qobject_cast<ExpanderWidget *>(child("advancedExpander"));
        QVERIFY(expander && !expander->isExpanded());
        QCOMPARE(expander->getContentsWidget(), child("contentsWidget_3"));
        QVERIFY(!child("autoSwitch")->isVisible());
        expander->expand();
        QCoreApplication::processEvents();
        QVERIFY(child("autoSwitch")->isVisible());
        auto *slider = qobject_cast<RangeSlider *>(child("rangeSlider"));
        QVERIFY(slider && slider->isVisible());
        QCOMPARE(slider->getMinHandleValue(), 120);
        QCOMPARE(slider->getMaxHandleValue(), 870);

        // The buttons placed into the button group are its members, in form order.
        auto *group = qobject_cast<ButtonGroupWidget *>(child("modeGroup"));
        QVERIFY(group);
        QCOMPARE(group->getButtons(),
                 (QList<QAbstractButton *> {qobject_cast<QAbstractButton *>(child("liveButton")),
                                            qobject_cast<QAbstractButton *>(child("snapButton"))}));
        QVERIFY(group->getButtons().at(0)->geometry().right() < group->getButtons().at(1)->x());
        QVERIFY(child("cascadingListView")->isVisible());
    }
};

QTEST_MAIN(DesignerFormTest)
#include "tst_designer_form.moc"
