#include "tracebuffer.h"

#include <algorithm>
#include <cmath>

namespace zr::scope {

TraceBuffer::TraceBuffer(qsizetype capacity) {
    setCapacity(capacity);
}

void TraceBuffer::setCapacity(qsizetype capacity) {
    capacity = std::max<qsizetype>(capacity, 1);
    if (capacity == capacity_)
        return;
    const QByteArray kept = samples().right(capacity);
    const qint64 keptFrom = appended_ - kept.size();
    capacity_ = capacity;
    data_.assign(static_cast<size_t>(capacity_), 0);
    const auto blocks = static_cast<size_t>((capacity_ + kBlock - 1) / kBlock);
    blockLow_.assign(blocks, 255);
    blockHigh_.assign(blocks, 0);
    head_ = 0;
    size_ = 0;
    append(kept);
    appended_ = keptFrom + kept.size();
}

void TraceBuffer::clear() {
    ++generation_;
    head_ = 0;
    size_ = 0;
    appended_ = 0;
    std::fill(blockLow_.begin(), blockLow_.end(), quint8(255));
    std::fill(blockHigh_.begin(), blockHigh_.end(), quint8(0));
}

void TraceBuffer::append(const QByteArray &samples) {
    append(reinterpret_cast<const quint8 *>(samples.constData()), samples.size());
}

void TraceBuffer::append(const quint8 *samples, qsizetype n) {
    appended_ += std::max<qsizetype>(n, 0);
    if (n > capacity_) {
        samples += n - capacity_;
        n = capacity_;
    }
    for (qsizetype k = 0; k < n; ++k) {
        qsizetype p;
        if (size_ < capacity_) {
            p = physical(size_);
            ++size_;
        } else {
            p = head_;
            head_ = head_ + 1 == capacity_ ? 0 : head_ + 1;
        }
        const quint8 v = samples[k];
        data_[static_cast<size_t>(p)] = v;
        const auto b = static_cast<size_t>(p / kBlock);
        if (p % kBlock == 0) {
            // A block starts afresh; until it is full again its summary covers only new samples.
            blockLow_[b] = v;
            blockHigh_[b] = v;
        } else {
            blockLow_[b] = std::min(blockLow_[b], v);
            blockHigh_[b] = std::max(blockHigh_[b], v);
        }
    }
}

QByteArray TraceBuffer::samples() const {
    QByteArray out;
    out.resize(size_);
    for (qsizetype i = 0; i < size_; ++i)
        out[i] = static_cast<char>(at(i));
    return out;
}

// Physical samples [begin, end) with no wrap. A block's summary is used only when the block lies
// wholly inside the segment and holds no sample older than the segment (the block the ring is
// writing into is read sample by sample).
void TraceBuffer::rangeOfSegment(qsizetype begin, qsizetype end, int &low, int &high) const {
    const bool wrapped = size_ == capacity_;
    const qsizetype writing = wrapped ? head_ / kBlock : -1;
    qsizetype i = begin;
    while (i < end) {
        const qsizetype b = i / kBlock;
        const qsizetype blockEnd = std::min((b + 1) * kBlock, capacity_);
        if (i == b * kBlock && blockEnd <= end && b != writing) {
            low = std::min<int>(low, blockLow_[static_cast<size_t>(b)]);
            high = std::max<int>(high, blockHigh_[static_cast<size_t>(b)]);
            i = blockEnd;
            continue;
        }
        const qsizetype stop = std::min(end, blockEnd);
        for (; i < stop; ++i) {
            const int v = data_[static_cast<size_t>(i)];
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
}

ColumnRange TraceBuffer::range(qsizetype first, qsizetype count) const {
    ColumnRange r;
    if (first < 0) {
        count += first;
        first = 0;
    }
    count = std::min(count, size_ - first);
    if (count <= 0)
        return r;
    int low = 255;
    int high = 0;
    const qsizetype begin = physical(first);
    const qsizetype end = begin + count;
    if (end <= capacity_) {
        rangeOfSegment(begin, end, low, high);
    } else {
        rangeOfSegment(begin, capacity_, low, high);
        rangeOfSegment(0, end - capacity_, low, high);
    }
    r.low = static_cast<quint8>(low);
    r.high = static_cast<quint8>(high);
    r.count = count;
    return r;
}

std::vector<ColumnRange> TraceBuffer::columns(double first, double span, int columns) const {
    std::vector<ColumnRange> out(static_cast<size_t>(std::max(columns, 0)));
    if (columns <= 0 || span <= 0)
        return out;
    const double per = span / columns;
    for (int c = 0; c < columns; ++c) {
        const auto a = static_cast<qsizetype>(std::ceil(first + c * per));
        const auto b = static_cast<qsizetype>(std::ceil(first + (c + 1) * per));
        out[static_cast<size_t>(c)] = range(a, b - a);
    }
    return out;
}

qsizetype TraceBuffer::memoryBytes() const {
    return static_cast<qsizetype>(data_.capacity() + blockLow_.capacity() + blockHigh_.capacity() +
                                  sizeof(*this));
}

} // namespace zr::scope
