#pragma once
// The program's help: pages shipped in the program's resources, opened by topic keyword or by a
// window's help context number, with a list of topics and a search over their text.

#include <QDialog>
#include <QString>
#include <QUrl>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace velmora {

struct HelpTopic {
    const char* keyword;  // the name windows open it by, also the page's file name
    const char* title;    // English, as the page's own <title> has it
};

// Every topic, in the order of the contents list.
const std::vector<HelpTopic>& HelpTopics();
// The title in the interface language, as the contents list shows it and the search reads it.
QString TopicTitle(const HelpTopic& topic);
// The topic a window's help context number stands for; empty for an unknown number.
QString HelpTopicForContext(int context);

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The one help window of the program, made on first use.
    static HelpWindow& Instance();

    // Shows the topic; an unknown keyword shows the contents page.
    void ShowTopic(const QString& keyword);
    void ShowContext(int context);
    // Shows the window with the search field ready for typing.
    void ShowSearch();

    QString CurrentTopic() const { return current_; }
    // Keywords of the topics whose title or text holds every word of query, best matches first.
    static QStringList Search(const QString& query);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Load(const QString& keyword);
    void FollowLink(const QUrl& url);
    void Present();
    void ListTopics(const QStringList& keywords);

    QLineEdit* searchField_;
    QListWidget* topicList_;
    QTextBrowser* page_;
    QString current_;
};

// The help window ready for a search; topics are opened through the windows' HelpHook.
void OpenHelpSearch();

}  // namespace velmora
