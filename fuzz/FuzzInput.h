// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace NaluFuzz {

// Reads the fuzzer's bytes as choices; past the end every read gives 0, so any input is a whole program.
class Input
{
public:
    Input(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    bool atEnd() const { return m_pos >= m_size; }

    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    bool flag() { return byte() & 1; }

    // A value in [0, count).
    int pick(int count) { return count <= 0 ? 0 : byte() % count; }

    // A value in [low, high], from up to two bytes.
    int range(int low, int high)
    {
        const int64_t span = int64_t(high) - low + 1;
        const int64_t raw = (int64_t(byte()) << 8) | byte();
        return int(low + raw % span);
    }

    // Any int, with the edges that break arithmetic often.
    int anyInt()
    {
        switch (pick(8)) {
        case 0:
            return std::numeric_limits<int>::min();
        case 1:
            return std::numeric_limits<int>::max();
        case 2:
            return 0;
        case 3:
            return range(-3, 3);
        case 4:
            return range(-1000, 1000);
        case 5:
            return range(0, 200) - 100 + (flag() ? 2000000000 : -2000000000);
        default: {
            uint32_t value = 0;
            for (int i = 0; i < 4; ++i) {
                value = (value << 8) | byte();
            }
            return int(value);
        }
        }
    }

    // A pixel position around a widget of size `size`, a little outside it too.
    QPoint pointIn(const QWidget *widget)
    {
        return QPoint(range(-20, widget->width() + 20), range(-20, widget->height() + 20));
    }

    QString text() { return QStringLiteral("t%1").arg(byte()); }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// Stops the run with a finding when an invariant does not hold.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "Invariant broken at %s:%d: %s\n", __FILE__, __LINE__, #condition);                   \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// Deletes what deleteLater() left for the event loop, as the end of an input must.
void flushDeferredDeletes();

// Sends a mouse event of `type` at `pos` to `widget`; true when the widget or one of its parents accepted it.
bool sendMouse(QWidget *widget, int type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons);

// Sends a press and a release of `key` to `widget`.
void sendKey(QWidget *widget, int key);

// Sends a vertical wheel turn of `delta` at `pos` to `widget`.
void sendWheel(QWidget *widget, QPoint pos, int delta);

} // namespace NaluFuzz
