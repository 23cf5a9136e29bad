#pragma once

namespace core {

// The console refresh hooks that record rules, the event processor and the
// receiver link call at the points where the console must follow the data.
// The main window installs its own; until then they do nothing.
class ConsoleHooks
{
public:
    virtual ~ConsoleHooks() = default;
    // Status panel 0 and the four priority count labels.
    virtual void RefreshStatusAndCounts() {}
    // Operator buttons and account pages of the pending view.
    virtual void UpdateQueueControls() {}
    // A new pending alarm brings a minimised main window back.
    virtual void RestoreFromMinimised() {}
};

} // namespace core
