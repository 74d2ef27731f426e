// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsTheme/Theme.h>

#include <QList>
#include <QMainWindow>
#include <QPair>
#include <QString>

class QCheckBox;
class QComboBox;
class QListWidget;
class QStackedWidget;

namespace Nalu {
namespace Gallery {

class GalleryPage;

/**
 * @brief The gallery's main window: a navigation list on the left, the pages on the right.
 *
 * The constructor applies the reference theme, then adds every page, in
 * navigation order; a new page is one more addPage() call there.
 */
class GalleryWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit GalleryWindow(QWidget *parent = nullptr);
    /** @brief A window whose pages are built under the reference theme in @p variant, applied to the application first.
     */
    explicit GalleryWindow(Nalu::Theme::Variant variant, QWidget *parent = nullptr);
    ~GalleryWindow() override;

    /** @brief Appends @p page to the navigation and the page stack; the window takes ownership. */
    void addPage(GalleryPage *page);

    int pageCount() const;
    /** @brief The page at @p index, or nullptr when out of range. */
    GalleryPage *page(int index) const;
    int currentPageIndex() const;

    /** @brief The variant of the reference theme the window last applied; light by default. */
    Theme::Variant themeVariant() const { return m_variant; }

    /**
     * @brief The languages of the language switch: the locale name ("de") and the language's own name.
     *
     * The gallery's own texts stay English; the components' default texts follow the choice.
     */
    static QList<QPair<QString, QString>> languages();

    /** @brief The gallery's own rules (page chrome), added after the theme's style sheet. */
    static QString chromeStyleSheet();

public Q_SLOTS:
    /** @brief Shows the page at @p index and selects it in the navigation; ignores an index out of range. */
    void setCurrentPage(int index);

    /** @brief Applies the reference theme in @p variant to the whole application and ticks the dark switch to match. */
    void setThemeVariant(Nalu::Theme::Variant variant);

    /**
     * @brief Installs the components' translation for @p name (a locale name such as "ja") and selects it in the
     * language switch; returns whether the library has that language.
     */
    bool setLanguage(const QString &name);

private:
    Theme::Variant m_variant = Theme::Variant::Light;
    QCheckBox *m_darkSwitch = nullptr;
    QComboBox *m_language = nullptr;
    QListWidget *m_navigation = nullptr;
    QStackedWidget *m_pages = nullptr;

    Q_DISABLE_COPY(GalleryWindow)
};

} // namespace Gallery
} // namespace Nalu
