// SPDX-License-Identifier: MIT

#pragma once

#include "QtCompat_p.h"

#include <QSpinBox>
#include <QWidget>

class QTimer;

namespace Nalu {
namespace Components {

// A frameless tool-tip window holding one spin box; hides itself a while after the pointer has left
// it, unless the spin box is being edited.
class PopupWidget : public QWidget
{
public:
    explicit PopupWidget(QWidget *parent);

    void startHideTimer();
    void stopHideTimer();

protected:
    void enterEvent(Compat::EnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(PopupWidget)
    QTimer *hideTimer = nullptr;
};

// The spin box of a pop-up: no arrows, centred text; leaving it closes the pop-up.
class RangeSliderSpinBox : public QSpinBox
{
public:
    explicit RangeSliderSpinBox(QWidget *parent);

    void deselectText();

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    Q_DISABLE_COPY(RangeSliderSpinBox)
};

} // namespace Components
} // namespace Nalu
