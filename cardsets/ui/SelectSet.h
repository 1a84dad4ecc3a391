#pragma once
// Select Card Set: pick any set of the program folder, see its prefix read, and open View Card Set
// on it. Closing puts back the set that was current before, with its details.

#include <QDialog>
#include <string>
#include <vector>

#include "cardsets/CardSetPrefix.h"
#include "cardsets/ui/CardSetContext.h"

class QComboBox;

namespace velmora {

class Preview;

class SelectSet : public QDialog {
public:
    static constexpr int ClientWidth = 332;
    static constexpr int ClientHeight = 175;

    // lastSet is the setting LastSet (a set name without ".cst"); the window chooses it and sets it.
    SelectSet(CardSetContext context, std::string& lastSet, Preview& preview, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // What a prefix-only read changes: noted on showing, put back on closing. Kept here and not in
    // PicturedSetFile, which must keep naming the set whose pictures are loaded.
    struct Noted {
        std::string LoadedSetFile;
        std::int32_t CardCount = 0;
        CardSetDetails Details;
    };

    void FormShow();
    void ReadPrefix(int index);
    void ChooseUnreadable(const std::string& file);
    void FormClose();

    CardSetContext context_;
    std::string& lastSet_;
    Preview& preview_;
    QComboBox* setList_;
    std::vector<std::string> names_;
    Noted noted_;
    bool open_ = false;
};

}  // namespace velmora
