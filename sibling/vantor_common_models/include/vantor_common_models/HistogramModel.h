// SPDX-License-Identifier: MIT

#pragma once

#include <vantor_common_models/vantor_common_models_export.h>

#include <QObject>
#include <QVector>

#include <memory>

namespace Nalu {
namespace Models {

class HistogramModelPrivate;

/** @brief Bin counts of a histogram, shared between whoever computes and whoever draws them. */
class VANTOR_COMMON_MODELS_EXPORT HistogramModel : public QObject
{
    Q_OBJECT
    /** @brief Count per bin, first bin first; empty by default. Negative counts are stored as 0. */
    Q_PROPERTY(QVector<int> bins READ getBins WRITE setBins NOTIFY binsChanged)

public:
    /** @brief Creates a model without bins. */
    explicit HistogramModel(QObject *parent = nullptr);
    ~HistogramModel() override;

    /** @brief The count per bin, first bin first (the bins property). */
    QVector<int> getBins() const;
    /** @brief Largest bin count, 0 when there are no bins; handy to scale the bars. */
    int getMaxCount() const;

public Q_SLOTS:
    /** @brief Replaces the counts; negative counts become 0. Emits binsChanged() only on a change. */
    void setBins(const QVector<int> &bins);

Q_SIGNALS:
    /** @brief Emitted by setBins() when the cleaned counts differ from the previous ones. */
    void binsChanged();

private:
    Q_DISABLE_COPY(HistogramModel)
    std::unique_ptr<HistogramModelPrivate> const d;
};

} // namespace Models
} // namespace Nalu
