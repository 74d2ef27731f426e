// SPDX-License-Identifier: MIT

#include <ComponentsTheme/Style.h>

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <QIconEngine>
#include <QLabel>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPainter>
#include <QRubberBand>
#include <QSlider>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabWidget>
#include <QVariant>

#include <utility>
#include <vector>

namespace Nalu {
namespace Theme {

namespace {

using ThemeProperties = std::vector<std::pair<QByteArray, QVariant>>;

// Qt properties of the components that the theme's style sheet selects on.
const char *const SelectedProperties[]
    = {"outline",   "highlighted", "circular", "frameless",  "checked", "expanded",          "errorState",
       "minimized", "exclusive",   "workflow", "expandable", "shape",   "invertedAppearance"};

bool isComponent(const QWidget *widget)
{
    return qstrncmp(widget->metaObject()->className(), "Nalu::Components::", 18) == 0;
}

bool isCardHighlight(const QWidget *widget)
{
    return qobject_cast<const QRubberBand *>(widget) && widget->parentWidget()
        && widget->parentWidget()->inherits("Nalu::Components::CardWidget");
}

QFont titleFont(qreal scale)
{
    QFont font = QApplication::font();
    font.setBold(true);
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * scale);
    } else {
        font.setPixelSize(qMax(1, qRound(font.pixelSize() * scale)));
    }
    return font;
}

// @p icon with its dark grey pixels given the mirrored lightness: the base
// style draws its glyphs for light backgrounds. Colours are kept.
QIcon lightenedGlyphs(const QIcon &icon)
{
    QIcon result;
    for (const QSize &size : icon.availableSizes()) {
        QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QColor color = QColor::fromRgba(line[x]);
                if (color.hslSaturationF() < 0.25 && color.lightnessF() < 0.5) {
                    line[x] = QColor::fromHslF(color.hslHueF(), color.hslSaturationF(), 1.0 - color.lightnessF(),
                                               color.alphaF())
                                  .rgba();
                }
            }
        }
        result.addPixmap(QPixmap::fromImage(image));
    }
    // Icons drawn on demand list no sizes: those stay as they are.
    return result.isNull() ? icon : result;
}

// An icon drawn in one colour where its source is drawn, at whatever size it is asked for: a scalable
// source is rendered at that size, never scaled up from a smaller picture.
class TintedIconEngine : public QIconEngine
{
public:
    TintedIconEngine(const QIcon &source, const QColor &color)
        : source(source)
        , color(color)
    {
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        QPixmap pixmap = source.pixmap(size, 1.0, mode, state);
#else
        QPixmap pixmap = source.pixmap(size, mode, state);
#endif
        QPainter painter(&pixmap);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(QRect(QPoint(0, 0), pixmap.size() / pixmap.devicePixelRatioF()), color);
        return pixmap;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap device = pixmap(rect.size() * ratio, mode, state);
        device.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), device);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return source.actualSize(size, mode, state);
    }

    QIconEngine *clone() const override
    {
        return new TintedIconEngine(source, color);
    }

private:
    const QIcon source;
    const QColor color;
};

} // namespace

class StylePrivate
{
public:
    explicit StylePrivate(Variant variant)
        : variant(variant)
    {
    }

    QColor color(const char *name) const { return Theme::color(variant, QLatin1String(name)); }

    // A brush and its "Disabled" form.
    void addBrush(ThemeProperties &properties, const char *name, const char *enabledColor,
                  const char *disabledColor) const
    {
        properties.emplace_back(name, QVariant::fromValue(QBrush(color(enabledColor))));
        properties.emplace_back(QByteArray(name) + "Disabled", QVariant::fromValue(QBrush(color(disabledColor))));
    }

    // What the theme sets on @p widget, keyed by its class or selector property.
    ThemeProperties themeProperties(const QWidget *widget) const
    {
        ThemeProperties properties;
        if (widget->inherits("Nalu::Components::ButtonGroupWidget")) {
            properties.emplace_back("CornerRadius", 4);
            addBrush(properties, "BackgroundBrush", "Card", "Surface");
            addBrush(properties, "BorderBrush", "Border", "BorderSubtle");
            addBrush(properties, "WorkflowLinkBrush", "Accent", "TextDisabled");
        } else if (widget->inherits("Nalu::Components::RangeSlider") || widget->property("rangeSlider").toBool()) {
            properties.emplace_back("CornerRadius", 4);
            addBrush(properties, "BackgroundBrush", "Groove", "Surface");
            addBrush(properties, "BorderBrush", "Border", "BorderSubtle");
            addBrush(properties, "RangeBrush", "Accent", "BorderSubtle");
            addBrush(properties, "DefaultBrush", "RangeHandle", "BorderSubtle");
            addBrush(properties, "HoverBrush", "RangeHandleHover", "BorderSubtle");
            addBrush(properties, "SunkenBrush", "RangeHandlePressed", "BorderSubtle");
        } else if (widget->inherits("Nalu::Components::CardWidget")) {
            addBrush(properties, "BackgroundBrush", "Card", "Surface");
        } else if (widget->inherits("Nalu::Components::ColorButton")) {
            properties.emplace_back("CornerRadius", 3);
        } else if (widget->inherits("Nalu::Components::RoundedPixmap")) {
            properties.emplace_back("CornerRadius", 8);
            addBrush(properties, "BorderBrush", "BorderSubtle", "BorderSubtle");
        } else if (qobject_cast<const QLabel *>(widget) && widget->property("CardWidgetBase_Title").toBool()) {
            properties.emplace_back("CardWidgetBase_Title_DefaultFont", titleFont(1.15));
            properties.emplace_back("CardWidgetBase_Title_MinimizedFont", titleFont(0.85));
        }
        return properties;
    }

    // The theme's own drawing of @p name, else the icon theme's icon tinted with the accent.
    QIcon highlightedIcon(const QString &name) const
    {
        const QString path
            = QStringLiteral("%1/%2/scalable/%3.svg").arg(iconThemeSearchPath(), iconThemeName(variant), name);
        if (QFile::exists(path)) {
            return QIcon(path);
        }
        const QIcon source = QIcon::fromTheme(name);
        if (source.isNull()) {
            return {};
        }
        return QIcon(new TintedIconEngine(source, color("Accent")));
    }

    const Variant variant;
};

Style::Style(Variant variant, QStyle *baseStyle)
    : QProxyStyle(baseStyle ? baseStyle : QStyleFactory::create(QStringLiteral("Fusion")))
    , d(std::make_unique<StylePrivate>(variant))
{
}

Style::~Style() = default;

Variant Style::variant() const
{
    return d->variant;
}

void Style::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    if (!widget) {
        return;
    }
    const ThemeProperties properties = d->themeProperties(widget);
    for (const auto &property : properties) {
        widget->setProperty(property.first.constData(), property.second);
    }
    if (isComponent(widget)) {
        const QMetaMethod repolish = metaObject()->method(metaObject()->indexOfSlot("repolishSender()"));
        for (const char *name : SelectedProperties) {
            const QMetaProperty property = widget->metaObject()->property(widget->metaObject()->indexOfProperty(name));
            if (property.hasNotifySignal()) {
                connect(widget, property.notifySignal(), this, repolish, Qt::UniqueConnection);
            }
        }
    }
}

void Style::repolishSender()
{
    auto *widget = qobject_cast<QWidget *>(sender());
    if (!widget) {
        return;
    }
    // Through each widget's own style, so that a style sheet recomputes its
    // rules too; descendants as well, for rules such as "[expanded="true"] QLabel".
    QList<QWidget *> widgets = widget->findChildren<QWidget *>();
    widgets.prepend(widget);
    for (QWidget *target : qAsConst(widgets)) {
        target->style()->unpolish(target);
        target->style()->polish(target);
        target->update();
    }
}

void Style::unpolish(QWidget *widget)
{
    if (widget) {
        const ThemeProperties properties = d->themeProperties(widget);
        for (const auto &property : properties) {
            widget->setProperty(property.first.constData(), QVariant());
        }
        disconnect(widget, nullptr, this, nullptr);
    }
    QProxyStyle::unpolish(widget);
}

QPalette Style::standardPalette() const
{
    return palette(d->variant);
}

QIcon Style::standardIcon(StandardPixmap standardIcon, const QStyleOption *option, const QWidget *widget) const
{
    if (standardIcon != SP_CustomBase) {
        const QIcon base = QProxyStyle::standardIcon(standardIcon, option, widget);
        return d->variant == Variant::Dark ? lightenedGlyphs(base) : base;
    }
    if (!widget) {
        return {};
    }
    const QString name = widget->property("highlightedIcon").toString();
    return name.isEmpty() ? QIcon() : d->highlightedIcon(name);
}

void Style::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                        const QWidget *widget) const
{
    if (element == CE_RubberBand && option && painter && isCardHighlight(widget)) {
        // A checked card: an accent ring over its frame, the card itself left visible.
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(d->color("Accent"), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(option->rect).adjusted(1, 1, -1, -1), 6, 6);
        painter->restore();
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

int Style::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                     QStyleHintReturn *returnData) const
{
    // The card's check mark is a child of its highlight: a mask would cut it off.
    if (hint == SH_RubberBand_Mask && isCardHighlight(widget)) {
        return 0;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QRect Style::subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const
{
    QRect rect = QProxyStyle::subElementRect(element, option, widget);
    const auto *tabOption = qstyleoption_cast<const QStyleOptionTabWidgetFrame *>(option);
    if (element == SE_TabWidgetTabBar && tabOption && widget && widget->property("stretched").toBool()) {
        // Stretched tab widgets give their bar the whole width (or height) beside the corner widgets.
        const QTabWidget::TabPosition position = qobject_cast<const QTabWidget *>(widget)
            ? qobject_cast<const QTabWidget *>(widget)->tabPosition()
            : QTabWidget::North;
        if (position == QTabWidget::North || position == QTabWidget::South) {
            // From right to left the left corner widget sits on the right, as Qt places it.
            const bool rtl = option->direction == Qt::RightToLeft;
            const int leftCorner = tabOption->leftCornerWidgetSize.width();
            const int rightCorner = tabOption->rightCornerWidgetSize.width();
            rect.setLeft(option->rect.left() + (rtl ? rightCorner : leftCorner));
            rect.setRight(option->rect.right() - (rtl ? leftCorner : rightCorner));
        } else {
            rect.setTop(option->rect.top() + tabOption->leftCornerWidgetSize.height());
            rect.setBottom(option->rect.bottom() - tabOption->rightCornerWidgetSize.height());
        }
    }
    return rect;
}

QRect Style::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                            const QWidget *widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    const auto *slider = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control == CC_Slider && (subControl == SC_SliderGroove || subControl == SC_SliderHandle) && slider
        && slider->orientation == Qt::Horizontal && slider->tickPosition == QSlider::NoTicks && widget
        && widget->inherits("Nalu::Components::ColormapRangeSlider")) {
        // A colormap slider paints its groove and handles at least its minimum height tall, down from their
        // top edge; the base style centres a groove much thinner than the minimum height the style sheet
        // gives range sliders, and the slider would cut them off at its bottom. Spanning the slider's height,
        // they fit under any minimum height. With tick marks the base style's layout, which leaves them room,
        // is kept.
        rect.setTop(slider->rect.top());
        rect.setBottom(slider->rect.bottom());
    }
    return rect;
}

} // namespace Theme
} // namespace Nalu
