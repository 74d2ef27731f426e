// SPDX-License-Identifier: MIT

#include <ComponentsLibrary/ButtonGroupWidget.h>
#include <ComponentsLibrary/ButtonPrimary.h>
#include <ComponentsLibrary/CardWidget.h>
#include <ComponentsLibrary/ColorButton.h>
#include <ComponentsLibrary/ErrorLineEdit.h>
#include <ComponentsLibrary/ExpanderWidget.h>
#include <ComponentsLibrary/RangeSlider.h>
#include <ComponentsLibrary/RoundedPixmap.h>
#include <ComponentsLibrary/TabWidgetStretched.h>
#include <ComponentsTheme/Style.h>
#include <ComponentsTheme/Theme.h>

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

#include "TestSupport.h"

#include <functional>

using Nalu::Theme::Variant;
namespace Theme = Nalu::Theme;
namespace Components = Nalu::Components;
using namespace TestSupport;

using Factory = std::function<QWidget *(QWidget *)>;
Q_DECLARE_METATYPE(Nalu::Theme::Variant)
Q_DECLARE_METATYPE(Factory)

namespace {

const char *name(Variant variant)
{
    return variant == Variant::Dark ? "dark" : "light";
}

Variant other(Variant variant)
{
    return variant == Variant::Dark ? Variant::Light : Variant::Dark;
}

template<typename T>
QWidget *create(QWidget *parent)
{
    return new T(parent);
}

double luminance(const QColor &color)
{
    const auto channel = [](qreal c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

QWidget *cardTitle(QWidget *parent)
{
    return childWhere<QLabel>(new Components::CardWidget(QStringLiteral("Title"), parent),
                              [](QLabel *label) { return label->property("CardWidgetBase_Title").toBool(); });
}

} // namespace

class tst_Theme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textColoursKeepContrastOnTheirBackgrounds_data()
    {
        QTest::addColumn<Variant>("variant");
        QTest::addColumn<QString>("textName");
        QTest::addColumn<QString>("backgroundName");
        QList<QPair<const char *, const char *>> all
            = {{"OnAccent", "Accent"},    {"OnAccent", "AccentHover"},    {"OnAccent", "Config"},
               {"OnAccent", "Danger"},    {"OnAccent", "Info"},           {"OnAccent", "Success"},
               {"OnWarning", "Warning"},  {"PavoText", "PavoBackground"}, {"BlinkText", "BlinkBackground"},
               {"Text", "SurfacePressed"}};
        for (const char *text : {"Text", "TextMuted", "Accent", "Error", "WarningText"}) {
            for (const char *background : {"Window", "Card", "Surface"}) {
                all.append(qMakePair(text, background));
            }
        }
        for (const Variant variant : {Variant::Light, Variant::Dark}) {
            for (const auto &[text, background] : qAsConst(all)) {
                QTest::addRow("%s %s on %s", name(variant), text, background)
                    << variant << QString::fromLatin1(text) << QString::fromLatin1(background);
            }
        }
    }
    void textColoursKeepContrastOnTheirBackgrounds()
    {
        QFETCH(Variant, variant);
        QFETCH(QString, textName);
        QFETCH(QString, backgroundName);
        const QColor text = Theme::color(variant, textName), background = Theme::color(variant, backgroundName);
        QVERIFY(text.isValid() && background.isValid());
        const double ratio = (std::max(luminance(text), luminance(background)) + 0.05)
            / (std::min(luminance(text), luminance(background)) + 0.05);
        QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
    }

    void iconThemeDrawsInTheVariantColours_data()
    {
        QTest::addColumn<Variant>("variant");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("colorName");
        const QStringList names = QStringLiteral("chevron.up chevron.down chevron.right chevron.left "
                                                 "chevron.up.ForegroundBrush chevron.down.ForegroundBrush "
                                                 "chevron.right.ForegroundBrush chevron.left.ForegroundBrush "
                                                 "action.menu status.checked.circular.colored action.exit.right")
                                      .split(QLatin1Char(' '));
        QCOMPARE(Theme::iconNames(), names);
        for (const Variant variant : {Variant::Light, Variant::Dark}) {
            for (const QString &icon : names) {
                // The actions and the ForegroundBrush chevrons are drawn in the text colour, the rest in the accent.
                const bool text = icon.startsWith(QLatin1String("action")) || icon.endsWith(QLatin1String("Brush"));
                QTest::addRow("%s %s", name(variant), qPrintable(icon))
                    << variant << icon << (text ? "Text" : "Accent");
            }
        }
    }
    void iconThemeDrawsInTheVariantColours()
    {
        QFETCH(Variant, variant);
        QFETCH(QString, name);
        QFETCH(QString, colorName);
        Theme::apply(*qApp, variant);
        const QImage image = QIcon::fromTheme(name).pixmap(48, 48).toImage();
        // Drawn in the variant's colour, which the other variant does not share.
        QVERIFY(countPixels(image, Theme::color(variant, colorName)) > 0);
        QCOMPARE(countPixels(image, Theme::color(other(variant), colorName)), 0);
    }

    void highlightedIconUsesTheStyleVariantAccent_data()
    {
        QTest::addColumn<Variant>("variant");
        QTest::addColumn<QString>("name"); // empty: the property is left unset
        QTest::addColumn<int>("side"); // asked for; twice 48 for a screen of ratio 2
        QTest::addColumn<bool>("found");
        for (const Variant variant : {Variant::Light, Variant::Dark}) {
            QTest::addRow("%s chevron.down", name(variant)) << variant << "chevron.down" << 48 << true;
            QTest::addRow("%s check mark", name(variant)) << variant << "status.checked.circular.colored" << 48 << true;
            QTest::addRow("%s unknown name", name(variant)) << variant << "no.such.icon" << 48 << false;
            QTest::addRow("%s no name", name(variant)) << variant << "" << 48 << false;
            QTest::addRow("%s application icon", name(variant)) << variant << "application.logo" << 48 << true;
            QTest::addRow("%s application icon, 96", name(variant)) << variant << "application.logo" << 96 << true;
        }
    }
    void highlightedIconUsesTheStyleVariantAccent()
    {
        QFETCH(Variant, variant);
        QFETCH(QString, name);
        QFETCH(int, side);
        QFETCH(bool, found);
        // A scalable icon of the application's own, found outside the theme: its left half opaque, its right
        // half clear.
        QTemporaryDir dir;
        QFile svg(dir.filePath(QStringLiteral("application.logo.svg")));
        QVERIFY(svg.open(QIODevice::WriteOnly));
        svg.write("<svg xmlns='http://www.w3.org/2000/svg' width='48' height='48'>"
                  "<rect x='0' y='0' width='24' height='48' fill='#0c2238'/></svg>");
        svg.close();
        QIcon::setFallbackSearchPaths({dir.path()});
        // The application runs the other variant: the style answers with its own colours.
        Theme::apply(*qApp, other(variant));
        Theme::Style style(variant);
        QLabel label;
        if (!name.isEmpty()) {
            label.setProperty("highlightedIcon", name);
        }
        const QIcon answer = style.standardIcon(QStyle::SP_CustomBase, nullptr, &label);
        QCOMPARE(!answer.isNull(), found);
        QVERIFY(style.standardIcon(QStyle::SP_CustomBase).isNull());
        // The application's style, style sheet included, passes the request through.
        QCOMPARE(!label.style()->standardIcon(QStyle::SP_CustomBase, nullptr, &label).isNull(), found);
        const QImage image = answer.pixmap(side, side).toImage();
        QIcon::setFallbackSearchPaths({});
        const QColor accent = Theme::color(variant, QStringLiteral("Accent"));
        QCOMPARE(countPixels(image, accent) > 0, found);
        if (name == QLatin1String("application.logo")) {
            // The accent takes the place of the icon's colour where it is drawn, and nowhere else, at the size
            // asked for: the edge in the middle is sharp.
            QCOMPARE(image.size(), QSize(side, side));
            const int half = side / 2;
            for (const QPoint &p : {QPoint(0, 0), QPoint(half / 2, half), QPoint(half - 1, side - 1)}) {
                QCOMPARE(image.pixelColor(p), accent);
            }
            for (const QPoint &p : {QPoint(half, 0), QPoint(half + half / 2, half), QPoint(side - 1, side - 1)}) {
                QCOMPARE(image.pixelColor(p).alpha(), 0);
            }
        }
    }

    void styleSetsAndRemovesThemeProperties_data()
    {
        QTest::addColumn<Factory>("factory");
        QTest::addColumn<QString>("names"); // a brush is also set in its "Disabled" form
        QTest::addColumn<QString>("brush"); // and the palette colour it takes
        QTest::newRow("button group") << Factory(create<Components::ButtonGroupWidget>)
                                      << "CornerRadius BackgroundBrush BorderBrush WorkflowLinkBrush"
                                      << "WorkflowLinkBrush Accent";
        QTest::newRow("range slider")
            << Factory(create<Components::RangeSlider>)
            << "CornerRadius BorderBrush BackgroundBrush RangeBrush SunkenBrush HoverBrush DefaultBrush"
            << "RangeBrush Accent";
        QTest::newRow("card") << Factory(create<Components::CardWidget>) << "BackgroundBrush"
                              << "BackgroundBrushDisabled Surface";
        QTest::newRow("colour button") << Factory(create<Components::ColorButton>) << "CornerRadius"
                                       << "";
        QTest::newRow("rounded pixmap") << Factory(create<Components::RoundedPixmap>) << "CornerRadius BorderBrush"
                                        << "BorderBrush BorderSubtle";
        QTest::newRow("card title") << Factory(cardTitle)
                                    << "CardWidgetBase_Title_DefaultFont CardWidgetBase_Title_MinimizedFont"
                                    << "";
    }
    void styleSetsAndRemovesThemeProperties()
    {
        QFETCH(Factory, factory);
        QFETCH(QString, names);
        QFETCH(QString, brush);
        QStringList all;
        for (const QString &name : names.split(QLatin1Char(' '))) {
            all << name;
            if (name.endsWith(QLatin1String("Brush"))) {
                all << name + QLatin1String("Disabled");
            }
        }
        const QStringList brushColour = brush.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QWidget window;
        QWidget *widget = factory(&window);
        QVERIFY(widget);
        for (const Variant variant : {Variant::Light, Variant::Dark, Variant::Light}) {
            // Switching re-polishes the existing widget.
            Theme::apply(*qApp, variant);
            widget->ensurePolished();
            for (const QString &name : qAsConst(all)) {
                QVERIFY2(widget->property(qPrintable(name)).isValid(), qPrintable(name));
            }
            if (!brushColour.isEmpty()) {
                QCOMPARE(widget->property(qPrintable(brushColour.at(0))).value<QBrush>().color(),
                         Theme::color(variant, brushColour.at(1)));
            }
        }
        // Leaving the theme's style takes its properties away.
        widget->style()->unpolish(widget);
        for (const QString &name : qAsConst(all)) {
            QVERIFY2(!widget->property(qPrintable(name)).isValid(), qPrintable(name));
        }
    }

    void runTimeChangesRestyle_data()
    {
        QTest::addColumn<Factory>("factory");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("colorName");
        QTest::newRow("outline") << Factory(create<Components::PushButton>) << "outline"
                                 << "Accent";
        QTest::newRow("error state") << Factory(create<Components::ErrorLineEdit>) << "errorState"
                                     << "Error";
        QTest::newRow("expanded") << Factory([](QWidget *p) {
            auto *expander = new Components::ExpanderWidget(QStringLiteral("Title"), p);
            expander->setExpanded(false);
            return expander;
        }) << "expanded"
                                  << "Accent";
    }
    void runTimeChangesRestyle()
    {
        QFETCH(Factory, factory);
        QFETCH(QString, property);
        QFETCH(QString, colorName);
        Theme::apply(*qApp, Variant::Light);
        QWidget window;
        QWidget *widget = factory(&window);
        widget->setGeometry(10, 10, 200, 80);
        window.resize(220, 100);
        window.show();
        const QColor expected = Theme::color(Variant::Light, colorName);
        QCOMPARE(countPixels(window.grab(widget->geometry()).toImage(), expected), 0);
        QVERIFY(widget->setProperty(qPrintable(property), true));
        QVERIFY(countPixels(window.grab(widget->geometry()).toImage(), expected) > 0);
    }

    void darkVariantLightensGlyphs()
    {
        const auto darkGreys = [](Variant variant, QStyle::StandardPixmap pixmap) {
            const QImage image = Theme::Style(variant).standardIcon(pixmap).pixmap(16, 16).toImage();
            int count = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    count += c.alpha() > 128 && c.hslSaturationF() < 0.25 && c.lightnessF() < 0.45;
                }
            }
            return count;
        };
        for (const auto pixmap : {QStyle::SP_MediaPlay, QStyle::SP_MediaPause, QStyle::SP_MediaVolume}) {
            QVERIFY(darkGreys(Variant::Light, pixmap) > 0);
            QCOMPARE(darkGreys(Variant::Dark, pixmap), 0);
        }
    }

    void stretchedTabBarSpansBesideCornerWidgets_data()
    {
        QTest::addColumn<bool>("rtl"); // the left corner widget then sits on the right
        QTest::newRow("left to right") << false;
        QTest::newRow("right to left") << true;
    }
    void stretchedTabBarSpansBesideCornerWidgets()
    {
        QFETCH(bool, rtl);
        Theme::Style style(Variant::Light);
        Nalu::Components::TabWidgetStretched tabs;
        tabs.setStyle(&style);
        tabs.setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
        auto *left = new QPushButton(QStringLiteral("L"));
        auto *right = new QPushButton(QStringLiteral("Right corner"));
        tabs.setCornerWidget(left, Qt::TopLeftCorner);
        tabs.setCornerWidget(right, Qt::TopRightCorner);
        tabs.addTab(new QWidget, QStringLiteral("Tab"));
        tabs.resize(400, 200);
        QVERIFY(showExposed(tabs));
        const int leftWidth = left->sizeHint().width(), rightWidth = right->sizeHint().width();
        QVERIFY(leftWidth != rightWidth);
        const QRect bar = tabs.tabBar()->geometry();
        QCOMPARE(bar.left(), rtl ? rightWidth : leftWidth);
        QCOMPARE(bar.right(), 399 - (rtl ? leftWidth : rightWidth));
    }

    void switchingLeavesNothingStale()
    {
        const QString extra = QStringLiteral("QLabel#extra { color: red; }");
        QWidget window;
        auto *primary = new Components::ButtonPrimary(&window);
        primary->setGeometry(10, 10, 120, 36);
        auto *card = new Components::CardWidget(QStringLiteral("Card"), &window);
        card->setGeometry(10, 60, 240, 160);
        card->setCheckable(true);
        card->setChecked(true);
        auto *expander = new Components::ExpanderWidget(QStringLiteral("Expander"), &window);
        expander->setGeometry(10, 230, 240, 60);
        window.resize(300, 300);
        const auto indicatorImage = [](QWidget *header) {
            auto *indicator = header->findChild<QLabel *>(QStringLiteral("expandIndicator"));
            return indicator ? indicator->pixmap(Qt::ReturnByValue).toImage() : QImage();
        };
        for (const Variant variant : {Variant::Dark, Variant::Light, Variant::Light, Variant::Dark, Variant::Light}) {
            Theme::apply(*qApp, variant, extra);
            window.show();
            QCOMPARE(qApp->styleSheet(), QString(Theme::styleSheet(variant) + extra));
            QCOMPARE(QIcon::themeSearchPaths().count(Theme::iconThemeSearchPath()), 1);
            QCOMPARE(qApp->palette().color(QPalette::Window), Theme::color(variant, QStringLiteral("Window")));
            const QColor accent = Theme::color(variant, QStringLiteral("Accent"));
            const QImage image = window.grab().toImage();
            QCOMPARE(image.pixelColor(primary->geometry().left() + 4, primary->geometry().center().y()), accent);
            // The check mark is rebuilt in the new variant's colours.
            QLabel *mark = childWhere<QLabel>(card, [](QLabel *l) {
                return l->property("highlightedIcon") == QStringLiteral("status.checked.circular.colored");
            });
            QVERIFY(mark);
            QCOMPARE(mark->pixmap(Qt::ReturnByValue).toImage().pixelColor(16, 10), accent);
            // The expand indicator of a switched header looks like the one of a header made now.
            Components::ExpanderWidget fresh(QStringLiteral("Fresh"), nullptr);
            QVERIFY(!indicatorImage(&fresh).isNull());
            QCOMPARE(indicatorImage(expander), indicatorImage(&fresh));
        }
    }
};

QTEST_MAIN(tst_Theme)
#include "tst_theme.moc"
