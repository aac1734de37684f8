#pragma once
// A control that shows a value received from the computer, and can show that the value is old:
// nothing has come from the computer for a while, so what it shows may no longer be true.

class IStale_control {
public:
    virtual void SetStale(bool stale) = 0;
    virtual bool Stale() const = 0;

protected:
    IStale_control() = default;
    IStale_control(const IStale_control &) = default;
    IStale_control &operator=(const IStale_control &) = default;
    ~IStale_control() = default;
};
