#pragma once
// The Create Card Set wizard: five pages that collect the format, the card size, the background,
// the card pictures and the details of a new set, which Finish writes through the card-set writer.
// The rules live in CardSetDraft; this window shows the draft and turns the user's acts into calls.

#include <QDialog>
#include <array>
#include <filesystem>

#include "cardsets/CardSetDraft.h"
#include "cardsets/CardSetProgress.h"
#include "cardsets/pictures/CardPictureFile.h"
#include "settings/PictureFitSettings.h"
#include "widgets/HelpHook.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QRadioButton;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QScrollArea;
class QSlider;
class QTabWidget;

namespace velmora {

class CardSizeShape;

class NewSet : public QDialog {
public:
    static constexpr int ClientWidth = 434;
    static constexpr int ClientHeight = 428;
    static constexpr int ThumbnailSide = 32;

    // saveFolder is where the save dialog starts, settingsFolder holds the settings file that keeps
    // the picture-fit choice; progress is the Please Wait window.
    NewSet(std::filesystem::path saveFolder, std::filesystem::path settingsFolder, CardSetProgress& progress,
           QWidget* parent = nullptr, HelpHook help = HelpWindowHook());
    // A portable program's wizard: programFolder is both.
    NewSet(const std::filesystem::path& programFolder, CardSetProgress& progress, QWidget* parent = nullptr)
        : NewSet(programFolder, programFolder, progress, parent) {}

    const CardSetDraft& Draft() const { return draft_; }
    int Page() const;  // 0..4

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildButtons();
    void BuildSizePage();
    void BuildBackgroundPage();
    void BuildCardsPage();
    // The card buttons as wide as their captions in the language shown.
    void PlaceCardButtons();
    // Next, Finish, Back and the background page's two buttons likewise, each grown towards its left.
    void PlaceCaptionedButtons();
    // The author info's fields beside the widest of their captions.
    void PlaceInfoFields();
    void BuildInfoPage();
    void BuildFinishPage();

    void FormShow();
    void FormatChanged(int index);
    void SizeChanged();
    void ShowSize();
    void SelectBitmapClick();
    void SelectColorClick();
    void ShowBackground();
    void AddClick();
    bool AddCardFile(const QString& path);
    void RenameClick();
    void ClearClick();
    void ClearAllClick();
    void CardRenamed(QListWidgetItem* item);
    void ShowSelectedCard();
    void ShowCards();
    void ShowCounter();
    void GoTo(int page);
    void NextClick();
    void BackClick();
    void FinishClick();
    bool TakeDetails();

    // Pictures of other sizes, dropped pictures and the Please Wait window while a batch is read
    // (NewSetPictures.cpp).
    void BuildFirstSizeOption(QGroupBox* sizeGroup);
    void BuildFitOptions(QWidget* cardsPage);
    void ShowFitOptions();
    void FitOptionsChanged();
    void AddFiles(const QStringList& files);
    Picture ReadCard(const QString& path);
    void TakeBackgroundFile(const QString& path);
    bool HandleDrop(QObject* watched, QEvent* event);
    std::array<QPushButton*, 4> cardButtons_{};  // Add, Rename, Clear on a row; Clear All below
    CardTarget CardTargetNow() const;

    std::filesystem::path saveFolder_;
    std::filesystem::path settingsFolder_;
    CardSetProgress& progress_;
    HelpHook help_;
    CardSetDraft draft_;

    QTabWidget* pages_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* finishButton_ = nullptr;

    QComboBox* formatList_ = nullptr;
    QSlider* widthSlider_ = nullptr;
    QSlider* heightSlider_ = nullptr;
    QLabel* widthNumber_ = nullptr;
    QLabel* heightNumber_ = nullptr;
    CardSizeShape* sizeShape_ = nullptr;

    QLabel* backgroundLabel_ = nullptr;
    QScrollArea* backgroundBox_ = nullptr;
    QLabel* backgroundImage_ = nullptr;
    QLabel* backgroundText_ = nullptr;
    QPushButton* bitmapButton_ = nullptr;
    QPushButton* colourButton_ = nullptr;

    QLabel* instruction_ = nullptr;
    QScrollArea* selectedBox_ = nullptr;
    QLabel* selectedImage_ = nullptr;
    QListWidget* cardList_ = nullptr;
    QLabel* counter_ = nullptr;

    QLineEdit* author_ = nullptr;
    QLineEdit* language_ = nullptr;
    QLineEdit* email_ = nullptr;
    QLineEdit* web_ = nullptr;
    QLineEdit* notes_ = nullptr;

    PictureFitSettings fit_;
    QCheckBox* firstSizeCheck_ = nullptr;
    QCheckBox* fitCheck_ = nullptr;
    QRadioButton* cropRadio_ = nullptr;
    QRadioButton* fitRadio_ = nullptr;

    QWidget* readyText_ = nullptr;
    QWidget* congratulationsText_ = nullptr;
};

}  // namespace velmora
