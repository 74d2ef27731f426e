// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QCheckBox>

#include <memory>

namespace Nalu {
namespace Components {

class SwitchCheckBoxPrivate;

/**
 * @brief A check box drawn as an on/off switch by the application style sheet, which selects on the property
 * switch=true.
 *
 * A QCheckBox that the style sheet draws as an on/off switch.
 *
 * Style sheet selector: switch=true, set in the constructor. The class paints nothing itself; it keeps the alignment
 * of its label for the style (or the application) to read.
 */
class COMPONENTSLIBRARY_EXPORT SwitchCheckBox : public QCheckBox
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A check box drawn as an on/off switch by the application style sheet, which selects on the "
                "property switch=true. textAlignment (Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter) tells "
                "the style where to put the label.")
    Q_CLASSINFO("example",
                "auto *layout = new QVBoxLayout(parent);\n"
                "auto *wifi = new Nalu::Components::SwitchCheckBox(QObject::tr(\"Wi-Fi\"), parent);\n"
                "wifi->setChecked(true);\n"
                "auto *bluetooth = new Nalu::Components::SwitchCheckBox(QObject::tr(\"Bluetooth\"), parent);\n"
                "bluetooth->setTextAlignment(Qt::AlignRight);\n"
                "layout->addWidget(wifi);\n"
                "layout->addWidget(bluetooth);")
    /** @brief Alignment of the label (a Qt::AlignmentFlag); default Qt::AlignLeft. Any integer is stored. */
    Q_PROPERTY(int textAlignment READ getTextAlignment WRITE setTextAlignment NOTIFY textAlignmentChanged)

public:
    /** @brief Creates an unlabelled switch (selector property switch=true), its label aligned left. */
    explicit SwitchCheckBox(QWidget *parent = nullptr);
    /** @brief Creates a switch labelled @p text (selector property switch=true), its label aligned left. */
    SwitchCheckBox(const QString &text, QWidget *parent);
    ~SwitchCheckBox() override;

    /** @brief The alignment of the label (the textAlignment property). */
    Qt::AlignmentFlag getTextAlignment() const;

public Q_SLOTS:
    /** @brief Sets the alignment of the label; when it changes, repaints, then emits textAlignmentChanged(). */
    void setTextAlignment(int textAlignment);

Q_SIGNALS:
    /** @brief Emitted by setTextAlignment() when the alignment changed, last, with the new alignment. */
    void textAlignmentChanged(Qt::AlignmentFlag textAlignment);

protected:
    /** @brief Sets the style selector property switch=true; called once by each constructor. */
    void commonInit();

private:
    Q_DISABLE_COPY(SwitchCheckBox)
    std::unique_ptr<SwitchCheckBoxPrivate> const d;
};

} // namespace Components
} // namespace Nalu
