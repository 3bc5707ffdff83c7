#pragma once
// The workshop's machines: each workstation's sensor switches on and off on its own seeded
// schedule, and now and then the whole workshop takes a break. The same seed gives the same
// sensors however time is handed in.

#include <array>
#include <cstdint>

namespace vt12sim {

class WorkSchedule {
public:
    static constexpr int kShortestRunMs = 8000;
    static constexpr int kLongestRunMs = 45000;
    static constexpr int kShortestPauseMs = 15000;
    static constexpr int kLongestPauseMs = 90000;
    static constexpr int kShortestShiftMs = 90000;
    static constexpr int kLongestShiftMs = 240000;
    static constexpr int kShortestBreakMs = 45000;
    static constexpr int kLongestBreakMs = 150000;

    // stream tells apart the units of one seed; the breaks are the same for all units.
    WorkSchedule(uint32_t seed, uint32_t stream);

    // Bit i: the machine of workstation i+1 runs, ms from now.
    uint16_t advance(int ms);
    uint16_t sensors() const { return onBreak_ ? 0 : machinesOn_; }

private:
    struct Timer {
        uint64_t random = 0;
        int switchLeftMs = 0;
    };

    static int draw(Timer& timer, int lowest, int highest);

    std::array<Timer, 12> machines_{};
    Timer breaks_{};
    uint16_t machinesOn_ = 0;
    bool onBreak_ = false;
};

} // namespace vt12sim
