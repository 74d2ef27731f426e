// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QScrollArea>
#include <QString>

class QGridLayout;
class QMetaObject;
class QVBoxLayout;

namespace Nalu {
namespace Gallery {

/**
 * @brief One scrollable page of the gallery: a title, a short intro, then rows of components.
 *
 * Subclasses fill the page in their constructor with addSection() and
 * addComponent(); each row shows the component on the left and, on the
 * right, a caption and the description the component's own class declares
 * as Q_CLASSINFO("description", ...).
 */
class GalleryPage : public QScrollArea
{
    Q_OBJECT

public:
    GalleryPage(const QString &title, const QString &intro, QWidget *parent = nullptr);
    ~GalleryPage() override;

    /** @brief The title shown on the page and in the navigation list. */
    QString title() const { return m_title; }

    /**
     * @brief Adds a row with @p component beside its class description.
     *
     * The page takes ownership of @p component. The caption defaults to the
     * component's class name without its namespace.
     */
    void addComponent(QWidget *component, const QString &caption = {});

    /**
     * @brief Adds one row with several variants of a component side by side.
     *
     * The description is the one of the first variant's class. The page takes
     * ownership of every widget in @p variants. Does nothing for an empty list.
     */
    void addComponents(const QList<QWidget *> &variants, const QString &caption = {});

    /**
     * @brief Adds a component too wide for the two-column rows: its caption and description
     * above it, and optional @p controls (for example switches for its options) below it.
     *
     * The page takes ownership of @p component and @p controls.
     */
    void addWideComponent(QWidget *component, QWidget *controls = nullptr, const QString &caption = {});

    /** @brief Starts a new group of rows with a heading and an optional explanation. */
    void addSection(const QString &heading, const QString &explanation = {});

    /** @brief Shows what the page will hold once its components exist. */
    void addComingSoon(const QString &what);

    /**
     * @brief The description declared by the class of @p metaObject itself.
     *
     * Descriptions inherited from a superclass do not count: they describe a
     * different class. Returns an empty string when the class declares none.
     */
    static QString ownClassDescription(const QMetaObject *metaObject);

    /** @brief The class name of @p metaObject without its namespaces. */
    static QString shortClassName(const QMetaObject *metaObject);

private:
    void addFullWidthRow(QWidget *widget);
    QWidget *makeTextCell(const QMetaObject *metaObject, const QString &caption);

    QString m_title;
    QVBoxLayout *m_layout = nullptr;
    QGridLayout *m_rows = nullptr;
    int m_nextRow = 0;
};

} // namespace Gallery
} // namespace Nalu
