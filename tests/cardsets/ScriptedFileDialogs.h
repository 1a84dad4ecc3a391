#pragma once
// A FileDialogs implementation for tests: answers the picture, save and colour dialogs from a
// script and records what was asked. A dialog with no answer left is cancelled.

#include <deque>

#include "cardsets/ui/FileDialogs.h"

namespace velmora::fakes {

class ScriptedFileDialogs : public FileDialogs {
public:
    ScriptedFileDialogs() { FileDialogs::Install(this); }
    ~ScriptedFileDialogs() override { FileDialogs::Install(nullptr); }
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    void Pictures(QStringList files) { pictures_.push_back(std::move(files)); }
    void SaveAs(QString file) { saves_.push_back(std::move(file)); }
    void Colour(QColor colour) { colours_.push_back(colour); }

    QStringList OpenPictures(QWidget*, const QString& title) override {
        titles << title;
        return Take(pictures_);
    }
    QString SaveCardSet(QWidget*, const QString& folder) override {
        titles << "save in " + folder;
        return Take(saves_);
    }
    std::optional<QColor> ChooseColour(QWidget*, const QColor&) override {
        titles << "colour";
        if (colours_.empty()) return std::nullopt;
        return Take(colours_);
    }

    QStringList titles;  // every dialog shown, in order

private:
    template <typename T>
    static T Take(std::deque<T>& answers) {
        if (answers.empty()) return {};
        T answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }

    std::deque<QStringList> pictures_;
    std::deque<QString> saves_;
    std::deque<QColor> colours_;
};

}  // namespace velmora::fakes
