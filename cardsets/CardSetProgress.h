#pragma once
// How a card-set read or write reports progress: the Please Wait window implements CardSetProgress;
// ProgressSession drives it with the bar's rules and closes it however the work ends.

#include <cstdint>

namespace velmora {

class CardSetProgress {
public:
    virtual ~CardSetProgress() = default;
    virtual void ShowProgress() = 0;                      // show the window, bar at 0, without waiting
    virtual void SetProgressPosition(int position) = 0;   // 0..ProgressSession::Maximum; repaint now
    virtual void ProcessEvents() = 0;                     // let pending window events run
    virtual void CloseProgress() = 0;
};

// One read or write. With no CardSetProgress attached every call does nothing.
class ProgressSession {
public:
    static constexpr int Maximum = 1000;

    explicit ProgressSession(CardSetProgress* progress) : progress_(progress) {}
    ~ProgressSession();
    ProgressSession(const ProgressSession&) = delete;
    ProgressSession& operator=(const ProgressSession&) = delete;

    void Show();
    // The step is the maximum divided by the item count, rounded down: 90 for 11 cards, 19 for 51.
    void SetStepFor(std::int32_t items);
    void StepIt();
    void ProcessEvents();
    void Close();

    int Position() const { return position_; }
    int Step() const { return step_; }

private:
    CardSetProgress* progress_;
    bool shown_ = false;
    int position_ = 0;
    int step_ = 0;
};

}  // namespace velmora
