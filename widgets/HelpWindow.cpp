#include "widgets/HelpWindow.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "widgets/HelpHook.h"
#include "widgets/HelpPages.h"
#include "widgets/Links.h"
#include "widgets/Translation.h"

namespace velmora {
namespace {

const char* const kContentsTopic = "help_system";

QString PageText(const QString& keyword) {
    QFile file(HelpPagePath(keyword));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    return document.toPlainText();
}

bool IsTopic(const QString& keyword) {
    const auto& topics = HelpTopics();
    return std::any_of(topics.begin(), topics.end(), [&](const HelpTopic& t) { return keyword == t.keyword; });
}

}  // namespace

const std::vector<HelpTopic>& HelpTopics() {
    static const std::vector<HelpTopic> topics = {
        {"help_system", QT_TRANSLATE_NOOP("HelpWindow", "Contents")},
        {"quick1", QT_TRANSLATE_NOOP("HelpWindow", "Quick Intro")},
        {"playing", QT_TRANSLATE_NOOP("HelpWindow", "Playing a Game")},
        {"computers", QT_TRANSLATE_NOOP("HelpWindow", "Computer Players and Their IQ")},
        {"options", QT_TRANSLATE_NOOP("HelpWindow", "Flip Delay and Sound")},
        {"newgame_w", QT_TRANSLATE_NOOP("HelpWindow", "Starting a New Game")},
        {"gameover_w", QT_TRANSLATE_NOOP("HelpWindow", "Game Over")},
        {"addnewplayer_w", QT_TRANSLATE_NOOP("HelpWindow", "Adding a Player")},
        {"deleteplayer_w", QT_TRANSLATE_NOOP("HelpWindow", "Deleting a Player")},
        {"enterpassword_w", QT_TRANSLATE_NOOP("HelpWindow", "Entering a Password")},
        {"password_w", QT_TRANSLATE_NOOP("HelpWindow", "Adding, Changing and Deleting Passwords")},
        {"stats_w", QT_TRANSLATE_NOOP("HelpWindow", "Player Statistics")},
        {"scoreboard_w", QT_TRANSLATE_NOOP("HelpWindow", "The Scoreboard")},
        {"how_to_create", QT_TRANSLATE_NOOP("HelpWindow", "Making Your Own Card Sets")},
        {"viewcardset_w", QT_TRANSLATE_NOOP("HelpWindow", "Viewing a Card Set")},
        {"selectcardset_w", QT_TRANSLATE_NOOP("HelpWindow", "Selecting a Card Set")},
        {"cardsetinfo_w", QT_TRANSLATE_NOOP("HelpWindow", "Card Set Information")},
        {"contactus", QT_TRANSLATE_NOOP("HelpWindow", "How to Contact Halvik")},
    };
    return topics;
}

QString TopicTitle(const HelpTopic& topic) { return Translated(Tr{"HelpWindow", topic.title}); }

QString HelpTopicForContext(int context) {
    static const std::map<int, const char*> topics = {
        {1, "help_system"},    {100, "contactus"},       {103, "newgame_w"},     {104, "enterpassword_w"},
        {105, "scoreboard_w"}, {106, "addnewplayer_w"},  {107, "deleteplayer_w"}, {108, "password_w"},
        {109, "how_to_create"},     {110, "viewcardset_w"},   {111, "cardsetinfo_w"}, {114, "selectcardset_w"},
        {115, "stats_w"},      {116, "gameover_w"},
    };
    const auto found = topics.find(context);
    return found == topics.end() ? QString() : QString(found->second);
}

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent), searchField_(new QLineEdit), topicList_(new QListWidget), page_(new QTextBrowser) {
    setObjectName("HelpWindow");
    SetText(this, "windowTitle", VELMORA_TR("HelpWindow", "Velmora Help"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(760, 520);
    searchField_->setObjectName("SearchField");
    SetText(searchField_, "placeholderText", VELMORA_TR("HelpWindow", "Search the help"));
    searchField_->setClearButtonEnabled(true);
    topicList_->setObjectName("TopicList");
    topicList_->setFixedWidth(230);
    page_->setObjectName("HelpPage");
    page_->setSearchPaths({kHelpRoot});
    // Links between pages go through the lookup, so that a page missing in this language opens
    // in English instead of as an empty page.
    page_->setOpenLinks(false);

    auto* side = new QVBoxLayout;
    side->addWidget(searchField_);
    side->addWidget(topicList_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addWidget(page_, 1);

    connect(searchField_, &QLineEdit::textChanged, this, [this](const QString& text) {
        ListTopics(text.trimmed().isEmpty() ? QStringList() : Search(text));
    });
    connect(topicList_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(Qt::UserRole).toString()); });
    connect(topicList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(Qt::UserRole).toString()); });
    connect(page_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
    connect(page_, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& url) { current_ = url.fileName().section('.', 0, 0); });
    ListTopics({});
}

HelpWindow& HelpWindow::Instance() {
    static HelpWindow* window = new HelpWindow;
    return *window;
}

void HelpWindow::ListTopics(const QStringList& keywords) {
    topicList_->clear();
    const auto add = [this](const HelpTopic& topic) {
        auto* item = new QListWidgetItem(TopicTitle(topic), topicList_);
        item->setData(Qt::UserRole, QString(topic.keyword));
    };
    if (keywords.isEmpty()) {
        for (const auto& topic : HelpTopics()) add(topic);
        return;
    }
    for (const QString& keyword : keywords)
        for (const auto& topic : HelpTopics())
            if (keyword == topic.keyword) add(topic);
}

QStringList HelpWindow::Search(const QString& query) {
    const QStringList words = query.split(' ', Qt::SkipEmptyParts);
    std::vector<std::pair<int, QString>> ranked;
    for (const auto& topic : HelpTopics()) {
        const QString title = TopicTitle(topic);
        const QString text = PageText(topic.keyword);
        int score = 0;
        bool all = !words.isEmpty();
        for (const QString& word : words) {
            const int inTitle = title.count(word, Qt::CaseInsensitive);
            const int inText = text.count(word, Qt::CaseInsensitive);
            if (inTitle + inText == 0) all = false;
            score += inTitle * 10 + inText;
        }
        if (all) ranked.emplace_back(score, topic.keyword);
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    QStringList keywords;
    for (const auto& entry : ranked) keywords << entry.second;
    return keywords;
}

void HelpWindow::ShowTopic(const QString& keyword) {
    Load(keyword);
    Present();
}

void HelpWindow::Load(const QString& keyword) {
    const QString topic = IsTopic(keyword) ? keyword : QString(kContentsTopic);
    page_->setSource(HelpPageUrl(topic));
    current_ = topic;
}

void HelpWindow::FollowLink(const QUrl& url) {
    // The browser hands over links between pages resolved against the page shown, as qrc: addresses.
    if (!url.isRelative() && url.scheme() != "qrc") {
        OpenAddress(url.toString());
        return;
    }
    if (!url.path().isEmpty()) Load(url.fileName().section('.', 0, 0));
    if (url.hasFragment()) page_->scrollToAnchor(url.fragment());
}

void HelpWindow::changeEvent(QEvent* event) {
    // The interface language changed: the page and the search results are read again in it.
    if (event->type() == QEvent::LanguageChange) {
        if (!current_.isEmpty()) Load(current_);
        const QString query = searchField_->text().trimmed();
        ListTopics(query.isEmpty() ? QStringList() : Search(query));
    }
    QDialog::changeEvent(event);
}

void HelpWindow::ShowContext(int context) { ShowTopic(HelpTopicForContext(context)); }

void HelpWindow::ShowSearch() {
    if (current_.isEmpty()) ShowTopic(kContentsTopic);
    Present();
    searchField_->setFocus();
    searchField_->selectAll();
}

void HelpWindow::Present() {
    // Shown over a modal window it must be modal itself, or the modal window would block it.
    const Qt::WindowModality modality =
        (QApplication::activeModalWidget() != nullptr && QApplication::activeModalWidget() != this)
            ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != modality) {
        hide();
        setWindowModality(modality);
    }
    show();
    raise();
    activateWindow();
}

HelpHook HelpWindowHook() {
    return [](const char* topic) { HelpWindow::Instance().ShowTopic(topic); };
}

void OpenHelpSearch() { HelpWindow::Instance().ShowSearch(); }

}  // namespace velmora
