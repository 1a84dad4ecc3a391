#pragma once
// A Messages implementation for tests: records every box and answers from a script.

#include <deque>
#include <functional>
#include <vector>

#include "widgets/Messages.h"

namespace velmora::fakes {

struct ShownMessage {
    MessageKind kind;
    QString text;
    QWidget* parent = nullptr;  // the window the box is centred on
};

class ScriptedMessages : public Messages {
public:
    ScriptedMessages() { Messages::Install(this); }
    ~ScriptedMessages() override { Messages::Install(nullptr); }
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    // Answers for the next questions, in order; a question with no scripted answer gets Yes / OK.
    void Answer(MessageAnswer answer) { answers_.push_back(answer); }

    MessageAnswer Show(QWidget* parent, MessageKind kind, const QString& text) override {
        shown.push_back({kind, text, parent});
        // A box a person leaves open: the test lets time pass or events run here.
        if (whileOpen) {
            const ShownMessage message = shown.back();  // the hook may show further boxes
            whileOpen(message);
        }
        if (kind != MessageKind::YesNo && kind != MessageKind::OkCancel) return MessageAnswer::Ok;
        if (answers_.empty()) return kind == MessageKind::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    std::vector<ShownMessage> shown;
    std::function<void(const ShownMessage&)> whileOpen;

private:
    std::deque<MessageAnswer> answers_;
};

}  // namespace velmora::fakes
