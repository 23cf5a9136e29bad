#pragma once

#include <QtGlobal>

#include <vector>

namespace store {

// The row numbers a cursor holds, in its order. Rows stored one after the
// other (a log, or a table read in number order) have consecutive numbers,
// so they are kept as runs: a cursor over a million Comms rows, or one that
// takes in a new row with every event, costs a few runs, not eight bytes a
// row. Rows in any other order cost one run each.
class RowNumbers
{
public:
    int size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    void clear();

    // The row number at a position (0 <= position < size()).
    qint64 at(int position) const;
    qint64 front() const { return m_runs.front().first; }
    qint64 back() const { return m_runs.back().first + m_runs.back().count - 1; }

    void push_back(qint64 rowid);
    void insert(int position, qint64 rowid);
    // The position of a row number; -1 when not held.
    int indexOf(qint64 rowid) const;
    // For numbers held in ascending order: the first position whose number is
    // not less than rowid.
    int lowerBound(qint64 rowid) const;
    // Whether the numbers held start with all of other's, in the same order.
    bool startsWith(const RowNumbers &other) const;

    // Runs held (for tests and benchmarks).
    int runCount() const { return static_cast<int>(m_runs.size()); }

private:
    struct Run
    {
        qint64 first; // row number of the run's first row
        int count;    // consecutive numbers from first on
        int start;    // position of the run's first row
    };
    int runAt(int position) const;
    void renumberFrom(std::size_t run);

    std::vector<Run> m_runs;
    int m_size = 0;
};

} // namespace store
