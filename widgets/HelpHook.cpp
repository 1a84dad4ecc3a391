#include "widgets/HelpHook.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

namespace velmora {
namespace {

const char* const kTopicObject = "velmoraHelpTopic";

// Held by the widget that gives its window a topic (most often the Help button), so the topic
// goes when the widget goes, and a panel's button serves the window the panel ends up in.
class HelpTopic : public QObject {
public:
    HelpTopic(QWidget* owner, const char* topic, HelpHook help)
        : QObject(owner), owner_(owner), topic_(topic), help_(std::move(help)) {
        setObjectName(kTopicObject);
    }
    bool Serves(const QWidget* window) const { return owner_->window() == window; }
    void Ask() const {
        if (help_) help_(topic_);
    }

private:
    QWidget* owner_;
    const char* topic_;
    HelpHook help_;
};

const HelpTopic* TopicOf(const QWidget* window) {
    for (const QObject* child : window->findChildren<QObject*>(kTopicObject)) {
        const auto* topic = dynamic_cast<const HelpTopic*>(child);
        if (topic != nullptr && topic->Serves(window)) return topic;
    }
    return nullptr;
}

// F1 asks for the topic of the innermost window that has one; a window without one (the main
// window) leaves the key to its own shortcut.
class HelpKeyFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        for (QWidget* window = widget ? widget->window() : nullptr; window != nullptr;
             window = window->parentWidget() ? window->parentWidget()->window() : nullptr) {
            if (const HelpTopic* topic = TopicOf(window)) {
                topic->Ask();
                return true;
            }
        }
        return false;
    }
};

}  // namespace

void SetHelpTopic(QWidget* owner, const char* topic, HelpHook help) { new HelpTopic(owner, topic, std::move(help)); }

void InstallHelpKey() {
    static HelpKeyFilter* filter = new HelpKeyFilter(qApp);
    qApp->installEventFilter(filter);
}

}  // namespace velmora
