#pragma once

#include <QMainWindow>

class QListWidget;
class QStackedWidget;

namespace Nalu {
namespace Gallery {

class GalleryPage;

/**
 * @brief The gallery's main window: a navigation list on the left, the pages on the right.
 *
 * The constructor adds every page, in navigation order; a new page is one
 * more addPage() call there.
 */
class GalleryWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit GalleryWindow(QWidget *parent = nullptr);
    ~GalleryWindow() override;

    /** @brief Appends @p page to the navigation and the page stack; the window takes ownership. */
    void addPage(GalleryPage *page);

    int pageCount() const;
    /** @brief The page at @p index, or nullptr when out of range. */
    GalleryPage *page(int index) const;
    int currentPageIndex() const;

public Q_SLOTS:
    /** @brief Shows the page at @p index and selects it in the navigation; ignores an index out of range. */
    void setCurrentPage(int index);

private:
    QListWidget *m_navigation = nullptr;
    QStackedWidget *m_pages = nullptr;

    Q_DISABLE_COPY(GalleryWindow)
};

} // namespace Gallery
} // namespace Nalu
