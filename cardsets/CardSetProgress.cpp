#include "cardsets/CardSetProgress.h"

namespace velmora {

ProgressSession::~ProgressSession() {
    // A failed read or write must not leave the window on the screen.
    try {
        Close();
    } catch (...) {
    }
}

void ProgressSession::Show() {
    position_ = 0;
    if (progress_ == nullptr) return;
    progress_->ShowProgress();
    shown_ = true;
}

void ProgressSession::SetStepFor(std::int32_t items) { step_ = items > 0 ? Maximum / items : 0; }

void ProgressSession::StepIt() {
    position_ += step_;
    if (position_ > Maximum) position_ = 0;  // a bar stepped past its end starts again
    if (shown_) progress_->SetProgressPosition(position_);
}

void ProgressSession::ProcessEvents() {
    if (progress_ != nullptr) progress_->ProcessEvents();
}

void ProgressSession::Close() {
    if (!shown_) return;
    shown_ = false;
    progress_->CloseProgress();
}

}  // namespace velmora
