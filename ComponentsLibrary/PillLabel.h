// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QColor>
#include <QWidget>

#include <memory>

namespace Nalu {
namespace Components {

class PillLabelPrivate;

/**
 * @brief A short text, such as a tag or a status word, centred inside a filled pill.
 *
 * A short text centred in a filled pill, with a text colour that stays readable on the pill.
 *
 * The pill is as high as the style's small-icon size and sits at the top of the widget. Style sheet selector:
 * Pill_Font=true, set in the constructor, for the style sheet to give pills their font. The setters only store and
 * notify: the change shows at the next repaint and layout pass.
 */
class COMPONENTSLIBRARY_EXPORT PillLabel : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A short text, such as a tag or a status word, centred inside a filled pill. The application "
                "chooses pillColor; the text colour is derived from it so that it stays readable. A disabled "
                "pill is drawn darker. The style sheet gives pills their font through the property Pill_Font.")
    Q_CLASSINFO("example",
                "auto *layout = new QHBoxLayout(parent);\n"
                "const QList<QPair<QString, QColor>> tags = {{QObject::tr(\"New\"), QColor(0x1f, 0x5f, 0xbf)},\n"
                "                                           {QObject::tr(\"Beta\"), QColor(0xf2, 0xc2, 0x3a)}};\n"
                "for (const auto &tag : tags) {\n"
                "    auto *pill = new Nalu::Components::PillLabel(parent);\n"
                "    pill->setText(tag.first);\n"
                "    pill->setPillColor(tag.second);\n"
                "    layout->addWidget(pill);\n"
                "}")
    /** @brief The text shown; default empty. */
    Q_PROPERTY(QString text READ getText WRITE setText NOTIFY textChanged)
    /** @brief Fill colour of the pill; default invalid, which QPainter fills black: set one. */
    Q_PROPERTY(QColor pillColor READ getPillColor WRITE setPillColor NOTIFY pillColorChanged)

public:
    /** @brief Creates an empty pill with the selector property "Pill_Font" = true and a fixed vertical size policy. */
    explicit PillLabel(QWidget *parent = nullptr);
    ~PillLabel() override;

    /** @brief The text shown (the text property). */
    QString getText() const;
    /**
     * @brief Sets the text and emits textChanged() when it changes.
     * It requests neither a repaint nor a geometry update: the text shows at the next repaint.
     */
    void setText(const QString &text);
    /** @brief The fill colour of the pill (the pillColor property). */
    QColor getPillColor() const;
    /** @brief Sets the fill colour and emits pillColorChanged() when it changes; the colour shows at the next repaint.
     */
    void setPillColor(const QColor &pillColor);

    /** @brief The text's width plus twice the style's button margin; the style's small-icon size high. */
    QSize sizeHint() const override;
    /** @brief No minimum width; the style's small-icon size high. */
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    /** @brief Emitted by setText() when the text changed, with the new text. */
    void textChanged(const QString &text);
    /** @brief Emitted by setPillColor() when the colour changed, with the new colour. */
    void pillColorChanged(const QColor &pillColor);

protected:
    /** @brief Paints the pill at the top of the widget (darker while disabled) and the centred text in a colour
     * readable on it. */
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(PillLabel)
    std::unique_ptr<PillLabelPrivate> const d;
};

} // namespace Components
} // namespace Nalu
