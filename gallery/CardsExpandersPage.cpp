// SPDX-License-Identifier: MIT

#include "CardsExpandersPage.h"

#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/CardWidgetGroup.h>
#include <ComponentsLibrary/ExpanderWidget.h>
#include <ComponentsLibrary/ExpanderWidgetGroup.h>

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace Nalu {
namespace Gallery {

namespace {

using Components::CardWidget;
using Components::ExpanderWidget;

// The check mark's disc and the header titles read theme properties, which a Qt 5 style sheet cannot set.
void applyCardTheme(QWidget *card)
{
    card->setProperty("BackgroundBrush", QBrush(QColor(0xff, 0xff, 0xff)));
    card->setProperty("BackgroundBrushDisabled", QBrush(QColor(0xe4, 0xe9, 0xf0)));
    QFont titleFont = card->font();
    titleFont.setBold(true);
    QFont minimizedFont = titleFont;
    minimizedFont.setPointSizeF(qMax(8.0, titleFont.pointSizeF() - 1));
    for (QLabel *title : card->findChildren<QLabel *>(QStringLiteral("title"))) {
        title->setProperty("CardWidgetBase_Title_DefaultFont", titleFont);
        title->setProperty("CardWidgetBase_Title_MinimizedFont", minimizedFont);
    }
}

QLabel *wrappedLabel(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

// A generated picture, so the page needs no image files.
QPixmap landscape()
{
    QPixmap pixmap(240, 120);
    QPainter painter(&pixmap);
    QLinearGradient sky(0, 0, 0, 120);
    sky.setColorAt(0, QColor(0x9c, 0xc8, 0xf0));
    sky.setColorAt(1, QColor(0xe8, 0xf2, 0xfb));
    painter.fillRect(pixmap.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3f, 0x7d, 0x4e));
    painter.drawEllipse(QPointF(60, 150), 120, 70);
    painter.setBrush(QColor(0x2d, 0x5e, 0x3a));
    painter.drawEllipse(QPointF(200, 160), 110, 75);
    painter.setBrush(QColor(0xf5, 0xc5, 0x42));
    painter.drawEllipse(QPointF(190, 30), 14, 14);
    return pixmap;
}

} // namespace

CardsExpandersPage::CardsExpandersPage(QWidget *parent)
    : GalleryPage(
        tr("Cards and expanders"),
        tr("Containers that group related content under a header and can fold it away when it is not needed."), parent)
{
    addSection(tr("Cards"),
               tr("Click a card, or press Space on it, to check it. The four cards share an exclusive group, so "
                  "checking one unchecks the others."));
    auto *grid = new QWidget(this);
    auto *gridLayout = new QGridLayout(grid);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    auto *cardGroup = new Components::CardWidgetGroup(this);
    const QStringList titles {tr("Viewer"), tr("Analysis"), tr("Reports"), tr("Archive")};
    const QStringList subtitles {tr("Open and inspect images"), tr("Measure and compare"), tr("Share your results"),
                                 tr("Browse earlier sessions")};
    for (int i = 0; i < titles.size(); ++i) {
        auto *card = new CardWidget(titles.at(i), subtitles.at(i), grid);
        applyCardTheme(card);
        QLabel *contents = wrappedLabel(tr("Version %1.0, installed.").arg(i + 2));
        contents->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        contents->setMargin(6);
        contents->setMinimumHeight(72); // room for the check mark below the text
        card->setContentsWidget(contents);
        cardGroup->addCardWidget(card);
        gridLayout->addWidget(card, i / 2, i % 2);
    }
    cardGroup->getCardWidget(0)->setChecked(true);
    addComponent(grid, tr("CardWidget in an exclusive CardWidgetGroup"));

    auto *imageCard = new CardWidget(tr("Landscape"), tr("Imported today"), this);
    applyCardTheme(imageCard);
    imageCard->setContentsImage(landscape());
    imageCard->setFooterWidget(new QPushButton(tr("Open")));
    auto *menu = new QMenu(imageCard);
    menu->addAction(tr("Rename"));
    menu->addAction(tr("Delete"));
    imageCard->setMenu(menu);
    imageCard->setHeaderRightWidget(new QLabel(tr("New")));
    addComponent(imageCard, tr("CardWidget with an image, a menu and a footer"));

    addSection(tr("Expanders"),
               tr("Click a header, point at it and press Space, or reach it with Tab and press Space, to open it. "
                  "The stack below is an exclusive group and works like a tool box."));
    auto *stack = new QWidget(this);
    auto *stackLayout = new QVBoxLayout(stack);
    stackLayout->setContentsMargins(0, 0, 0, 0);
    stackLayout->setSpacing(0);
    auto *expanderGroup = new Components::ExpanderWidgetGroup(this);
    auto *general = new ExpanderWidget(tr("General"), stack);
    general->setContentsWidget(new QCheckBox(tr("Start with the system")));
    auto *display = new ExpanderWidget(tr("Display"), tr("Brightness and contrast"), stack);
    auto *brightness = new QSlider(Qt::Horizontal);
    brightness->setAccessibleName(tr("Brightness"));
    display->setContentsWidget(brightness);
    auto *about = new ExpanderWidget(tr("About"), stack);
    about->setContentsWidget(wrappedLabel(tr("Components gallery, built with Qt %1.").arg(QLatin1String(qVersion()))));
    for (ExpanderWidget *expander : {general, display, about}) {
        applyCardTheme(expander);
        stackLayout->addWidget(expander);
        expanderGroup->addExpanderWidget(expander);
    }
    addComponent(stack, tr("ExpanderWidget stack in an exclusive ExpanderWidgetGroup"));

    auto *minimized = new ExpanderWidget(tr("Details"), this);
    applyCardTheme(minimized);
    minimized->setMinimized(true);
    minimized->setShape(Components::CardWidgetBase::Box);
    minimized->setContentsWidget(wrappedLabel(tr("12 frames, acquired on Monday.")));
    minimized->setFooterWidget(new QPushButton(tr("Show all")));
    minimized->collapse();
    addComponent(minimized, tr("Minimized ExpanderWidget"));
}

CardsExpandersPage::~CardsExpandersPage() = default;

} // namespace Gallery
} // namespace Nalu
