#pragma once

// The samples of the trace: bytes in a ring of one screen, with a min/max summary per block so
// that a picture of any time base is drawn from about two values per pixel column.

#include <QByteArray>
#include <QtGlobal>

#include <vector>

namespace zr::scope {

// Lowest and highest sample of one pixel column; empty columns have count 0.
struct ColumnRange {
    quint8 low = 0;
    quint8 high = 0;
    qsizetype count = 0;
};

class TraceBuffer {
public:
    static constexpr qsizetype kBlock = 64; // samples a summary entry covers

    explicit TraceBuffer(qsizetype capacity = 200);

    // The newest `capacity` samples are kept; a smaller capacity drops the oldest.
    void setCapacity(qsizetype capacity);
    qsizetype capacity() const { return capacity_; }
    qsizetype size() const { return size_; }
    bool isEmpty() const { return size_ == 0; }
    // Number of the oldest sample kept, counted from the last clear (grows as the ring scrolls).
    qint64 oldestNumber() const { return appended_ - size_; }
    // Changes at every clear: sample numbers of different generations are different samples.
    quint64 generation() const { return generation_; }

    // Appends after the samples already there; the oldest go when the ring is full.
    void append(const QByteArray &samples);
    void append(const quint8 *samples, qsizetype n);
    void clear();

    // Sample i, 0 the oldest kept.
    quint8 at(qsizetype i) const { return data_[physical(i)]; }
    QByteArray samples() const;

    // Lowest and highest of samples [first, first + count); the part before 0 is left out.
    ColumnRange range(qsizetype first, qsizetype count) const;
    // The samples [first, first + span) split into `columns` equal columns, each with its range.
    std::vector<ColumnRange> columns(double first, double span, int columns) const;

    // Bytes held, for the memory budget.
    qsizetype memoryBytes() const;

private:
    qsizetype physical(qsizetype i) const {
        const qsizetype p = head_ + i;
        return p >= capacity_ ? p - capacity_ : p;
    }
    void rangeOfSegment(qsizetype begin, qsizetype end, int &low, int &high) const;

    std::vector<quint8> data_;
    std::vector<quint8> blockLow_;
    std::vector<quint8> blockHigh_;
    qsizetype capacity_ = 0;
    qsizetype head_ = 0; // physical index of the oldest sample
    qsizetype size_ = 0;
    qint64 appended_ = 0;
    quint64 generation_ = 0;
};

} // namespace zr::scope
