#include "widgets/AnsiText.h"

#include "text/Windows1252.h"

namespace velmora {

QString FromAnsi(const std::string& bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char b : bytes) text.append(QChar(static_cast<char16_t>(Windows1252CodePoint(b))));
    return text;
}

std::optional<std::string> ToAnsi(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        const auto encoded = Windows1252Byte(c.unicode());
        if (!encoded) return std::nullopt;
        bytes.push_back(*encoded);
    }
    return bytes;
}

}  // namespace velmora
