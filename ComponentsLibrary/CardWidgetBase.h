// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QMetaType>
#include <QWidget>

#include <memory>

class QMenu;

namespace Nalu {
namespace Components {

class CardWidgetBaseHeader;
class CardWidgetBasePrivate;

/**
 * @brief The frame shared by cards and expanders: a header, a contents container and a footer container.
 *
 * The frame paints nothing itself. The style sheet draws the three parts from the selector properties set on them:
 * "CardWidgetBase_Header", "CardWidgetBase_Contents" and "CardWidgetBase_Footer" (true), "shape" (int) and
 * "invertedAppearance" on all three, "headerVisible" and "footerVisible" on the contents container.
 *
 * In forms built with a visual designer, a child named "contentsContainer..." becomes the contents container and
 * a child of it named "contentsWidget..." the contents widget.
 */
class COMPONENTSLIBRARY_EXPORT CardWidgetBase : public QWidget
{
    Q_OBJECT
    /** @brief The header's title; default empty. */
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    /** @brief The header's subtitle; default empty. */
    Q_PROPERTY(QString subtitle READ subtitle WRITE setSubtitle NOTIFY subtitleChanged)
    /** @brief The title is shown in upper case; default true. */
    Q_PROPERTY(bool upperCaseTitle READ hasUpperCaseTitle WRITE setUpperCaseTitle NOTIFY upperCaseTitleChanged)
    /** @brief The parts are stacked footer, contents, header instead of header, contents, footer; default false. */
    Q_PROPERTY(
        bool invertedAppearance READ hasInvertedAppearance WRITE setInvertedAppearance NOTIFY invertedAppearanceChanged)
    /** @brief The border drawn by the style sheet around contents and footer; default Box. */
    Q_PROPERTY(Nalu::Components::CardWidgetBase::Shape shape READ shape WRITE setShape NOTIFY shapeChanged)
    /** @brief The header is shown; default true. */
    Q_PROPERTY(
        bool headerVisible READ isHeaderVisible WRITE setHeaderVisible NOTIFY headerVisibleChanged DESIGNABLE false)
    /** @brief The footer container is shown; default false, set by setFooterWidget. */
    Q_PROPERTY(
        bool footerVisible READ isFooterVisible WRITE setFooterVisible NOTIFY footerVisibleChanged DESIGNABLE false)

public:
    /** @brief The border of contents and footer. */
    enum Shape { NoFrame = 0, Box = 1 };

    explicit CardWidgetBase(QWidget *parent);
    CardWidgetBase(const QString &title, QWidget *parent);
    CardWidgetBase(const QString &title, const QString &subtitle, QWidget *parent);
    ~CardWidgetBase() override;

    const QString &title() const;
    const QString &subtitle() const;
    bool hasUpperCaseTitle() const;
    bool hasInvertedAppearance() const;
    Shape shape() const;
    bool isHeaderVisible() const;
    bool isFooterVisible() const;

    /** @brief The header's menu, or null. */
    QMenu *getMenu() const;
    /** @brief Sets the header's menu; null removes the menu button. The caller keeps ownership. */
    void setMenu(QMenu *menu);
    QWidget *getHeaderRightWidget() const;
    /** @brief Places a widget at the right of the title; the previous one is handed back without a parent. */
    void setHeaderRightWidget(QWidget *widget);
    QWidget *getHeaderBottomWidget() const;
    /** @brief Places a widget below the titles; the previous one is handed back without a parent. */
    void setHeaderBottomWidget(QWidget *widget);

    /** @brief The first widget child of the contents container, or null. */
    QWidget *getContentsWidget() const;
    /** @brief Places the contents; the previous one is handed back without a parent. Null hides the contents. */
    virtual void setContentsWidget(QWidget *widget);
    /** @brief Shows an image as contents, with square corners where it touches the header or footer. */
    void setContentsImage(const QPixmap &pixmap);

    /** @brief The first widget child of the footer container, or null. */
    QWidget *getFooterWidget() const;
    /** @brief Places the footer and shows it; the previous one is handed back without a parent. Null hides it. */
    virtual void setFooterWidget(QWidget *widget);

    QSize sizeHint() const override;

public Q_SLOTS:
    void setTitle(const QString &title);
    void setSubtitle(const QString &subtitle);
    void setUpperCaseTitle(bool upperCaseTitle);
    void setInvertedAppearance(bool invertedAppearance);
    void setShape(Nalu::Components::CardWidgetBase::Shape shape);
    void setHeaderVisible(bool headerVisible);
    void setFooterVisible(bool footerVisible);

Q_SIGNALS:
    void titleChanged(const QString &title);
    void subtitleChanged(const QString &subtitle);
    void upperCaseTitleChanged(bool upperCaseTitle);
    void invertedAppearanceChanged(bool invertedAppearance);
    void shapeChanged(Nalu::Components::CardWidgetBase::Shape shape);
    void headerVisibleChanged(bool headerVisible);
    void footerVisibleChanged(bool footerVisible);

protected:
    /** @brief The header; exists for the frame's whole life. */
    CardWidgetBaseHeader *header() const;
    /** @brief The contents container; exists for the frame's whole life, replaced only by setContentsContainer. */
    QWidget *contentsContainer() const;
    /** @brief The footer container; exists for the frame's whole life. */
    QWidget *footerContainer() const;

    /** @brief Replaces the contents container (designer forms); the old one is deleted later. Null is ignored. */
    virtual void setContentsContainer(QWidget *widget);
    void updateContentImageCornerFlags();
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void updateContentsLayoutMargins();

private:
    Q_DISABLE_COPY(CardWidgetBase)
    std::unique_ptr<CardWidgetBasePrivate> const d;
};

} // namespace Components
} // namespace Nalu

Q_DECLARE_METATYPE(Nalu::Components::CardWidgetBase::Shape)
