// SPDX-License-Identifier: MIT
// What many suites repeat: showing windows, rendering, comparing colours, hovering, logging signals.
#pragma once

#include <QColor>
#include <QImage>
#include <QModelIndex>
#include <QObject>
#include <QStandardItemModel>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace TestSupport {

// Builds a tree from "A/B/C A/D E": one path per word; equal names under one parent are one item.
inline void addPaths(QStandardItemModel &model, const QString &paths)
{
    for (const QString &path : paths.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QStandardItem *item = model.invisibleRootItem();
        for (const QString &name : path.split(QLatin1Char('/'))) {
            int row = 0;
            while (row < item->rowCount() && item->child(row)->text() != name) {
                ++row;
            }
            item = row < item->rowCount() ? item->child(row)
                                          : (item->appendRow(new QStandardItem(name)), item->child(row));
        }
    }
}

// Shows a window and waits until it is exposed, or also active (for focus and shortcuts): QVERIFY(showExposed(w)).
[[nodiscard]] inline bool showExposed(QWidget &window)
{
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

[[nodiscard]] inline bool showActive(QWidget &window)
{
    window.show();
    return QTest::qWaitForWindowActive(&window);
}

// The widget rendered alone on an image filled with `under` first, children included unless told otherwise.
inline QImage rendered(QWidget &widget, const QColor &under = Qt::white,
                       QWidget::RenderFlags flags = QWidget::DrawChildren)
{
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(under);
    widget.render(&image, QPoint(), QRegion(), flags);
    return image;
}

// How many pixels of the image have exactly this colour (alpha included).
inline int countPixels(const QImage &image, const QColor &colour)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32); // 32-bit pixels, rows without padding
    const auto *pixels = reinterpret_cast<const QRgb *>(argb.constBits());
    return int(std::count(pixels, pixels + argb.width() * argb.height(), colour.rgba()));
}

// Empty when each channel of `actual` is within `tolerance` of `want`; else both colours, for the failure message:
// QCOMPARE(colourMismatch(pixel, want), QString()).
inline QString colourMismatch(const QColor &actual, const QColor &want, int tolerance = 4)
{
    const bool near = qAbs(actual.red() - want.red()) <= tolerance && qAbs(actual.green() - want.green()) <= tolerance
        && qAbs(actual.blue() - want.blue()) <= tolerance;
    return near ? QString() : actual.name() + QLatin1String(" instead of ") + want.name();
}

// `over` painted at `opacity` over `under`.
inline QColor mixed(const QColor &under, const QColor &over, qreal opacity)
{
    const auto channel = [opacity](qreal u, qreal o) { return (1 - opacity) * u + opacity * o; };
    return QColor::fromRgbF(channel(under.redF(), over.redF()), channel(under.greenF(), over.greenF()),
                            channel(under.blueF(), over.blueF()));
}

// Moves the pointer of `window` onto the centre of `target` (a descendant, or the window) through QTest, so that the
// platform delivers Enter and Leave events; true once the target is under the mouse.
[[nodiscard]] inline bool hoverCentre(QWidget &window, QWidget *target)
{
    QTest::mouseMove(&window, target->mapTo(&window, target->rect().center()));
    return QTest::qWaitFor([target] { return target->underMouse(); });
}

// The first descendant of type T that `accept` takes, or null.
template<typename T, typename Accept>
T *childWhere(const QObject *parent, Accept accept)
{
    const QList<T *> children = parent->findChildren<T *>();
    const auto found = std::find_if(children.cbegin(), children.cend(), accept);
    return found == children.cend() ? nullptr : *found;
}

// A readable log of signals: each emission appends its name and arguments ("expanded on", "range 10 20"); an index
// shows as its row.
class SignalLog : public QStringList
{
public:
    template<typename Sender, typename Signal>
    void record(const Sender *sender, Signal signal, const QString &name)
    {
        recordTyped(sender, signal, name);
    }
    QString joined() const { return join(QLatin1String(", ")); }

private:
    static QString text(bool on) { return QLatin1String(on ? "on" : "off"); }
    static QString text(int value) { return QString::number(value); }
    static QString text(const QString &value) { return QLatin1Char('"') + value + QLatin1Char('"'); }
    static QString text(const QObject *object) { return object ? object->objectName() : QStringLiteral("null"); }
    static QString text(const QModelIndex &index)
    {
        return index.isValid() ? QString::number(index.row()) : QStringLiteral("-");
    }

    template<typename Sender, typename Class, typename... Args>
    void recordTyped(const Sender *sender, void (Class::*signal)(Args...), const QString &name)
    {
        QObject::connect(sender, signal, m_context.get(), [this, name](Args... args) {
            QStringList parts;
            if (!name.isEmpty()) {
                parts << name;
            }
            (parts.append(text(args)), ...);
            append(parts.join(QLatin1Char(' ')));
        });
    }
    std::unique_ptr<QObject> m_context = std::make_unique<QObject>(); // ends the connections with the log
};

} // namespace TestSupport
