// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

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
    enum Shape {
        NoFrame = 0, ///< no border on contents and footer
        Box = 1, ///< a border drawn on contents and footer
    };
    Q_ENUM(Shape)

    /** @brief Creates the frame: a header (title in upper case), a hidden contents container and a hidden footer
     * container, shape Box. */
    explicit CardWidgetBase(QWidget *parent);
    /** @brief Creates the frame, then sets @p title. */
    CardWidgetBase(const QString &title, QWidget *parent);
    /** @brief Creates the frame, then sets @p title and @p subtitle, in that order. */
    CardWidgetBase(const QString &title, const QString &subtitle, QWidget *parent);
    ~CardWidgetBase() override;

    /** @brief The header's title as set (the title property). */
    const QString &title() const;
    /** @brief The header's subtitle (the subtitle property). */
    const QString &subtitle() const;
    /** @brief Whether the header shows its title in upper case (the upperCaseTitle property). */
    bool hasUpperCaseTitle() const;
    /** @brief Whether the parts are stacked footer, contents, header (the invertedAppearance property). */
    bool hasInvertedAppearance() const;
    /** @brief The border shape (the shape property). */
    Shape shape() const;
    /** @brief Whether the header is shown (the headerVisible property). */
    bool isHeaderVisible() const;
    /** @brief Whether the footer container is shown (the footerVisible property). */
    bool isFooterVisible() const;

    /** @brief The header's menu, or null. */
    QMenu *getMenu() const;
    /** @brief Sets the header's menu; null removes the menu button. The caller keeps ownership. */
    void setMenu(QMenu *menu);
    /** @brief The widget at the right of the title, or null. */
    QWidget *getHeaderRightWidget() const;
    /** @brief Places a widget at the right of the title; the previous one is handed back without a parent. */
    void setHeaderRightWidget(QWidget *widget);
    /** @brief The widget below the titles, or null. */
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

    /** @brief The widest part's width; the height of the parts shown on screen, with the layout's margins and spacing.
     */
    QSize sizeHint() const override;

public Q_SLOTS:
    /** @brief Sets the header's title; titleChanged() follows when it changes. */
    void setTitle(const QString &title);
    /** @brief Sets the header's subtitle; subtitleChanged() follows when it changes. */
    void setSubtitle(const QString &subtitle);
    /** @brief Shows the header's title in upper case or as set; upperCaseTitleChanged() follows when it changes. */
    void setUpperCaseTitle(bool upperCaseTitle);
    /**
     * @brief Stacks the parts footer, contents, header (or back) and sets "invertedAppearance" on all three.
     * The order is applied again even when the value is unchanged; invertedAppearanceChanged() follows a change, once
     * the parts are in their new order.
     */
    void setInvertedAppearance(bool invertedAppearance);
    /** @brief Sets the border shape: "shape" on the three parts; when it changes, repaints, then emits shapeChanged().
     */
    void setShape(Nalu::Components::CardWidgetBase::Shape shape);
    /** @brief Shows or hides the header and sets "headerVisible" on the contents container; when it changes, adjusts
     * the contents margins, repaints, then emits headerVisibleChanged(). */
    void setHeaderVisible(bool headerVisible);
    /** @brief Shows or hides the footer container and sets "footerVisible" on the contents container; when it changes,
     * adjusts the contents margins, repaints, then emits footerVisibleChanged(). */
    void setFooterVisible(bool footerVisible);

Q_SIGNALS:
    /** @brief Emitted when the header's title changed, through setTitle() or on the header directly, with the new
     * title. */
    void titleChanged(const QString &title);
    /** @brief Emitted when the header's subtitle changed, through setSubtitle() or on the header directly, with the new
     * subtitle. */
    void subtitleChanged(const QString &subtitle);
    /** @brief Emitted when the header's upper-case flag changed, through setUpperCaseTitle() or on the header directly.
     */
    void upperCaseTitleChanged(bool upperCaseTitle);
    /** @brief Emitted when the inverted appearance changed, through setInvertedAppearance() or on the header directly,
     * after the parts were put in their new order. */
    void invertedAppearanceChanged(bool invertedAppearance);
    /** @brief Emitted by setShape() when the shape changed, last, with the new shape. */
    void shapeChanged(Nalu::Components::CardWidgetBase::Shape shape);
    /** @brief Emitted by setHeaderVisible() when the flag changed, last, with the new value. */
    void headerVisibleChanged(bool headerVisible);
    /** @brief Emitted by setFooterVisible() when the flag changed, last, with the new value; setFooterWidget() goes
     * through setFooterVisible(). */
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
    /** @brief Gives a contents image square corners where it touches a visible header or footer. */
    void updateContentImageCornerFlags();
    /** @brief Designer forms: watches new children for the object name "contentsContainer...", which makes the child
     * the contents container. */
    bool event(QEvent *event) override;
    /** @brief Designer forms: watches the next child of the contents container for the object name "contentsWidget...",
     * which makes it the contents widget; consumes nothing. */
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void updateContentsLayoutMargins();

private:
    Q_DISABLE_COPY(CardWidgetBase)
    std::unique_ptr<CardWidgetBasePrivate> const d;
};

} // namespace Components
} // namespace Nalu
