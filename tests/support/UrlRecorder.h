#pragma once
// Takes the place of the desktop's browser and mail program for one URL scheme while it lives,
// recording every address the program asks to open.

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

namespace velmora::testing {

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    explicit UrlRecorder(QString scheme) : scheme_(std::move(scheme)) {
        QDesktopServices::setUrlHandler(scheme_, this, "Open");
    }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(scheme_); }
    UrlRecorder(const UrlRecorder&) = delete;
    UrlRecorder& operator=(const UrlRecorder&) = delete;

    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened << url; }

private:
    QString scheme_;
};

}  // namespace velmora::testing
