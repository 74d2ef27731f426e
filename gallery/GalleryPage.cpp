// SPDX-License-Identifier: MIT

#include "GalleryPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaClassInfo>
#include <QMetaObject>
#include <QVBoxLayout>

namespace Nalu {
namespace Gallery {

namespace {

QLabel *makeLabel(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    // A style sheet border would otherwise indent the text by half an 'x'.
    label->setIndent(0);
    return label;
}

} // namespace

GalleryPage::GalleryPage(const QString &title, const QString &intro, QWidget *parent)
    : QScrollArea(parent)
    , m_title(title)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    // The page scrolls with the keys when it has the focus; it is named after its title.
    setAccessibleName(title);

    auto *content = new QWidget(this);
    content->setObjectName(QStringLiteral("galleryPageContent"));

    m_layout = new QVBoxLayout(content);
    m_layout->setContentsMargins(24, 20, 24, 20);
    m_layout->setSpacing(12);
    m_layout->addWidget(makeLabel(title, QStringLiteral("galleryPageTitle"), content));
    m_layout->addWidget(makeLabel(intro, QStringLiteral("galleryPageIntro"), content));

    m_rows = new QGridLayout;
    m_rows->setHorizontalSpacing(24);
    m_rows->setVerticalSpacing(12);
    m_rows->setColumnStretch(1, 1);
    m_layout->addLayout(m_rows);
    m_layout->addStretch(1);

    setWidget(content);
}

GalleryPage::~GalleryPage() = default;

void GalleryPage::addComponent(QWidget *component, const QString &caption)
{
    addComponents({component}, caption);
}

void GalleryPage::addComponents(const QList<QWidget *> &variants, const QString &caption)
{
    if (variants.isEmpty()) {
        return;
    }
    QWidget *content = widget();
    const QMetaObject *metaObject = variants.first()->metaObject();

    auto *componentCell = new QWidget(content);
    auto *componentLayout = new QHBoxLayout(componentCell);
    componentLayout->setContentsMargins(0, 0, 0, 0);
    componentLayout->setSpacing(12);
    for (QWidget *variant : variants) {
        componentLayout->addWidget(variant, 0, Qt::AlignVCenter);
    }
    componentLayout->addStretch(1);

    QWidget *textCell = makeTextCell(metaObject, caption);

    m_rows->addWidget(componentCell, m_nextRow, 0, Qt::AlignLeft | Qt::AlignVCenter);
    // No alignment here: the text must take the column's full width to wrap well.
    m_rows->addWidget(textCell, m_nextRow, 1);
    ++m_nextRow;
}

void GalleryPage::addWideComponent(QWidget *component, QWidget *controls, const QString &caption)
{
    addFullWidthRow(makeTextCell(component->metaObject(), caption));
    component->setParent(widget());
    addFullWidthRow(component);
    if (controls) {
        controls->setParent(widget());
        addFullWidthRow(controls);
    }
}

QWidget *GalleryPage::makeTextCell(const QMetaObject *metaObject, const QString &caption)
{
    auto *textCell = new QWidget(widget());
    auto *textLayout = new QVBoxLayout(textCell);
    textLayout->setContentsMargins(0, 0, 0, 0);
    textLayout->setSpacing(2);
    textLayout->addStretch(1);
    const QString shownCaption = caption.isEmpty() ? shortClassName(metaObject) : caption;
    textLayout->addWidget(makeLabel(shownCaption, QStringLiteral("galleryCaption"), textCell));
    const QString description = ownClassDescription(metaObject);
    if (!description.isEmpty()) {
        // Long descriptions are documentation: the row shows their first
        // paragraph and the tool tip the whole text.
        QLabel *label = makeLabel(description.section(QStringLiteral("\n\n"), 0, 0),
                                  QStringLiteral("galleryDescription"), textCell);
        label->setToolTip(description);
        textLayout->addWidget(label);
    }
    textLayout->addStretch(1);

    return textCell;
}

void GalleryPage::addSection(const QString &heading, const QString &explanation)
{
    addFullWidthRow(makeLabel(heading, QStringLiteral("gallerySection"), widget()));
    if (!explanation.isEmpty()) {
        addFullWidthRow(makeLabel(explanation, QStringLiteral("gallerySectionExplanation"), widget()));
    }
}

void GalleryPage::addComingSoon(const QString &what)
{
    addFullWidthRow(makeLabel(tr("Coming soon: %1").arg(what), QStringLiteral("galleryComingSoon"), widget()));
}

QString GalleryPage::ownClassDescription(const QMetaObject *metaObject)
{
    // indexOfClassInfo() also finds the entries of superclasses; those sit
    // below classInfoOffset() and belong to another class.
    const int index = metaObject->indexOfClassInfo("description");
    if (index < metaObject->classInfoOffset()) {
        return {};
    }
    return QString::fromUtf8(metaObject->classInfo(index).value());
}

QString GalleryPage::shortClassName(const QMetaObject *metaObject)
{
    const QString name = QString::fromLatin1(metaObject->className());
    return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
}

void GalleryPage::addFullWidthRow(QWidget *widget)
{
    m_rows->addWidget(widget, m_nextRow, 0, 1, 2);
    ++m_nextRow;
}

} // namespace Gallery
} // namespace Nalu
