#include "bars/controls/typing_limit.h"

#include <algorithm>

namespace bars {

QString LimitInsertion(const QString& before, const QString& after, int limit, int& cursor) {
    const qsizetype length = after.size();
    if (limit <= 0 || length <= limit || length <= before.size()) return after;
    // before = head + replaced + tail, after = head + inserted + tail.
    const qsizetype shorter = std::min(before.size(), length);
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head]) ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[length - 1 - tail]) ++tail;
    const qsizetype room = std::max<qsizetype>(0, limit - head - tail);
    const qsizetype inserted = std::min(room, length - head - tail);
    cursor = static_cast<int>(head + inserted);
    return after.left(head + inserted) + after.right(tail);
}

QValidator::State TypingLimit::validate(QString& input, int& pos) const {
    input = LimitInsertion(m_accepted, input, m_limit, pos);
    m_accepted = input;
    return Acceptable;
}

}  // namespace bars
