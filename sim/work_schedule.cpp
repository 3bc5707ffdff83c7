#include "sim/work_schedule.h"

namespace vt12sim {

namespace {

// SplitMix64: small, and the same on every platform, unlike the standard distributions.
uint64_t nextRandom(uint64_t& state) {
    state += 0x9E3779B97F4A7C15ull;
    uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

constexpr uint32_t kBreakStream = 0xFF;

} // namespace

WorkSchedule::WorkSchedule(uint32_t seed, uint32_t stream) {
    for (std::size_t i = 0; i < machines_.size(); ++i) {
        Timer& machine = machines_[i];
        machine.random = uint64_t{seed} << 32 | uint64_t{stream} << 8 | i;
        // Machines start at different moments, the first within the first half minute.
        machine.switchLeftMs = draw(machine, 1000, 30000);
    }
    breaks_.random = uint64_t{seed} << 32 | kBreakStream << 16;
    breaks_.switchLeftMs = draw(breaks_, kShortestShiftMs, kLongestShiftMs);
}

int WorkSchedule::draw(Timer& timer, int lowest, int highest) {
    const auto span = static_cast<uint64_t>(highest - lowest + 1);
    return lowest + static_cast<int>(nextRandom(timer.random) % span);
}

uint16_t WorkSchedule::advance(int ms) {
    for (std::size_t i = 0; i < machines_.size(); ++i) {
        Timer& machine = machines_[i];
        const auto bit = static_cast<uint16_t>(1u << i);
        for (machine.switchLeftMs -= ms; machine.switchLeftMs <= 0;) {
            machinesOn_ ^= bit;
            machine.switchLeftMs += (machinesOn_ & bit)
                                        ? draw(machine, kShortestRunMs, kLongestRunMs)
                                        : draw(machine, kShortestPauseMs, kLongestPauseMs);
        }
    }
    for (breaks_.switchLeftMs -= ms; breaks_.switchLeftMs <= 0;) {
        onBreak_ = !onBreak_;
        breaks_.switchLeftMs += onBreak_ ? draw(breaks_, kShortestBreakMs, kLongestBreakMs)
                                         : draw(breaks_, kShortestShiftMs, kLongestShiftMs);
    }
    return sensors();
}

} // namespace vt12sim
