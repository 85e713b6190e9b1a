#include "engine/model/registers.h"

#include <charconv>

#include "engine/base/text_utils.h"
#include "platform/core/random.h"

namespace engine {

namespace {

constexpr char kEntryEnd = ',';
constexpr int kCardCodeWidth = 3;

// Each step draws one of four: 0 stays, 1 and 2 step right, 3 steps left (folded to -1).
// A right step may only follow a left step and a left step never follows a left step,
// so the cards waver instead of drifting.
constexpr std::int32_t kWalkChoices = 4;
constexpr int kLeftStepChoice = 3;
constexpr int kWalkFold = 2;   // 3 becomes 2 - 3 = -1
constexpr int kWalkLimit = 2;  // the running sum stays within -2 .. 2

template <typename Array>
bool InRange(const Array& array, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < array.size();
}

// The position of the comma that ends the entry before the last, or npos.
std::size_t EndOfEntryBeforeLast(std::string_view log) {
    if (log.size() < 2) return std::string_view::npos;
    return log.rfind(kEntryEnd, log.size() - 2);
}

bool GroupIsCard(std::string_view group, int card) {
    int value = 0;
    const auto [end, error] = std::from_chars(group.data(), group.data() + group.size(), value);
    return error == std::errc{} && end == group.data() + group.size() && value == card;
}

}  // namespace

Registers::Registers() { m_intRegs[kLastMouseMoveReg] = kNoMouseMove; }

void Registers::SetFlag(int index, std::uint8_t value) {
    if (InRange(m_flags, index)) m_flags[static_cast<std::size_t>(index)] = value;
}

std::uint8_t Registers::GetFlag(int index) const {
    return InRange(m_flags, index) ? m_flags[static_cast<std::size_t>(index)] : 0;
}

void Registers::SetTimeReg(int index, double value) {
    if (InRange(m_timeRegs, index)) m_timeRegs[static_cast<std::size_t>(index)] = value;
}

double Registers::GetTimeReg(int index) const {
    return InRange(m_timeRegs, index) ? m_timeRegs[static_cast<std::size_t>(index)] : 0.0;
}

void Registers::SetIntReg(int index, std::int32_t value) {
    if (InRange(m_intRegs, index)) m_intRegs[static_cast<std::size_t>(index)] = value;
}

std::int32_t Registers::GetIntReg(int index) const {
    return InRange(m_intRegs, index) ? m_intRegs[static_cast<std::size_t>(index)] : 0;
}

void Registers::SetWalkOffset(int table, int entry, std::int16_t value) {
    if (!InRange(m_walkTables, table - 1)) return;
    auto& walk = m_walkTables[static_cast<std::size_t>(table - 1)];
    if (InRange(walk, entry)) walk[static_cast<std::size_t>(entry)] = value;
}

std::int16_t Registers::GetWalkOffset(int table, int entry) const {
    if (!InRange(m_walkTables, table - 1)) return 0;
    const auto& walk = m_walkTables[static_cast<std::size_t>(table - 1)];
    return InRange(walk, entry) ? walk[static_cast<std::size_t>(entry)] : 0;
}

void Registers::FillWalkTable(int table, platform::RandomGenerator& random) {
    if (!InRange(m_walkTables, table - 1)) return;
    SetWalkOffset(table, 0, 0);
    int previous = random.Random(kWalkChoices);
    int sum = 0;
    for (int entry = 1; entry < kWalkEntriesFilled; ++entry) {
        int step = random.Random(kWalkChoices);
        if (previous >= kLeftStepChoice && step >= kLeftStepChoice)
            step = 0;
        else if (step >= 1 && previous < kLeftStepChoice && step < kLeftStepChoice)
            step = 0;
        previous = step;
        if (step >= kLeftStepChoice) step = kWalkFold - step;
        sum += step;
        if (sum > kWalkLimit) {
            step -= kWalkLimit;
            sum -= kWalkLimit;
        } else if (sum < -kWalkLimit) {
            step += kWalkLimit;
            sum += kWalkLimit;
        }
        SetWalkOffset(table, entry, static_cast<std::int16_t>(step));
    }
}

void Registers::FillWalkTables(platform::RandomGenerator& random) {
    for (int table = 1; table <= kWalkTableCount; ++table) FillWalkTable(table, random);
}

void Registers::AppendLogEntry(int log, std::string_view entry) {
    std::string& text = Log(log);
    text += entry;
    text += kEntryEnd;
}

std::string Registers::LastLogEntry(int log) const {
    const std::string_view text = MoveLog(log);
    const std::size_t comma = EndOfEntryBeforeLast(text);
    if (comma != std::string_view::npos) return std::string(text.substr(comma + 1, text.size() - 2 - comma));
    if (!text.empty() && text.back() == kEntryEnd) return std::string(text.substr(0, text.size() - 1));
    return std::string(text);
}

void Registers::DropLastLogEntry(int log) {
    std::string& text = Log(log);
    const std::size_t comma = EndOfEntryBeforeLast(text);
    if (comma == std::string::npos)
        text.clear();
    else
        text.resize(comma + 1);
}

void Registers::ReplaceLastLogEntry(int card) {
    DropLastLogEntry(kUndoMoveLog);
    AppendLogEntry(kUndoMoveLog, IntToZeroPad(card, kCardCodeWidth));
}

void Registers::MergeLastLogEntries(int log) {
    // An empty log has nothing to merge; going on would invent an empty entry.
    if (MoveLog(log).empty()) return;
    const std::string last = LastLogEntry(log);
    DropLastLogEntry(log);
    DropLastLogEntry(log);
    AppendLogEntry(log, last);
}

int Registers::CountCardInLog(int log, int card) const {
    const std::string_view text = MoveLog(log);
    int count = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(kEntryEnd, start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view entry = text.substr(start, end - start);
        for (std::size_t group = 0; group + kCardCodeWidth <= entry.size(); group += kCardCodeWidth) {
            if (GroupIsCard(entry.substr(group, kCardCodeWidth), card)) ++count;
        }
        start = end + 1;
    }
    return count;
}

void Registers::ClearMoveLog(int log) { Log(log).clear(); }

const std::string& Registers::MoveLog(int log) const {
    return log == kUndoMoveLog ? m_undoMoveLog : m_redoMoveLog;
}

}  // namespace engine
