#include "cardsets/ui/SelectSet.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHideEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>

#include "cardsets/CardSetFolder.h"
#include "widgets/CommandGuard.h"
#include "widgets/Messages.h"
#include "widgets/Modal.h"
#include "cardsets/CardSetFolders.h"
#include "cardsets/ui/Preview.h"
#include "widgets/WindowParts.h"
#include "widgets/Translation.h"

namespace velmora {

SelectSet::SelectSet(CardSetContext context, std::string& lastSet, Preview& preview, QWidget* parent)
    : QDialog(parent), context_(context), lastSet_(lastSet), preview_(preview) {
    setObjectName("TForm12");
    SetText(this, "windowTitle", VELMORA_TR("SelectCardSet", "Select Card Set - Velmora"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);

    QGroupBox* group = MakeGroup(this, "GroupBox1", VELMORA_TR("SelectCardSet", " Velmora Set "), {8, 8, 220, 159});
    MakeLabel(group, "Label1", VELMORA_TR("SelectCardSet", "Select Set :"), {14, 28, 190, 18});
    setList_ = new QComboBox(group);
    setList_->setObjectName("ComboBox1");
    setList_->setGeometry(14, 48, 192, 24);
    connect(setList_, &QComboBox::currentIndexChanged, this,
            [this](int index) { RunGuarded(this, [this, index] { ReadPrefix(index); }); });
    MakeButton(group, "Button1", VELMORA_TR("SelectCardSet", "View Velmora Set"), [this] { RunModal(preview_); })->setGeometry(14, 96, 192, 27);

    QPushButton* close = MakeButton(this, "BitBtn1", VELMORA_TR("SelectCardSet", "&Close"), [this] { reject(); });
    close->setGeometry(240, 16, 84, 27);
    close->setDefault(true);
    MakeHelpButton(this, "BitBtn2", VELMORA_TR("SelectCardSet", "&Help"), context_.help, "selectcardset_w")->setGeometry(240, 52, 84, 27);
}

void SelectSet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous() || open_) return;
    open_ = true;
    const LoadedCardSet& set = context_.set;
    noted_ = {set.LoadedSetFile, set.CardCount, {set.Author, set.Email, set.Web, set.Notes, set.Language}};
    RunGuarded(this, [this] { FormShow(); });
}

void SelectSet::FormShow() {
    names_ = ListCardSets(context_.folders);
    {
        const QSignalBlocker blocker(setList_);
        setList_->clear();
        for (const std::string& name : names_) setList_->addItem(QFile::decodeName(name.c_str()));
    }
    if (names_.empty()) {
        ShowPlainMessage(this, Translated(VELMORA_TR("SelectCardSet", "No Velmora card sets found!")));
        lastSet_.clear();
        // Closed once the window is up, so that a modal run that has not yet begun ends too.
        QTimer::singleShot(0, this, [this] { reject(); });
        return;
    }
    const auto last = std::find(names_.begin(), names_.end(), lastSet_);
    const int index = last == names_.end() ? 0 : static_cast<int>(last - names_.begin());
    {
        const QSignalBlocker blocker(setList_);
        setList_->setCurrentIndex(index);
    }
    lastSet_ = names_[static_cast<std::size_t>(index)];  // chosen, even should its prefix not read
    ReadPrefix(index);
}

void SelectSet::ReadPrefix(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= names_.size()) return;
    const std::string file = CardSetFileName(names_[static_cast<std::size_t>(index)]);
    try {
        context_.set.LoadCardSet(context_.folders, file, CardSetParts::Details);
    } catch (...) {
        ChooseUnreadable(file);
        throw;
    }
}

// The viewer shows the set read last; after a failed read that must still be the chosen set, with
// none of the details of the one before. Closing puts the noted set back as after any choice.
void SelectSet::ChooseUnreadable(const std::string& file) {
    LoadedCardSet& set = context_.set;
    set.LoadedSetFile = file;
    set.CardCount = 0;
    set.Author.clear();
    set.Email.clear();
    set.Web.clear();
    set.Notes.clear();
    set.Language.clear();
}

void SelectSet::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (event->spontaneous() || !open_) return;
    open_ = false;
    FormClose();
}

void SelectSet::FormClose() {
    LoadedCardSet& set = context_.set;
    if (set.LoadedSetFile == noted_.LoadedSetFile) return;
    set.LoadedSetFile = noted_.LoadedSetFile;
    set.CardCount = noted_.CardCount;
    set.Author = noted_.Details.Author;
    set.Email = noted_.Details.Email;
    set.Web = noted_.Details.Web;
    set.Notes = noted_.Details.Notes;
    set.Language = noted_.Details.Language;
}

}  // namespace velmora
