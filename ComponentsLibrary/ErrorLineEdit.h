// SPDX-License-Identifier: MIT

#pragma once

#include <ComponentsLibrary/ComponentsLibraryExport.h>

#include <QLineEdit>

#include <memory>

namespace Nalu {
namespace Components {

class ErrorLineEditPrivate;

/**
 * @brief A line edit with an error state: while errorState is true the style sheet outlines it and shows a red
 * indicator in its top-right corner, over which errorMessage shows as a tool tip.
 *
 * A QLineEdit with an error state and an error message shown as a tool tip over the error indicator.
 *
 * Style sheet selector: drawErrorIndicator, the error state, set from the first change of the state on.
 */
class COMPONENTSLIBRARY_EXPORT ErrorLineEdit : public QLineEdit
{
    Q_OBJECT
    Q_CLASSINFO("package", "ComponentsLibrary")
    Q_CLASSINFO("description",
                "A line edit with an error state: while errorState is true the style sheet outlines it and shows "
                "a red indicator in its top-right corner, over which errorMessage shows as a tool tip. Without a "
                "frame, the line edit draws the red marker itself.")
    Q_CLASSINFO("example",
                "auto *layout = new QFormLayout(parent);\n"
                "auto *email = new Nalu::Components::ErrorLineEdit(parent);\n"
                "email->setErrorMessage(QObject::tr(\"An e-mail address needs an @\"));\n"
                "QObject::connect(email, &QLineEdit::textChanged, email, [email](const QString &text) {\n"
                "    email->setErrorState(!text.isEmpty() && !text.contains(QLatin1Char('@')));\n"
                "});\n"
                "layout->addRow(QObject::tr(\"E-mail\"), email);")
    /** @brief Whether the error is shown; default false. */
    Q_PROPERTY(bool errorState READ getErrorState WRITE setErrorState NOTIFY errorStateChanged)
    /** @brief Text of the error tool tip; default tr("Error"). */
    Q_PROPERTY(QString errorMessage READ getErrorMessage WRITE setErrorMessage NOTIFY errorMessageChanged)

public:
    /** @brief Creates the input out of error, with the error message tr("Error"). */
    explicit ErrorLineEdit(QWidget *parent = nullptr);
    /** @brief Creates the line edit showing @p contents, out of error, with the error message tr("Error"). */
    ErrorLineEdit(const QString &contents, QWidget *parent);
    ~ErrorLineEdit() override;

    /** @brief Whether the input is in error (the errorState property). */
    bool getErrorState() const;
    /** @brief The message shown over the error indicator (the errorMessage property). */
    const QString &getErrorMessage() const;

public Q_SLOTS:
    /** @brief Puts the input in or out of error: sets the selector property "drawErrorIndicator", repaints, then emits
     * errorStateChanged(); nothing when unchanged. */
    void setErrorState(bool errorState);
    /** @brief Sets the message of the error tool tip; when it changes, repaints, then emits errorMessageChanged(). */
    void setErrorMessage(const QString &errorMessage);

Q_SIGNALS:
    /** @brief Emitted by setErrorState() when the state changed, last, with the new state. */
    void errorStateChanged(bool errorState);
    /** @brief Emitted by setErrorMessage() when the message changed, last, with the new message. */
    void errorMessageChanged(const QString &errorMessage);

protected:
    /** @brief Shows the error message as a rich-text tip over the indicator zone, the ordinary tip elsewhere. */
    bool event(QEvent *event) override;
    /** @brief Without a frame and in error, draws the red marker the style sheet cannot draw. */
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(ErrorLineEdit)
    std::unique_ptr<ErrorLineEditPrivate> const d;
};

} // namespace Components
} // namespace Nalu
