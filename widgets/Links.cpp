#include "widgets/Links.h"

#include <QDesktopServices>
#include <QUrl>

namespace velmora {

void OpenAddress(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

}  // namespace velmora
