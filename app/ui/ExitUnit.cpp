#include "app/ui/ExitUnit.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "widgets/Artwork.h"
#include "widgets/Links.h"
#include "widgets/Translation.h"

namespace velmora {
namespace {

QLabel* Centred(const QString& text, const char* name) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* Centred(Tr text, const char* name) { return WithText(Centred(QString(), name), text); }

}  // namespace

TExitForm::TExitForm(QWidget* parent, HelpHook help) : QDialog(parent) {
    setObjectName("TExitForm");
    setWindowTitle("Velmora");
    // A title bar without buttons: the Close button is the only way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowIcon(QIcon(QPixmap::fromImage(artwork::Logo(QSize(64, 64)))));
    setFixedSize(263, 364);
    SetHelpTopic(this, "contactus", std::move(help));

    auto* panel = new QFrame;
    panel->setObjectName("Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* column = new QVBoxLayout(panel);
    column->setSpacing(8);

    auto* logo = Centred(QString(), "Image1");
    logo->setPixmap(QPixmap::fromImage(artwork::Logo(QSize(121, 100))));
    auto* product = Centred(VELMORA_TR("About", "Velmora for Windows"), "ProductName");
    QFont bold = product->font();
    bold.setBold(true);
    product->setFont(bold);
    link_ = Centred(QString("<a href=\"%1\" style=\"color: blue;\">%1</a>").arg(kMakerWebSite), "Label3");
    link_->setTextFormat(Qt::RichText);
    link_->setTextInteractionFlags(Qt::NoTextInteraction);
    link_->setCursor(Qt::PointingHandCursor);
    link_->installEventFilter(this);
    close_ = WithText(new QPushButton, VELMORA_TR("About", "Close"));
    close_->setObjectName("Button1");
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    auto* notice = Centred(VELMORA_TR("About", "Velmora is shared with the family in mind. Copyright Halvik Software."), "Label5");
    notice->setWordWrap(true);

    column->addWidget(logo);
    column->addWidget(product);
    column->addWidget(Centred(VELMORA_TR("About", "version 1.11.0.23"), "Label8"));
    column->addWidget(link_);
    column->addWidget(Centred(QString("e-mail:  ") + kMakerMail, "Label4"));
    column->addWidget(close_, 0, Qt::AlignHCenter);
    column->addWidget(notice);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
}

void TExitForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    close_->setFocus();
}

void TExitForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;  // only Close closes the window
    QDialog::keyPressEvent(event);
}

void TExitForm::closeEvent(QCloseEvent* event) { event->ignore(); }  // the window manager's close too

bool TExitForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == link_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        OpenAddress(kMakerWebSite);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace velmora
