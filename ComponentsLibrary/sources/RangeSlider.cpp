#include <ComponentsLibrary/RangeSlider.h>

#include "SliderPieces_p.h"

#include <vantor_common_utils/Helpers.h>

#include <QCursor>
#include <QDataStream>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QShortcut>
#include <QSpinBox>
#include <QStyleOptionSlider>
#include <QStylePainter>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Nalu {
namespace Components {

namespace {

// The theme properties; each brush is followed by its disabled form.
const char *const ThemeNames[] = {
    "CornerRadius",       "BorderBrush",        "BorderBrushDisabled", "BackgroundBrush",     "BackgroundBrushDisabled",
    "RangeBrush",         "RangeBrushDisabled", "SunkenBrush",         "SunkenBrushDisabled", "HoverBrush",
    "HoverBrushDisabled", "DefaultBrush",       "DefaultBrushDisabled"};
constexpr int ThemeCount = int(sizeof(ThemeNames) / sizeof(ThemeNames[0]));
enum ThemeIndex {
    BorderIndex = 1,
    BackgroundIndex = 3,
    RangeIndex = 5,
    SunkenIndex = 7,
    HoverIndex = 9,
    DefaultIndex = 11
};

int themeIndex(const char *name)
{
    for (int i = 0; i < ThemeCount; ++i) {
        if (qstrcmp(ThemeNames[i], name) == 0) {
            return i;
        }
    }
    return -1;
}

// Shapes of the range slider in its piece cache.
enum PieceKind { HandleShapePiece = 1, HandleGripsPiece, HandlePiece, RangeFramePiece };

bool gapContains(const QRectF &box, const QRect &minHandleRect, const QRect &maxHandleRect, const QPointF &cursor)
{
    const QRectF gap = box.adjusted(minHandleRect.width() / 2, 0.5, -(maxHandleRect.width() / 2), -0.5);
    return gap.contains(cursor);
}

constexpr int PopupHideDelayMs = 1000;
// Zone beside a handle, on its pop-up's side, that keeps a shown pop-up open while the
// pointer travels to it.
constexpr int PopupKeepOpenMargin = 10;

// A frameless tool-tip window holding one spin box; hides itself a while after the pointer
// has left it, unless the spin box is being edited.
class PopupWidget : public QWidget
{
public:
    explicit PopupWidget(QWidget *parent)
        : QWidget(parent)
    {
        auto *layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        setMouseTracking(true);
        setFocusPolicy(Qt::ClickFocus);
        setWindowFlag(Qt::ToolTip, true);
        setFixedWidth(style()->pixelMetric(QStyle::PM_ToolBarIconSize) + 3);
        hideTimer = new QTimer(this);
        hideTimer->setSingleShot(true);
        connect(hideTimer, &QTimer::timeout, this, &QWidget::hide);
        hide();
        auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        escape->setContext(Qt::WindowShortcut);
        connect(escape, &QShortcut::activated, this, &QWidget::hide);
    }

    void startHideTimer()
    {
        const auto *spin = findChild<QAbstractSpinBox *>();
        if (!hideTimer->isActive() && !(spin && spin->hasFocus())) {
            hideTimer->start(PopupHideDelayMs);
        }
    }

    void stopHideTimer()
    {
        if (hideTimer->isActive()) {
            hideTimer->stop();
        }
    }

protected:
    void enterEvent(QEvent *event) override
    {
        QWidget::enterEvent(event);
        stopHideTimer();
    }
    void leaveEvent(QEvent *event) override
    {
        QWidget::leaveEvent(event);
        startHideTimer();
    }
    // The look of the window is the style sheet's.
    void paintEvent(QPaintEvent *event) override { event->ignore(); }

private:
    QTimer *hideTimer = nullptr;
};

// The spin box of a pop-up: no arrows, centred text; leaving it closes the pop-up.
class RangeSliderSpinBox : public QSpinBox
{
public:
    explicit RangeSliderSpinBox(QWidget *parent)
        : QSpinBox(parent)
    {
        setButtonSymbols(QAbstractSpinBox::NoButtons);
        lineEdit()->setAlignment(Qt::AlignHCenter);
    }

    void deselectText() { lineEdit()->deselect(); }

protected:
    void focusOutEvent(QFocusEvent *event) override
    {
        // Hide first: finishing the edit below may move the handle and its pop-up.
        if (parentWidget()) {
            parentWidget()->hide();
        }
        QAbstractSpinBox::focusOutEvent(event);
    }
};

} // namespace

class RangeSliderPrivate
{
public:
    int minHandleValue = 0;
    int maxHandleValue = 99;
    RangeSlider::Handles pressedHandles;
    RangeSliderSpinBox *minSpinBox = nullptr;
    RangeSliderSpinBox *maxSpinBox = nullptr;
    PopupWidget *minPopup = nullptr;
    PopupWidget *maxPopup = nullptr;
    bool canShowInputPopups = true;
    int dragOffset = 0;
    int pressValue = 0;
    float halfRange = 0;
    RangeSlider::PopupsPosition popupsPosition = RangeSlider::Below;
    // Reading a property by name costs a walk through the meta-object's property names, so the
    // theme is read once and kept until a dynamic property changes. Declared properties of those
    // names (in a subclass) change without notice: then the theme is read at every use.
    QVariant theme[ThemeCount];
    QBrush themeBrushes[ThemeCount];
    int themeRadius = 0;
    bool themeValid = false;
    const QMetaObject *themeCheckedFor = nullptr;
    bool themeObservable = false;
    SliderPieces pieces;
    // Whether a handle's shape covers the pixels of its grips whole, for the last size and radius.
    struct GripsInside
    {
        QSize size;
        int radius = 0;
        bool holds = false;
    } gripsInside[2];
    QPixmap grooveCache;
    QByteArray grooveCacheKey;
    QRect grooveCacheArea;
    qreal grooveCacheRatio = 0;
};

RangeSlider::RangeSlider(QWidget *parent)
    : QSlider(parent)
    , d(std::make_unique<RangeSliderPrivate>())
{
    d->pressedHandles = NoHandle;
    RangeSlider::init();
}

RangeSlider::~RangeSlider() = default;

void RangeSlider::init()
{
    setOrientation(Qt::Horizontal);
    setMouseTracking(true);
    setProperty("rangeSlider", true);

    d->canShowInputPopups = true;
    d->popupsPosition = Below;
    d->minHandleValue = 0;
    d->maxHandleValue = 99;
    d->pressedHandles = NoHandle;
    d->dragOffset = 0;
    d->pressValue = 0;
    d->halfRange = 0;

    const auto makePopup = [this](PopupWidget *&popup, RangeSliderSpinBox *&spinBox) {
        popup = new PopupWidget(this);
        spinBox = new RangeSliderSpinBox(popup);
        connect(spinBox, &QAbstractSpinBox::editingFinished, this, &RangeSlider::onPopUpEdited);
        connect(this, &QAbstractSlider::rangeChanged, spinBox, &QSpinBox::setRange);
        popup->layout()->addWidget(spinBox);
    };
    makePopup(d->minPopup, d->minSpinBox);
    makePopup(d->maxPopup, d->maxSpinBox);

    connect(this, &QAbstractSlider::rangeChanged, this, &RangeSlider::onRangeChanged);
}

int RangeSlider::getMinHandleValue() const
{
    return d->minHandleValue;
}

int RangeSlider::getMaxHandleValue() const
{
    return d->maxHandleValue;
}

bool RangeSlider::getCanShowInputPopups() const
{
    return d->canShowInputPopups;
}

RangeSlider::PopupsPosition RangeSlider::getPopupPosition() const
{
    return d->popupsPosition;
}

bool RangeSlider::isMinimumHandleDown() const
{
    return d->pressedHandles.testFlag(MinimumHandle);
}

bool RangeSlider::isMaximumHandleDown() const
{
    return d->pressedHandles.testFlag(MaximumHandle);
}

void RangeSlider::setMinHandleValue(int value)
{
    setSliderRange(value, std::max(d->maxHandleValue, value));
}

void RangeSlider::setMaxHandleValue(int value)
{
    setSliderRange(std::min(d->minHandleValue, value), value);
}

void RangeSlider::setSliderRange(int minValue, int maxValue)
{
    const int newMin = qBound(minimum(), std::min(minValue, maxValue), maximum());
    const int newMax = qBound(minimum(), std::max(minValue, maxValue), maximum());
    const bool minChanged = newMin != d->minHandleValue;
    const bool maxChanged = newMax != d->maxHandleValue;
    d->minHandleValue = newMin;
    d->maxHandleValue = newMax;
    if (!minChanged && !maxChanged) {
        return;
    }
    Q_EMIT sliderRangeChanged(d->minHandleValue, d->maxHandleValue);
    if (minChanged) {
        Q_EMIT minHandleValueChanged(d->minHandleValue);
    }
    if (maxChanged) {
        Q_EMIT maxHandleValueChanged(d->maxHandleValue);
    }
    update();
}

void RangeSlider::setCanShowInputPopups(bool canShowInputPopups)
{
    d->canShowInputPopups = canShowInputPopups;
}

void RangeSlider::setPopupPosition(PopupsPosition popupsPosition)
{
    d->popupsPosition = popupsPosition;
}

QSize RangeSlider::minimumSizeHint() const
{
    QSize hint = QSlider::minimumSizeHint();
    if (hint.height() % 2 != 0) {
        hint.rheight() += 1;
    }
    return hint;
}

void RangeSlider::onRangeChanged(int minValue, int maxValue)
{
    Q_UNUSED(minValue)
    Q_UNUSED(maxValue)
    setSliderRange(d->minHandleValue, d->maxHandleValue);
}

void RangeSlider::onPopUpEdited()
{
    auto *spin = qobject_cast<QSpinBox *>(sender());
    if (!spin) {
        return;
    }
    RangeSliderSpinBox *edited = nullptr;
    if (spin == d->minSpinBox) {
        setMinHandleValue(spin->value());
        placePopup(MinimumHandle, 0);
        edited = d->minSpinBox;
    } else if (spin == d->maxSpinBox) {
        setMaxHandleValue(spin->value());
        placePopup(MaximumHandle, 0);
        edited = d->maxSpinBox;
    }
    if (edited) {
        edited->deselectText();
    }
}

QRect RangeSlider::handleRectForValue(int value) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.sliderPosition = value;
    option.sliderValue = value;
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

namespace {

// The pixels along which a handle's leading edge travels, as QSlider maps values.
struct SliderSpan
{
    int start;
    int length;
};

SliderSpan sliderSpan(const QStyle *style, const QStyleOptionSlider &option, const QWidget *widget)
{
    const QRect groove = style->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, widget);
    const QRect handle = style->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, widget);
    return {groove.x(), groove.right() - handle.width() + 1 - groove.x()};
}

} // namespace

QRect RangeSlider::grooveRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
}

int RangeSlider::pixelToRangeValue(int pixel) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const SliderSpan span = sliderSpan(style(), option, this);
    return QStyle::sliderValueFromPosition(minimum(), maximum(), pixel - span.start, span.length, option.upsideDown);
}

int RangeSlider::pixelFromRangeValue(int value) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const SliderSpan span = sliderSpan(style(), option, this);
    return QStyle::sliderPositionFromValue(minimum(), maximum(), value, span.length, option.upsideDown) + span.start;
}

RangeSlider::Handle RangeSlider::handleAtPos(const QPoint &pos, QRect &rect) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.sliderPosition = d->minHandleValue;
    option.sliderValue = d->minHandleValue;
    QStyle::SubControl minHit = style()->hitTestComplexControl(QStyle::CC_Slider, &option, pos, this);
    const QRect minRect = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    option.sliderPosition = d->maxHandleValue;
    option.sliderValue = d->maxHandleValue;
    const QStyle::SubControl maxHit = style()->hitTestComplexControl(QStyle::CC_Slider, &option, pos, this);
    const QRect maxRect = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);

    if (minHit == QStyle::SC_SliderHandle && maxHit == QStyle::SC_SliderHandle) {
        // Overlapping handles: the nearer outer edge wins, the maximum handle on a tie, so
        // that handles stacked at the minimum can still be pulled apart.
        const int minDist = pos.x() - minRect.left();
        const int maxDist = maxRect.right() - pos.x();
        if (!(minDist < maxDist)) {
            minHit = QStyle::SC_None;
        }
    }
    if (minHit == QStyle::SC_SliderHandle) {
        rect = minRect;
        return MinimumHandle;
    }
    if (maxHit == QStyle::SC_SliderHandle) {
        rect = maxRect;
        return MaximumHandle;
    }
    rect = minRect.united(maxRect);
    return NoHandle;
}

void RangeSlider::mousePressEvent(QMouseEvent *event)
{
    if (minimum() == maximum() || (event->buttons() ^ event->button()) != Qt::NoButton) {
        event->ignore();
        return;
    }
    QRect handleRect;
    const Handle handle = handleAtPos(event->pos(), handleRect);
    if (handle != NoHandle) {
        d->pressValue = handle == MinimumHandle ? d->minHandleValue : d->maxHandleValue;
        d->dragOffset = event->pos().x() - handleRect.left();
        setSliderDown(true);
        if (d->pressedHandles != Handles(handle)) {
            d->pressedHandles = handle;
            update(handleRect);
        }
        event->accept();
        return;
    }

    QStyleOptionSlider option;
    initStyleOption(&option);
    const QStyle::SubControl hit = style()->hitTestComplexControl(QStyle::CC_Slider, &option, event->pos(), this);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const int x = event->pos().x();
    if (hit == QStyle::SC_SliderGroove && handleRect.left() < x && x < handleRect.right()) {
        d->pressValue = static_cast<int>((d->minHandleValue + d->maxHandleValue) / 2.0);
        d->dragOffset = x - pixelFromRangeValue(d->pressValue);
        d->halfRange = static_cast<float>((d->maxHandleValue - d->minHandleValue) / 2.0);
        setSliderDown(true);
        const Handles both = Handles(MinimumHandle) | MaximumHandle;
        if (d->pressedHandles != both) {
            d->pressedHandles = both;
            update(handleRect.united(groove));
        }
        event->accept();
        return;
    }
    // No paging on the groove: the press belongs to the parent.
    event->ignore();
}

void RangeSlider::mouseMoveEvent(QMouseEvent *event)
{
    updatePopups(event->pos());
    if (d->pressedHandles == NoHandle) {
        update();
        event->ignore();
        return;
    }

    const int newPosition = pixelToRangeValue(event->pos().x() - d->dragOffset);
    if (d->pressedHandles == MinimumHandle) {
        setSliderRange(std::min(newPosition, d->maxHandleValue), d->maxHandleValue);
    } else if (d->pressedHandles == MaximumHandle) {
        setSliderRange(d->minHandleValue, std::max(d->minHandleValue, newPosition));
    } else {
        const int width = d->maxHandleValue - d->minHandleValue;
        int newMin = newPosition - static_cast<int>(d->halfRange);
        int newMax = newPosition + static_cast<int>(d->halfRange + 0.5f);
        if (newMax > maximum()) {
            newMax = maximum();
            newMin = maximum() - width;
        } else if (newMin < minimum()) {
            newMin = minimum();
            newMax = minimum() + width;
        }
        if (newMax - newMin == width) {
            setSliderRange(newMin, newMax);
        }
    }
    event->accept();
}

void RangeSlider::mouseReleaseEvent(QMouseEvent *event)
{
    QSlider::mouseReleaseEvent(event);
    setSliderDown(false);
    d->pressedHandles = NoHandle;
    update();
}

void RangeSlider::leaveEvent(QEvent *event)
{
    QSlider::leaveEvent(event);
    if (d->maxPopup->isVisible()) {
        d->maxPopup->startHideTimer();
    }
    if (d->minPopup->isVisible()) {
        d->minPopup->startHideTimer();
    }
}

void RangeSlider::updatePopups(const QPoint &pos)
{
    const QRect minRect = handleRectForValue(d->minHandleValue);
    const QRect maxRect = handleRectForValue(d->maxHandleValue);
    QRect handleRect;
    const Handle handle = handleAtPos(pos, handleRect);
    bool showMin = false;
    bool showMax = false;
    if (handle == NoHandle && d->pressedHandles == NoHandle) {
        const bool inRange = QRectF(handleRect).adjusted(0, 0.5, -0.5, -0.5).contains(pos);
        showMin = showMax = inRange;
        const int m = PopupKeepOpenMargin;
        const bool below = d->popupsPosition == Below;
        const QRect minZone = below ? minRect.adjusted(-m, 0, 0, m) : minRect.adjusted(-m, -m, 0, 0);
        const QRect maxZone = below ? maxRect.adjusted(0, 0, m, m) : maxRect.adjusted(0, -m, m, 0);
        if (d->minPopup->isVisible() && minZone.contains(pos) && !inRange) {
            showMin = true;
        }
        if (d->maxPopup->isVisible() && maxZone.contains(pos) && !inRange) {
            showMax = true;
        }
    } else {
        showMin = handle == MinimumHandle || isMinimumHandleDown();
        showMax = handle == MaximumHandle || isMaximumHandleDown();
    }

    const int extra = minimumHeight() > style()->pixelMetric(QStyle::PM_SliderControlThickness) ? 4 : 0;
    const auto apply = [this, extra](Handle which, bool show) {
        PopupWidget *popup = which == MinimumHandle ? d->minPopup : d->maxPopup;
        RangeSliderSpinBox *spin = which == MinimumHandle ? d->minSpinBox : d->maxSpinBox;
        if (show && d->canShowInputPopups) {
            spin->setValue(which == MinimumHandle ? d->minHandleValue : d->maxHandleValue);
            popup->stopHideTimer();
            placePopup(which, extra);
            popup->show();
        } else if (!spin->hasFocus()) {
            popup->hide();
        }
    };
    apply(MinimumHandle, showMin);
    apply(MaximumHandle, showMax);
}

void RangeSlider::placePopup(Handle handle, int extra)
{
    PopupWidget *popup = handle == MinimumHandle ? d->minPopup : d->maxPopup;
    const QRect rect = handleRectForValue(handle == MinimumHandle ? d->minHandleValue : d->maxHandleValue);
    const int x = handle == MinimumHandle ? static_cast<int>((rect.right() - popup->width()) - rect.width() / 2.0)
                                          : static_cast<int>(rect.left() + rect.width() / 2.0);
    const int y = d->popupsPosition == Below ? height() + extra - 1 : 2 - height() - extra;
    popup->move(mapToGlobal(QPoint(x, y)));
}

namespace {

// The theme of slider as kept in d, read first if needed; null while it cannot be kept.
const RangeSliderPrivate *keptTheme(const RangeSlider *slider, RangeSliderPrivate *d)
{
    if (d->themeValid) {
        return d;
    }
    const QMetaObject *meta = slider->metaObject();
    if (d->themeCheckedFor != meta) {
        d->themeCheckedFor = meta;
        d->themeObservable = std::none_of(std::begin(ThemeNames), std::end(ThemeNames),
                                          [meta](const char *n) { return meta->indexOfProperty(n) >= 0; });
    }
    if (!d->themeObservable) {
        return nullptr;
    }
    for (int i = 0; i < ThemeCount; ++i) {
        d->theme[i] = slider->property(ThemeNames[i]);
        d->themeBrushes[i] = d->theme[i].value<QBrush>();
    }
    d->themeRadius = d->theme[0].toInt();
    d->themeValid = true;
    return d;
}

// The theme brush at index (its enabled form), or its disabled form while slider is disabled.
QBrush themeBrushAt(const RangeSlider *slider, RangeSliderPrivate *d, int index)
{
    const int i = slider->isEnabled() ? index : index + 1;
    const RangeSliderPrivate *kept = keptTheme(slider, d);
    return kept ? kept->themeBrushes[i] : slider->property(ThemeNames[i]).value<QBrush>();
}

int themeRadius(const RangeSlider *slider, RangeSliderPrivate *d)
{
    const RangeSliderPrivate *kept = keptTheme(slider, d);
    return kept ? kept->themeRadius : slider->property(ThemeNames[0]).toInt();
}

} // namespace

QVariant RangeSlider::themeProperty(const char *name) const
{
    const int index = themeIndex(name);
    if (index < 0) {
        return property(name);
    }
    const RangeSliderPrivate *kept = keptTheme(this, d.get());
    return kept ? kept->theme[index] : property(name);
}

bool RangeSlider::event(QEvent *event)
{
    if (event->type() == QEvent::DynamicPropertyChange) {
        d->themeValid = false;
    }
    return QSlider::event(event);
}

QBrush RangeSlider::themeBrush(const char *name) const
{
    const int index = themeIndex(name);
    if (index > 0 && index % 2 == 1) {
        return themeBrushAt(this, d.get(), index);
    }
    if (isEnabled()) {
        return themeProperty(name).value<QBrush>();
    }
    return property(QByteArray(QByteArray(name) + "Disabled").constData()).value<QBrush>();
}

QBrush RangeSlider::stateBrush(bool down, bool hovered) const
{
    if (down) {
        return themeBrushAt(this, d.get(), SunkenIndex);
    }
    if (!isSliderDown() && hovered && isEnabled()) {
        return themeBrushAt(this, d.get(), HoverIndex);
    }
    return themeBrushAt(this, d.get(), DefaultIndex);
}

bool RangeSlider::isRangeHovered(const QRectF &box, const QRect &minHandleRect, const QRect &maxHandleRect) const
{
    return gapContains(box, minHandleRect, maxHandleRect, QPointF(mapFromGlobal(QCursor::pos())));
}

void RangeSlider::paintGrooveCached(QPainter *painter, const QRect &area, const QByteArray &key,
                                    const std::function<void(QPainter *)> &paint) const
{
    if (!painter || area.isEmpty()) {
        return;
    }
    const qreal ratio = painter->device()->devicePixelRatioF();
    if (d->grooveCache.isNull() || d->grooveCacheKey != key || d->grooveCacheArea != area
        || d->grooveCacheRatio != ratio) {
        QPixmap pixmap(area.size() * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter layer(&pixmap);
        layer.setRenderHint(QPainter::Antialiasing, true);
        layer.translate(-area.topLeft());
        paint(&layer);
        layer.end();
        d->grooveCache = pixmap;
        d->grooveCacheKey = key;
        d->grooveCacheArea = area;
        d->grooveCacheRatio = ratio;
    }
    painter->drawPixmap(area.topLeft(), d->grooveCache);
}

void RangeSlider::drawPiece(QPainter *painter, const QRectF &rect, qreal endWidth, int kind, int radius, int flags,
                            const QBrush &brush, const std::function<void(QPainter *, const QRectF &)> &paint) const
{
    d->pieces.drawShape(painter, rect, endWidth, kind, radius, flags, brush, paint);
}

void RangeSlider::drawRangeFrame(QPainter *painter, const QRectF &rect, const QColor &color) const
{
    d->pieces.drawFrame(painter, rect, color);
}

void RangeSlider::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    if (size().isEmpty()) {
        return;
    }
    QStylePainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintSlider(&painter);
}

void RangeSlider::paintSlider(QStylePainter *target) const
{
    QStylePainter &painter = *target;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const int radius = themeRadius(this, d.get());

    const QRectF grooveF = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    if (grooveF.isValid()) {
        const QBrush border = themeBrushAt(this, d.get(), BorderIndex);
        const QBrush background = themeBrushAt(this, d.get(), BackgroundIndex);
        QByteArray key;
        appendKey(key, grooveF.x(), grooveF.y(), grooveF.width(), grooveF.height(), radius, border.color().rgba64());
        if (background.style() == Qt::SolidPattern) {
            appendKey(key, background.color().rgba64());
        } else {
            QDataStream stream(&key, QIODevice::Append);
            stream << background;
        }
        paintGrooveCached(&painter, grooveF.toAlignedRect(), key, [&](QPainter *layer) {
            QPen pen(border.color(), 1);
            pen.setJoinStyle(Qt::MiterJoin);
            layer->setPen(pen);
            layer->setBrush(background);
            Helpers::drawRoundedRectShape(grooveF.adjusted(0.5, 0.5, -0.5, -0.5), radius, Helpers::NoStraightCorner,
                                          layer);
        });
    }

    // As QSlider does: styles are asked for tick marks only when there are some.
    if (tickPosition() != NoTicks) {
        QStyleOptionSlider ticks = option;
        ticks.subControls = QStyle::SC_SliderTickmarks;
        painter.drawComplexControl(QStyle::CC_Slider, ticks);
    }

    const QRect minHandleRect = sliderHandleRect(this, option, d->minHandleValue);
    const QRect maxHandleRect = sliderHandleRect(this, option, d->maxHandleValue);
    const int minCenter = minHandleRect.center().x();
    const int maxCenter = maxHandleRect.center().x();

    QRectF bar = grooveF.adjusted(0, 0, 0, 1);
    bar.setLeft(std::min(minCenter, maxCenter));
    bar.setRight(std::max(minCenter, maxCenter));
    bar.setTop(bar.top() + bar.height() / 4);
    bar.setHeight(bar.height() / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(themeBrushAt(this, d.get(), RangeIndex));
    painter.drawRect(bar.adjusted(-1, 0.5, 1, 0.5));

    QRectF box = bar;
    box.setTop(grooveF.top());
    box.setHeight(grooveF.height());
    // The pointer is asked for once: on some window systems that is a round trip.
    const QPointF cursor = mapFromGlobal(QCursor::pos());
    const bool rangeHovered = gapContains(box, minHandleRect, maxHandleRect, cursor);
    const QBrush state = stateBrush(isMinimumHandleDown() && isMaximumHandleDown(), rangeHovered);
    QColor fill = state.color();
    fill.setAlphaF(0.4);
    const QRectF frame = box.adjusted(0, 0.5, 2, -0.5);
    painter.setBrush(fill);
    painter.drawRect(fillUnderFrame(frame, state.color()));
    drawRangeFrame(&painter, frame, state.color());

    drawHandle(&painter, minHandleRect, MinimumHandle, isMinimumHandleDown(),
               QRectF(minHandleRect).contains(cursor) || rangeHovered);
    drawHandle(&painter, maxHandleRect, MaximumHandle, isMaximumHandleDown(),
               QRectF(maxHandleRect).contains(cursor) || rangeHovered);
}

void RangeSlider::drawHandle(QStylePainter *painter, QRect rect, Handle handle, bool down, bool hovered) const
{
    if (!painter || handle == NoHandle) {
        return;
    }
    const int radius = themeRadius(this, d.get());
    const bool minimum = handle == MinimumHandle;
    const Helpers::StraightCornerFlags straight = minimum ? Helpers::TopRightCorner | Helpers::BottomRightCorner
                                                          : Helpers::TopLeftCorner | Helpers::BottomLeftCorner;
    const QRectF r(rect);
    const QRectF shape = minimum ? r.adjusted(0, 0, -rect.width() / 2.0, 0) : r.adjusted(rect.width() / 2.0, 0, 0, 0);
    const QBrush brush = stateBrush(down, hovered);
    const auto paintShape = [radius, straight, brush](QPainter *p, const QRectF &area) {
        p->setRenderHint(QPainter::Antialiasing, true);
        p->setPen(Qt::NoPen);
        p->setBrush(brush);
        Helpers::drawRoundedRectShape(area, radius, straight, p);
    };
    // The two grip lines, one pixel wide, two apart.
    const QRectF grips(minimum ? rect.left() + 2 : rect.right() - 4, rect.y() + rect.height() / 4.0, 3.0,
                       rect.height() / 2.0);
    const QBrush grip = themeBrushAt(this, d.get(), BackgroundIndex);
    const auto paintGrips = [grip](QPainter *p, const QRectF &area) {
        p->setRenderHint(QPainter::Antialiasing, true);
        p->setPen(Qt::NoPen);
        p->setBrush(grip);
        p->drawRect(QRectF(area.left(), area.top(), 1.0, area.height()));
        p->drawRect(QRectF(area.right() - 1.0, area.top(), 1.0, area.height()));
    };

    // Over an opaque shape that covers their pixels whole, the grips replace whole pixels of one colour:
    // shape and grips then make one copy. The shape is convex, so it covers the pixels of the grips when it
    // holds the four corners of their block (with half a pixel to spare near its rounded corners).
    const bool opaque
        = brush.style() == Qt::SolidPattern && brush.color().alpha() == 255 && grip.style() == Qt::SolidPattern;
    // The answer depends on the handle's size and the radius only; it is kept for each handle.
    RangeSliderPrivate::GripsInside &inside = d->gripsInside[minimum ? 0 : 1];
    if (opaque && (inside.size != rect.size() || inside.radius != radius)) {
        const qreal corner = std::min<qreal>(radius, std::min(shape.width(), shape.height()) / 2.0); // as drawn
        const auto holds = [&](qreal x, qreal y) {
            const qreal cx = minimum ? std::max(x, shape.left() + corner) : std::min(x, shape.right() - corner);
            const qreal cy = qBound(shape.top() + corner, y, shape.bottom() - corner);
            return shape.contains(x, y) && (corner <= 0 || std::hypot(x - cx, y - cy) <= corner - 0.5);
        };
        const QRectF block(QPointF(grips.left(), std::floor(grips.top())),
                           QPointF(grips.right(), std::ceil(grips.bottom())));
        inside = {rect.size(), radius,
                  holds(block.left(), block.top()) && holds(block.right(), block.top())
                      && holds(block.left(), block.bottom()) && holds(block.right(), block.bottom())};
    }
    const bool oneCopy = opaque && inside.holds;
    if (!oneCopy) {
        drawPiece(painter, shape, -1, HandleShapePiece, radius, int(straight), brush, paintShape);
        drawPiece(painter, grips, -1, HandleGripsPiece, 0, 0, grip, paintGrips);
        return;
    }
    const QPointF offset = grips.topLeft() - shape.topLeft();
    const QSizeF gripsSize = grips.size();
    SliderPieces::Look look {HandlePiece, radius, int(straight), brush.color().rgba64()};
    look.color2 = grip.color().rgba64();
    d->pieces.draw(painter, shape, -1, look, [&](QPainter *p, const QRectF &area) {
        paintShape(p, area);
        paintGrips(p, QRectF(area.topLeft() + offset, gripsSize));
    });
}

} // namespace Components
} // namespace Nalu
