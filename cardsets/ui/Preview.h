#pragma once
// View Card Set: every card picture of the set last read, with its details and file facts. The
// pictures are read only when the set whose pictures are loaded is another one.

#include <QDialog>

#include "cardsets/ui/CardSetContext.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace velmora {

class Preview : public QDialog {
public:
    static constexpr int InitialWidth = 640;
    static constexpr int InitialHeight = 465;
    static constexpr int PanelWidth = 300;

    explicit Preview(CardSetContext context, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildPanel();
    void FormShow();
    void ClearAll();
    void ShowDetails();
    void ShowFileFacts();  // the title, the file's name and its size
    void ShowCards();

    CardSetContext context_;
    QListWidget* cardList_;
    QLabel* title_ = nullptr;
    QLineEdit* author_ = nullptr;
    QLineEdit* language_ = nullptr;
    QLineEdit* email_ = nullptr;
    QLineEdit* web_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    QLineEdit* totalCards_ = nullptr;
    QLineEdit* maxCardSize_ = nullptr;
    QLineEdit* fileName_ = nullptr;
    QLineEdit* fileSize_ = nullptr;
};

// The size of the file a set name is read from (LocateCardSet) in bytes; -1 when there is none.
std::int64_t CardSetFileSize(const CardSetFolders& folders, const std::string& file);

}  // namespace velmora
