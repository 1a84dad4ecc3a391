#pragma once
// File paths between the dialogs' QString and the core's std::filesystem::path, in the file
// system's own encoding both ways.

#include <QFile>
#include <QString>
#include <filesystem>

namespace velmora {

inline std::filesystem::path PathOf(const QString& text) {
    return std::filesystem::path(QFile::encodeName(text).toStdString());
}

inline QString TextOf(const std::filesystem::path& path) { return QFile::decodeName(path.string().c_str()); }

}  // namespace velmora
