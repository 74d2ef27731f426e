// SPDX-License-Identifier: MIT

#include <vantor_common_models/HistogramModel.h>

#include <algorithm>

namespace Nalu {
namespace Models {

class HistogramModelPrivate
{
public:
    QVector<int> bins;
};

HistogramModel::HistogramModel(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<HistogramModelPrivate>())
{
}

HistogramModel::~HistogramModel() = default;

QVector<int> HistogramModel::getBins() const
{
    return d->bins;
}

int HistogramModel::getMaxCount() const
{
    return d->bins.isEmpty() ? 0 : *std::max_element(d->bins.cbegin(), d->bins.cend());
}

void HistogramModel::setBins(const QVector<int> &bins)
{
    // A count cannot be negative; clamping keeps bar heights and getMaxCount() sane.
    QVector<int> counts = bins;
    std::replace_if(
        counts.begin(), counts.end(), [](int count) { return count < 0; }, 0);
    if (counts == d->bins) {
        return;
    }
    d->bins = counts;
    Q_EMIT binsChanged();
}

} // namespace Models
} // namespace Nalu
