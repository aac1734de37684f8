#pragma once
// Where the simulator takes its time from: the machine's steady clock, or a clock that tests set.

#include <chrono>

class IClock {
public:
    // Seconds on a clock that never goes backwards.
    virtual double now() const = 0;

protected:
    ~IClock() = default;
};

class CSteady_clock final : public IClock {
public:
    double now() const override
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};
