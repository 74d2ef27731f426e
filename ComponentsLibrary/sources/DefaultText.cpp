// SPDX-License-Identifier: MIT

#include "DefaultText_p.h"

#include <QEvent>

#include <memory>

namespace Nalu {
namespace Components {
namespace Internal {

namespace {

class LanguageChangeFilter : public QObject
{
public:
    LanguageChangeFilter(QObject *watched, std::function<void()> retranslate)
        : QObject(watched)
        , m_retranslate(std::move(retranslate))
    {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::LanguageChange) {
            m_retranslate();
        }
        return false;
    }

private:
    std::function<void()> m_retranslate;
};

} // namespace

void onLanguageChange(QObject *watched, std::function<void()> retranslate)
{
    new LanguageChangeFilter(watched, std::move(retranslate));
}

void keepTranslated(QObject *watched, const std::function<void()> &apply)
{
    apply();
    onLanguageChange(watched, apply);
}

void keepDefaultText(QObject *watched, std::function<QString()> translated, std::function<QString()> current,
                     std::function<void(const QString &)> apply)
{
    // The default as last shown: the component shows it as long as its text still equals it.
    auto shown = std::make_shared<QString>(translated());
    onLanguageChange(
        watched, [shown, translated = std::move(translated), current = std::move(current), apply = std::move(apply)] {
            const QString before = *shown;
            *shown = translated();
            if (current() == before) {
                apply(*shown);
            }
        });
}

} // namespace Internal
} // namespace Components
} // namespace Nalu
