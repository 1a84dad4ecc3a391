#pragma once
// Current Card Set Info: the details of the set last read, its prefix read again on every showing.

#include <QDialog>

#include "cardsets/ui/CardSetContext.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace velmora {

class SetInfo : public QDialog {
public:
    static constexpr int ClientWidth = 486;
    static constexpr int ClientHeight = 317;

    explicit SetInfo(CardSetContext context, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void WebClick();

    CardSetContext context_;
    QLabel* title_;
    QLineEdit* author_;
    QLineEdit* language_;
    QLineEdit* email_;
    QLineEdit* web_;
    QPlainTextEdit* notes_;
};

}  // namespace velmora
