#include "store/rownumbers.h"

#include <algorithm>

namespace store {

void RowNumbers::clear()
{
    m_runs.clear();
    m_size = 0;
}

int RowNumbers::runAt(int position) const
{
    // The last run that starts at or before position.
    const auto it = std::upper_bound(m_runs.begin(), m_runs.end(), position,
                                     [](int p, const Run &r) { return p < r.start; });
    return static_cast<int>(it - m_runs.begin()) - 1;
}

qint64 RowNumbers::at(int position) const
{
    const Run &r = m_runs[static_cast<std::size_t>(runAt(position))];
    return r.first + (position - r.start);
}

void RowNumbers::push_back(qint64 rowid)
{
    if (!m_runs.empty() && back() + 1 == rowid)
        ++m_runs.back().count;
    else
        m_runs.push_back({rowid, 1, m_size});
    ++m_size;
}

void RowNumbers::renumberFrom(std::size_t run)
{
    int start = run == 0 ? 0 : m_runs[run - 1].start + m_runs[run - 1].count;
    for (std::size_t i = run; i < m_runs.size(); ++i) {
        m_runs[i].start = start;
        start += m_runs[i].count;
    }
    m_size = start;
}

void RowNumbers::insert(int position, qint64 rowid)
{
    position = std::clamp(position, 0, m_size);
    if (position == m_size) {
        push_back(rowid);
        return;
    }
    std::size_t i = static_cast<std::size_t>(runAt(position));
    Run &r = m_runs[i];
    if (position > r.start) {
        // Inside a run: split it around the new row.
        const int left = position - r.start;
        const Run right{r.first + left, r.count - left, position};
        r.count = left;
        m_runs.insert(m_runs.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                      {{rowid, 1, position}, right});
        renumberFrom(i + 1);
        return;
    }
    // At the start of run i, after run i - 1: joins either when consecutive.
    const bool joinsNext = m_runs[i].first == rowid + 1;
    const bool joinsPrevious = i > 0 && m_runs[i - 1].first + m_runs[i - 1].count == rowid;
    if (joinsPrevious && joinsNext) {
        m_runs[i - 1].count += 1 + m_runs[i].count;
        m_runs.erase(m_runs.begin() + static_cast<std::ptrdiff_t>(i));
        renumberFrom(i);
    } else if (joinsPrevious) {
        ++m_runs[i - 1].count;
        renumberFrom(i);
    } else if (joinsNext) {
        --m_runs[i].first;
        ++m_runs[i].count;
        renumberFrom(i + 1);
    } else {
        m_runs.insert(m_runs.begin() + static_cast<std::ptrdiff_t>(i), {rowid, 1, position});
        renumberFrom(i + 1);
    }
}

int RowNumbers::indexOf(qint64 rowid) const
{
    for (const Run &r : m_runs) {
        if (rowid >= r.first && rowid < r.first + r.count)
            return r.start + static_cast<int>(rowid - r.first);
    }
    return -1;
}

int RowNumbers::lowerBound(qint64 rowid) const
{
    // The first run whose last number is not less than rowid.
    const auto it = std::lower_bound(m_runs.begin(), m_runs.end(), rowid,
                                     [](const Run &r, qint64 id) { return r.first + r.count - 1 < id; });
    if (it == m_runs.end())
        return m_size;
    return rowid <= it->first ? it->start : it->start + static_cast<int>(rowid - it->first);
}

bool RowNumbers::startsWith(const RowNumbers &other) const
{
    if (other.m_size > m_size)
        return false;
    // Both keep runs as long as they go, so equal rows are equal runs; the
    // other's last run may end early.
    for (std::size_t i = 0; i < other.m_runs.size(); ++i) {
        const Run &a = other.m_runs[i];
        if (i >= m_runs.size() || m_runs[i].first != a.first)
            return false;
        const bool last = i + 1 == other.m_runs.size();
        if (last ? m_runs[i].count < a.count : m_runs[i].count != a.count)
            return false;
    }
    return true;
}

} // namespace store
