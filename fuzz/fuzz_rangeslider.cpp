// SPDX-License-Identifier: MIT
// Range sliders (plain and colormap) driven through setters, bounds, orientation, sizes, mouse and wheel events,
// keys, pop-up edits, colormap and model changes and deletion, in any order.
//
// Invariants after every step: minimum <= minHandleValue <= maxHandleValue <= maximum; a drag of the whole range
// keeps its width; a move back to the press point leaves the values of the press; the handle signals report the
// values the getters give.
#include "FuzzInput.h"

#include <ComponentsLibrary/ColormapRangeSlider.h>
#include <ComponentsLibrary/RangeSlider.h>

#include <vantor_common_models/Colormap.h>
#include <vantor_common_models/ColormapModel.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QSpinBox>

#include <limits>
#include <memory>

using namespace Nalu::Components;
using namespace NaluFuzz;

namespace {

// The steps of one input at most. Most inputs the fuzzer keeps run to the cap, so it sets the cost of an execution;
// 32 steps still reach every kind of step and event; what a shorter input gives up is long sequences of them.
constexpr int MaxSteps = 32;

// Qt's own slider arithmetic (QStyle::sliderPositionFromValue and sliderValueFromPosition, which every QSlider
// and its style use) divides by zero on bounds more than INT_MAX apart, such as INT_MIN to 0: a plain QSlider
// crashes there too. The bounds stay within what Qt's sliders handle.
int qtSafeMaximum(int minimum, int maximum)
{
    return int64_t(maximum) - minimum > std::numeric_limits<int>::max()
        ? int(int64_t(minimum) + std::numeric_limits<int>::max())
        : maximum;
}

int qtSafeMinimum(int minimum, int maximum)
{
    return int64_t(maximum) - minimum > std::numeric_limits<int>::max()
        ? int(int64_t(maximum) - std::numeric_limits<int>::max())
        : minimum;
}

void checkValues(const RangeSlider &slider)
{
    FUZZ_CHECK(slider.minimum() <= slider.getMinHandleValue());
    FUZZ_CHECK(slider.getMinHandleValue() <= slider.getMaxHandleValue());
    FUZZ_CHECK(slider.getMaxHandleValue() <= slider.maximum());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    auto window = std::make_unique<QWidget>();
    const bool colormapSlider = in.flag();
    QPointer<RangeSlider> slider
        = colormapSlider ? new ColormapRangeSlider(window.get()) : new RangeSlider(window.get());
    slider->resize(in.range(0, 400), in.range(0, 60));
    if (in.flag()) {
        window->show();
    }

    // The colormaps outlive the models that point at them, as the models require.
    const Nalu::Models::Colormap gradient(QStringLiteral("g"), QMap<double, QColor> {{0.0, Qt::red}, {1.0, Qt::blue}});
    const Nalu::Models::Colormap discrete(QStringLiteral("d"), QVector<QColor> {Qt::red, Qt::green, Qt::blue});
    const Nalu::Models::Colormap empty(QStringLiteral("e"), QMap<double, QColor> {}, true);
    const Nalu::Models::Colormap single(QStringLiteral("s"), QVector<QColor> {QColor(1, 2, 3, 4)});
    const Nalu::Models::Colormap *colormaps[] = {&gradient, &discrete, &empty, &single, nullptr};
    QPointer<Nalu::Models::ColormapModel> colormapModel = new Nalu::Models::ColormapModel(window.get());

    // What the signals said last, compared with the getters.
    int signalledMin = slider->getMinHandleValue();
    int signalledMax = slider->getMaxHandleValue();
    QObject::connect(slider, &RangeSlider::minHandleValueChanged, [&](int value) { signalledMin = value; });
    QObject::connect(slider, &RangeSlider::maxHandleValueChanged, [&](int value) { signalledMax = value; });

    // The state of a drag of the whole range, from its press.
    bool rangeDrag = false;
    int64_t dragWidth = 0;
    QPoint pressPoint;
    int pressMin = 0;
    int pressMax = 0;
    Qt::MouseButtons held;

    bool pressUntouched = false;
    for (int step = 0; step < MaxSteps && !in.atEnd() && slider; ++step) {
        const int operation = in.pick(20);
        // Anything but a press or a move may change the values behind the drag's back.
        if (operation < 7 || operation > 9) {
            pressUntouched = false;
        }
        switch (operation) {
        case 0: {
            const int low = in.anyInt();
            slider->setRange(low, qtSafeMaximum(low, in.anyInt()));
            break;
        }
        case 1:
            if (in.flag()) {
                slider->setMinimum(qtSafeMinimum(in.anyInt(), slider->maximum()));
            } else {
                slider->setMaximum(qtSafeMaximum(slider->minimum(), in.anyInt()));
            }
            break;
        case 2:
            slider->setMinHandleValue(in.anyInt());
            break;
        case 3:
            slider->setMaxHandleValue(in.anyInt());
            break;
        case 4:
            slider->setSliderRange(in.anyInt(), in.anyInt());
            break;
        case 5:
            slider->setOrientation(in.flag() ? Qt::Vertical : Qt::Horizontal);
            break;
        case 6:
            slider->resize(in.range(-10, 600), in.range(-10, 80));
            if (in.flag()) {
                slider->setMinimumHeight(in.range(0, 40));
            }
            break;
        case 7: {
            const Qt::MouseButton button
                = in.flag() ? Qt::LeftButton : (in.flag() ? Qt::RightButton : Qt::MiddleButton);
            const QPoint point = in.pointIn(slider);
            // A press while another button is held starts nothing: the drag keeps its own press. A press of the
            // button already held (its release was lost) is a new press where the slider takes it, and leaves the
            // drag as it was where the slider ignores it.
            const bool first = held == Qt::NoButton;
            held |= button;
            const bool accepted = sendMouse(slider, QEvent::MouseButtonPress, point, button, held);
            if (slider && (first || (accepted && held == button))) {
                pressUntouched = true;
                pressPoint = point;
                rangeDrag = slider->isMinimumHandleDown() && slider->isMaximumHandleDown();
                dragWidth = int64_t(slider->getMaxHandleValue()) - slider->getMinHandleValue();
                pressMin = slider->getMinHandleValue();
                pressMax = slider->getMaxHandleValue();
            }
            break;
        }
        case 8:
        case 9: {
            // Back to the press point, or anywhere.
            const QPoint point = in.flag() ? pressPoint : in.pointIn(slider);
            const bool bounds = slider->minimum() != slider->maximum();
            const int64_t width = int64_t(slider->getMaxHandleValue()) - slider->getMinHandleValue();
            sendMouse(slider, QEvent::MouseMove, point, Qt::NoButton, held);
            if (slider && rangeDrag && bounds && slider->isMinimumHandleDown() && slider->isMaximumHandleDown()) {
                FUZZ_CHECK(int64_t(slider->getMaxHandleValue()) - slider->getMinHandleValue() == width);
                // Unless something other than the mouse changed the values since the press.
                if (point == pressPoint && width == dragWidth && pressUntouched) {
                    FUZZ_CHECK(slider->getMinHandleValue() == pressMin && slider->getMaxHandleValue() == pressMax);
                }
            }
            break;
        }
        case 10:
            sendMouse(slider, QEvent::MouseButtonRelease, in.pointIn(slider), Qt::LeftButton, Qt::NoButton);
            held = Qt::NoButton;
            rangeDrag = false;
            break;
        case 11:
            sendWheel(slider, in.pointIn(slider), in.range(-480, 480));
            break;
        case 12: {
            static const int keys[]
                = {Qt::Key_Left, Qt::Key_Right,    Qt::Key_Up,     Qt::Key_Down,  Qt::Key_PageUp, Qt::Key_Home,
                   Qt::Key_End,  Qt::Key_PageDown, Qt::Key_Escape, Qt::Key_Enter, Qt::Key_Tab,    Qt::Key_Space};
            sendKey(slider, keys[in.pick(12)]);
            break;
        }
        case 13: {
            // A pop-up edit: a value typed into one of the spin boxes, confirmed or abandoned. The pop-ups are made
            // on first need, which a hover over a handle is.
            QList<QSpinBox *> spins = slider->findChildren<QSpinBox *>();
            if (spins.isEmpty()) {
                sendMouse(slider, QEvent::MouseMove, in.pointIn(slider), Qt::NoButton, held);
                if (!slider) {
                    break;
                }
                spins = slider->findChildren<QSpinBox *>();
            }
            if (!spins.isEmpty()) {
                QSpinBox *spin = spins.at(in.pick(spins.count()));
                spin->setValue(in.anyInt());
                if (in.flag()) {
                    Q_EMIT spin->editingFinished();
                } else {
                    sendKey(spin, in.flag() ? Qt::Key_Escape : Qt::Key_Return);
                }
            }
            break;
        }
        case 14:
            slider->setCanShowInputPopups(in.flag());
            slider->setPopupPosition(in.flag() ? RangeSlider::Above : RangeSlider::Below);
            break;
        case 15:
            switch (in.pick(3)) {
            case 0:
                slider->setEnabled(in.flag());
                break;
            case 1:
                slider->setVisible(in.flag());
                break;
            default:
                slider->setInvertedAppearance(in.flag());
                slider->setTickPosition(QSlider::TickPosition(in.pick(4)));
                break;
            }
            break;
        case 16:
            if (auto *colormap = qobject_cast<ColormapRangeSlider *>(slider)) {
                switch (in.pick(5)) {
                case 0:
                    colormap->setColormapModel(in.flag() ? colormapModel.data() : nullptr);
                    break;
                case 1:
                    if (colormapModel) {
                        colormapModel->setCurrentColormap(colormaps[in.pick(5)]);
                    }
                    break;
                case 2:
                    // The model deleted while set: the slider must let go of it.
                    delete colormapModel;
                    colormapModel = new Nalu::Models::ColormapModel(window.get());
                    break;
                case 3:
                    colormap->setBoundColormapToRange(in.flag());
                    break;
                default:
                    colormap->setHistogramVisibility(in.flag());
                    break;
                }
            }
            break;
        case 17: {
            // Paints at the current state.
            const QSize size = slider->size().boundedTo(QSize(600, 80));
            if (!size.isEmpty()) {
                QPixmap pixmap(size);
                slider->render(&pixmap);
            }
            break;
        }
        case 18:
            // Deleted mid-drag or with a pop-up shown; the remaining steps find it gone.
            if (in.pick(4) == 0) {
                delete slider;
            }
            break;
        default: {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(slider, &leave);
            break;
        }
        }
        if (slider) {
            checkValues(*slider);
            FUZZ_CHECK(signalledMin == slider->getMinHandleValue());
            FUZZ_CHECK(signalledMax == slider->getMaxHandleValue());
        }
    }
    window.reset();
    flushDeferredDeletes();
    return 0;
}
