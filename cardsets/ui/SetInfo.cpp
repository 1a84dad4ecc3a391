#include "cardsets/ui/SetInfo.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

#include "widgets/AnsiText.h"
#include "widgets/Artwork.h"
#include "widgets/CommandGuard.h"
#include "widgets/WindowParts.h"
#include "widgets/Links.h"
#include "widgets/Translation.h"
#include "cardsets/ui/ShippedTexts.h"

namespace velmora {

namespace {

constexpr int kLabelWidth = 80;
constexpr int kFieldWidth = 360;

QLineEdit* InfoRow(QWidget* group, const char* name, const char* caption, int row, int width = kFieldWidth) {
    MakeLabel(group, "", caption, {12, 28 + row * 30, kLabelWidth, 20});
    return MakeReadOnlyField(group, name, {12 + kLabelWidth, 26 + row * 30, width, 22});
}

}  // namespace

SetInfo::SetInfo(CardSetContext context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("TForm13");
    SetText(this, "windowTitle", VELMORA_TR("CardSetInfo", "Current Velmora Set Info"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);

    MakeLabel(this, "Image1", QString(), {12, 8, 36, 36})->setPixmap(QPixmap::fromImage(artwork::CardSetIcon(32)));
    title_ = MakeLabel(this, "Label1", VELMORA_TR("CardSetInfo", "Card Set Name"), {56, 14, 420, 24});
    QFont titleFont = title_->font();
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    title_->setFont(titleFont);

    QGroupBox* details = MakeGroup(this, "GroupBox1", VELMORA_TR("CardSetInfo", " Details "), {8, 50, 470, 220});
    author_ = InfoRow(details, "Edit1", "Author :", 0);
    language_ = InfoRow(details, "Edit2", "Language :", 1);
    email_ = InfoRow(details, "Edit3", "Email :", 2);
    web_ = InfoRow(details, "Edit4", "Web :", 3, kFieldWidth - 32);
    MakeButton(details, "Button1", "...", [this] { WebClick(); })
        ->setGeometry(12 + kLabelWidth + kFieldWidth - 28, 26 + 3 * 30, 28, 22);
    MakeLabel(details, "", VELMORA_TR("CardSetInfo", "Notes :"), {12, 28 + 4 * 30, kLabelWidth, 20});
    notes_ = MakeReadOnlyNotes(details, "Memo1", {12 + kLabelWidth, 26 + 4 * 30, kFieldWidth, 70});

    QPushButton* close = MakeButton(this, "BitBtn1", VELMORA_TR("CardSetInfo", "&Close"), [this] { reject(); });
    close->setGeometry(ClientWidth - 2 * 92, ClientHeight - 38, 84, 27);
    close->setDefault(true);
    MakeHelpButton(this, "BitBtn2", VELMORA_TR("CardSetInfo", "&Help"), context_.help, "cardsetinfo_w")
        ->setGeometry(ClientWidth - 92, ClientHeight - 38, 84, 27);
}

void SetInfo::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) RunGuarded(this, [this] { FormShow(); });
}

void SetInfo::FormShow() {
    for (QLineEdit* field : {author_, language_, email_, web_}) field->clear();
    notes_->clear();
    SetText(title_, "text", VELMORA_TR("CardSetInfo", "Card Set Name"));
    LoadedCardSet& set = context_.set;
    set.LoadCardSet(context_.folders, set.LoadedSetFile, CardSetParts::Details);
    title_->setText(SetTitle(set.LoadedSetFile));
    author_->setText(FromAnsi(set.Author));
    language_->setText(ShownSetText(set.Language));
    email_->setText(FromAnsi(set.Email));
    web_->setText(FromAnsi(set.Web));
    notes_->setPlainText(ShownSetText(set.Notes));
    for (QLineEdit* field : {author_, language_, email_, web_}) field->setCursorPosition(0);
}

void SetInfo::WebClick() {
    if (!web_->text().isEmpty()) OpenAddress(web_->text());
}

}  // namespace velmora
