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
    // The form builder calls the "addpagemethod" through the meta-object, where addButton() is not;
    // the plugin's button group takes the buttons in itself.
    QTest::ignoreMessage(
        QtWarningMsg,
        QRegularExpression(QStringLiteral("invokeMethod: No such method .*ButtonGroupWidget::addButton")));
    QTest::ignoreMessage(
        QtWarningMsg,
        QRegularExpression(QStringLiteral("invokeMethod: No such method .*ButtonGroupWidget::addButton")));
    return std::unique_ptr<QWidget>(loader.load(&file));
}

template<typename T>
T *child(QWidget *form, const char *name)
{
    return form->findChild<T *>(QLatin1String(name));
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

void compareTrees(QObject *compiled, QObject *loaded, const QString &path)
{
    QCOMPARE(QString::fromLatin1(loaded->metaObject()->className()),
             QString::fromLatin1(compiled->metaObject()->className()));
    QCOMPARE(loaded->objectName(), compiled->objectName());
    const QMetaObject *meta = compiled->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isReadable() || !property.isWritable() || !property.isStored() || !property.isDesignable()) {
            continue;
        }
        const QVariant expected = comparable(property.read(compiled));
        const QVariant actual = comparable(property.read(loaded));
        QVERIFY2(actual == expected,
                 qPrintable(QStringLiteral("%1.%2: %3, compiled %4")
                                .arg(path, QLatin1String(property.name()), actual.toString(), expected.toString())));
    }
    QList<QWidget *> compiledChildren;
    QList<QWidget *> loadedChildren;
    for (QObject *object : compiled->children()) {
        if (auto *widget = qobject_cast<QWidget *>(object); widget && !widget->objectName().isEmpty()) {
            compiledChildren.append(widget);
        }
    }
    for (QObject *object : loaded->children()) {
        if (auto *widget = qobject_cast<QWidget *>(object); widget && !widget->objectName().isEmpty()) {
            loadedChildren.append(widget);
        }
    }
    QStringList compiledNames;
    QStringList loadedNames;
    for (QWidget *widget : compiledChildren) {
        compiledNames.append(widget->objectName());
    }
    for (QWidget *widget : loadedChildren) {
        loadedNames.append(widget->objectName());
    }
    QCOMPARE(loadedNames, compiledNames);
    for (int i = 0; i < compiledChildren.size(); ++i) {
        compareTrees(compiledChildren.at(i), loadedChildren.at(i), path + QLatin1Char('/') + compiledNames.at(i));
        if (QTest::currentTestFailed()) {
            return;
        }
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
        QTest::newRow("loaded by QUiLoader") << false;
    }
    void formBuildsTheDesignedTree()
    {
        QFETCH(bool, compiled);
        const std::unique_ptr<QWidget> form = compiled ? compiledForm() : loadedForm();
        QVERIFY(form);
        form->show();
        QCoreApplication::processEvents();

        // Cards: the widgets placed into contentsWidget are the contents, and show.
        auto *camera = child<CardWidget>(form.get(), "cameraCard");
        QVERIFY(camera);
        QCOMPARE(camera->title(), QStringLiteral("Camera"));
        QCOMPARE(camera->subtitle(), QStringLiteral("Exposure and gain"));
        QCOMPARE(camera->getContentsWidget(), child<QWidget>(form.get(), "contentsWidget"));
        auto *exposure = child<ErrorLineEdit>(form.get(), "exposureEdit");
        QVERIFY(exposure);
        QVERIFY(exposure->isVisible());
        QVERIFY(child<QLabel>(form.get(), "exposureLabel")->isVisible());
        QVERIFY(camera->isAncestorOf(exposure));
        QVERIFY(camera->height() >= exposure->mapTo(camera, QPoint(0, exposure->height())).y());
        QCOMPARE(exposure->text(), QStringLiteral("250000"));
        QVERIFY(exposure->getErrorState());
        QCOMPARE(exposure->getErrorMessage(), QStringLiteral("At most 10000 ms"));

        auto *filter = child<CardWidget>(form.get(), "filterCard");
        QVERIFY(filter);
        QVERIFY(filter->isCheckable());
        QVERIFY(filter->isChecked());
        QCOMPARE(filter->getContentsWidget(), child<QWidget>(form.get(), "contentsWidget_2"));
        auto *combo = child<ErrorComboBox>(form.get(), "filterCombo");
        QVERIFY(combo && combo->isVisible());
        QVERIFY(combo->getErrorState());
        QCOMPARE(combo->getErrorMessage(), QStringLiteral("Choose a filter"));
        auto *confirm = child<ErrorCheckBox>(form.get(), "confirmCheck");
        QVERIFY(confirm && confirm->isVisible());
        QVERIFY(confirm->getErrorState());

        // The expander is collapsed: its contents exist and show once it is expanded.
        auto *expander = child<ExpanderWidget>(form.get(), "advancedExpander");
        QVERIFY(expander);
        QVERIFY(!expander->isExpanded());
        QVERIFY(expander->isMinimized());
        QCOMPARE(expander->getContentsWidget(), child<QWidget>(form.get(), "contentsWidget_3"));
        auto *autoSwitch = child<SwitchCheckBox>(form.get(), "autoSwitch");
        QVERIFY(autoSwitch);
        QVERIFY(autoSwitch->isChecked());
        QVERIFY(!autoSwitch->isVisible());
        expander->expand();
        QCoreApplication::processEvents();
        QVERIFY(autoSwitch->isVisible());

        auto *slider = child<RangeSlider>(form.get(), "rangeSlider");
        QVERIFY(slider && slider->isVisible());
        QCOMPARE(slider->maximum(), 1000);
        QCOMPARE(slider->getMinHandleValue(), 120);
        QCOMPARE(slider->getMaxHandleValue(), 870);
        QVERIFY(!slider->getCanShowInputPopups());
        QCOMPARE(slider->getPopupPosition(), RangeSlider::Above);
        auto *colormap = child<ColormapRangeSlider>(form.get(), "colormapSlider");
        QVERIFY(colormap);
        QVERIFY(colormap->getHistogramVisibility());
        auto *color = child<ColorButton>(form.get(), "colorButton");
        QVERIFY(color);
        QVERIFY(!color->isAlphaChannelChessboardDrawn());
        QCOMPARE(color->getColorDialogMode(), ColorButton::Tool);

        // The buttons placed into the button group are its members, in form order.
        auto *group = child<ButtonGroupWidget>(form.get(), "modeGroup");
        QVERIFY(group);
        QVERIFY(group->isExclusive());
        auto *live = child<ButtonPrimary>(form.get(), "liveButton");
        auto *snap = child<ButtonSecondary>(form.get(), "snapButton");
        QVERIFY(live && snap);
        QCOMPARE(group->getButtons(), (QList<QAbstractButton *> {live, snap}));
        QVERIFY(live->isCheckable() && snap->isCheckable());
        QCOMPARE(live->text(), QStringLiteral("Live"));
        QVERIFY(live->x() + live->width() <= snap->x());

        auto *cascading = child<CascadingListView>(form.get(), "cascadingListView");
        QVERIFY(cascading && cascading->isVisible());
        QVERIFY(cascading->hasPersistentPanels());
        QCOMPARE(cascading->getPreviewPolicy(), CascadingListView::PREVIEW_ALWAYS_HIDDEN);
    }

    void loadedFormEqualsCompiledForm()
    {
        const std::unique_ptr<QWidget> compiled = compiledForm();
        const std::unique_ptr<QWidget> loaded = loadedForm();
        QVERIFY(loaded);
        for (QWidget *form : {compiled.get(), loaded.get()}) {
            form->show();
        }
        QCoreApplication::processEvents();
        compareTrees(compiled.get(), loaded.get(), QStringLiteral("NaluForm"));
    }
};

QTEST_MAIN(DesignerFormTest)
#include "tst_designer_form.moc"
