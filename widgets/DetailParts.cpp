#include "widgets/DetailParts.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "widgets/CommandGuard.h"

namespace velmora {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& title, QRect geometry) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    group->setGeometry(geometry);
    return group;
}

QLineEdit* MakeReadOnlyField(QWidget* parent, const char* name, QRect geometry) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setGeometry(geometry);
    return field;
}

QPlainTextEdit* MakeReadOnlyNotes(QWidget* parent, const char* name, QRect geometry) {
    auto* notes = new QPlainTextEdit(parent);
    notes->setObjectName(name);
    notes->setReadOnly(true);
    notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    notes->setGeometry(geometry);
    return notes;
}

void MakeBold(QLabel* label) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
}

QString SetTitle(const std::string& fileName) {
    return QFile::decodeName(fileName.substr(0, fileName.size() >= 4 ? fileName.size() - 4 : 0).c_str());
}

}  // namespace velmora
