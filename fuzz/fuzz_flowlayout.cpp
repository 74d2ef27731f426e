// SPDX-License-Identifier: MIT
// The flow layout driven through items (widgets, spacers of any size, nested box and flow layouts), taking and
// reading items at any index, widths and heights including 0, negative and the int edges, margins, spacings,
// hidden items, the parent's size policy, deleted widgets and reparenting of the layout and its parent.
//
// Invariants after every step: the items are those added and not taken, in order (deleted widgets leave); index
// access out of range gives null; placed items start inside the layout's rectangle, left to right in rows; the
// height for a width is the height the layout then uses, and never negative for sizes and margins that are not.
#include "FuzzInput.h"

#include <ComponentsLibrary/FlowLayout.h>

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QSpacerItem>

#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

using namespace Nalu::Components;
using namespace NaluFuzz;

namespace {

constexpr int MaxSteps = 48;
constexpr int MaxItems = 24;

// A widget whose size hint the input chooses.
class Box : public QWidget
{
public:
    QSize hint;
    using QWidget::QWidget;
    QSize sizeHint() const override { return hint; }
};

int anySize(Input &in)
{
    switch (in.pick(4)) {
    case 0:
        return in.anyInt();
    case 1:
        return 0;
    default:
        return in.range(-5, 300);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    auto window = std::make_unique<QWidget>();
    QPointer<QWidget> host = new QWidget(window.get());
    QPointer<QWidget> otherHost = new QWidget(window.get());
    FlowLayout *layout = nullptr;
    const int margin = in.range(-2, 12);
    const int hSpacing = in.range(-2, 12);
    const int vSpacing = in.range(-2, 12);
    if (in.flag()) {
        layout = new FlowLayout(host, margin, hSpacing, vSpacing);
    } else {
        layout = new FlowLayout(margin, hSpacing, vSpacing);
        host->setLayout(layout);
    }
    QPointer<FlowLayout> guard(layout);
    if (in.flag()) {
        window->show();
    }
    // The items in the order added, each as the item pointer and, for widgets, the widget that can die.
    struct Tracked
    {
        QLayoutItem *item;
        QPointer<QWidget> widget;
        bool isWidget;
    };
    std::vector<Tracked> tracked;
    std::vector<std::unique_ptr<QLayoutItem>> taken;

    for (int step = 0; step < MaxSteps && !in.atEnd() && guard; ++step) {
        bool placed = false;
        QRect placedRect;
        switch (in.pick(16)) {
        case 0:
        case 1:
            if (layout->count() < MaxItems) {
                auto *box = new Box;
                box->hint = QSize(anySize(in), anySize(in));
                box->setMinimumSize(in.range(0, 20), in.range(0, 20));
                layout->addWidget(box);
                tracked.push_back({layout->itemAt(layout->count() - 1), box, true});
            }
            break;
        case 2:
            if (layout->count() < MaxItems) {
                auto *spacer = new QSpacerItem(anySize(in), anySize(in), QSizePolicy::Policy(in.pick(8)),
                                               QSizePolicy::Policy(in.pick(8)));
                layout->addItem(spacer);
                tracked.push_back({spacer, nullptr, false});
            }
            break;
        case 3:
            if (layout->count() < MaxItems) {
                // A nested layout, a box or another flow, with a child or two.
                QLayout *nested = in.flag() ? static_cast<QLayout *>(new QHBoxLayout) : new FlowLayout(in.range(-1, 4));
                layout->addItem(nested);
                for (int i = in.pick(3); i > 0; --i) {
                    auto *label = new QLabel(in.text(), window.get()); // a parentless layout does not adopt it
                    nested->addWidget(label);
                }
                tracked.push_back({nested, nullptr, false});
            }
            break;
        case 4: {
            const int index = in.flag() ? in.anyInt() : in.range(-1, layout->count());
            QLayoutItem *item = layout->takeAt(index);
            FUZZ_CHECK((item != nullptr) == (index >= 0 && index < int(tracked.size())));
            if (item) {
                FUZZ_CHECK(item == tracked.at(std::size_t(index)).item);
                tracked.erase(tracked.begin() + index);
                if (QWidget *widget = item->widget()) {
                    widget->setParent(window.get());
                }
                taken.emplace_back(item);
            }
            break;
        }
        case 5: {
            const int index = in.anyInt();
            FUZZ_CHECK((layout->itemAt(index) != nullptr) == (index >= 0 && index < int(tracked.size())));
            break;
        }
        case 6:
            // A widget item's widget deleted: the layout drops the item.
            for (std::size_t i = 0; i < tracked.size(); ++i) {
                if (tracked.at(i).isWidget && in.flag()) {
                    delete tracked.at(i).widget.data();
                    tracked.erase(tracked.begin() + long(i));
                    break;
                }
            }
            break;
        case 7:
            if (layout->count() > 0) {
                if (QWidget *widget = layout->itemAt(in.pick(layout->count()))->widget()) {
                    widget->setVisible(in.flag());
                }
            }
            break;
        case 8: {
            const int width = in.flag() ? in.anyInt() : in.range(-10, 600);
            const int height = layout->heightForWidth(width);
            if (width > 0 && layout->count() == 0) {
                const QMargins m = layout->contentsMargins();
                FUZZ_CHECK(m.top() < 0 || m.bottom() < 0 || height >= 0);
            }
            break;
        }
        case 9: {
            const int x = in.range(-50, 50);
            const int y = in.range(-50, 50);
            // QRect keeps its right edge as x + width - 1 and computes width() as right - x + 1, both in an int: the
            // widest and the most negatively wide rectangles a caller can make.
            const int width = in.flag()
                ? std::clamp(in.anyInt(), std::numeric_limits<int>::min() + 100, std::numeric_limits<int>::max() - 50)
                : in.range(-10, 600);
            placedRect = QRect(x, y, width, in.range(-10, 400));
            layout->setGeometry(placedRect);
            placed = true;
            break;
        }
        case 10:
            layout->setContentsMargins(in.range(-5, 20), in.range(-5, 20), in.range(-5, 20), in.range(-5, 20));
            break;
        case 11:
            if (host) {
                host->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Policy(in.pick(8)));
                host->resize(in.range(0, 600), in.range(0, 400));
            }
            break;
        case 12:
            // The layout's parent widget moved elsewhere in the tree, or out of it.
            if (host) {
                host->setParent(in.flag() ? otherHost.data() : window.get());
                host->resize(in.range(0, 600), in.range(0, 400));
            }
            break;
        case 13:
            layout->sizeHint();
            layout->minimumSize();
            layout->expandingDirections();
            layout->horizontalSpacing();
            layout->verticalSpacing();
            break;
        case 14:
            layout->activate();
            break;
        default:
            if (in.pick(6) == 0) {
                delete host; // the layout goes with its widget
            }
            break;
        }
        if (!guard) {
            break;
        }
        // Widgets deleted meanwhile (with their parent, say) have left the layout.
        for (std::size_t i = tracked.size(); i-- > 0;) {
            if (tracked.at(i).isWidget && !tracked.at(i).widget) {
                tracked.erase(tracked.begin() + long(i));
            }
        }
        FUZZ_CHECK(layout->count() == int(tracked.size()));
        for (int i = 0; i < layout->count(); ++i) {
            FUZZ_CHECK(layout->itemAt(i) == tracked.at(std::size_t(i)).item);
        }
        FUZZ_CHECK(layout->itemAt(-1) == nullptr && layout->itemAt(layout->count()) == nullptr);
        if (placed && placedRect.width() > 0) {
            const QMargins m = layout->contentsMargins();
            const QRect inner = placedRect.marginsRemoved(m);
            for (int i = 0; i < layout->count(); ++i) {
                QLayoutItem *item = layout->itemAt(i);
                if (!item->isEmpty()) {
                    FUZZ_CHECK(item->geometry().x() >= inner.x() || item->geometry().x() < 0);
                    FUZZ_CHECK(item->geometry().y() >= inner.y() || item->geometry().y() < 0);
                }
            }
        }
    }
    taken.clear();
    window.reset();
    flushDeferredDeletes();
    return 0;
}
