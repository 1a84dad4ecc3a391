#include "players/ui/TableOfPlayers.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "players/Percentage.h"
#include "players/ui/stats.h"
#include "widgets/AnsiText.h"
#include "widgets/CommandGuard.h"
#include "widgets/Messages.h"
#include "widgets/Modal.h"
#include "widgets/WindowParts.h"
#include "widgets/Translation.h"

namespace velmora {

TableOfPlayers::TableOfPlayers(PlayerLibrary& library, Stats& stats, HelpHook help, QWidget* parent)
    : QDialog(parent), library_(library), stats_(stats) {
    setObjectName("TForm9");
    SetText(this, "windowTitle", VELMORA_TR("Scoreboard", "Velmora Scoreboard"));

    includeComputers_ = WithText(new QCheckBox(this), VELMORA_TR("Scoreboard", "Include 'Computer' Players"));
    includeComputers_->setObjectName("CheckBox1");
    connect(includeComputers_, &QCheckBox::toggled, this, [this] { RunGuarded(this, [this] { FillScoreboard(); }); });

    table_ = new QTreeWidget(this);
    table_->setObjectName("ListView1");
    table_->setAccessibleName(QCoreApplication::translate("Scoreboard", "Scoreboard"));
    table_->setColumnCount(3);
    SetHeaderLabels(table_, {VELMORA_TR("Scoreboard", "Player"), VELMORA_TR("Scoreboard", "Game Wins (%)"),
                             VELMORA_TR("Scoreboard", "Succesful Flips (%)")});
    table_->setRootIsDecorated(false);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSortingEnabled(false);
    table_->header()->setSectionsClickable(true);
    table_->header()->setSectionsMovable(false);
    table_->setColumnWidth(0, 150);
    table_->setColumnWidth(1, 110);
    connect(table_->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { RunGuarded(this, [this, column] { HeaderClick(column); }); });
    connect(table_, &QTreeWidget::itemDoubleClicked, this,
            [this] { RunGuarded(this, [this] { StatsClick(false); }); });

    QPushButton* close = MakeButton(this, "BitBtn1", VELMORA_TR("Scoreboard", "&Close"), [this] { accept(); });
    close->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(MakeButton(this, "BitBtn5", VELMORA_TR("Scoreboard", "&Stats"), [this] { StatsClick(true); }));
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(MakeHelpButton(this, "BitBtn2", VELMORA_TR("Scoreboard", "&Help"), help, "scoreboard_w"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(includeComputers_);
    layout->addWidget(table_);
    layout->addLayout(buttons);
    resize(420, 340);
}

void TableOfPlayers::Execute() {
    RunGuarded(this, [this] {
        std::vector<std::string> lines;
        library_.LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
    });
    FillScoreboard();
    RunModal(*this);
}

void TableOfPlayers::FillScoreboard() {
    rows_ = velmora::FillScoreboard(library_, includeComputers_->isChecked(), sort_);
    table_->clear();
    for (const ScoreRow& row : rows_) {
        auto* item = new QTreeWidgetItem(table_);
        item->setText(0, FromAnsi(row.Name));
        item->setText(1, FromAnsi(PercentText(row.GameWinsPercent)));
        item->setText(2, FromAnsi(PercentText(row.SuccessfulFlipsPercent)));
    }
}

void TableOfPlayers::HeaderClick(int column) {
    sort_.ClickColumn(column);
    FillScoreboard();
}

void TableOfPlayers::StatsClick(bool complainWithoutSelection) {
    QTreeWidgetItem* selected = table_->currentItem();
    if (selected == nullptr || !selected->isSelected()) {
        if (complainWithoutSelection) ShowError(this, Translated(VELMORA_TR("Scoreboard", "No player selected...")));
        return;
    }
    const ScoreRow& row = rows_.at(static_cast<std::size_t>(table_->indexOfTopLevelItem(selected)));
    stats_.ShowPlayerStatistics(library_.FindLibraryPlayer(row.Name));
}

}  // namespace velmora
