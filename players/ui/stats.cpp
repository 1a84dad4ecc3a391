#include "players/ui/stats.h"

#include <QGridLayout>
#include <algorithm>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/Game.h"
#include "players/PlayerStatistics.h"
#include "widgets/AnsiText.h"
#include "widgets/Modal.h"
#include "widgets/WindowParts.h"
#include "widgets/Translation.h"

namespace velmora {
namespace {

QProgressBar* MakeGauge(QWidget* parent, const char* objectName) {
    auto* gauge = new QProgressBar(parent);
    gauge->setObjectName(objectName);
    gauge->setRange(0, 100);
    gauge->setFormat("%p%");
    gauge->setAlignment(Qt::AlignCenter);
    gauge->setStyleSheet(
        "QProgressBar { background: black; color: white; border: 1px solid gray; }"
        "QProgressBar::chunk { background: blue; }");
    return gauge;
}

// Counters from a damaged file can give more than 100% or less than 0; the bar would ignore such
// a value and keep the previous player's.
int GaugeValue(int percent) { return std::clamp(percent, 0, 100); }

}  // namespace

Stats::Stats(PlayerLibrary& library, const Game& game, HelpHook help, QWidget* parent)
    : QDialog(parent), library_(library), game_(game) {
    setObjectName("TForm6");
    SetText(this, "windowTitle", VELMORA_TR("Statistics", "Velmora - Statistics"));
    name_ = MakeLabel(this, "Label1", "");
    QFont bold = name_->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    name_->setFont(bold);

    rows_ = new QGridLayout;
    winsGauge_ = MakeGauge(this, "Gauge1");
    flipsGauge_ = MakeGauge(this, "Gauge2");
    playerType_ = AddRow("Label2", VELMORA_TR("Statistics", "Player Type :"), "Edit1");
    details_ = AddRow("Label3", VELMORA_TR("Statistics", "Details :"), "Edit2");
    gamesPlayed_ = AddRow("Label4", VELMORA_TR("Statistics", "Games Played :"), "Edit3");
    gamesWon_ = AddRow("Label5", VELMORA_TR("Statistics", "Games Won:"), "Edit4", winsGauge_);
    totalFlips_ = AddRow("Label6", VELMORA_TR("Statistics", "Total Flips :"), "Edit5");
    successfulFlips_ = AddRow("Label7", VELMORA_TR("Statistics", "Successful Flips :"), "Edit6", flipsGauge_);

    closeButton_ = MakeButton(this, "BitBtn1", VELMORA_TR("Statistics", "&Close"), [this] { accept(); });
    closeButton_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton_);
    buttons->addWidget(MakeHelpButton(this, "Button1", VELMORA_TR("Statistics", "&Help"), help, "stats_w"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name_);
    layout->addLayout(rows_);
    layout->addLayout(buttons);
    setFixedWidth(380);
}

QLineEdit* Stats::AddRow(const char* labelName, Tr caption, const char* boxName, QProgressBar* gauge) {
    const int row = rows_->rowCount();
    QLineEdit* box = MakeReadOnlyField(this, boxName);
    rows_->addWidget(MakeLabel(this, labelName, caption), row, 0);
    rows_->addWidget(box, row, 1);
    if (gauge != nullptr) rows_->addWidget(gauge, row, 2);
    return box;
}

void Stats::ShowPlayerStatistics(int position) {
    library_.MergeGamePlayers(game_.GamePlayers());
    if (position < 1 || position > library_.LibraryCount()) return;
    Fill(library_.Player(position));
    closeButton_->setFocus();
    RunModal(*this);
}

void Stats::Fill(const TPlayerRecord& player) {
    const PlayerStatistics shown = DescribePlayer(player);
    name_->setText(FromAnsi(shown.Name));
    playerType_->setText(TranslatedEnglish("Statistics", shown.PlayerType));
    SetText(details_, "text", shown.Details);
    gamesPlayed_->setText(FromAnsi(shown.GamesPlayed));
    gamesWon_->setText(FromAnsi(shown.GamesWon));
    winsGauge_->setValue(GaugeValue(shown.GameWinsPercent));
    totalFlips_->setText(FromAnsi(shown.TotalFlips));
    successfulFlips_->setText(FromAnsi(shown.SuccessfulFlips));
    flipsGauge_->setValue(GaugeValue(shown.SuccessfulFlipsPercent));
}

}  // namespace velmora
